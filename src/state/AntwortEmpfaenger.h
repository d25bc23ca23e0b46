#pragma once
// Where the answer devices report. The piano, the note-name buttons, the computer
// keyboard and the MIDI keyboard tell the installed receiver which note was played (a
// MIDI number) or named (a chroma); none of them knows who listens. The exercise
// installs its receiver at start-up; a dialog that takes answers installs its own while
// it is active (EmpfaengerLeihe) and the previous one is back when it closes.

#include <list>

#include "platform/MidiMessageTyp.h"

class AntwortEmpfaenger {
  public:
    // Where an answer came from.
    static constexpr int Maus = 1, MidiTastatur = 2, Tastatur = 3;

    virtual ~AntwortEmpfaenger() = default;
    // A played key (piano, MIDI keyboard).
    virtual void EmpfangeNote(int midi, int quelle) = 0;
    // A named note (buttons, letter keys).
    virtual void EmpfangeChroma(int chroma, int quelle) = 0;
    // The MIDI number a named note sounds at when the buttons play it.
    virtual int Klang(int chroma) { return chroma; }
    // The received MIDI messages, oldest first: by default the first note-on with a
    // velocity of at least 2 is a played key; what follows it waits for the next tick.
    virtual void EmpfangeMidi(std::list<MidiMessageTyp>& wartend);

    // The installed receiver; one that ignores everything when none is installed.
    static AntwortEmpfaenger& Aktiv();
    // Installs `empfaenger` (none: the ignoring one) and returns the previous one.
    static AntwortEmpfaenger* Installiere(AntwortEmpfaenger* empfaenger);
    static void SetzeStartwerte();
};

// Installs a receiver for its own lifetime and puts the previous one back.
class EmpfaengerLeihe {
  public:
    explicit EmpfaengerLeihe(AntwortEmpfaenger& empfaenger)
        : vorher_(AntwortEmpfaenger::Installiere(&empfaenger)) {}
    ~EmpfaengerLeihe() { AntwortEmpfaenger::Installiere(vorher_); }
    EmpfaengerLeihe(const EmpfaengerLeihe&) = delete;
    EmpfaengerLeihe& operator=(const EmpfaengerLeihe&) = delete;

  private:
    AntwortEmpfaenger* vorher_;
};
