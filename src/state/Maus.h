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
    // Who is being dragged. A part takes the drag only while nobody has it and keeps it
    // until the mouse button is released.
    static constexpr int Keiner = 0, Klavier = 1, Tastenfeld = 5, Notenblatt = 6;
    static int DragWer;

    static void SetzeStartwerte() {
        MausX = MausY = MausLinks = MausRechts = 0;
        DragWer = Keiner;
    }
};
