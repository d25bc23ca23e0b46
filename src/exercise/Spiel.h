#pragma once
// The exercise state and the work of every timer tick.

#include <array>
#include <cstdint>
#include <string>

#include "platform/Canvas.h"
#include "platform/Gadget.h"

struct Spiel {
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
    // The settings dialog takes MIDI input while its window holds the focus.
    static Gadget** DialogMitMidi;
    static void (*MidiFuerDialog)();
    // A dialog that draws its own canvas on every tick (the lesson wizard installs it).
    static void (*DialogZeichnen)();

    static void Reset();
};

// Sets the exercise up anew for the current method, work step and lesson.
void SpielReset();

// One timer tick: the periodic work, then the frame.
void TimerTickt();
// Paints one frame on the main canvas and shows it.
void Malen();

// Runs and draws the examination countdown.
void CountDown(Canvas& canvas);
// Schedules the six countdown tones.
void PlayCountdown();

// Keeps the staff window of the exercise inside a window of this client size.
void KlemmeSpielFenster(int breite, int hoehe);
