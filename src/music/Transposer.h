#pragma once
// Moves a spelled pitch up by a number of semitones, spelled as the target key writes it.

#include <array>
#include <memory>

class Transposer {
  public:
    // Class-wide: one table per amount; slots 1 to 11 are made at start-up, slot 0 stays
    // empty (an amount of 0 needs none).
    static std::array<std::unique_ptr<Transposer>, 12> Tonart;
    // The key or transposition amount the learner chose in the key picker; 0 at start.
    static int Transpose;

    // For each source spelling index 0 to 20, the spelling index of the target note.
    std::array<int, 21> werte{};

    // True while no row filled the table (all zeros would spell every note as Cb).
    bool isEmpty() const;

    // Builds `Tonart` from the rows "Einfach1" to "Einfach11" of "Listen.ini".
    static void LoadDefinitions();
    // The chroma value `amount` semitones higher; amounts 9 to 11 go down 3, 2 or 1
    // semitones instead. The clef never changes. Block 0 is the floor (a note that would
    // fall below it goes up by `amount`), and a note that would rise beyond the clef's
    // range takes the octave below. An amount of 0, an amount without a table (6, or
    // outside 1 to 11) and a value that is not a pitch come back unchanged.
    static int Umrechnen(int chroma, int amount);

    static void SetzeStartwerte();
};
