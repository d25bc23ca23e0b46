#pragma once
// The fixed musical phrases: the closing chord gesture of the result page and the test
// scale of the settings (the countdown's tones belong to the exercise control). Each only
// schedules sound events and returns at once; the ticks play them.

struct Phrasen {
    static int ZeitDistanz;  // ms between the notes of an arpeggio; PlayAkkord sets 250

    static void SetzeStartwerte() { ZeitDistanz = 0; }
};

// A bass note a + 24 on the MIDI output channel under a four-note arpeggio on channel 1:
// a + 36, b + 36, c + 36 and d + 36 (a + 48 when d is below 1), 250 ms apart, starting
// `delay` ms from now. The sixth value has no effect.
void PlayAkkord(int a, int b, int c, int d, int delay, int x);
// The major pentatonic scale on MIDI 48 (48, 50, 52, 55, 57, 60), one note every 300 ms
// from 100 ms on.
void PlayTonleiter();
