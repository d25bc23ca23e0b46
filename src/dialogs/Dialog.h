#pragma once
// What every dialog does to open and close: it is modal by convention, so the main window
// is disabled while it is shown, and it closes by posting its window-close event, whose
// handling hides it and enables the main window again.

#include "platform/Gadget.h"

// Shows the dialog's window, disables the main window and gives the dialog the focus.
void ZeigeModal(Gadget* window);
// Posts the window-close event of the dialog's window, as its close box does.
void SchliesseDialog(Gadget* window);
