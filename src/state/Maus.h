#pragma once

#include <algorithm>
// The shared mouse state: written by the event loop only, read by the input devices on
// every tick.

// A dragged part stays at least 10 pixels inside the main window along one axis of the
// given extent; where the window is too small for both bounds, the lower one wins.
inline int keepInsideWindow(int position, int extent) {
    return position < 10 ? 10 : position > extent - 10 ? std::max(10, extent - 10) : position;
}

struct Maus {
    static int MausX, MausY;  // last move, in canvas pixels
    static int MausLinks;     // 1 while the left button is held
    static int MausRechts;    // 1 while the right button is held
    // Who is being dragged: 0 none, 1 piano, 5 note-name buttons, 6 staff window.
    static int DragWer;

    static void Reset() { MausX = MausY = MausLinks = MausRechts = DragWer = 0; }
};
