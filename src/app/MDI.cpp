#include "app/MDI.h"

#include <iostream>
#include <string>

#include "app/Programm.h"
#include "dialogs/InfoFenster.h"
#include "dialogs/InputFenster.h"
#include "dialogs/LektionenAssistent.h"
#include "dialogs/LektionenBrowser.h"
#include "dialogs/Parameter.h"
#include "dialogs/QuestionFenster.h"
#include "exercise/Spiel.h"
#include "exercise/SpielFenster.h"
#include "i18n/Sprache.h"
#include "platform/Ui.h"
#include "settings/IniClass.h"
#include "sound/SoundTyp.h"

Gadget* MDI::Window = nullptr;
Gadget* MDI::Canvas = nullptr;
std::array<Gadget*, 70> MDI::Menus{};
int MDI::WindowBreite = 1120;
int MDI::WindowHoehe = 700;
std::string MDI::HomePage = "https://www.corvello.de/lesmora/";

namespace {
const std::string kMenuPadding(19, ' ');

struct MenuEntry {
    int tag;
    int parent;  // 0: the menu bar
    std::string caption;
};

// The menus in the order they are created and shown; tag 0 is a separator.
const MenuEntry kMenuEntries[] = {
    {MDI::MENU_FILE, 0, "{{Start}}   "},
    {MDI::MENU_OPEN, MDI::MENU_FILE, "{{Select exercise}}" + kMenuPadding},
    {MDI::MENU_CHANGE, MDI::MENU_FILE, "{{Change exercise book}}" + kMenuPadding},
    {MDI::MENU_CREATE, MDI::MENU_FILE, "{{Create exercise}}" + kMenuPadding},
    {0, MDI::MENU_FILE, ""},
    {MDI::MENU_EXIT, MDI::MENU_FILE, "{{Exit}}"},
    {MDI::MENU_SPIEL, 0, "{{Method}}   "},
    {MDI::MENU_SINGLE, MDI::MENU_SPIEL, "{{Single Notes}}"},
    {MDI::MENU_FLOATING, MDI::MENU_SPIEL, "{{Scrolling Notes}}"},
    {MDI::MENU_DICTATION, MDI::MENU_SPIEL, "{{Dictation}}"},
    {MDI::MENU_WORDS, MDI::MENU_SPIEL, "{{Guess Words}}"},
    {0, MDI::MENU_SPIEL, ""},
    {MDI::MENU_EXERCISE, MDI::MENU_SPIEL, "{{Work steps}}"},
    {MDI::MENU_LEARN, MDI::MENU_SPIEL, "1. {{Learn and see}}"},
    {MDI::MENU_PRACTICE, MDI::MENU_SPIEL, "2. {{Practice}}"},
    {MDI::MENU_COMPETITION, MDI::MENU_SPIEL, "3. {{Examination}}"},
    {MDI::MENU_PAUSE, MDI::MENU_SPIEL, "{{Stopp}}" + kMenuPadding},
    {MDI::MENU_OPTI, 0, "{{Options}}   "},
    {MDI::MENU_ABOUT, MDI::MENU_OPTI, "{{Info about}} Lesmora"},
    {MDI::MENU_PARA, MDI::MENU_OPTI, "{{Settings}}"},
    {MDI::MENU_INTERNET, MDI::MENU_OPTI, "Homepage Corvello"},
    {MDI::MENU_HELP, MDI::MENU_OPTI, "{{Help}}"},
    {MDI::MENU_FORTSCHRITT, MDI::MENU_OPTI, "{{Progress}}"},
    {MDI::MENU_NAME, MDI::MENU_OPTI, "{{Input Name}}"},
    {MDI::MENU_CODE, MDI::MENU_OPTI, "{{Analyse Student Code}}"},
    {MDI::MENU_MAUSTEST, MDI::MENU_OPTI, "{{Mouse Test}}"},
};
void ZeigeMenuFuerLektion(int alsZweiHand);
}  // namespace

void MDI::FormLoad() {
    Gui& gui = *Ui::gui;
    Window = gui.createWindow(TITLE, gui.desktopWidth() - WindowBreite - 50, 100, WindowBreite,
                              WindowHoehe, nullptr,
                              WindowStyle::TitleBar | WindowStyle::Resizable |
                                  WindowStyle::MenuBar | WindowStyle::StatusBar);
    Canvas = gui.createCanvas(0, 0, gui.desktopWidth(), gui.desktopHeight(), Window);
    Ui::mainWindow = Window;
    Ui::mainCanvasGadget = Canvas;
    for (const MenuEntry& entry : kMenuEntries) {
        Gadget* parent = entry.parent == 0 ? Window : Menus[entry.parent];
        Gadget* menu = gui.createMenu(entry.caption, entry.tag, parent);
        if (entry.tag != 0) Menus[entry.tag] = menu;
    }
    gui.setMenuEnabled(Menus[MENU_EXERCISE], false);
    gui.setMenuEnabled(Menus[MENU_DICTATION], false);
    gui.updateWindowMenu(Window);
    ZweiHandMenu = ZeigeMenuFuerLektion;
    AktSprache = IniClass::Value("", "Allgemein", "Sprache");
    SetCurrentLanguage(SprachTabelle(AktSprache));
    gui.relocalize();
    gui.updateWindowMenu(Window);
    SpielReset();
    UmCheck({MENU_SINGLE, MENU_FLOATING, MENU_DICTATION, MENU_WORDS}, MENU_FLOATING);
    UmCheck({MENU_LEARN, MENU_PRACTICE, MENU_COMPETITION}, MENU_PRACTICE);
    Spiel::SpielMode = Spiel::KeinSpiel;
    Spiel::AktGrade = Spiel::Ueben;
    SpielReset();
    gui.updateWindowMenu(Window);
}

void MDI::SwitchSomeMenus(std::initializer_list<int> aus, std::initializer_list<int> an) {
    for (int tag : aus) {
        if (tag == 0) break;
        Ui::gui->setMenuEnabled(Menus[tag], false);
    }
    for (int tag : an) {
        if (tag == 0) break;
        Ui::gui->setMenuEnabled(Menus[tag], true);
    }
    Ui::gui->updateWindowMenu(Window);
}

void MDI::UmCheck(std::initializer_list<int> tags, int tag) {
    for (int each : tags) Ui::gui->setChecked(Menus[each], false);
    if (tag != 0) Ui::gui->setChecked(Menus[tag], true);
}

int MDI::SpielModeCheck() {
    if (Ui::gui->isChecked(Menus[MENU_SINGLE])) return 1;
    if (Ui::gui->isChecked(Menus[MENU_FLOATING])) return 2;
    if (Ui::gui->isChecked(Menus[MENU_DICTATION])) return 3;
    if (Ui::gui->isChecked(Menus[MENU_WORDS])) return 4;
    return 0;
}

void MDI::SwitchSprache(int sprache) {
    AktSprache = sprache;
    SetCurrentLanguage(SprachTabelle(sprache));
    if (Ui::gui) {
        Ui::gui->relocalize();
        Ui::gui->updateWindowMenu(Window);
    }
    SpielReset();
}

namespace {
constexpr std::initializer_list<int> kMethods = {MDI::MENU_SINGLE, MDI::MENU_FLOATING,
                                                 MDI::MENU_DICTATION, MDI::MENU_WORDS};
constexpr std::initializer_list<int> kWorkSteps = {MDI::MENU_LEARN, MDI::MENU_PRACTICE,
                                                   MDI::MENU_COMPETITION};

// A two-hand lesson runs scrolling notes only: words are disabled and the method
// tick moves to scrolling notes; a one-hand lesson enables words again.
void ZeigeMenuFuerLektion(int alsZweiHand) {
    if (alsZweiHand == 1) {
        MDI::SwitchSomeMenus({MDI::MENU_WORDS, 0}, {0});
        MDI::UmCheck(kMethods, MDI::MENU_FLOATING);
    } else {
        MDI::SwitchSomeMenus({0}, {MDI::MENU_WORDS, 0});
    }
}

void notYet(const char* what) {
    std::cout << "menu: " << what << " is not built yet" << std::endl;
}

void Stopp() {
    SoundTyp::ResetListe();
    Spiel::SpielMode = Spiel::KeinSpiel;
    if (Spiel::AktGrade == Spiel::Pruefung) {
        Spiel::AktGrade = Spiel::Ueben;
        MDI::UmCheck(kWorkSteps, MDI::MENU_PRACTICE);
    }
    Spiel::AktivInstrument = Spiel::KeinInstrument;
    Spiel::CountdownZeit = 0;
    SpielReset();
}

void WaehleMethode(int tag) {
    switch (tag) {
        case MDI::MENU_SINGLE:
            MDI::SwitchSomeMenus(
                {MDI::MENU_LEARN, 0},
                {MDI::MENU_OPEN, MDI::MENU_CREATE, MDI::MENU_PRACTICE, MDI::MENU_COMPETITION, 0});
            Spiel::SpielMode = Spiel::EinzelNoten;
            break;
        case MDI::MENU_FLOATING:
            MDI::SwitchSomeMenus({0}, {MDI::MENU_OPEN, MDI::MENU_CREATE, MDI::MENU_LEARN,
                                       MDI::MENU_PRACTICE, MDI::MENU_COMPETITION, 0});
            Spiel::SpielMode = Spiel::LaufendeNoten;
            break;
        case MDI::MENU_WORDS:
            MDI::SwitchSomeMenus({MDI::MENU_LEARN, MDI::MENU_COMPETITION, 0},
                                 {MDI::MENU_OPEN, MDI::MENU_CREATE, 0});
            Spiel::SpielMode = Spiel::Woerter;
            break;
    }
    Spiel::AktGrade = Spiel::Ueben;
    MDI::UmCheck(kMethods, tag);
    MDI::UmCheck(kWorkSteps, MDI::MENU_PRACTICE);
    SpielReset();
}
}  // namespace

void MDI::MenuAction(int tag) {
    switch (tag) {
        case MENU_OPEN:
            Stopp();
            LektionenBrowser::Show();
            break;
        case MENU_CHANGE:
            Stopp();
            LektionenBrowser::ShowBooks();
            break;
        case MENU_CREATE:
            SwitchSomeMenus({MENU_OPEN, 0}, {0});
            Spiel::SpielMode = Spiel::KeinSpiel;
            Spiel::AktivInstrument = Spiel::KeinInstrument;
            LektionenAssistent::ShowAs(0, "");
            SoundTyp::ResetListe();
            Spiel::SpielerZeit = 0;
            break;
        case MENU_EXIT:
            ProgrammBeenden();
            break;
        case MENU_SINGLE:
        case MENU_FLOATING:
        case MENU_WORDS:
            WaehleMethode(tag);
            break;
        case MENU_LEARN:
            UmCheck(kWorkSteps, MENU_LEARN);
            Spiel::AktGrade = Spiel::Lernen;
            UmCheck(kMethods, MENU_FLOATING);  // learn and see always scrolls
            Spiel::SpielMode = Spiel::LaufendeNoten;
            SpielReset();
            break;
        case MENU_PRACTICE:
            UmCheck(kWorkSteps, MENU_PRACTICE);
            Spiel::AktGrade = Spiel::Ueben;
            Spiel::SpielMode = SpielModeCheck();
            SpielReset();
            break;
        case MENU_COMPETITION:
            UmCheck(kWorkSteps, MENU_COMPETITION);
            Spiel::SpielMode = SpielModeCheck();
            if (Spiel::SpielMode == Spiel::Woerter) {
                UmCheck(kMethods, MENU_FLOATING);
                Spiel::SpielMode = Spiel::LaufendeNoten;
            }
            Spiel::AktGrade = Spiel::Countdown;
            Spiel::CountdownZeit = 1;  // the examination starts when the countdown has run
            break;
        case MENU_PAUSE:
            Stopp();
            break;
        case MENU_ABOUT:
            InfoFenster::ShowAs(InfoFenster::SHOW_INFO, "info");
            break;
        case MENU_PARA:
            Parameter::FormLoad();
            break;
        case MENU_INTERNET:
            Ui::gui->openUrl(HomePage);
            break;
        case MENU_HELP:
            InfoFenster::ShowAs(InfoFenster::SHOW_ANLEITUNG, "anleitung");
            break;
        case MENU_FORTSCHRITT:
            InfoFenster::ShowAs(InfoFenster::SHOW_FORTSCHRITT, "");
            break;
        case MENU_NAME:
            InputFenster::ShowAs(InputFenster::MODE_NAME);
            break;
        case MENU_CODE:
            InputFenster::ShowAs(InputFenster::MODE_CODE);
            break;
        case MENU_MAUSTEST:
            QuestionFenster::Show();
            break;
        default:
            break;
    }
    SoundTyp::StartUpWennGeaendert();
    if (Ui::gui && Menus[MENU_DICTATION]) Ui::gui->setMenuEnabled(Menus[MENU_DICTATION], false);
}

void MDI::SetzeStartwerte() {
    Window = nullptr;
    Canvas = nullptr;
    Menus.fill(nullptr);
    WindowBreite = 1120;
    WindowHoehe = 700;
}
