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
    bool Eigenes = false;      // the learner's own book in the user folder

    // Where the book's lessons are read from: the archive member, or the learner's file.
    std::string Quelle() const;

    // The book of a section; none when the section has no name.
    static std::optional<LektionsBuch> AusSektion(const std::string& sektion);
    static std::optional<LektionsBuch> Lies(int nummer);
    // The learner's own book, section "DE 100", whether or not its file exists yet.
    static LektionsBuch EigenesBuch();
    // Every book from 1 to 99 that has a name, in order.
    static std::vector<LektionsBuch> Alle();
    // The book named by the setting "Buch"; none while no book was chosen.
    static std::optional<LektionsBuch> Aktuelles();
};

// DatenPfad + "Buch.ini".
std::string bookFile();

// The learner's own book ("My lessons"): the lessons the wizard made, kept in the user
// folder, where neither the start-up copy nor a change of book replaces them. It is
// listed after the shipped books under the section name "DE 100".
constexpr int kEigenesBuch = 100;
// AppPfad + "EigeneLektionen.ini".
std::string ownBookFile();
