// The lesson wizard's rules without its window: the step entries and their Continue and
// Back targets, the choice keyboard's offer, hit test and note collection, the preview,
// the two-hand test and the save into the working copy and the learner's own book.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/Daten.h"
#include "dialogs/LektionenAssistent.h"
#include "i18n/Sprache.h"
#include "lessons/Lektion.h"
#include "lessons/LektionsBuch.h"
#include "lessons/LektionsDatei.h"
#include "music/ChromaTyp.h"
#include "music/Tonart.h"
#include "music/Transposer.h"
#include "notation/Note.h"
#include "notation/NotenFenster.h"
#include "notation/TextTyp.h"
#include "platform/RecordingCanvas.h"
#include "settings/IniClass.h"
#include "state/Maus.h"
#include "support/TestSupport.h"

namespace {

using A = LektionenAssistent;

class WizardLogicTest : public FreshProgramTest {
  protected:
    void SetUp() override {
        FreshProgramTest::SetUp();
        ChromaTyp::StartUp();
        Transposer::LoadDefinitions();
        NotenFenster::NotenBild = LadeBild("Noten.png", 60, 140, 18);
        Note::StartUp();
        SprachLoader(0, "english");
        SprachLoader(1, "deutsch");
        SetCurrentLanguage(Language[AktSprache]);
    }
    // Key, accidentals and staff as steps 1 to 3 leave them.
    void choose(int tonart, int kreuze, int bees, int aufl, int system) {
        A::AssiTonart = tonart;
        A::AssiKreuze = kreuze;
        A::AssiBees = bees;
        A::AssiAufl = aufl;
        A::AssiSystem = system;
        HatVorzeichenSetzen(tonart);
    }
    void enter(int step) {
        A::AssiStep = step;
        A::AssiLektion();
    }
    int next() {
        A::LektionWeiterschalten();
        A::AssiLektion();
        return A::AssiStep;
    }
    void chooseNotes(int bass, int treble) {
        A::AssiNoten.fill(0);
        for (int i = 0; i < bass; ++i) A::AssiNoten[122 + i] = 1;
        for (int i = 0; i < treble; ++i) A::AssiNoten[22 + i] = 1;
    }
};

// ---- Steps, Continue and Back ------------------------------------------------------

TEST_F(WizardLogicTest, KeyboardStepsFollowStavesAndAccidentals) {
    struct Row {
        int tonart, kreuze, bees, aufl, staffLine;
        std::vector<int> steps;  // the keyboard steps in order, then 20
        std::vector<int> kinds;  // the accidental kind each keyboard step offers
        const char* what;
    };
    const Row rows[] = {
        {0, 0, 0, 0, 6, {14, 20}, {0}, "treble only, C major, no accidentals"},
        {0, 0, 0, 0, 8, {10, 20}, {0}, "bass only, C major, no accidentals"},
        {0, 0, 0, 1, 10, {10, 14, 20}, {0, 0}, "both staves, C major, naturals only"},
        {2, 1, 0, 0, 6, {14, 15, 20}, {0, 1}, "treble, D major: its sharps"},
        {2, 1, 1, 0, 8, {10, 11, 12, 20}, {0, 1, 2}, "bass, D major: sharps, then flats"},
        {3,
         1,
         1,
         0,
         10,
         {10, 11, 12, 14, 15, 16, 20},
         {0, 2, 1, 0, 2, 1},
         "both, E flat major: a flat key takes flats first"},
        {5, 0, 1, 0, 10, {10, 11, 14, 15, 20}, {0, 2, 0, 2}, "both, F major: flats only"},
        {0, 0, 1, 0, 6, {14, 15, 20}, {0, 2}, "treble, C major with flats only: flats"},
        {0, 1, 1, 0, 6, {14, 15, 16, 20}, {0, 1, 2}, "treble, C major with both: sharps first"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        choose(row.tonart, row.kreuze, row.bees, row.aufl, 0);
        enter(3);
        A::AssiSelected = row.staffLine;
        std::vector<int> steps{next()}, kinds;
        while (A::AssiStep != 20 && steps.size() < 10) {
            kinds.push_back(A::AktEditorVorzeichen);
            steps.push_back(next());
        }
        EXPECT_EQ(steps, row.steps);
        EXPECT_EQ(kinds, row.kinds);
        EXPECT_EQ(A::AssiSystem, row.staffLine == 6 ? 1 : row.staffLine == 8 ? 2 : 3);
    }
}

TEST_F(WizardLogicTest, FlatStepsShowFlatsInTheirText) {
    struct Row {
        int tonart, step;
        bool flats;
        const char* what;
    };
    const Row rows[] = {
        {0, 10, false, "C major, bass scale notes"},
        {2, 14, false, "D major, treble scale notes"},
        {3, 10, true, "E flat major, bass scale notes"},
        {8, 14, true, "A flat major, treble scale notes"},
        {2, 11, false, "D major, first kind is sharps"},
        {2, 12, true, "D major, second kind is flats"},
        {3, 15, true, "E flat major, first kind is flats"},
        {3, 16, false, "E flat major, second kind is sharps"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        choose(row.tonart, 1, 1, 0, 3);
        enter(row.step);
        const std::string text = A::SchrittText();
        EXPECT_EQ(text.find('#') == std::string::npos, row.flats) << text;
        EXPECT_EQ(text.find(" b") != std::string::npos || text.find("b)") != std::string::npos,
                  row.flats)
            << text;
    }
}

TEST_F(WizardLogicTest, StepEntriesSetTheirDefaults) {
    struct Row {
        int step, selected;
        const char* textStart;
        const char* what;
    };
    const Row rows[] = {
        {0, -1, "ÜBUNGS-ASSISTENT", "the welcome page chooses nothing"},
        {1, 3, "Schritt 1 ", "the key step marks C major"},
        {3, 6, "Schritt 3", "the staves step marks treble only"},
        {20, -1, "Schritt 6 ", "the preview chooses nothing"},
        {22, 5, "Schritt 8 ", "the interval step marks the smallest"},
        {23, -1, "Schritt 9a ", "the time slider"},
        {26, 5, "Schritt 10  ", "the hands step marks one hand"},
        {30, 9, "Schritt 11 ", "the level step marks level 3"},
        {31, -1, "Schritt 12 ", "title and description"},
        {38, -1, "Schritt 13 ", "the save page"},
        {40, -1, "Fertig", "the last page"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        A::AssiSelected = 77;
        A::AssiMultiSelected[4] = 1;
        enter(row.step);
        EXPECT_EQ(A::AssiSelected, row.selected);
        EXPECT_EQ(A::AssiMultiSelected[4], 0);
        EXPECT_EQ(A::SchrittText().rfind(row.textStart, 0), 0u) << A::SchrittText();
    }
}

TEST_F(WizardLogicTest, ContinueLeadsToTheNextStep) {
    struct Row {
        int step, selected, bass, treble;
        std::string noten;
        int to;
        const char* what;
    };
    const Row rows[] = {
        {0, -1, 0, 0, "", 1, "welcome to key"},
        {1, 3, 0, 0, "", 2, "C major chosen"},
        {1, 14, 0, 0, "", 2, "B major chosen"},
        {1, -1, 0, 0, "", 1, "no key chosen stays"},
        {2, -1, 0, 0, "", 3, "accidentals to staves"},
        {3, -1, 0, 0, "", 3, "no staff chosen stays"},
        {20, -1, 0, 0, "22|25|28|29|", 20, "11 characters are too few notes"},
        {20, -1, 0, 0, "22|25|28|29|31|", 22, "14 characters pass"},
        {20, -1, 0, 0, "", 20, "no notes at all"},
        {22, 15, 0, 0, "", 23, "interval to time"},
        {23, -1, 0, 0, "", 24, "time to right answers"},
        {24, -1, 0, 0, "", 25, "right to wrong answers"},
        {25, -1, 4, 5, "", 26, "enough notes for two hands: asked"},
        {25, -1, 4, 4, "", 30, "too few for two hands: skipped"},
        {26, 7, 0, 0, "", 30, "hands to level"},
        {30, 13, 0, 0, "", 31, "level to title"},
        {31, -1, 0, 0, "", 38, "title to save"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        choose(0, 0, 0, 0, 1);
        chooseNotes(row.bass, row.treble);
        A::AssiNotenString = row.noten;
        A::AssiStep = row.step;
        A::AssiSelected = row.selected;
        A::AssiHand = 1;
        EXPECT_EQ(next(), row.to);
    }
}

TEST_F(WizardLogicTest, ContinueStoresTheChoices) {
    enter(22);
    A::AssiSelected = 15;
    A::LektionWeiterschalten();
    EXPECT_EQ(A::AssiIntervall, 999);
    A::AssiStep = 22;
    A::AssiSelected = 9;
    A::LektionWeiterschalten();
    EXPECT_EQ(A::AssiIntervall, 11);
    for (int step : {23, 24, 25}) {  // untouched sliders keep their starting values
        enter(step);
        A::LektionWeiterschalten();
    }
    EXPECT_EQ(A::AssiZeit, 60);
    EXPECT_EQ(A::AssiRichtig, 30);
    EXPECT_EQ(A::AssiFalsch, 10);
    EXPECT_EQ(A::AssiHand, 0) << "no two-handed lesson without enough notes";
    A::AssiStep = 26;
    A::AssiSelected = 7;
    A::LektionWeiterschalten();
    EXPECT_EQ(A::AssiHand, 1);
    A::AssiStep = 30;
    A::AssiSelected = 13;
    A::LektionWeiterschalten();
    EXPECT_EQ(A::AssiLevel, 5);
}

TEST_F(WizardLogicTest, BackLeadsToTheStepBefore) {
    struct Row {
        int from, to;
    };
    const Row rows[] = {{0, 0},   {1, 0},   {2, 1},   {3, 1},   {10, 3},  {11, 3},  {12, 3},
                        {14, 3},  {15, 3},  {16, 3},  {20, 3},  {22, 20}, {23, 22}, {24, 22},
                        {25, 22}, {26, 23}, {30, 23}, {31, 30}, {38, 31}, {40, 40}};
    for (const Row& row : rows) {
        SCOPED_TRACE("Back from step " + std::to_string(row.from));
        choose(2, 1, 0, 0, 3);
        A::AssiStep = row.from;
        A::AssiNoten[22] = 1;
        A::AssiNotenString = "22|";
        A::Zurueck();
        A::AssiLektion();
        EXPECT_EQ(A::AssiStep, row.to);
        if (row.to == 3) {
            EXPECT_EQ(A::AssiNotenString, "") << "back to the staves discards the notes";
            EXPECT_EQ(A::AssiNoten[22], 0);
        }
    }
}

TEST_F(WizardLogicTest, AccidentalMarksFollowTheKey) {
    struct Row {
        int tonart;
        std::vector<int> pressed;  // lines pressed in order
        int kreuze, bees, aufl;
        const char* what;
    };
    const Row rows[] = {
        {2, {}, 1, 0, 0, "D major opens with its sharps"},
        {2, {6}, 1, 0, 0, "pressing the sharps of D major leaves them marked"},
        {2, {8, 10}, 1, 1, 1, "flats and naturals toggle on"},
        {2, {8, 10, 8}, 1, 0, 1, "and off again"},
        {3, {6}, 1, 1, 0, "E flat major keeps its flats and takes sharps"},
        {0, {}, 0, 0, 0, "C major opens with nothing marked"},
        {0, {10}, 0, 0, 0, "C major has no naturals line"},
        {0, {6, 8}, 1, 1, 0, "C major takes both"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        choose(row.tonart, 0, 0, 0, 1);
        A::AssiAufl = 0;
        enter(2);
        A::AssiText->FontHeight = 20;
        for (int line : row.pressed) {
            Maus::MausY = A::AssiText->Y + 20 * line + 10;
            A::MausEvent();
        }
        EXPECT_EQ(A::AssiKreuze, row.kreuze);
        EXPECT_EQ(A::AssiBees, row.bees);
        EXPECT_EQ(A::AssiAufl, row.aufl);
    }
}

// ---- The choice keyboard -----------------------------------------------------------

TEST_F(WizardLogicTest, KeyboardHitTestFindsKeysAtTheirEdges) {
    struct Row {
        int x, y, key;  // key -1: nothing hit
        const char* what;
    };
    const Row rows[] = {
        {120, 300, 0, "left edge of the lowest C"},
        {134, 250, 0, "C just left of C sharp"},
        {135, 250, 1, "left edge of C sharp"},
        {143, 250, 1, "right edge of C sharp"},
        {144, 250, 2, "D just right of C sharp"},
        {135, 291, 1, "bottom row of C sharp"},
        {135, 292, 0, "below C sharp is C"},
        {140, 300, 0, "right edge of C"},
        {141, 300, 2, "left edge of D"},
        {157, 250, 3, "D sharp"},
        {198, 250, 6, "F sharp"},
        {227, 250, 8, "G sharp"},
        {248, 250, 10, "right edge of A sharp"},
        {249, 250, 11, "B right of A sharp"},
        {266, 300, 11, "right edge of the first octave's B"},
        {267, 300, 12, "the next octave's C"},
        {267 + 15, 218, 13, "top edge of its C sharp"},
        {727, 344, 48, "bottom right corner: the highest C"},
        {728, 300, -1, "right of the keyboard"},
        {300, 217, -1, "above the keys"},
        {300, 345, -1, "below the keys"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        A::AssiKlavier.fill(1);
        Maus::MausX = row.x;
        Maus::MausY = row.y;
        const int result = A::SelectAusWahlKlavier();
        EXPECT_EQ(result, row.key < 0 ? 0 : row.key);
        for (int k = 0; k <= 48; ++k) EXPECT_EQ(A::AssiKlavier[k], k == row.key ? 2 : 1) << k;
    }
}

TEST_F(WizardLogicTest, KeyboardPressesToggleOnlyOfferedKeys) {
    A::AssiKlavier.fill(0);
    A::AssiKlavier[12] = 1;
    A::AssiKlavier[14] = 1;
    Maus::MausX = 267, Maus::MausY = 300;
    A::SelectAusWahlKlavier();
    EXPECT_EQ(A::AssiKlavier[12], 2);
    A::SelectAusWahlKlavier();
    EXPECT_EQ(A::AssiKlavier[12], 1) << "a second press takes it back";
    Maus::MausX = 267 + 15, Maus::MausY = 250;
    A::SelectAusWahlKlavier();
    EXPECT_EQ(A::AssiKlavier[13], 0) << "a key not offered stays";
    Maus::MausX = 60;
    EXPECT_EQ(A::SelectAusWahlKlavier(), 0);
    EXPECT_EQ(A::AssiKlavier[12], 2) << "a press left of the keys chooses every offered key";
    EXPECT_EQ(A::AssiKlavier[14], 2);
    EXPECT_EQ(A::AssiKlavier[13], 0);
}

std::vector<int> offered() {
    std::vector<int> keys;
    for (int k = 0; k < 50; ++k)
        if (A::AssiKlavier[k] == 1) keys.push_back(k);
    return keys;
}

std::vector<int> keysOf(int from, int to, std::vector<int> pitchClasses) {
    std::vector<int> keys;
    for (int k = from; k <= to; ++k)
        for (int p : pitchClasses)
            if (k % 12 == p) keys.push_back(k);
    return keys;
}

TEST_F(WizardLogicTest, KeyboardOffersTheKeysOfTheStep) {
    struct Row {
        int tonart, aufl, clef, kind;
        std::vector<int> keys;
        const char* what;
    };
    const Row rows[] = {
        {2, 0, 1, 0, keysOf(5, 45, {1, 2, 4, 6, 7, 9, 11}), "D major bass: its scale, MIDI 29-69"},
        {2, 1, 1, 0, keysOf(5, 45, {0, 1, 2, 4, 5, 6, 7, 9, 11}), "with naturals: C and F too"},
        {0, 0, 2, 0, keysOf(4, 41, {0, 2, 4, 5, 7, 9, 11}), "C major treble: MIDI 52-89"},
        {2, 0, 2, 1, keysOf(4, 41, {0, 1, 3, 5, 6, 8, 10}), "sharps: black keys, C and F"},
        {2, 0, 1, 2, keysOf(5, 45, {1, 3, 4, 6, 8, 10, 11}), "flats: black keys, E and B"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        choose(row.tonart, 1, 1, row.aufl, 3);
        A::SetErlaubte(row.clef, row.kind);
        EXPECT_EQ(offered(), row.keys);
        EXPECT_EQ(A::AktEditorVorzeichen, row.kind);
        EXPECT_EQ(A::AssiKlavier[49], 0);
    }
}

TEST_F(WizardLogicTest, ChosenKeysBecomeSpelledNotes) {
    struct Row {
        int tonart, step, kind, key, chroma;
        const char* what;
    };
    const Row rows[] = {
        {2, 10, 0, 13, 123, "D major bass C sharp (MIDI 37)"},
        {0, 14, 0, 12, 22, "C major treble middle C"},
        {3, 14, 0, 15, 27, "E flat major treble E flat"},
        {2, 15, 1, 24, 41, "a sharps step writes C as B sharp of the block below"},
        {2, 15, 1, 17, 29, "and F as E sharp"},
        {2, 16, 2, 23, 42, "a flats step writes B as C flat of the block above"},
        {2, 12, 2, 16, 130, "and E as F flat, in the bass"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        A::AssiNoten.fill(0);
        A::AssiKlavier.fill(0);
        A::AssiKlavier[row.key] = 2;
        A::AktEditorVorzeichen = row.kind;
        A::ErlaubteNotenAusEditorKlavierErstellen(row.step, row.tonart);
        EXPECT_EQ(A::AssiNoten[row.chroma], 1);
        EXPECT_EQ(A::AssiNotenString, std::to_string(row.chroma) + "|");
    }
}

TEST_F(WizardLogicTest, NotesCollectBassFirstAcrossSteps) {
    A::AssiNoten.fill(0);
    A::AssiKlavier.fill(0);
    A::AssiKlavier[12] = A::AssiKlavier[14] = 2;  // treble C4 and D4
    A::ErlaubteNotenAusEditorKlavierErstellen(14, 0);
    A::AssiKlavier.fill(0);
    A::AssiKlavier[36] = 2;  // bass middle C (MIDI 60), two blocks above 122
    A::ErlaubteNotenAusEditorKlavierErstellen(10, 0);
    EXPECT_EQ(A::AssiNotenString, "164|22|25|");
}

TEST_F(WizardLogicTest, MidiKeyTogglesTheKeyOfTheStep) {
    A::AssiKlavier.fill(1);
    A::AssiStep = 10;
    A::MidiTaste(60);  // bass steps: key 36
    EXPECT_EQ(A::AssiKlavier[36], 2);
    A::AssiStep = 14;
    A::MidiTaste(60);  // treble steps: key 12
    EXPECT_EQ(A::AssiKlavier[12], 2);
    A::MidiTaste(47);  // below the treble keyboard
    A::AssiStep = 22;
    A::MidiTaste(61);
    EXPECT_EQ(A::AssiKlavier[13], 1) << "outside a keyboard step a key changes nothing";
}

TEST_F(WizardLogicTest, KeyboardStepDrawsTheKeyStates) {
    A::WahlKlavier = LadeBild("Tastatur4.png");
    ASSERT_TRUE(A::WahlKlavier);
    choose(0, 0, 0, 0, 1);
    enter(14);
    A::AssiKlavier[12] = 2;  // middle C chosen; D (14) offered; C sharp (13) not offered
    RecordingCanvas canvas(790, 380);
    A::ShowAssistent(canvas);
    struct Row {
        float x, y;
        int r, g, b;
        const char* what;
    };
    const Row rows[] = {
        {120 + 147 + 10 - 5, 300, 111, 222, 111, "the chosen middle C: green, low"},
        {120 + 147 + 19 - 5, 240, 111, 111, 111, "C sharp not offered: grey, high"},
        {120 + 147 + 31 - 5, 300, 222, 111, 111, "D offered: red"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        bool found = false;
        for (const DrawCall& call : canvas.calls)
            if (call.kind == DrawCall::Rect && call.x == row.x && call.y == row.y) {
                found = true;
                EXPECT_EQ(call.width, 10);
                EXPECT_EQ(call.height, 40);
                EXPECT_EQ(call.state.colour.r, row.r);
                EXPECT_EQ(call.state.colour.g, row.g);
                EXPECT_EQ(call.state.colour.b, row.b);
            }
        EXPECT_TRUE(found);
    }
    int bars = 0, keyboards = 0, dots = 0;
    for (const DrawCall& call : canvas.calls) {
        bars += call.kind == DrawCall::Rect;
        keyboards += call.kind == DrawCall::Image && call.x == 10 && call.y == 150;
        dots += call.kind == DrawCall::Oval && call.x == 272 && call.y == 212;
    }
    EXPECT_EQ(bars, 49);
    EXPECT_EQ(keyboards, 1);
    EXPECT_EQ(dots, 1) << "the dot above the treble middle C";
}

// ---- Preview and two hands ---------------------------------------------------------

TEST_F(WizardLogicTest, PreviewSplitsLongChoicesOverTwoStaves) {
    struct Row {
        int treble, y, spacing;
        size_t first, second;
        const char* what;
    };
    const Row rows[] = {
        {12, 125, 120, 12, 0, "12 notes: one staff"},
        {30, 125, 70, 30, 0, "30 notes: still one staff"},
        {35, 25, 100, 17, 18, "35 notes: two staves"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        A::AssiNoten.fill(0);
        for (int i = 0; i < row.treble; ++i) A::AssiNoten[20 + i] = 1;
        A::BuildAssiNoten();
        ASSERT_TRUE(A::WahlNoten_A);
        EXPECT_EQ(A::WahlNoten_A->FensterY, row.y);
        EXPECT_EQ(A::WahlNoten_A->NotenBreit, row.spacing);
        EXPECT_EQ(A::WahlNoten_A->Liste.size(), row.first);
        EXPECT_EQ(A::WahlNoten_B ? A::WahlNoten_B->Liste.size() : 0u, row.second);
        if (A::WahlNoten_B) EXPECT_EQ(A::WahlNoten_B->FensterY, row.y + 200);
    }
}

TEST_F(WizardLogicTest, TwoHandsNeedFourBassAndFiveTrebleNotes) {
    struct Row {
        int bass, treble, result;
    };
    const Row rows[] = {{4, 5, 1}, {4, 4, 0}, {3, 5, 0}, {5, 4, 0}, {0, 9, 0}, {9, 9, 1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.bass) + " bass, " + std::to_string(row.treble) + " treble");
        chooseNotes(row.bass, row.treble);
        EXPECT_EQ(A::GenugZweiHand(), row.result);
    }
}

TEST_F(WizardLogicTest, DescriptionDropsEqualsAndEnter) {
    EXPECT_FALSE(A::TextFilter('=', '='));
    EXPECT_FALSE(A::TextFilter(13, '\r'));
    EXPECT_TRUE(A::TextFilter('A', 'a'));
}

// ---- Saving ------------------------------------------------------------------------

void workingCopyWith(int lessons) {
    std::string text;
    for (int n = 1; n <= lessons; ++n)
        text += "[Lesen " + std::to_string(n) + "]\r\nName=Shipped " + std::to_string(n) +
                "\r\nNoten=22|25\r\n";
    writeFile(lessonFile(), text);
    IniClass::UpdateIniFile(lessonFile());
}

void wizardLesson() {
    A::AssiNotenString = "122|125|127|129|27|29|31|32|34";
    A::AssiTonart = 3;
    A::AssiSystem = 3;
    A::AssiIntervall = 7;
    A::AssiRichtig = 42;
    A::AssiFalsch = 6;
    A::AssiZeit = 90;
    A::AssiLevel = 2;
    A::AssiHand = 1;
    A::AssiName.clear();
    A::AssiBeschreibung = "Both hands in E flat";
}

TEST_F(WizardLogicTest, SavedLessonReadsBack) {
    workingCopyWith(16);
    wizardLesson();
    A::Speichern();
    EXPECT_EQ(IniClass::Lesen(lessonFile(), "Lesen 17", "Name"), "Lektion User 17");
    std::shared_ptr<Lektion> lektion = readLesson(17, 0);
    EXPECT_EQ(lektion->Name, "Lektion User 17");
    EXPECT_EQ(lektion->Tonart, 3);
    EXPECT_EQ(lektion->System, 3);
    EXPECT_EQ(lektion->MaxIntervall, 7);
    EXPECT_EQ(lektion->MaxRichtig, 42);
    EXPECT_EQ(lektion->MaxFalsch, 6);
    EXPECT_EQ(lektion->SpielZeit, 90);
    EXPECT_EQ(lektion->Level, 2);
    EXPECT_EQ(lektion->AlsZweiHand, 1);
    EXPECT_EQ(lektion->Anzahl, 9);
    EXPECT_EQ(IniClass::Lesen(lessonFile(), "Lesen 17", "Beschreibung"), "Both hands in E flat");
    EXPECT_EQ(IniClass::Lesen(lessonFile(), "Lesen 17", "Oktave"), "0");
    EXPECT_EQ(IniClass::Lesen(ownBookFile(), "Lesen 1", "Noten"), A::AssiNotenString)
        << "the learner's own book keeps it too";
    EXPECT_EQ(IniClass::Lesen(ownBookFile(), "Lesen 1", "Name"), "Lektion User 17");
}

TEST_F(WizardLogicTest, OwnBookNeverOverwritesAnEarlierLesson) {
    workingCopyWith(99);
    wizardLesson();
    A::AssiName = "First";
    A::Speichern();
    A::AssiName = "Second";
    A::Speichern();
    EXPECT_EQ(IniClass::Lesen(ownBookFile(), "Lesen 1", "Name"), "First");
    EXPECT_EQ(IniClass::Lesen(ownBookFile(), "Lesen 2", "Name"), "Second");
    EXPECT_EQ(A::Meldung, "");
}

TEST_F(WizardLogicTest, FullOwnBookSaysSoAndKeepsLesson99) {
    std::string text;
    for (int n = 1; n <= 99; ++n)
        text += "[Lesen " + std::to_string(n) + "]\r\nName=Mine " + std::to_string(n) + "\r\n";
    writeFile(ownBookFile(), text);
    IniClass::UpdateIniFile(ownBookFile());
    workingCopyWith(3);
    wizardLesson();
    A::AssiName = "One too many";
    A::Speichern();
    EXPECT_EQ(IniClass::Lesen(ownBookFile(), "Lesen 99", "Name"), "Mine 99");
    EXPECT_EQ(IniClass::Lesen(lessonFile(), "Lesen 4", "Name"), "");
    EXPECT_EQ(A::Meldung,
              "{{My lessons holds 99 lessons. The new lesson was not saved. Delete an old lesson "
              "first.}}");
    A::AssiStep = 40;
    A::AssiLektion();
    EXPECT_NE(A::SchrittText().find("Eigene Übungen"), std::string::npos) << A::SchrittText();
}

}  // namespace
