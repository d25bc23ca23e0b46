#pragma once
// A rectangle of manuscript paper on a canvas: a treble, bass or grand staff with clefs
// and key signature, notes that are written from the right, scroll to the left and are
// dropped when they leave the paper, bar lines, a green column where the note to be
// answered stands, and a few lines of text. It also keeps the accidentals valid in the
// bar being written.

#include <array>
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "notation/Note.h"
#include "platform/Canvas.h"
#include "platform/Image.h"

// What the word exercise shows under the staff: the parts of the asked word (a spelling
// index as decimal text, or a letter no note name covers), the letters each part stands
// for ("FIS", "C", "H"), the answer typed so far, and whether Return was just pressed on a
// wrong answer.
struct FrageWortBild {
    std::vector<std::string> Teile;
    std::vector<std::string> Texte;
    std::string Loesung;
    bool Falsch = false;
};

class NotenFenster {
  public:
    static constexpr int VORNE = 0;   // scroll mode of practice and examination
    static constexpr int HINTEN = 1;  // scroll mode of learn and see
    static constexpr int SCHNELL = 1;
    static constexpr int SCHLUSSEL_BREIT = 60;  // clef area at scale 1; the signature follows
    static constexpr int WORT_ZEILE = 140;      // room under the staff for the asked word's letters

    // Class-wide state.
    static std::shared_ptr<Image> NotenBild;  // "Noten.png", 18 cells of 60 x 140
    static std::string HeadLine, NameLine, NameText;
    static int NameUnten;  // 1: the name texts at the bottom, 0 at the top
    // The bar position at which the note being added starts; 0 opens a new bar. Kept by
    // the note feed.
    static int VorTaktpos;
    // The asked word of the word exercise; set by the word exercise. Unset, or no word
    // chosen yet: nothing is shown.
    static std::function<std::optional<FrageWortBild>()> FrageWort;

    std::list<std::shared_ptr<Note>> Liste;  // the notes, in the order they were added
    int Wieviele = 0;                        // reserved
    int NotenY = 0;                          // staff origin below the window's top, at scale 1
    float SchreibX = 0;                      // where the next note is written, at scale 1
    int NotenBreit = 0;                      // spacing unit between notes, at scale 1
    int Systeme = 0;                         // 1 treble, 2 bass, 3 both
    int MitSchatten = 0;                     // 1: drop shadow
    int MitGruen = 0;                        // 1: green answer column
    int MitWeissBlatt = 0;                   // 1: paper background
    int Tonart = 0;                          // key number
    std::array<int, 9> VorzeichenGesetzt{};  // key-signature record of Tonart
    // The accidental valid in the bar at each staff position: System * 100 + Y.
    std::array<int, 130> AktNotenlinieVersetzt{};
    int FensterH = 0;      // height in screen pixels
    int FensterB = 0;      // requested width in screen pixels
    int EchtFensterB = 0;  // actual paper width
    int FensterX = 0, FensterY = 0;
    float Scale = 0;
    int WoCheck = 0;          // reserved
    int SystemDistanz = 200;  // treble staff origin to bass staff origin, at scale 1
    int HeuteFirstX = 0;      // where the note to be answered stops when notes scroll

    static void StartUp();
    static void SetzeStartwerte();

    static std::shared_ptr<NotenFenster> CreateIt(int x, int y, int width, int notenBreit,
                                                  float scale, int systeme, int tonart);
    void ChangeWindow(int x, int y, int width, int systeme, int tonart);
    void ResetAll();
    // Gives the paper a new requested width and keeps its notes (a window resize).
    void setPaperWidth(int width);
    // How much wider than its requested width the paper is drawn: the clef and the key
    // signature of this key at this scale, and a margin.
    static int paperOverhang(float scale, int tonart);
    void ResetSchreibX();
    void ResetVersetzungen();
    void SetzeVersetzung(int y, int system, int vorzeichen);
    int FrageVersetzung(int y, int system) const;
    void AddChromaNote(int chroma, int lang, int weiter, int eng);
    void AddMultiChroma(std::shared_ptr<Note> note);
    void Draw(Canvas& canvas);
    void VorzeichenMalen(Canvas& canvas);
    void DrawVorzeichen(Canvas& canvas, int anzahl, int art);
    void DrawVorzeichenInSystem(Canvas& canvas, int i, int position, int art);
    void SpreizeAlle();
    int ScrollIt(int mode, int speed);

    // Where things lie on the canvas.
    bool ZeigtViolin() const { return (Systeme & 1) != 0; }
    bool ZeigtBass() const { return (Systeme & 2) != 0; }
    float StaffOriginX() const;
    float StaffOriginY() const;
    float NoteOriginX() const;  // the note origin lies at the staff origin's height

  private:
    void drawShadow(Canvas& canvas) const;
    void drawGreenColumn(Canvas& canvas) const;
    void drawTexts(Canvas& canvas) const;
    void drawStaffLines(Canvas& canvas) const;
    void drawAskedWord(Canvas& canvas) const;
    void drawNotes(Canvas& canvas) const;
    void drawBarLine(Canvas& canvas, const Note& note) const;
    void drawClefs(Canvas& canvas) const;
    void clipToPaper(Canvas& canvas) const;
    const Note* firstActiveNote() const;
};

// A drop shadow like the staff window's for any rectangle.
void DrawSchatten(Canvas& canvas, int x, int y, int width, int height, float scale);
