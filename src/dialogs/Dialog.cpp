#include "dialogs/Dialog.h"

#include <algorithm>
#include <map>
#include <vector>

#include "platform/Ui.h"

namespace {
// The dialogs shown now, in the order they were opened.
std::vector<Gadget*>& offeneDialoge() {
    static std::vector<Gadget*> offen;
    return offen;
}

std::map<Gadget*, void (*)()>& schliessHaken() {
    static std::map<Gadget*, void (*)()> haken;
    return haken;
}

void vergiss(Gadget* window) {
    auto& offen = offeneDialoge();
    offen.erase(std::remove(offen.begin(), offen.end(), window), offen.end());
}
}  // namespace

void ZeigeModal(Gadget* window) {
    if (!Ui::gui || !window) return;
    vergiss(window);
    Gadget* darunter = offeneDialoge().empty() ? nullptr : offeneDialoge().back();
    offeneDialoge().push_back(window);
    Ui::gui->setEnabled(window, true);  // it may have been under another dialog last time
    Ui::gui->setVisible(window, true);
    // The new dialog takes the focus before the windows under it are disabled, so the
    // keyboard reaches it.
    Ui::gui->activate(window);
    if (darunter) Ui::gui->setEnabled(darunter, false);
    if (Ui::mainWindow) Ui::gui->setEnabled(Ui::mainWindow, false);
}

void SchliesseDialog(Gadget* window) {
    if (Ui::gui && window) Ui::gui->postEvent({EventId::WindowClose, window});
}

void DialogGeschlossen(Gadget* window) {
    if (!Ui::gui || !window) return;
    vergiss(window);
    Ui::gui->setVisible(window, false);
    if (auto haken = schliessHaken().extract(window)) haken.mapped()();
    if (!offeneDialoge().empty()) {
        Ui::gui->setEnabled(offeneDialoge().back(), true);
        Ui::gui->activate(offeneDialoge().back());
        return;
    }
    if (Ui::mainWindow) Ui::gui->setEnabled(Ui::mainWindow, true);
    if (Ui::mainCanvasGadget) Ui::gui->activate(Ui::mainCanvasGadget);
}

void BeimSchliessen(Gadget* window, void (*hook)()) {
    if (window && hook) schliessHaken()[window] = hook;
}

void SetzeStartwerteDialoge() {
    offeneDialoge().clear();
    schliessHaken().clear();
}
