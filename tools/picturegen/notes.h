// The note sheet "Noten.png", the beam sheet "Balken.png", the shadow
// "Schatten.png" and the note-length picture "quarter.png".
#pragma once

#include <QImage>

namespace picturegen {

namespace notecell {
inline constexpr int W = 60;
inline constexpr int H = 140;
inline constexpr int COUNT = 18;
// Cell numbers.
inline constexpr int TREBLE_CLEF = 0, BASS_CLEF = 1, WHOLE = 2, HALF_UP = 3, HALF_DOWN = 4,
                     QUARTER_UP = 5, QUARTER_DOWN = 6, EIGHTH_UP = 7, EIGHTH_DOWN = 8, SHARP = 9,
                     FLAT = 10, NATURAL = 11, QUARTER_REST = 12, WHOLE_REST = 13, HALF_REST = 14;
// A note head's centre lies on the middle of pixel row 69: the staff window puts the
// cell top at 171 - 10*step and a staff line of that step on row 240 - 10*step.
inline constexpr double HEAD_CY = 69.5;
// Heads sit at the left of the cell, centred on x = 12 (a whole note on x = 20),
// where the ledger lines (40 wide from -8, 50 wide from -5) are centred.
inline constexpr double HEAD_CX = 12.0;
inline constexpr double WHOLE_CX = 20.0;
inline constexpr double STEM_W = 2.2;
// Stems are 3.5 staff spaces: an up stem ends at the cell top, a down stem at its bottom.
inline constexpr double STEM_UP_TOP = 0.0;
inline constexpr double STEM_DOWN_BOTTOM = 140.0;
// Accidentals end 3 pixels before the head of the note they belong to (drawn 20 to the left).
inline constexpr double ACCIDENTAL_RIGHT = 17.0;
// Clefs, drawn by the staff window at y 43 (treble) and SystemDistanz + 52 (bass):
// the G line (row 130) is row 87 of the treble clef's cell, the F line (row SystemDistanz + 90)
// row 38 of the bass clef's cell.
inline constexpr double TREBLE_G_LINE = 130.5 - 43.0;
inline constexpr double BASS_F_LINE = 90.5 - 52.0;
// Rests are drawn with their cell top 41 above the staff origin: the middle line is row 69
// of the cell, the second line from the top row 49.
inline constexpr double REST_MIDDLE_LINE = 110.5 - 41.0;
inline constexpr double REST_FOURTH_LINE = 90.5 - 41.0;
inline constexpr double REST_CX = 13.0;
}  // namespace notecell

namespace beamcell {
inline constexpr int W = 80;
inline constexpr int H = 120;
inline constexpr int COUNT = 10;
inline constexpr int LEVEL = 8;
inline constexpr int EMPTY = 9;
// The second note draws the beam at x = X + 1 - 53 (stems up) or X + 1 - 75 (stems down)
// and y = cell top - 56 (up) or cell top + 75 (down). Its stem then lies at x 73.7..76.3 of
// the beam cell, and its stem end at y 56 (up) or 65 (down).
inline constexpr double UP_OFFSET_X = 1 - 53;
inline constexpr double DOWN_OFFSET_X = 1 - 75;
inline constexpr double UP_OFFSET_Y = -56;
inline constexpr double DOWN_OFFSET_Y = 75;
inline constexpr double RIGHT_STEM_X = 75.0;  // centre of the second note's stem
// Two beamed eighths stand 0.7 note spacings apart; the scrolling staff's spacing of 70
// makes that 48 or 49 pixels after truncation.
inline constexpr double PAIR_DISTANCE = 48.5;
inline constexpr double TOP_AT_RIGHT = 56.0;
inline constexpr double THICKNESS = 10.0;  // half a staff space
inline constexpr double STEP = 10.0;       // pixels per staff step
}  // namespace beamcell

namespace shadow {
inline constexpr int W = 700;
inline constexpr int H = 250;
inline constexpr int DARK_W = 615;
inline constexpr int DARK_H = 200;
}  // namespace shadow

namespace lengthpicture {
inline constexpr int W = 240;
inline constexpr int H = 75;
// The settings dialog puts a 32 x 25 check box at x 25, 80, 135 and 190 under the picture;
// its tick box is at the box's left, so each note stands over x + 10.
inline constexpr int BOX_X[4] = {25, 80, 135, 190};
inline constexpr int NOTE_OVER_BOX = 10;
}  // namespace lengthpicture

QImage makeNoteSheet();
QImage makeBeamSheet();
QImage makeShadow();
QImage makeLengthPicture();

// Stem x positions inside a note cell (left edge), shared with the staff proof.
double stemUpLeft();
double stemDownLeft();

}  // namespace picturegen
