#pragma once
// A lesson: the written notes an exercise may ask, its staff set and key, the largest
// step between two random notes, one or both hands, and when the exercise ends. One
// lesson is current at a time; its notes also feed the weighted random pool from which
// the exercise draws (notes the learner misses come more often).

#include <array>
#include <list>
#include <memory>
#include <string>

class NotenFenster;

class Lektion {
  public:
    static constexpr int kSlots = 150;         // note slots, the closing 0 included
    static constexpr int kMaxNoten = 149;      // notes a lesson holds at most
    static constexpr int kPoolGroesse = 1500;  // entries of the random pool
    // Refusals the rules count before they let a note through anyway.
    static constexpr int kErlaubtNach = 31;
    // Refusals of an eighth pair's staff before the pair may leave its staff.
    static constexpr int kMaxAchtelAblehnungen = 100;
    // Draws of one selection before the note nearest to the rules is taken instead.
    static constexpr int kMaxZuege = 1000;

    // Class-wide state: the current lesson.
    static std::shared_ptr<Lektion> AktLektion;        // none until the first lesson is loaded
    static int AktLektionNr;                           // its section number
    static std::list<std::shared_ptr<Lektion>> Liste;  // kept empty

    // Class-wide state: the random pool and its rules.
    static std::array<int, kPoolGroesse> ZufallChroma;  // one lot per entry
    static int ZufallAnzahl;                            // entries in use, from the front
    static std::array<int, 3> History;  // the last three accepted notes, oldest first; 0 none
    static int NichtErlaubtZahler;      // counted refusals since the last acceptance
    static int VorherigeWarAchtel;      // 1: the note just placed began an eighth pair (note feed)
    static int VorherigeWarSystem;      // staff of the last accepted note: 1 treble, 2 bass
    static int Katastrophe;             // consecutive refusals by the eighth-pair staff rule

    int System = 0;                    // 1 treble, 2 bass, 3 both
    std::array<int, kSlots> Chroma{};  // the notes in file order; a 0 follows the last
    std::array<int, kSlots> Midi{};    // the MIDI number of each note
    int Anzahl = 0;
    int Tonart = 0;  // key of the signature
    int MaxIntervall = 0;
    int AlsZweiHand = 0;  // 1: both hands play
    int SpielZeit = 0;    // seconds
    int MaxRichtig = 0;
    int MaxFalsch = 0;
    int Level = 0;
    std::string Name;
    int Transpose = 0;  // semitones the notes were moved when loading
    int MinimumMidi = 999;
    int MaximumMidi = 0;
    std::string GeheimCode;  // reserved

    // Fills Chroma, Midi and Anzahl from a "Noten" text ("22|25|28"); `wahl` moves the
    // notes to the treble (1), the bass (2) or both staffs (3), 0 keeps them. Each note
    // is moved by `Transpose` and kept within the range its staff had. Elements that are
    // no pitch (0 and rests included) are left out with a line on standard output.
    void NotenFeldAusString(const std::string& noten, int wahl);

    // MIDI number other than 0: whether a note sounds it. MIDI 0: whether a note is
    // written as `chroma`, or (with `modulo` 1) has `chroma` as its spelling index.
    int IstInLektion(int midi, int chroma, int modulo) const;
    // One of the lesson's spellings of a pitch, drawn at random; -1 when there is none.
    int ChromaAusLektion(int midi) const;
    // One of the lesson's notes with the spelling index x mod 21, drawn at random; -1
    // when there is none.
    int ChromaAusModulo(int x) const;
    void FindExtrema();
    // 1 when a note is written with a sharp or a flat.
    int EnthaeltVorZeichen() const;
    // The German capital letter names of the notes for the word exercise, "C|CIS|D".
    std::string AlleBuchstaben() const;
    // Writes every note into the main staff as quarter notes.
    void SendeAlle(NotenFenster* haupt) const;

    // Makes a lesson current: the instruments fit its range, the pool starts afresh and
    // the main staff shows its staff set and key.
    static void SetAktLektion(std::shared_ptr<Lektion> lektion);

    // The next random note of the current lesson under the rules. `wunsch` 0 any staff,
    // 1 treble, 2 bass; `andere` the MIDI number of the other hand's note sounding at the
    // same time (0 none). -1 when the lesson has no notes.
    static int GetZufallnote(int wunsch, int andere);
    // 1 when the rules let `chroma` follow the notes drawn so far.
    static int ZufallErlaubt(int chroma, int andere);
    static void AddHistory(int chroma);
    // The base pool: the lesson's notes three times; the history is cleared.
    static void ResetLektionsZufall();
    // After an answer: `modus` -1 the learner missed `chroma` playing `gespielt` (both
    // gain lots), 1 answered `chroma` right (one extra lot goes), 0 nothing.
    static void ZufallAnpassen(int gespielt, int chroma, int modus);

    // Class-wide state: the word being asked in the word exercise.
    // The values of its parts joined by "|": a chroma value for a name, 95 for a letter.
    static std::string AktWort;
    // 0 a new word is needed; k (1 to parts + 1) the values before the k-th are handed out;
    // 99 the word is complete.
    static int WordDone;

    // The next value of the asked word for the note feed: a chroma value, 95 for a letter
    // that is no note name, or -1 (when the word is chosen, and once it is complete).
    static int GetWortNote();
    // Checks a typed answer: the right word clears the staff for the next one; any other
    // answer changes nothing but shows a short sign.
    static void Pruefewort(const std::string& antwort);

    static void SetzeStartwerte();
};

// The bar position in eighths after the last note whose length was chosen (0: the next
// note begins a bar). Kept by the note feed; the lesson model sets it when it writes all
// notes of a lesson.
extern int TaktSumme;
