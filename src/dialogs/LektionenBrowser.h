#pragma once
// The lesson browser: the learner picks a book, then a lesson of it, sees a preview of
// each, narrows the lessons by level, picks the staff where a lesson leaves it open, and
// picks the key on the circle of fifths where a lesson leaves the key open. Confirming
// loads the lesson and starts the exercise afresh.

#include <array>
#include <string>
#include <vector>

#include "platform/Gadget.h"

// One line of the browser's list: its text and the section number it stands for.
struct BrowserEintrag {
    std::string Text;
    int Nummer = 0;
    bool operator==(const BrowserEintrag&) const = default;
};

class LektionenBrowser {
  public:
    static constexpr int SHOW_LEKTIONEN = 0, SHOW_BUECHER = 1;
    static constexpr int BUT_OK = 0, BUT_ALL = 1, BUT_ANF = 2, BUT_FORT = 3, BUT_EXP = 4,
                         BUT_VIOL = 5, BUT_BASS = 6, BUT_BEID = 7;

    // The windows and gadgets; none until FormLoad.
    static Gadget* Window;
    static Gadget* QuintenWindow;
    static Gadget* QuintenPanel;
    static Gadget* UberGadget;
    static Gadget* ListBox;
    static Gadget* HtmlView;
    static Gadget* Panel;
    static Gadget* SystemPanel;
    static std::array<Gadget*, 9> Button;

    static int ShowMode;         // SHOW_LEKTIONEN or SHOW_BUECHER
    static std::string Sektion;  // "DE " for books, "Lesen " for lessons
    static int LastBookAuswahl;
    static int LastLektionauswahl;
    static int SuchLevel;       // 0 all, 1 beginners, 3 moderates, 5 experts
    static int HtmlSystemWahl;  // staff for an open-staff lesson: 0 its own, 1, 2, 3

    // Builds both windows hidden and brings the working lesson file in line with the
    // saved book.
    static void FormLoad();
    // Opens on the current book's lessons, or on the book list while no usable book is
    // chosen.
    static void Show();
    static void ShowBooks();
    static void Event(Gadget* source);

    // Writes the preview page AppPfad + "Lektion.html" for item `nummer` of the list shown.
    static void HtmlAusBrowser(const std::string& nummer);
    // The click box of the circle of fifths at a point: 1 to 11, 0 none.
    static int Quintenwahl(int x, int y);
    // The transposition picked at a point: 0 to 11, -1 none.
    static int TransposeWahl(int x, int y);
    // Opens the circle when the selected lesson leaves its key open: 1 if it did, else 0.
    static int LetzterSchrittTonarten();

    // What the lists hold: every named book; the lessons that pass a level filter.
    static std::vector<BrowserEintrag> BuchListe();
    static std::vector<BrowserEintrag> LektionsListe(int suchLevel);
    // A template line with its first placeholder filled from section `sektion`.
    static std::string FuelleZeile(const std::string& zeile, const std::string& sektion);
    // Makes book `nummer` current: its lesson file becomes the working copy and the
    // setting "Buch" names it. A book that Buch.ini lacks, or whose lesson file the
    // archive lacks, changes nothing and gives false.
    static bool WechsleBuch(int nummer);
    // The book the setting "Buch" names, when Buch.ini has it and its lesson file
    // exists; 0 otherwise.
    static int GueltigesBuch();
    // Whether lesson `nummer` of the working copy has notes to practise.
    static bool HatNoten(int nummer);
    // Loads the selected lesson on the chosen staff, starts the exercise in the method of
    // the menu and closes the browser (and first the circle, when the key was picked there).
    static void LadeGewaehlteLektion(bool ausDemKreis = false);

    static void SetzeStartwerte();
};
