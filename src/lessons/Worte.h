#pragma once
// The word exercise: German words spelled in the note names of the current lesson. A
// letter or letter group that names one of the lesson's spellings (German names: H is B
// natural, B is B flat, -is sharp, -es or -s flat) is shown as a note; every other letter
// stands as a rest with the letter printed under the staff. The learner types the word
// and confirms it with Return.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "notation/NotenFenster.h"

struct Worte {
    std::string EchtWort;               // the word in capitals: the answer to type
    std::vector<std::string> WortTeil;  // a spelling index as decimal text, or one letter
    int IstMitVorzeichen = 0;           // 1: a name of more than one letter (CIS, ES, AS)

    // Class-wide state.
    static std::vector<std::string> GesamtListe;  // the word list, in file order
    static std::vector<Worte> LektionsListe;      // the words valid for the current lesson
    static std::optional<Worte> AktFrageWort;     // the word asked last; none before the first
    // When Return was last pressed on a wrong answer (0: never); the staff shows a short sign.
    static int64_t FalschZeit;
    // Clears the staff for the next word; the exercise installs it. None: only the word
    // state is cleared.
    static void (*NaechstesWort)();

    static constexpr int kFalschZeichenMs = 800;  // how long the sign of a wrong answer shows
    static constexpr int kDuennBis = 99;          // thinning stops at this many words
    static constexpr int kDuennAb = 100;          // lists longer than this are thinned

    // Rebuilds LektionsListe for the current lesson. A lesson that leaves no word to ask
    // says so on the note paper.
    static void NurGueltige();
    // The words of `liste` that the names ("C|CIS|D", as the lesson gives them) cover for
    // the most part, thinned when there are more than 100.
    static std::vector<Worte> Gueltige(const std::vector<std::string>& liste,
                                       const std::string& alleBuchstaben);
    // One word split into the names (in matching order: longest first); none when half or
    // more of its letters stay uncovered.
    static std::optional<Worte> Zerlege(const std::string& wort,
                                        const std::vector<std::string>& namen);
    // Keeps every word with a sharp or flat name and the longest of the others.
    static void Ausduennen(std::vector<Worte>& liste);
    // Chooses the next word at random; returns its parts (none when no word is valid).
    static std::vector<std::string> ZufallWort();
    // What the staff shows of the asked word; none before a word is chosen for the staff.
    static std::optional<FrageWortBild> Bild();
    // The letters a part stands for: the name of a spelling index, or the letter itself.
    static std::string TeilText(const std::string& teil);

    // Undoes the hint of a lesson without words, when the word exercise is left.
    static void PapierZurueck();

    // Loads the word list and shows the asked word on every staff window.
    static void StartUp();
    static void SetzeStartwerte();
};

// Reads the word list of the data archive: one word a line; a line starting with "'" is
// a comment; blank lines and lines with other characters than the letters A-Z and a-z
// are skipped (the latter said on standard output).
std::vector<std::string> LadeWortListe();
// The same for a text already read.
std::vector<std::string> WortListeAusText(const std::string& text);

// A key of the word exercise: Return checks the answer, Backspace takes its last
// character back, a letter or digit key adds its character; other keys do nothing.
void ScanWorte(int keyCode);

extern std::string LosungWort;  // the answer typed so far
