#pragma once
// One written symbol on a staff: a note head with stem, flag or beam, its accidental and
// its ledger lines, or a rest. A note is placed once when it is made (its staff step,
// the accidental it prints against the bar, its stem, its beam) and drawn every frame
// by the staff window whose list holds it.

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "platform/Canvas.h"
#include "platform/Image.h"

class NotenFenster;

class Note : public std::enable_shared_from_this<Note> {
  public:
    // Class-wide state.
    static std::shared_ptr<Image> NotenBild;   // "Noten.png", 18 cells of 60 x 140
    static std::shared_ptr<Image> BalkenBild;  // "Balken.png", 10 cells of 80 x 120
    static std::shared_ptr<Note> Vornote;      // the note placed last, in any staff window
    // The exercise's main staff, whose bar accidentals every placement consults and
    // whose write position makes room for an accidental after a flag. Set by the
    // exercise window; without one a note is placed as if no accidental were valid yet.
    static std::function<NotenFenster*()> HauptFenster;
    // Whether the current lesson is two-handed (then no rest is shown for the other staff
    // of a grand staff). Set by the lesson model; without it no lesson is two-handed.
    static std::function<bool()> ZweiHandLektion;

    // Cells of "Noten.png".
    enum Zelle {
        kViolinSchluessel = 0,
        kBassSchluessel = 1,
        kGanze = 2,
        kHalbeHoch = 3,
        kViertelHoch = 5,
        kAchtelHoch = 7,
        kKreuz = 9,
        kViertelPause = 12,
        kGanzePause = 13,
        kHalbePause = 14,
        kLeer = 15,
    };
    static constexpr int kKeinBalken = 9;  // beam cell: none

    float X = 0;         // position at scale 1, from the staff's note origin
    int Y = 0;           // staff step; 30 for a rest
    int Lang = 0;        // length in eighths: 1, 2, 4, 8
    int BildNr = 0;      // cell of "Noten.png"
    int VorZeichen = 0;  // accidental printed: 0 none, 1 sharp, 2 flat, 3 natural
    int ChromaPos = 0;   // chroma value without the bass offset
    int EchtMidi = 0;    // MIDI number of the written pitch; 0 for a rest
    int System = 0;      // 0 treble staff, 1 bass staff
    int ErrorCheck = 0;  // kept for answer evaluation
    int TaktPos = 0;     // bar position in eighths at which the note starts
    int Hals = 0;        // stem: 0 up, 1 down
    int BalkenNr = 0;    // beam cell joining this note to the one before; 9 none
    int Aktiv = 0;       // 1 while the note waits for an answer
    std::string Name;    // the note's name
    int ChromaEcht = 0;  // the chroma value as passed in

    // Loads NotenBild and BalkenBild from the data archive.
    static void StartUp();
    static void SetzeStartwerte();

    // Places the note and returns the accidental it prints. A negative chroma value is
    // not placed (returns 0). `vorzeichen` (the staff's key-signature record) is not used.
    int CreateMe(int chroma, int lang, float x, const std::array<int, 9>& vorzeichen, int taktPos);
    // The eighth-note rule: a second eighth of a beat close to the eighth before is
    // beamed to it, with both stems the same way; any other eighth gets a flag.
    void IstEineAchtel();
    // Draws the note; the canvas's image scale is `scale`, its origin the note origin.
    void DrawOne(Canvas& canvas, float scale, int abstand, int systeme) const;
    void DrawHilfsLinien(Canvas& canvas, float scale, int abstand) const;

    // Drawn as a rest (cells 12 and above).
    bool IstPause() const { return BildNr >= kViertelPause; }
    // The chroma value names a rest: above 90 without the bass offset (so also every
    // value that is no pitch).
    bool IstPauseWert() const { return ChromaPos > 90; }

  private:
    void placePitch(int chroma);
    void makeRoomAfterFlag();
    void decideAccidental();
    void chooseCell();
    int restCellForOtherStaff() const;
    float cellTop(int abstand) const;
};
