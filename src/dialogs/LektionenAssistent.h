#pragma once
// The lesson wizard: a window that walks through the steps of making a new lesson (key,
// accidentals, staves, the notes on a four-octave choice keyboard, a preview, the largest
// interval, the end conditions, hands, level, title and description) and saves it into
// the working lesson file and into the learner's own book.

#include <array>
#include <memory>
#include <string>

#include "platform/Canvas.h"
#include "platform/Gadget.h"

class Image;
class NotenFenster;
class TextTyp;

struct LektionenAssistent {
    static constexpr int BUT_OK = 0, BUT_BACK = 1, BUT_HELP = 2;

    // The window and its gadgets; none until FormLoad.
    static Gadget* Window;
    static Gadget* Canvas;
    static Gadget* TextBox;
    static Gadget* NameBox;
    static Gadget* Panel;
    static Gadget* Scroller;
    static std::array<Gadget*, 13> Button;
    static Gadget* Progress;
    static int WasIstZuSehen;
    static std::shared_ptr<NotenFenster> WahlNoten_A, WahlNoten_B;

    // The wizard's state; it keeps its values from one opening to the next.
    static int AssiStep, LastAssiStep, AssiSelected;
    static std::array<int, 100> AssiMultiSelected;
    static std::unique_ptr<TextTyp> AssiText;
    static int AssiTonart, AssiKreuze, AssiBees, AssiAufl, AssiSystem, AssiOktave;
    static int AssiIntervall, AssiZeit, AssiRichtig, AssiFalsch, AssiHand, AssiLevel;
    static std::array<int, 50> AssiKlavier;  // 0 not offered, 1 offered, 2 chosen
    static int AktEditorVorzeichen;          // 0 scale notes, 1 sharps, 2 flats
    static std::array<int, 200> AssiNoten;   // 1 at each chosen chroma value
    static std::string AssiNotenString;
    static std::shared_ptr<Image> WahlKlavier;
    static std::string AssiName, AssiBeschreibung;
    // What the last page says beside "Ready" when the lesson could not be kept.
    static std::string Meldung;

    static void FormLoad();
    static void ShowAs(int was, const std::string& text);
    static void Event(Gadget* source);
    // A press on the canvas at the pointer position Maus::MausX, Maus::MausY.
    static void MausEvent();
    // A key played on a MIDI keyboard: in a keyboard step it toggles that key.
    static void MidiTaste(int midiNote);

    static void AssiLektion();
    static void LektionWeiterschalten();
    static void Zurueck();
    static void SetErlaubte(int clef, int kind);
    static int SelectAusWahlKlavier();
    static void ErlaubteNotenAusEditorKlavierErstellen(int step, int key);
    static void BuildAssiNoten();
    static void DrawAssiNoten(::Canvas& canvas);
    static void MaleErlaubte(::Canvas& canvas);
    static void ShowAssistent(::Canvas& canvas);
    static int GenugZweiHand();
    static void ResetMultiSelected();
    static bool TextFilter(int keyCode, int character);
    // Saves the lesson the wizard holds (the Continue of the save step).
    static void Speichern();

    // The step text as it is now, localised; empty before the first opening.
    static std::string SchrittText();
    // The accidental kind of keyboard step `step` for the chosen key and accidentals.
    static int KindOfStep(int step);
    // Draws the wizard's canvas while its window is active (the tick calls it).
    static void Zeichnen();
    // Clears the canvas, draws the step text and ShowAssistent, and shows the frame.
    static void MaleCanvas();

    static void SetzeStartwerte();
};
