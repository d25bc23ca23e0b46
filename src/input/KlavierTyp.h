#pragma once
// The on-screen piano keyboard: a movable picture of keys on the main canvas. A click on
// a key sounds its note and answers it; keys the lesson does not use are greyed. The
// keyboard is rebuilt for every lesson, either the long one (C1 to C7) or, with the
// short-keyboard setting, the smallest of a few shapes that holds the lesson with room.
//
// Key coordinates are picture pixels at scale 1, relative to (TastaturX, TastaturY); the
// canvas point of key point (a, b) is (TastaturX + a * Scale, TastaturY + b * Scale).

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Image.h"

struct KlavierTyp {
    // Class-wide state.
    static std::list<KlavierTyp> Liste;             // all keys, ascending pitch
    static std::vector<KlavierTyp*> VerbotenListe;  // greyed keys inside the lesson's span
    static KlavierTyp* FirstLeft;     // the C or F that opens the lesson's span; none until known
    static KlavierTyp* FirstRight;    // the E or B (or the top key) that closes it
    static bool SpanneBerechnet;      // the span of this keyboard has been computed
    static KlavierTyp* Letzt;         // the key pressed last; after building, the top key
    static int LastMidi;              // MIDI of a key newly pressed in this tick, -1 if none
    static int Erfolg;                // 1 when the pointer is on a key in this tick
    static std::string KeyboardTyp;   // "C" or "F": the note the keyboard starts with
    static int Oktaven;               // octaves of the keyboard, 3 to 6
    static int OktavTranspose;        // MIDI note of the C the key pattern counts from
    static int MiddleC;               // column of the key with MIDI 60; -1 if none
    static int TastaturX, TastaturY;  // canvas origin of the keys
    static int TastaturB;             // width of the keyboard picture in pixels
    static float Scale;               // drawing scale 1.0, 1.5 or 2.0
    static int locMausX, locMausY;    // pointer position in key coordinates
    static int DragX, DragY;          // pointer position at the previous drag step
    // A press changed the scale: nothing else reacts until the mouse button is released
    // (the keyboard may have moved under the pointer).
    static bool zoomPressHeld;
    // The keyboard picture and the overlays of a pressed key.
    static std::shared_ptr<Image> Tastatur, CF, C_only, CF2, EH, EH2, CIS;
    // Until this program-clock time the greyed keys inside the span are shown.
    static int64_t ShowVerboteneTasten;

    // One key.
    int X = 0;     // white-key column; a black key has the column of the white key to its left
    int Xadd = 0;  // horizontal offset in picture pixels
    int Typ = 0;   // 0 white C or F, 1 other white key, 2 black key
    int Midi = 0;
    std::string Name;      // the key's two usual spellings (German H = B), for diagnostics
    int On = 0;            // 1 while the key is shown pressed
    int PermanentAus = 0;  // 1 when the key is greyed for the whole lesson

    // Builds the keyboard for a lesson's range of MIDI notes.
    static void PassendeTastatur(int minMidi, int maxMidi);
    // Builds a keyboard of 3 to 6 octaves from lowMidi (a C; at least 24).
    static void Create(int octaves, int lowMidi);
    // Appends a key at OktavTranspose + semitone.
    static KlavierTyp* CreateOne(int X, int Xadd, int Typ, int semitone, const std::string& Name);
    // Draws the keyboard when it is the active instrument.
    static void Draw(Canvas& canvas);
    // Computes the lesson's span and the greyed keys.
    static void FindeErlaubte();
    // Reads the mouse on every tick and answers a pressed key.
    static void Check();
    // Moves the keyboard with the pointer.
    static void Drag();
    // Keeps the whole keyboard picture inside a window of this size: a scale the window
    // cannot hold is cut down to the largest it holds, then the keyboard moves inside.
    static void fitIntoWindow(int width, int height);
    // The zoom steps of the size button, smallest first.
    static constexpr float kZoomSteps[] = {1.0f, 1.5f, 2.0f};
    // Whether a press on this MIDI note sounds and answers outside the examination: the
    // lesson uses it, or no key of this keyboard belongs to the lesson.
    static bool Erlaubt(int midi);

    // Draws this key pressed.
    void DrawOne(Canvas& canvas) const;
    // Hit test of this key at (locMausX, locMausY); presses it when newly hit.
    bool CheckOne();

    static void SetzeStartwerte();
};
