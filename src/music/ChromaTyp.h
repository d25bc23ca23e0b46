#pragma once
// Spelled pitches. A chroma value packs clef, octave block and spelling into one int:
// 0 to 90 treble, 101 to 190 bass (value - 100); for c in 0 to 90 the octave block is
// c / 21 and the spelling index c % 21 (0 Cb, 1 C, 2 C#, 3 Db ... 19 B, 20 B#).
// Treble 22 and bass 164 are middle C. Everything else (negative values, the rests 91
// to 100, anything above 190) is not a pitch: MIDI 0, staff step 30, no accidental and
// an empty name.

#include <array>
#include <string>

class ChromaTyp {
  public:
    // Class-wide: one entry per spelling index, filled from "NotenScroll" rows 0 to 23;
    // slot 24 stays empty (all zero). Only slots 0 to 20 are addressed by spellings.
    static std::array<ChromaTyp, 25> Chroma;

    int _VorZeichen = 0;  // accidental: 0 none, 1 sharp, 2 flat
    int _Y = 0;           // letter step above C: 0 C ... 6 B
    int _Midi = 0;        // semitones above the octave block's C, -1 to 12
    std::string _Name;    // displayed name of the spelling in the current name set

    // Builds the table from "Listen.ini" and loads the names of the chosen set.
    static void StartUp();
    // Reloads the 21 names from the set chosen by the setting "NotenNamen".
    static void SwitchNotenNamen();
    static ChromaTyp NewOne(int y, int vorZeichen, int midi, const std::string& name);

    static int Midi(int chroma);        // MIDI note number; 0 when not a pitch
    static int Y(int chroma);           // staff step, lines at 9 11 13 15 17; 30 when not a pitch
    static int Vorzeichen(int chroma);  // accidental code; 0 when not a pitch
    // The name with the octave mark of the style `OktavName`; empty when not a pitch.
    static std::string Name(int chroma);
    // "<tonic>-<localized {{Major}}>" for the major key `key` semitones above C.
    static std::string NameDerTonArt(int key);

    // True for 0 to 90 and 101 to 190.
    static bool isPitch(int chroma);
    // The spelling index 0 to 20 of a pitch, -1 when not a pitch.
    static int spelling(int chroma);

    static void SetzeStartwerte();
};

// The octave-naming style of note names: 0 "C, c, c'", 1 "C, c, c1", 2 "C3, C4, C5".
// 0 at start; the settings dialog sets it from the setting of the same name.
extern int OktavName;
