#pragma once
// The lesson books of "Buch.ini" in the data archive: one section "DE <n>" per book,
// numbered from 1, each naming the archive member that holds the book's lessons.

#include <optional>
#include <string>
#include <vector>

struct LektionsBuch {
    int Nummer = 0;
    std::string Sektion;       // "DE <n>"
    std::string Kurz;          // one-letter code of the book for results
    std::string Name;          // the book's title
    std::string Beschreibung;  // shown in the browser's preview
    std::string Datei;         // archive member with the book's lessons
    std::string Level;         // the levels it covers, "1,2,3,4,5"

    // The book of a section; none when the section has no name.
    static std::optional<LektionsBuch> AusSektion(const std::string& sektion);
    static std::optional<LektionsBuch> Lies(int nummer);
    // Every book from 1 to 99 that has a name, in order.
    static std::vector<LektionsBuch> Alle();
    // The book named by the setting "Buch"; none while no book was chosen.
    static std::optional<LektionsBuch> Aktuelles();
};

// DatenPfad + "Buch.ini".
std::string bookFile();
