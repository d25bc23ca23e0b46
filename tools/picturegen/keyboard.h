// The on-screen piano: keyboard pictures for 3 to 6 octaves and the overlays that show
// a pressed key.
#pragma once

#include <QImage>

namespace picturegen {

namespace keyboard {
inline constexpr int H = 198;
inline constexpr int KEYS_LEFT = 110;  // picture x of the first white key
inline constexpr int WHITE_W = 21;
inline constexpr int OCTAVE_W = 7 * WHITE_W;
inline constexpr int RIGHT_CHEEK = 44;  // case to the right of the top key
// The program draws the picture one pixel above its key origin: key y 68 is picture row 69.
inline constexpr int KEY_TOP = 69;
inline constexpr int WHITE_BOTTOM = 195;  // white keys end above this row (126 long)
inline constexpr int BLACK_BOTTOM = 145;  // black keys end above this row (76 long)
inline constexpr int BLACK_W = 14;
// Picture x of a black key's left edge: key x 21*column + Xadd + 3, and key x 0 is picture x 106.
inline constexpr int BLACK_LEFT_FROM_KEY = 109;
// The size button: the program reacts to key coordinates x <= -26 and 157 <= y <= 172,
// which is picture x <= 80 and rows 158 to 173.
inline constexpr int SIZE_BUTTON_X = 8, SIZE_BUTTON_Y = 158, SIZE_BUTTON_W = 70, SIZE_BUTTON_H = 16;
// Felt strip above the keys, where the program marks middle C with a dot at rows 61 to 65.
inline constexpr int FELT_TOP = 55;
// Pressed-key overlays.
inline constexpr int CF_W = 16, CF_H = 127;
inline constexpr int C_ONLY_W = 14, C_ONLY_H = 126;
inline constexpr int CF2_W = 4, CF2_H = 50;
inline constexpr int EH_W = 20, EH_H = 127;
inline constexpr int EH2_W = 4, EH2_H = 126;
inline constexpr int CIS_W = 22, CIS_H = 76;

constexpr int width(int octaves) {
    return KEYS_LEFT + WHITE_W * (7 * octaves + 1) + RIGHT_CHEEK;
}
}  // namespace keyboard

// The keyboard picture; octaves 3 and 5 start with F, 4 and 6 with C.
QImage makeKeyboard(int octaves);

QImage makeOverlayCF();     // "CFdown4.png": C or F pressed, left part
QImage makeOverlayCOnly();  // "Clinksdown.png": the leftmost key pressed
QImage makeOverlayCF2();    // "CFdown3.png": lower right edge of a pressed C, F, D, G or A
QImage makeOverlayEH();     // "EHdown4.png": D, E, G, A or B pressed, left part
QImage makeOverlayEH2();    // "EHdown3.png": right edge of a pressed E or B
QImage makeOverlayBlack();  // "SchwarzDown2.png": a black key pressed

}  // namespace picturegen
