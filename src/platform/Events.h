#pragma once
// Events as the program body sees them: one queue, one kind per row of the event loop.

#include <string>

class Gadget;

enum class EventId {
    None,
    KeyDown,
    KeyUp,
    KeyChar,
    KeyRepeat,
    MouseDown,
    MouseUp,
    MouseMove,
    MouseWheel,
    MouseEnter,
    MouseLeave,
    TimerTick,
    GadgetAction,
    GadgetPaint,
    GadgetSelect,
    WindowSize,
    WindowClose,
    MenuAction,
    AppTerminate,
};

// Virtual key codes the program uses.
namespace Key {
constexpr int Backspace = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Escape = 27,
              Space = 32, Left = 37, Up = 38, Right = 39, Down = 40, Delete = 46;
constexpr int Digit0 = 48, LetterA = 65, LetterZ = 90;
}  // namespace Key

struct Event {
    EventId id = EventId::None;
    Gadget* source = nullptr;
    int data = 0;      // key code, mouse button (1 left, 2 right, 3 middle), menu tag, wheel steps
    int x = 0, y = 0;  // mouse position in the source gadget's pixels, or the new size
};

const char* eventName(EventId id);
