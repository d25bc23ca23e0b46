#pragma once
// The note-name button field: a movable panel of 21 buttons on the main canvas, one for
// every spelled note name (the seven letters, each flat, natural and sharp). It is the
// answer device of the single-note method: a press sounds the note and hands its spelled
// pitch to the answer evaluation. In learn and see an octave selector picks the octave the
// buttons stand for; buttons whose note the lesson does not use are greyed.
//
// Button i = 3r + c stands in letter row r (0 C at the bottom ... 6 B at the top) and
// column c (0 flats, 1 naturals, 2 sharps); i is the spelling index. Row 7 of the same
// grid holds the octave zone (21) and the size zone (22).

#include <array>
#include <memory>
#include <string>

#include "platform/Canvas.h"
#include "platform/Image.h"

struct ButtonTyp {
    std::string Name;  // the note name in the current octave; empty until named
    int Midi = 0;      // 48 plus the spelling's semitones above C (Cb 47 ... B# 60)
    int Chroma = 0;    // the spelling index, equal to the button's index
    int TextOffX = 0;  // half the name's width, to centre it
};

struct TastenFeldTyp {
    // Class-wide state.
    static std::shared_ptr<Image> Bild;  // the panel picture "Tastenfeld.png", 370 x 723
    static int X, Y;                     // canvas position of the picture's top-left corner
    static float Scale;                  // drawing scale of the whole field
    static bool HatButtons;              // the buttons were made (StartUp)
    static std::array<ButtonTyp, 21> Button;
    static std::array<int, 21> IstIn;      // 1: the lesson uses the button's note
    static std::array<int, 21> IstFalsch;  // 1: given as a wrong answer to the current note
    static int WieOftFalsch;               // wrong answers to the current note
    static int ShowAsRichtig;              // the button shown as the right one, -1 for none
    static int Pressed;  // the button hit while a mouse button is held, -1 for none
    static int Erfolg;   // the zone acted upon during the current press, 99 while released
    static int Oktave;   // the octave the buttons stand for, 0 to 7
    static std::array<int, 8> Okt;  // 1: the octave is available for the current lesson
    static int DragX, DragY;        // mouse position at the previous drag step
    // A press changed the size: nothing else reacts until the mouse button is released
    // (the field may have moved under the pointer).
    static bool zoomPressHeld;

    // Picture geometry, in picture pixels.
    static constexpr int kBreite = 370, kHoehe = 723;
    static constexpr int kGriffHoehe = 40;  // the grab band along the top
    static constexpr int kZoneOktave = 21, kZoneGroesse = 22;

    // Loads the picture, places the field and makes the 21 buttons.
    static void StartUp();
    // Settles the octave and the available buttons, then names every button.
    static void SwitchNames();
    // Draws the field when it is the active instrument.
    static void Show(Canvas& canvas);
    // Reads the mouse on every tick and acts on a hit.
    static void Check();
    // Moves the field with the mouse.
    static void Drag();
    // Keeps the whole field inside a window of this size: a scale the window cannot hold
    // is cut down to the largest it holds, then the field moves inside.
    static void fitIntoWindow(int width, int height);
    // The field's place at start on a window of this size: below the counters, against
    // the window's right edge, at the largest of the usual size that the room there holds.
    static void placeAtHome(int width, int height);
    // The zoom steps of the size zone, smallest first.
    static constexpr float kZoomSteps[] = {0.5f, 0.7f, 1.0f};
    // Settles `Oktave` and fills `IstIn`.
    static void GueltigeOktaveFinden();
    // Marks a wrong answer (falsch, richtig: chroma values) or, with falsch = -1, clears
    // every mark.
    static void SetError(int falsch, int richtig);
    // Fills `Okt` for a lesson's range of MIDI notes and staff set (1 treble, 2 bass,
    // 3 both), then settles the octave.
    static void PassendeOktavenFinden(int minMidi, int maxMidi, int system);

    // The zone under a point given in picture pixels: a button 0 to 20, the octave zone
    // 21, the size zone 22, 23 or more for zones that do nothing; -1 between and outside
    // the zones.
    static int ZoneAt(int lx, int ly);
    // Chroma value and MIDI note of button i in an octave 0 to 7.
    static int ChromaIn(int oktave, int i);
    static int MidiIn(int oktave, int i);

    static void SetzeStartwerte();
};
