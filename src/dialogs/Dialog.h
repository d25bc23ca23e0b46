#pragma once
// What every dialog does to open and close: it is modal by convention, so the main window
// is disabled while it is shown, and it closes by posting its window-close event, whose
// handling hides it and enables the main window again. Dialogs may stand on one another
// (the mouse test opens as the name entry closes, a result page over the name entry): the
// main window comes back only when the last of them has closed.

#include "platform/Gadget.h"

// Shows the dialog's window, gives it the focus and disables the main window and the
// dialog it opened over (the circle of fifths over the lesson browser).
void ZeigeModal(Gadget* window);
// Posts the window-close event of the dialog's window, as its close box does.
void SchliesseDialog(Gadget* window);
// Hides a dialog whose close event arrived. The dialog opened before it and still shown
// is enabled again and gets the focus back; when none is left, the main window is enabled and its
// canvas gets the focus.
void DialogGeschlossen(Gadget* window);
// Tells a dialog once, after its window has closed: it lets go of what it holds while it is
// shown (an answer receiver it installed). A window that closes again is told again only
// if it asked again.
void BeimSchliessen(Gadget* window, void (*hook)());
void SetzeStartwerteDialoge();
