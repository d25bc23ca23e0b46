#pragma once
// The exercise state and the work of every timer tick.

struct Spiel {
    static int SpielMode;        // 0 none, 1 single notes, 2 scrolling notes, 3 dictation, 4 words
    static int AktGrade;         // 1 learn and see, 2 practice, 3 examination, 0 countdown
    static int AktivInstrument;  // 0 none, 1 piano, 5 note-name buttons

    static void Reset();
};

// One timer tick: the periodic work, then the frame.
void TimerTickt();
// Paints one frame on the main canvas and shows it.
void Malen();

// Keeps the staff window of the exercise inside a window of this client size.
void KlemmeSpielFenster(int breite, int hoehe);
