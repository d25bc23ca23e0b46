#pragma once
// The on-screen piano keyboard: a movable picture of keys on the main canvas.

struct KlavierTyp {
    static int OktavTranspose;        // MIDI note of the C the key pattern counts from
    static int TastaturX, TastaturY;  // canvas origin of the keys
    static float Scale;

    // Builds the keyboard for a lesson's range of MIDI notes.
    static void PassendeTastatur(int minMidi, int maxMidi);

    static void Reset();
};
