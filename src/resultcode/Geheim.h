#pragma once
// The result code for the teacher: the server line reported for every examination, the
// fourteen-letter hand code with its check letter shown when the report could not be
// made, and the analysis text that a typed code or a server line decodes to.
//
// Plain C++ over settings, data, i18n and music, so the result server links the same
// encoder and decoder as the program.

#include <functional>
#include <string>
#include <vector>

// A calendar day as the result code carries it.
struct CalendarDay {
    int day = 1;    // 1 to 31
    int month = 1;  // 1 to 12
    int year = 2000;
};

// Today's date from the system's local time.
CalendarDay systemToday();

class Geheim {
  public:
    // Class-wide state: the last analysis and the server's result lines.
    static std::string ReturnCode;              // the typed code, or "(direct from server)"
    static std::string ReturnAnalyse;           // the last analysis text
    static int PruefSummeOk;                    // 1 when the last analysed check letter was right
    static std::vector<std::string> CodeListe;  // the server's lines, last line first
    static int CodeZeile;                       // the list position holeCodeZeile stands on

    // Where today's date comes from; tests fix it.
    static std::function<CalendarDay()> today;
    // How a result line is reported (server, path, line); 1 when it went out.
    static std::function<int(const std::string&, const std::string&, const std::string&)> Senden;

    // How far the name letters of a hand code are moved forward (1 to 25).
    static constexpr int kNameShift = 7;
    // Fills a name of fewer than three letters, so the code keeps its fourteen letters.
    static constexpr char kNamePadding = 'X';
    // The largest values a letter and a pair of letters can hold.
    static constexpr int kLargestLetter = 25;
    static constexpr int kLargestPair = 624;

    // Reports the result and returns the text for the result page: the notice that it
    // was sent, or the grouped hand code.
    static std::string CryptCode(const std::string& name, const std::string& buch, int lektion,
                                 int sekunden, int bewertung, int fehler, int tonart, int system);
    static std::string ZweiByteCode(int n);
    static std::string NameInCrypt(const std::string& name);
    static std::string PruefSumme(const std::string& text);
    static int PruefSummeCheck(const std::string& code);
    static std::string CodeInDatum(const std::string& paar);
    static std::string CodeInWert(const std::string& paar);
    static std::string CodeInName(const std::string& text);
    static std::string AnalyseHandCode(const std::string& code);
    static std::string AnalyseAutoCode(const std::string& zeile);
    static std::string ErstelleTextAusTeilen(const std::vector<std::string>& teile);

    // Fetches the server's list of result lines and analyses the newest; a failed fetch
    // keeps the list as it was.
    static void LadeCodeServerListe(const std::string& server);
    // Moves the list position by `schritt` and analyses that line; a step off either end
    // of the list changes nothing.
    static void holeCodeZeile(int schritt);

    // The pieces CryptCode is made of, for the result page, the server and tests.
    // The server line: "CODE|date|name|book|lesson|seconds|rating|mistakes|key|staff|teacher".
    static std::string serverLine(const std::string& name, const std::string& buch, int lektion,
                                  int sekunden, int bewertung, int fehler, int tonart, int system);
    // The fourteen letters of the hand code, not yet grouped.
    static std::string handCode(const std::string& name, const std::string& buch, int lektion,
                                int sekunden, int bewertung, int fehler, int tonart, int system);
    // Cuts a code into random groups of 2 to 4 letters joined by "-" (the last 1 to 4).
    static std::string group(const std::string& code);
    // "%d %b %Y" with English month names: "05 Mar 2026".
    static std::string dateText(const CalendarDay& date);

    // The "Kurz" letter of the book named by the setting "Buch"; while no book is chosen,
    // the letter of the book that holds the default lesson file.
    static std::string currentBookLetter();
    static std::string defaultBookLetter();
    // The section "DE n" of "Buch.ini" whose "Kurz" is the letter; "DE 100" when none.
    static std::string bookSection(const std::string& kurz);
    // Book and lesson names for a book letter and a lesson number, as in the analysis.
    static std::string bookName(const std::string& kurz);
    static std::string lessonName(const std::string& kurz, const std::string& lektion);
    // The staff text of a staff number: "{{Treble}}", "{{Bass}}", "{{Treble}} & {{Bass}}";
    // any other text as it is, HTML-escaped.
    static std::string staffText(const std::string& system);

    // A decoded value the letter could not hold exactly ends with this mark ("25+"); the
    // analysis shows it as "25 or more".
    static constexpr char kClampMark = '+';
    static bool isClamped(const std::string& teil);

    static void SetzeStartwerte();
};

// Escapes a text for an HTML page: & < > " ' and the braces that would start a
// placeholder or a language token.
std::string HtmlEscape(const std::string& text);
