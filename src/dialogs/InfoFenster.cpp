#include "dialogs/InfoFenster.h"

#include <iostream>

#include "app/MDI.h"
#include "app/Programm.h"
#include "data/Daten.h"
#include "data/Files.h"
#include "dialogs/Dialog.h"
#include "dialogs/Fortschritt.h"
#include "exercise/Bewertung.h"
#include "exercise/Spiel.h"
#include "history/Verlauf.h"
#include "i18n/Sprache.h"
#include "platform/Ui.h"
#include "settings/IniClass.h"

Gadget* InfoFenster::Window = nullptr;
Gadget* InfoFenster::HtmlView = nullptr;
std::array<Gadget*, 3> InfoFenster::Button{};
int InfoFenster::WasIstZuSehen = 0;
bool InfoFenster::LoeschenGefragt = false;
void (*InfoFenster::HtmlAusCode)(int) = nullptr;

namespace {
using I = InfoFenster;

// Loads a page of the user folder, whose file names are matched without regard to case.
// A page that does not exist leaves the view where it was.
bool Lade(const std::string& datei) {
    const std::string pfad = Files::resolveCase(AppPfad + datei);
    if (Ui::gui->loadFile(I::HtmlView, pfad)) return true;
    std::cout << "info window: no page " << pfad << std::endl;
    return false;
}

void ZeigeBlaettern(bool sichtbar) {
    Ui::gui->setVisible(I::Button[I::BUT_BACK], sichtbar);
    Ui::gui->setVisible(I::Button[I::BUT_FORWARD], sichtbar);
}

// The manual in the current language: "anleitung.en.html" for English; the German
// manual "anleitung.html" serves every language that has none of its own.
std::string Anleitung(const std::string& name) {
    static const char* const kEndung[] = {".en", "", ".cz"};
    const std::string endung = AktSprache >= 0 && AktSprache <= 2 ? kEndung[AktSprache] : "";
    const std::string eigene = name + endung + ".html";
    if (!endung.empty() && Files::exists(Files::resolveCase(AppPfad + eigene))) return eigene;
    return name + ".html";
}

void CodeSeite(int schritt) {
    if (!I::HtmlAusCode) {
        std::cout << "info window: the code page is not built yet" << std::endl;
        return;
    }
    I::HtmlAusCode(schritt);
    Lade("Code.html");
}

// After the result page: a fresh examination of the same lesson, after the countdown.
void NeueUebung() {
    Spiel::SpielMode = MDI::SpielModeCheck();
    SpielReset();
    Spiel::CountdownZeit = 1;
}

// The progress page of the learner of the name entry, written anew.
void FortschrittsSeite() {
    SchreibeFortschritt(AppPfad, IniClass::Lesen("", "Allgemein", "User"), I::LoeschenGefragt);
    Lade("Fortschritt.html");
}

// The first press asks, the second clears.
void LoeschenGedrueckt() {
    if (I::LoeschenGefragt) {
        const std::string user = IniClass::Lesen("", "Allgemein", "User");
        if (Verlauf::Loesche(user))
            std::cout << "progress: history of " << user << " cleared" << std::endl;
        I::LoeschenGefragt = false;
    } else {
        I::LoeschenGefragt = true;
    }
    FortschrittsSeite();
}

void ZeigeErgebnis() {
    InfoFenster::ShowAs(InfoFenster::SHOW_BEWERTUNG, "");
}
}  // namespace

void InfoFenster::FormLoad() {
    Gui& gui = *Ui::gui;
    Window =
        gui.createWindow("{{Informations}}", 200, 120, 640, 440, nullptr,
                         WindowStyle::TitleBar | WindowStyle::ToolWindow | WindowStyle::Hidden);
    gui.setBackground(Window, 155, 155, 155);
    HtmlView = gui.createGadget(GadgetClass::HtmlView, 5, 5, 630, 390, Window);
    gui.setFollowLinks(HtmlView, true);
    Button[BUT_OK] = gui.createGadget(GadgetClass::Button, 500, 410, 100, 24, Window, "{{OK}}",
                                      GadgetStyle::Default);
    Button[BUT_BACK] = gui.createGadget(GadgetClass::Button, 300, 410, 100, 24, Window, "{{BACK}}");
    Button[BUT_FORWARD] =
        gui.createGadget(GadgetClass::Button, 400, 410, 100, 24, Window, "{{FORWARD}}");
    RegistriereDialog(&Window, Event);
    Spiel::PruefungBeendet = ZeigeErgebnis;
}

void InfoFenster::ShowAs(int mode, const std::string& name) {
    if (!Window) return;
    ZeigeModal(Window);
    WasIstZuSehen = mode;
    TranslateInfo();
    LoeschenGefragt = false;
    Ui::gui->setText(Button[BUT_BACK], mode == SHOW_FORTSCHRITT ? "{{Clear history}}" : "{{BACK}}");
    Lade("info.html");  // the view's history always begins with the info page
    switch (mode) {
        case SHOW_INFO:
            ZeigeBlaettern(false);
            Lade("info.html");
            break;
        case SHOW_ANLEITUNG:
            ZeigeBlaettern(true);
            Lade(Anleitung(name));
            break;
        case SHOW_DATEI:
            Lade(name);
            break;
        case SHOW_BEWERTUNG:
            HtmlAusBewertung();
            ZeigeBlaettern(false);
            Lade("Bewertung.html");
            break;
        case SHOW_CODE:
            ZeigeBlaettern(true);
            CodeSeite(0);
            break;
        case SHOW_FORTSCHRITT:
            ZeigeBlaettern(false);
            Ui::gui->setVisible(Button[BUT_BACK], true);
            FortschrittsSeite();
            break;
        default:
            break;
    }
}

void InfoFenster::Event(Gadget* source) {
    Gui& gui = *Ui::gui;
    if (source == Button[BUT_OK]) {
        SchliesseDialog(Window);
        if (WasIstZuSehen == SHOW_BEWERTUNG) NeueUebung();
    } else if (source == Button[BUT_BACK]) {
        if (WasIstZuSehen == SHOW_FORTSCHRITT)
            LoeschenGedrueckt();
        else if (WasIstZuSehen == SHOW_CODE)
            CodeSeite(+1);
        else
            gui.goBack(HtmlView);
    } else if (source == Button[BUT_FORWARD]) {
        if (WasIstZuSehen == SHOW_CODE)
            CodeSeite(-1);
        else
            gui.goForward(HtmlView);
    }
}

void InfoFenster::SetzeStartwerte() {
    Window = nullptr;
    HtmlView = nullptr;
    Button.fill(nullptr);
    WasIstZuSehen = 0;
    HtmlAusCode = nullptr;  // start-up joins it again, with the result code's hooks
    LoeschenGefragt = false;
}
