#pragma once
// The answer history of the user folder ("Verlauf.sqlite"): one row per judged answer and
// one per finished examination. The exercise hands over plain records; a writer thread
// stores them in batches (WAL mode), so queuing costs the tick only a lock and a move.
// A database that cannot be opened or written is said once on standard output, and the
// program goes on without history.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// One judged answer.
struct AntwortEintrag {
    int64_t Zeit = 0;  // milliseconds since 1970 (UTC)
    std::string User, Buch;
    int Lektion = 0, Tonart = 0, System = 0;
    int Methode = 0;         // 1 single notes, 2 scrolling notes
    int Arbeitsschritt = 0;  // 2 practice, 3 examination
    int Chroma = 0;          // the note asked, as a chroma value (bass + 100)
    std::string Gefragt;     // the note asked, spelled: "F#4", "Bb2"
    std::string Antwort;     // the answer, spelled the same way
    int Richtig = 0;
    int Millis = 0;  // from the note becoming the one to answer to the answer
    int Geraet = 0;  // 1 mouse or screen, 2 MIDI, 3 computer keyboard
};

// One finished examination.
struct PruefungsEintrag {
    int64_t Zeit = 0;
    std::string User, Buch;
    int Lektion = 0, Tonart = 0, System = 0, Methode = 0;
    int Sekunden = 0, Gespielt = 0, Fehler = 0, Bewertung = 0;
};

struct Verlauf {
    // The wall clock of the rows; tests set their own.
    static std::function<int64_t()> Jetzt;

    // The database file; empty: AppPfad + "Verlauf.sqlite" when the first record comes.
    static std::string Datei;

    // Queue a record; the writer thread is started by the first one.
    static void Merke(const AntwortEintrag& eintrag);
    static void Merke(const PruefungsEintrag& eintrag);

    // Waits until every queued record is written (or dropped, without a database).
    static void Schreibe();
    // Writes what is queued and stops the writer; the next record starts it again.
    static void Schliesse();
    // False when the database could not be opened; true before it is tried.
    static bool Verfuegbar();

    // The learner's rows, oldest first (written ones: call Schreibe before).
    static std::vector<AntwortEintrag> Antworten(const std::string& user);
    static std::vector<PruefungsEintrag> Pruefungen(const std::string& user);
    // Removes every row of the learner; false when the database cannot be changed.
    static bool Loesche(const std::string& user);

    // The spelled name of a chroma value: letter, "#" or "b", octave (middle C is "C4").
    static std::string Buchstabiert(int chroma);

    static void SetzeStartwerte();
};
