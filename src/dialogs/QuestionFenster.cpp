#include "dialogs/QuestionFenster.h"

#include <string>

#include "app/Programm.h"
#include "dialogs/Dialog.h"
#include "exercise/SpielFenster.h"
#include "i18n/Sprache.h"
#include "platform/Clock.h"
#include "platform/Ui.h"
#include "resultcode/CodeServer.h"
#include "resultcode/Geheim.h"
#include "settings/IniClass.h"

Gadget* QuestionFenster::Window = nullptr;
Gadget* QuestionFenster::Label = nullptr;
Gadget* QuestionFenster::Button1 = nullptr;
Gadget* QuestionFenster::Button2 = nullptr;
Gadget* QuestionFenster::Button3 = nullptr;
int QuestionFenster::Oft = 0;
int64_t QuestionFenster::MessZeit = 0;
int QuestionFenster::VorZufall = 0;

namespace {
using Q = QuestionFenster;

constexpr int BREITE = 400, HOEHE = 180;
const char* const kCaptions[] = {"{{A}}", "{{B}}", "{{C}}"};

Gadget* knopf(int nummer) {
    return nummer == 1 ? Q::Button1 : nummer == 2 ? Q::Button2 : Q::Button3;
}

bool zeigtHier(Gadget* button) {
    return Ui::gui->text(button) == "{{HERE}}";
}

// Reports the learner's new mouse time (whether it went out is not checked) and stores it
// where it improves on the stored one.
void Speichere(int mausZeit) {
    const std::string user = IniClass::Lesen("", "Allgemein", "User");
    const int gespeichert = IniClass::Value("", user, "MausZeit");
    Geheim::Senden(CodeServerAdresse(), CodeServerPfad,
                   "MAUS||" + user + "|" + std::to_string(mausZeit));
    if (ErsetztGespeicherteMausZeit(gespeichert, mausZeit))
        IniClass::Schreiben("", user, "MausZeit", std::to_string(mausZeit));
}
}  // namespace

int MausZeitAusMessung(int64_t erster, int64_t letzter) {
    return static_cast<int>((letzter - erster) / 20);
}

bool ErsetztGespeicherteMausZeit(int gespeichert, int neu) {
    return gespeichert < 99 || neu < gespeichert;
}

void QuestionFenster::FormLoad() {
    Gui& gui = *Ui::gui;
    Window = gui.createWindow("{{Question}}", (gui.desktopWidth() - BREITE) / 2,
                              (gui.desktopHeight() - HOEHE) / 2, BREITE, HOEHE, nullptr,
                              WindowStyle::Hidden);
    gui.setBackground(Window, 222, 222, 222);
    Label = gui.createGadget(GadgetClass::Label, 30, 10, 350, 120, Window, "{{Phrase63}}");
    gui.setFont(Label, 16);
    Button1 = gui.createGadget(GadgetClass::Button, 70, 140, 80, 24, Window, kCaptions[0]);
    Button2 = gui.createGadget(GadgetClass::Button, 170, 140, 80, 24, Window, kCaptions[1]);
    Button3 = gui.createGadget(GadgetClass::Button, 270, 140, 80, 24, Window, kCaptions[2]);
    RegistriereDialog(&Window, Event);
}

void QuestionFenster::Show() {
    if (!Window) return;
    ZeigeModal(Window);
    ButtonZufall();
}

void QuestionFenster::ButtonZufall() {
    int nummer = VorZufall;
    while (nummer == VorZufall) nummer = Runtime::rand(1, 3);
    VorZufall = nummer;
    for (int i = 1; i <= 3; ++i) Ui::gui->setText(knopf(i), kCaptions[i - 1]);
    Ui::gui->setText(knopf(nummer), "{{HERE}}");
}

void QuestionFenster::Event(Gadget* source) {
    if (source != Button1 && source != Button2 && source != Button3) return;
    if (!zeigtHier(source)) return;
    ButtonZufall();
    if (Oft == 0) MessZeit = Runtime::millisecs();
    if (++Oft < KLICKS) return;
    SpielFenster::MausZeit = MausZeitAusMessung(MessZeit, Runtime::millisecs());
    Speichere(SpielFenster::MausZeit);
    SchliesseDialog(Window);
    Oft = 0;
}

void QuestionFenster::SetzeStartwerte() {
    Window = Label = Button1 = Button2 = Button3 = nullptr;
    Oft = 0;
    MessZeit = 0;
    VorZufall = 0;
}
