#pragma once
// The note-name button field: 21 buttons, one for every spelled note name.

#include <array>
#include <string>

#include "platform/Canvas.h"

struct ButtonTyp {
    std::string Name;  // the note name in the current octave
    int Midi = 0;      // 48 plus the spelling's semitones above C
    int Chroma = 0;    // the spelling index, equal to the button's index
    int TextOffX = 0;  // half the name's width, to centre it
};

struct TastenFeldTyp {
    static float Scale;
    static int Pressed;      // the pressed button, -1 for none
    static bool HatButtons;  // the buttons were made (StartUp)
    static std::array<ButtonTyp, 21> Button;
    static std::array<int, 21> IstIn;      // 1: the lesson uses the button's note
    static std::array<int, 21> IstFalsch;  // 1: given as a wrong answer to the current note
    static int WieOftFalsch;               // wrong answers to the current note
    static int ShowAsRichtig;              // the button shown as the right one, -1 for none
    static int Oktave;                     // the octave the buttons stand for, 0 to 7
    static std::array<int, 8> Okt;         // 1: the octave holds notes of the lesson

    // Makes the 21 buttons.
    static void StartUp();
    // Settles the octave and which buttons the lesson uses.
    static void GueltigeOktaveFinden();
    // Chooses the octaves a lesson's notes need, from its range and staff set.
    static void PassendeOktavenFinden(int minMidi, int maxMidi, int system);
    // Reads the mouse on every tick and answers a pressed button.
    static void Check();
    // Draws the field when it is the active instrument.
    static void Show(Canvas& canvas);

    static void Reset();
};
