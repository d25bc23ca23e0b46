#pragma once
// The note-name button field: 21 buttons, one for every spelled note name.

struct TastenFeldTyp {
    static float Scale;
    static int Pressed;  // the pressed button, -1 for none

    // Chooses the octaves a lesson's notes need, from its range and staff set.
    static void PassendeOktavenFinden(int minMidi, int maxMidi, int system);

    static void Reset();
};
