#pragma once
// The program body: start-up, the event loop and the shutdown.

#include "platform/Events.h"
#include "platform/Gui.h"

struct Programm {
    static bool Beendet;  // set by the shutdown; the event loop then returns
    // Ticks until the name entry opens: start-up sets 1, so it opens over the first frame;
    // 0 once it has opened (a whole-program test of another subject sets 0 after start-up).
    static int NamensEingabeNachTicks;
    // The event being handled, for a handler that needs more than its source: where a
    // panel was pressed, which toolbar icon.
    static Event AktuellesEvent;

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
// once the dialog is built) and its event function when it is built. A list box's
// selection and a press on a panel go to the dialog whose window holds that gadget.
void RegistriereDialog(Gadget** window, void (*event)(Gadget* source));

// Applies the size rule of the main window and keeps the movable parts inside it.
void AllesBeiResizeWindow();
// The window that holds the gadget with the keyboard focus, or none.
Gadget* AktivesFenster();
// Frees the main canvas and ends the program with exit code 0.
void ProgrammBeenden();
