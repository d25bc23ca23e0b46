#pragma once
// The exercise state that the lower layers read: the method, the work step, the active
// instrument, the counters and the exercise clock. The exercise's work (reset, tick,
// frame) is in exercise/Spiel.h.

#include <array>
#include <cstdint>
#include <string>

struct Spiel {
    // Methods.
    static constexpr int KeinSpiel = 0, EinzelNoten = 1, LaufendeNoten = 2, Diktat = 3, Woerter = 4;
    // Work steps.
    static constexpr int Countdown = 0, Lernen = 1, Ueben = 2, Pruefung = 3;
    // Instruments.
    static constexpr int KeinInstrument = 0, Klavier = 1, Gitarre = 3, Tastenfeld = 5;

    static int SpielMode;        // 0 none, 1 single notes, 2 scrolling notes, 3 dictation, 4 words
    static int AktGrade;         // 1 learn and see, 2 practice, 3 examination, 0 countdown
    static int AktivInstrument;  // 0 none, 1 piano, 5 note-name buttons
    static int AktMusikInstrument;  // the chosen instrument: 1 piano, 3 guitar
    // Practice: right and wrong answers; examination: questions and lives left.
    static int SpielerRichtig, SpielerFalsch;
    static int64_t SpielerZeit;         // reference time of the exercise clock
    static int64_t SpielerIstAnwesend;  // time of the last answer or presence restart
    static int64_t CountdownZeit;       // 0 none, 1 requested, else the time it ends
    static int Punkte;                  // tenths of a second left when the examination ended
    static std::array<std::string, 3> DigitalText;  // captions of the three counters
    static int64_t NaechsteMidiAbfrage;             // MIDI input is read at most every 10 ms

    // Shows the result of an examination that has just ended (the information window
    // installs it); none: the exercise stops and keeps its points.
    static void (*PruefungBeendet)();
    // Draws a dialog's own canvas after the frame, every tick (the wizard installs it and
    // draws only while it is the active window).
    static void (*DialogZeichnen)();

    static void SetzeStartwerte();
};

// Shows the method menu fit for a lesson: a two-hand lesson runs scrolling notes only.
// The main window installs it; until then lessons change nothing in the menus.
extern void (*ZweiHandMenu)(int alsZweiHand);
