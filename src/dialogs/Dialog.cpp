#include "dialogs/Dialog.h"

#include "platform/Ui.h"

void ZeigeModal(Gadget* window) {
    if (!Ui::gui || !window) return;
    Ui::gui->setVisible(window, true);
    if (Ui::mainWindow) Ui::gui->setEnabled(Ui::mainWindow, false);
    Ui::gui->activate(window);
}

void SchliesseDialog(Gadget* window) {
    if (Ui::gui && window) Ui::gui->postEvent({EventId::WindowClose, window});
}
