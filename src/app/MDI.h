#pragma once
// The main window: its canvas and its menus.

#include <array>
#include <initializer_list>
#include <string>

#include "platform/Gadget.h"

struct MDI {
    static Gadget* Window;
    static Gadget* Canvas;
    static std::array<Gadget*, 70> Menus;  // each entry at the index of its tag
    static int WindowBreite, WindowHoehe;  // the client size when created

    static constexpr int MENU_FILE = 1, MENU_SPIEL = 2, MENU_OPTI = 5, MENU_OPEN = 10,
                         MENU_CREATE = 11, MENU_PAUSE = 12, MENU_CHANGE = 13, MENU_EXIT = 15,
                         MENU_SINGLE = 20, MENU_FLOATING = 21, MENU_DICTATION = 22, MENU_WORDS = 23,
                         MENU_EXERCISE = 24, MENU_LEARN = 25, MENU_PRACTICE = 26,
                         MENU_COMPETITION = 27, MENU_INTERNET = 50, MENU_ABOUT = 51, MENU_HELP = 52,
                         MENU_PARA = 54, MENU_NAME = 56, MENU_CODE = 57, MENU_MAUSTEST = 58,
                         MENU_FORTSCHRITT = 59;

    static constexpr const char* TITLE = "LESMORA  V 0.49";
    static std::string HomePage;  // the maker's home page, opened by "Homepage Corvello"

    static void FormLoad();
    static void MenuAction(int tag);
    // Disables the entries of the first list, then enables those of the second (each
    // read up to its first 0), then refreshes the menu bar.
    static void SwitchSomeMenus(std::initializer_list<int> aus, std::initializer_list<int> an);
    // Removes the tick from every entry of the list, then ticks the tag (none for 0).
    static void UmCheck(std::initializer_list<int> tags, int tag);
    // The method of the ticked method entry: 1, 2, 3, 4, or 0.
    static int SpielModeCheck();
    // Shows every caption in the language of that slot and resets the exercise.
    static void SwitchSprache(int sprache);

    static void SetzeStartwerte();
};
