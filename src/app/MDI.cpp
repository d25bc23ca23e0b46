#include "app/MDI.h"

#include <iostream>
#include <string>

#include "app/Programm.h"
#include "platform/Ui.h"

Gadget* MDI::Window = nullptr;
Gadget* MDI::Canvas = nullptr;
std::array<Gadget*, 70> MDI::Menus{};
int MDI::WindowBreite = 1120;
int MDI::WindowHoehe = 700;

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
    {MDI::MENU_NAME, MDI::MENU_OPTI, "{{Input Name}}"},
    {MDI::MENU_CODE, MDI::MENU_OPTI, "{{Analyse Student Code}}"},
    {MDI::MENU_MAUSTEST, MDI::MENU_OPTI, "{{Mouse Test}}"},
};
}  // namespace

void MDI::FormLoad() {
    Gui& gui = *Ui::gui;
    Window = gui.createWindow("LESMORA  V 0.49", gui.desktopWidth() - WindowBreite - 50, 100,
                              WindowBreite, WindowHoehe, nullptr,
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
}

void MDI::MenuAction(int tag) {
    switch (tag) {
        case MENU_EXIT:
            ProgrammBeenden();
            break;
        default:
            std::cout << "menu: command " << tag << " has no action yet" << std::endl;
            break;
    }
    if (Ui::gui && Menus[MENU_DICTATION]) Ui::gui->setMenuEnabled(Menus[MENU_DICTATION], false);
}

void MDI::Reset() {
    Window = nullptr;
    Canvas = nullptr;
    Menus.fill(nullptr);
    WindowBreite = 1120;
    WindowHoehe = 700;
}
