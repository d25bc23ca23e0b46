#include "platform/Events.h"

#include "platform/Ui.h"

Gui* Ui::gui = nullptr;
Gadget* Ui::mainWindow = nullptr;
Gadget* Ui::mainCanvasGadget = nullptr;

const char* eventName(EventId id) {
    switch (id) {
        case EventId::None:
            return "none";
        case EventId::KeyDown:
            return "key down";
        case EventId::KeyUp:
            return "key up";
        case EventId::KeyChar:
            return "key char";
        case EventId::KeyRepeat:
            return "key repeat";
        case EventId::MouseDown:
            return "mouse down";
        case EventId::MouseUp:
            return "mouse up";
        case EventId::MouseMove:
            return "mouse move";
        case EventId::MouseWheel:
            return "mouse wheel";
        case EventId::MouseEnter:
            return "mouse enter";
        case EventId::MouseLeave:
            return "mouse leave";
        case EventId::TimerTick:
            return "timer tick";
        case EventId::GadgetAction:
            return "gadget action";
        case EventId::GadgetPaint:
            return "gadget paint";
        case EventId::GadgetSelect:
            return "gadget select";
        case EventId::WindowSize:
            return "window size";
        case EventId::WindowClose:
            return "window close";
        case EventId::MenuAction:
            return "menu action";
        case EventId::AppTerminate:
            return "app terminate";
    }
    return "?";
}
