// The on-screen piano: keyboard pictures for 3 to 6 octaves and the overlays that show
// a pressed key.
#pragma once

#include <QImage>

#include "input/KeyboardPicture.h"

namespace picturegen {

// The keyboard picture's measures are the program's: one header that the piano and its
// tests read as well.
namespace keyboard {
using namespace ::KeyboardPicture;
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
