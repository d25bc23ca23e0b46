#pragma once
// The program-wide access to the windowing platform and the main canvas, set by the
// program body at start-up (a test installs a headless one).

#include "platform/Canvas.h"
#include "platform/Gui.h"

struct Ui {
    static Gui* gui;
    static Gadget* mainWindow;
    static Gadget* mainCanvasGadget;
    // The main window's client size; 1120 x 700 before it exists.
    static int mainWindowWidth() { return gui && mainWindow ? gui->shape(mainWindow).width : 1120; }
    static int mainWindowHeight() {
        return gui && mainWindow ? gui->shape(mainWindow).height : 700;
    }
    static Canvas* mainCanvas() { return gui ? gui->canvasOf(mainCanvasGadget) : nullptr; }
    // The window that holds the gadget with the keyboard focus: from the focused gadget up
    // through its parents to the first window. None when nothing holds the focus.
    static Gadget* activeWindow() {
        Gadget* gadget = gui ? gui->focusedGadget() : nullptr;
        while (gadget && gadget->gadgetClass() != GadgetClass::Window) gadget = gadget->parent();
        return gadget;
    }
    static void SetzeStartwerte() {
        gui = nullptr, mainWindow = nullptr, mainCanvasGadget = nullptr;
    }
};
