#pragma once
// The on-screen piano keyboard: a movable picture of keys on the main canvas.

#include "platform/Canvas.h"

struct KlavierTyp {
    static int OktavTranspose;        // MIDI note of the C the key pattern counts from
    static int TastaturX, TastaturY;  // canvas origin of the keys
    static float Scale;

    // Builds the keyboard for a lesson's range of MIDI notes.
    static void PassendeTastatur(int minMidi, int maxMidi);
    // Reads the mouse on every tick and answers a pressed key.
    static void Check();
    // Draws the keyboard when it is the active instrument.
    static void Draw(Canvas& canvas);

    static void Reset();
};
