// Pictures of the note-name button field, the circle of fifths, the settings dialog's
// signal lights and toolbar, and the pictures of the generated HTML pages.
#pragma once

#include <QImage>

namespace picturegen {

namespace buttonfield {
inline constexpr int W = 370;
inline constexpr int H = 723;
// Key cap faces, where the field draws the pressed highlight and centres the names:
// button i = 3r + c at (96c + 20, 605 - 80r - 20c), 74 x 57.
inline constexpr int CAP_X0 = 20, CAP_DX = 96, CAP_Y0 = 605, CAP_DY = 80, COLUMN_RISE = 20;
inline constexpr int CAP_W = 74, CAP_H = 57;
inline constexpr int ROWS = 7, COLUMNS = 3;
inline constexpr int GRIP_H = 40;  // the band the field is dragged by
// Row 7 of the click grid: the octave selector (column 0), whose rings the field draws at
// x 21..88, y 57..88, and the size zone (column 1, clicks at x 116..193, y 40..62).
inline constexpr int OCTAVE_PLATE_X = 14, OCTAVE_PLATE_Y = 50, OCTAVE_PLATE_W = 82,
                     OCTAVE_PLATE_H = 46;
inline constexpr int SIZE_BUTTON_X = 118, SIZE_BUTTON_Y = 43, SIZE_BUTTON_W = 72,
                     SIZE_BUTTON_H = 19;
constexpr int capX(int c) {
    return CAP_X0 + CAP_DX * c;
}
constexpr int capY(int r, int c) {
    return CAP_Y0 - CAP_DY * r - COLUMN_RISE * c;
}
}  // namespace buttonfield

namespace fifths {
inline constexpr int W = 488;
inline constexpr int H = 382;
inline constexpr int BOX_W = 83, BOX_H = 59;
struct Box {
    int x0, y0;
    const char* key;  // major key shown in the box
    int sharps;       // signature: > 0 sharps, < 0 flats
};
// Click boxes in the order the browser tests them (boxes 1 to 11).
inline constexpr Box BOXES[11] = {{289, 307, "B", 5},  {352, 244, "E", 4},  {376, 157, "A", 3},
                                  {352, 70, "D", 2},   {289, 6, "G", 1},    {202, -17, "C", 0},
                                  {115, 6, "F", -1},   {51, 69, "Bb", -2},  {28, 156, "Eb", -3},
                                  {51, 244, "Ab", -4}, {114, 307, "Db", -5}};
}  // namespace fifths

QImage makeButtonField();
QImage makeCircleOfFifths();
QImage makeSignalLight(int lit);  // 0 red, 1 yellow, 2 green
QImage makeToolbar();
QImage makeLogo();
QImage makeBook();
QImage makeInfoPhoto();
QImage makeInfoName();
QImage makeFace(int mood);  // 0 laughing, 1 sad, 2 angry

// Draws a flat, sharp or natural sign of the music font, centred at (cx, cy), em pixels high staff.
void drawSmallAccidental(class QPainter& p, char32_t which, double cx, double cy, double em,
                         const class QColor& c);

}  // namespace picturegen
