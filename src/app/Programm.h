#pragma once
// The program body: start-up, the event loop and the shutdown.

#include "platform/Events.h"
#include "platform/Gui.h"

struct Programm {
    static bool Beendet;  // set by the shutdown; the event loop then returns

    // Start-up up to the event loop, on the given platform.
    static void StartUp(Gui& gui);
    // Waits for events and hands each to its owner until the shutdown.
    static void EventLoop();
    static void HandleEvent(const Event& event);
    // The fonts and pictures, then the piano samples (decoded in the background) and the
    // transposition tables.
    static void LadeStartDaten();
    // The start values of every module.
    static void SetzeStartwerte();
};

// The dialogs that take gadget actions while they hold the focus, tested in the order
// they were registered. A dialog registers its window (a place that holds the gadget
// once the dialog is built) and its event function when it is built.
void RegistriereDialog(Gadget** window, void (*event)(Gadget* source));

// Applies the size rule of the main window and keeps the movable parts inside it.
void AllesBeiResizeWindow();
// The window that holds the gadget with the keyboard focus, or none.
Gadget* AktivesFenster();
// Frees the main canvas and ends the program with exit code 0.
void ProgrammBeenden();
