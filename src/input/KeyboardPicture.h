#pragma once
// The measures of the on-screen piano's keyboard picture ("Tastatur3.png" to
// "Tastatur6.png" and the overlays of a pressed key). The picture generator draws with
// them, the piano draws and hit-tests its keys with them, and the tests of both read them:
// a number written out in one of these places is a number the others may not agree with.
//
// Two kinds of coordinates:
// - picture pixels, from the picture's top-left corner;
// - key coordinates, the piano's own, from its keys' origin (TastaturX, TastaturY) at
//   scale 1: key x 0 is picture x ORIGIN_X, and key y 0 is picture row ORIGIN_Y (the piano
//   draws the picture one pixel above its origin).
// Plain constants only: the generator builds without the program, the program without Qt.

namespace KeyboardPicture {

// --- The picture, in picture pixels ---------------------------------------------------
inline constexpr int H = 198;
inline constexpr int KEYS_LEFT = 110;  // picture x of the first white key
inline constexpr int WHITE_W = 21;
inline constexpr int OCTAVE_W = 7 * WHITE_W;
inline constexpr int RIGHT_CHEEK = 44;  // case to the right of the top key
// Both kinds of key start at this row, below the felt.
inline constexpr int KEY_TOP = 69;
inline constexpr int WHITE_BOTTOM = 195;  // white keys end above this row (126 long)
inline constexpr int BLACK_BOTTOM = 145;  // black keys end above this row (76 long)
inline constexpr int BLACK_W = 14;
// Picture x of a black key's left edge, less 21 * column + Xadd of the key table.
inline constexpr int BLACK_LEFT_FROM_KEY = 109;
// The size button as drawn, and the zone the piano reacts to (x 0 to 80, rows 158 to 173).
inline constexpr int SIZE_BUTTON_X = 8, SIZE_BUTTON_Y = 158, SIZE_BUTTON_W = 70, SIZE_BUTTON_H = 16;
inline constexpr int SIZE_ZONE_LEFT = 0, SIZE_ZONE_RIGHT = 80;
inline constexpr int SIZE_ZONE_TOP = 158, SIZE_ZONE_BOTTOM = 173;
// Felt strip above the keys; the piano marks middle C on it with a dot.
inline constexpr int FELT_TOP = 55;
inline constexpr int MIDDLE_C_DOT_IN_KEY = 3;  // from the white key's left edge
inline constexpr int MIDDLE_C_DOT_TOP = 61;
inline constexpr int MIDDLE_C_DOT_SIZE = 5;
// Pressed-key overlays.
inline constexpr int CF_W = 16, CF_H = 127;
inline constexpr int C_ONLY_W = 14, C_ONLY_H = 126;
inline constexpr int CF2_W = 4, CF2_H = 50;
inline constexpr int EH_W = 20, EH_H = 127;
inline constexpr int EH2_W = 4, EH2_H = 126;
inline constexpr int CIS_W = 22, CIS_H = 76;

// The picture's width for a keyboard of 3 to 6 octaves and its closing top key.
constexpr int width(int octaves) {
    return KEYS_LEFT + WHITE_W * (7 * octaves + 1) + RIGHT_CHEEK;
}

// --- Key coordinates --------------------------------------------------------------------
inline constexpr int ORIGIN_X = 106;  // picture x of key x 0
inline constexpr int ORIGIN_Y = 1;    // picture row of key y 0
constexpr int keyX(int pictureX) {
    return pictureX - ORIGIN_X;
}
constexpr int keyY(int pictureRow) {
    return pictureRow - ORIGIN_Y;
}

inline constexpr int KEYS_TOP = keyY(KEY_TOP);               // 68
inline constexpr int BLACK_END = keyY(BLACK_BOTTOM);         // 144: a white key widens here
inline constexpr int WHITE_LENGTH = WHITE_BOTTOM - KEY_TOP;  // 126
inline constexpr int BLACK_LENGTH = BLACK_BOTTOM - KEY_TOP;  // 76
inline constexpr int PICTURE_BOTTOM = keyY(H);               // 197
// White key of column X: from 21 X + WHITE_LEFT, WHITE_W wide.
inline constexpr int WHITE_LEFT = keyX(KEYS_LEFT);  // 4
// Black key: from 21 X + Xadd + BLACK_LEFT, BLACK_W wide.
inline constexpr int BLACK_LEFT = keyX(BLACK_LEFT_FROM_KEY);  // 3

// The band along the top by which the keyboard is dragged, at every scale this high.
inline constexpr int GRAB_BAND = 50;

// The hit test reads the pointer in a frame of its own: x from 3 pixels right of the keys'
// origin, y from 66 pixels below it; a white key of column X is hit from 21 X to 21 X + 21
// and above WHITE_LENGTH, a black key from 21 X + Xadd, BLACK_W wide and above BLACK_LENGTH.
inline constexpr int HIT_ORIGIN_X = 3;
inline constexpr int HIT_ORIGIN_Y = 66;

}  // namespace KeyboardPicture
