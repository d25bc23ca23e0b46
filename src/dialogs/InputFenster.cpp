#include "dialogs/InputFenster.h"

#include <iostream>

#include "app/Programm.h"
#include "dialogs/Dialog.h"
#include "dialogs/QuestionFenster.h"
#include "exercise/SpielFenster.h"
#include "platform/Ui.h"
#include "settings/IniClass.h"

Gadget* InputFenster::Window = nullptr;
Gadget* InputFenster::Label = nullptr;
Gadget* InputFenster::TextFeld = nullptr;
Gadget* InputFenster::Hinweis = nullptr;
std::array<Gadget*, 3> InputFenster::Button{};
int InputFenster::WasIstZuSehen = InputFenster::MODE_NAME;
void (*InputFenster::CheckCode)(const std::string&) = nullptr;

namespace {
using I = InputFenster;

constexpr int BREITE = 400, HOEHE = 180;

bool istBuchstabeAZ(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string inGrossbuchstaben(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}
}  // namespace

bool IstGueltigerVorname(const std::string& name) {
    if (name.size() < 3) return false;
    for (char c : name)
        if (!istBuchstabeAZ(c)) return false;
    return true;
}

void InputFenster::FormLoad() {
    Gui& gui = *Ui::gui;
    Window = gui.createWindow("{{Input}}", (gui.desktopWidth() - BREITE) / 2,
                              (gui.desktopHeight() - HOEHE) / 2, BREITE, HOEHE, nullptr,
                              WindowStyle::Hidden);
    gui.setBackground(Window, 222, 222, 222);
    Label = gui.createGadget(GadgetClass::Label, 30, 10, 350, 60, Window, "{{Phrase58}}");
    gui.setFont(Label, 16);
    TextFeld = gui.createGadget(GadgetClass::TextField, 30, 80, 300, 44, Window);
    gui.setFont(TextFeld, 20);
    Hinweis = gui.createGadget(GadgetClass::Label, 30, 128, 232, 44, Window,
                               "{{Three or more letters A to Z, no blanks, digits or umlauts}}");
    gui.setFont(Hinweis, 9);
    Button[BUT_OK] = gui.createGadget(GadgetClass::Button, 270, 140, 80, 24, Window, "{{Ready}}",
                                      GadgetStyle::Default);
    RegistriereDialog(&Window, Event);
}

void InputFenster::ShowAs(int mode) {
    if (!Window) return;
    Gui& gui = *Ui::gui;
    ZeigeModal(Window);
    WasIstZuSehen = mode;
    if (mode == MODE_NAME) {
        gui.setText(Label, "{{Phrase58}}");
        gui.setText(TextFeld, IniClass::Lesen("", "Allgemein", "User"));
        gui.setVisible(Hinweis, true);
    } else if (mode == MODE_CODE) {
        gui.setText(Label, "{{Phrase59}}");
        gui.setText(TextFeld, "");
        gui.setVisible(Hinweis, false);
    }
    gui.activate(TextFeld);  // the learner types at once
}

void InputFenster::Event(Gadget* source) {
    if (source != Button[BUT_OK]) return;
    const std::string text = Ui::gui->text(TextFeld);
    if (WasIstZuSehen == MODE_NAME) {
        CheckUserInput(text);
    } else if (WasIstZuSehen == MODE_CODE) {
        if (CheckCode)
            CheckCode(inGrossbuchstaben(text));
        else
            std::cout << "input window: no code analysis joined, the code is not read" << std::endl;
    }
}

void InputFenster::CheckUserInput(const std::string& name) {
    if (!IstGueltigerVorname(name)) return;
    IniClass::Schreiben("", "Allgemein", "User", name);
    SpielFenster::MausZeit = IniClass::Value("", name, "MausZeit");
    SchliesseDialog(Window);
    if (SpielFenster::MausZeit == 0) QuestionFenster::Show();
}

void InputFenster::SetzeStartwerte() {
    Window = Label = TextFeld = Hinweis = nullptr;
    Button.fill(nullptr);
    WasIstZuSehen = MODE_NAME;
    CheckCode = nullptr;
}
