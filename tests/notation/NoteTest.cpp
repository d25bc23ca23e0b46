#include <gtest/gtest.h>

#include <vector>

#include "NotationFixture.h"

namespace {

using S = Spiel;

class NoteTest : public NotationTest {};

// Adds one note per entry to the staff, each at its bar position, and gives back the
// notes in order.
std::vector<std::shared_ptr<Note>> write(NotenFenster& staff,
                                         const std::vector<std::pair<int, int>>& chromaAndPos,
                                         int lang = 2) {
    for (auto [chroma, pos] : chromaAndPos) {
        NotenFenster::VorTaktpos = pos;
        staff.AddChromaNote(chroma, lang, 1, 0);
    }
    return {staff.Liste.begin(), staff.Liste.end()};
}

struct AccidentalCase {
    const char* what;
    int tonart;
    std::vector<std::pair<int, int>> notes;  // chroma, bar position
    std::vector<int> printed;
};

TEST_F(NoteTest, AccidentalsAreDecidedAgainstTheBar) {
    const int F4 = 31, Fis4 = 32, F5 = 52, Bes4 = 39, B4 = 40, A4 = 37, As4 = 36;
    const int Fis3 = 153, F3 = 152;  // bass clef
    const std::vector<AccidentalCase> cases = {
        {"C major: sharp, natural, sharp again", 0, {{Fis4, 0}, {F4, 2}, {Fis4, 4}}, {1, 3, 1}},
        {"C major: a repeated sharp is not printed again", 0, {{Fis4, 0}, {Fis4, 2}}, {1, 0}},
        {"G major: the key's sharp is not printed", 7, {{Fis4, 0}, {F4, 2}}, {0, 3}},
        {"C major: the next bar starts from the key",
         0,
         {{Fis4, 0}, {F4, 2}, {F4, 0}, {Fis4, 2}},
         {1, 3, 0, 1}},
        {"G major: a natural lasts only to the bar line", 7, {{F4, 0}, {Fis4, 0}}, {3, 0}},
        {"another octave has its own state", 0, {{Fis4, 0}, {F5, 2}}, {1, 0}},
        {"B flat major: flat, natural, flat", 10, {{Bes4, 0}, {B4, 2}, {Bes4, 4}}, {0, 3, 2}},
        {"E flat major: A flat in the key, A natural printed", 3, {{As4, 0}, {A4, 2}}, {0, 3}},
        {"D major bass clef: F sharp in the key", 2, {{Fis3, 0}, {F3, 2}, {Fis3, 4}}, {0, 3, 1}},
        {"a rest between leaves the bar alone", 0, {{Fis4, 0}, {95, 2}, {Fis4, 4}}, {1, 0, 0}},
    };
    for (const AccidentalCase& c : cases) {
        auto staff = mainStaff(3, c.tonart);
        auto notes = write(*staff, c.notes);
        ASSERT_EQ(notes.size(), c.printed.size()) << c.what;
        for (size_t i = 0; i < notes.size(); ++i)
            EXPECT_EQ(notes[i]->VorZeichen, c.printed[i]) << c.what << ", note " << i;
    }
}

TEST_F(NoteTest, TheSameStepInTheOtherClefIsAnotherPosition) {
    auto staff = mainStaff(3, 0);
    // Treble F#4 sits on step 10; bass step 10 is an A, which keeps no sharp from it.
    auto notes = write(*staff, {{32, 0}, {bassNatural(10), 2}});
    EXPECT_EQ(notes[0]->VorZeichen, 1);
    EXPECT_EQ(notes[1]->VorZeichen, 0);
    EXPECT_EQ(staff->FrageVersetzung(10, 0), 1);
    EXPECT_EQ(staff->FrageVersetzung(10, 1), 0);
}

TEST_F(NoteTest, WithoutAMainStaffTheSpellingAloneDecides) {
    Note::HauptFenster = nullptr;
    auto staff = NotenFenster::CreateIt(10, 10, 700, 70, 1.0f, 1, 7);
    auto notes = write(*staff, {{32, 0}, {32, 2}, {31, 4}});
    EXPECT_EQ(notes[0]->VorZeichen, 1);
    EXPECT_EQ(notes[1]->VorZeichen, 1);
    EXPECT_EQ(notes[2]->VorZeichen, 0);
}

struct PairCase {
    int firstStep, secondStep, secondPos;
    int hals1, hals2, balken2, bild1, bild2;
};

TEST_F(NoteTest, EighthsPairUnderABeamOrStandAloneWithAFlag) {
    const std::vector<PairCase> cases = {
        {9, 11, 1, 0, 0, 1, 5, 5},   // two steps up: stems up, second rising beam
        {14, 15, 1, 1, 1, 0, 6, 6},  // one step up high on the staff: stems down
        {9, 9, 1, 0, 0, 8, 5, 5},    // same step: level beam
        {15, 11, 1, 1, 1, 7, 6, 6},  // four steps down, sum 26: stems down, steepest falling
        {12, 13, 1, 0, 0, 0, 5, 5},  // sum 25: both up, though 13 alone would point down
        {10, 6, 1, 0, 0, 7, 5, 5},   // four steps down, below the staff
        {11, 17, 1, 0, 1, 9, 7, 8},  // six steps apart: the second stands alone
        {10, 5, 1, 0, 0, 9, 7, 7},   // five steps apart
        {9, 11, 2, 0, 0, 9, 7, 7},   // an eighth on a beat always starts with a flag
    };
    for (const PairCase& c : cases) {
        auto staff = mainStaff(1, 0);
        auto notes =
            write(*staff,
                  {{trebleNatural(c.firstStep), 0}, {trebleNatural(c.secondStep), c.secondPos}}, 1);
        SCOPED_TRACE(testing::Message()
                     << "steps " << c.firstStep << ", " << c.secondStep << " at " << c.secondPos);
        EXPECT_EQ(notes[0]->Hals, c.hals1);
        EXPECT_EQ(notes[1]->Hals, c.hals2);
        EXPECT_EQ(notes[1]->BalkenNr, c.balken2);
        EXPECT_EQ(notes[0]->BildNr, c.bild1);
        EXPECT_EQ(notes[1]->BildNr, c.bild2);
        EXPECT_EQ(notes[0]->BalkenNr, 9);
    }
}

TEST_F(NoteTest, AnEighthIsBeamedOnlyToAnEighth) {
    auto staff = mainStaff(1, 0);
    NotenFenster::VorTaktpos = 0;
    staff->AddChromaNote(trebleNatural(9), 2, 1, 0);  // a quarter, then an eighth off the beat
    NotenFenster::VorTaktpos = 1;
    staff->AddChromaNote(trebleNatural(10), 1, 1, 0);
    auto first = staff->Liste.front(), second = staff->Liste.back();
    EXPECT_EQ(first->BildNr, Note::kViertelHoch);
    EXPECT_EQ(second->BildNr, Note::kAchtelHoch);
    EXPECT_EQ(second->BalkenNr, 9);
}

TEST_F(NoteTest, StemsPointDownFromTheMiddleLineAndCellsFollowTheLength) {
    struct Case {
        int step, lang, hals, bild;
    };
    for (Case c : std::vector<Case>{{13, 2, 1, 6},
                                    {12, 2, 0, 5},
                                    {13, 4, 1, 4},
                                    {12, 4, 0, 3},
                                    {20, 8, 1, 2},
                                    {3, 8, 0, 2},
                                    {13, 1, 1, 8},
                                    {12, 1, 0, 7}}) {
        auto staff = mainStaff(1, 0);
        write(*staff, {{trebleNatural(c.step), 0}}, c.lang);
        const Note& note = *staff->Liste.front();
        EXPECT_EQ(note.Y, c.step);
        EXPECT_EQ(note.Hals, c.hals) << "step " << c.step;
        EXPECT_EQ(note.BildNr, c.bild) << "step " << c.step << " length " << c.lang;
    }
}

TEST_F(NoteTest, RestsTakeTheirCellAndNeverTouchTheBar) {
    struct Case {
        int chroma, lang, bild, system;
    };
    for (Case c : std::vector<Case>{
             {95, 2, 12, 0}, {95, 4, 14, 0}, {95, 8, 13, 0}, {95, 1, 15, 0}, {195, 2, 12, 1}}) {
        auto staff = mainStaff(3, 0);
        for (int step = 0; step < 29; ++step) staff->SetzeVersetzung(step, c.system, 2);
        const auto bar = staff->AktNotenlinieVersetzt;
        NotenFenster::VorTaktpos = 2;
        staff->AddChromaNote(c.chroma, c.lang, 1, 0);
        const Note& rest = *staff->Liste.front();
        EXPECT_EQ(rest.BildNr, c.bild) << c.chroma << " length " << c.lang;
        EXPECT_EQ(rest.Y, 30);
        EXPECT_EQ(rest.EchtMidi, 0);
        EXPECT_EQ(rest.System, c.system);
        EXPECT_EQ(rest.VorZeichen, 0);
        EXPECT_EQ(staff->AktNotenlinieVersetzt, bar);
    }
}

TEST_F(NoteTest, PlacingFillsThePitchFields) {
    auto shared = std::make_shared<Note>();
    EXPECT_EQ(shared->CreateMe(164, 2, 55.0f, {}, 3), 0);
    EXPECT_EQ(shared->System, 1);
    EXPECT_EQ(shared->ChromaPos, 64);
    EXPECT_EQ(shared->ChromaEcht, 164);
    EXPECT_EQ(shared->Y, 19);
    EXPECT_EQ(shared->EchtMidi, 60);
    EXPECT_EQ(shared->Aktiv, 1);
    EXPECT_EQ(shared->TaktPos, 3);
    EXPECT_FLOAT_EQ(shared->X, 55.0f);
    EXPECT_EQ(shared->Name, ChromaTyp::Name(164));
    EXPECT_FALSE(shared->Name.empty());
    EXPECT_EQ(Note::Vornote, shared);
}

TEST_F(NoteTest, ValuesThatAreNoPitchNeverCrash) {
    auto negative = std::make_shared<Note>();
    EXPECT_EQ(negative->CreateMe(-1, 2, 10, {}, 0), 0);
    EXPECT_EQ(negative->Aktiv, 0);
    EXPECT_EQ(Note::Vornote, nullptr);
    for (int chroma : {91, 100, 191, 250, 100000}) {
        auto note = std::make_shared<Note>();
        EXPECT_EQ(note->CreateMe(chroma, 2, 10, {}, 0), 0);
        EXPECT_EQ(note->Y, 30) << chroma;
        EXPECT_TRUE(note->IstPause()) << chroma;
        EXPECT_EQ(note->Name, "") << chroma;
        RecordingCanvas canvas;
        note->DrawOne(canvas, 1.0f, 200, 3);
        EXPECT_EQ(callsOf(canvas, DrawCall::Image).size(), 1u);
    }
}

TEST_F(NoteTest, ASharpAfterAnUpFlagMakesRoom) {
    auto staff = mainStaff(1, 0);
    staff->SchreibX = 100;
    NotenFenster::VorTaktpos = 2;
    staff->AddChromaNote(trebleNatural(9), 1, 1, 0);  // E4, flag up
    const float before = staff->SchreibX;
    NotenFenster::VorTaktpos = 3;
    staff->AddChromaNote(53, 1, 1, 0);  // F#5, six steps higher: alone, with a sharp
    const Note& sharp = *staff->Liste.back();
    EXPECT_EQ(sharp.VorZeichen, 1);
    EXPECT_FLOAT_EQ(sharp.X, static_cast<float>(static_cast<int>(before)) + 20);
    EXPECT_FLOAT_EQ(staff->SchreibX, before + 20 + 0.7f * 70);

    // After a down flag there is room already.
    auto other = mainStaff(1, 0);
    other->SchreibX = 100;
    NotenFenster::VorTaktpos = 2;
    other->AddChromaNote(trebleNatural(20), 1, 1, 0);  // flag down
    const float start = other->SchreibX;
    NotenFenster::VorTaktpos = 3;
    other->AddChromaNote(32, 1, 1, 0);  // F#4, ten steps lower
    EXPECT_FLOAT_EQ(other->Liste.back()->X, static_cast<float>(static_cast<int>(start)));
}

// Ledger line heights for a note on a staff with the bass staff 200 below.
std::vector<float> ledgerHeights(const RecordingCanvas& canvas) {
    std::vector<float> heights;
    for (const DrawCall& call : callsOf(canvas, DrawCall::Rect))
        if (call.height == 1) heights.push_back(call.y);
    return heights;
}

TEST_F(NoteTest, LedgerLinesLieOnTheStepsBeyondTheStaff) {
    struct Case {
        int chroma;
        std::vector<float> heights;
    };
    const std::vector<Case> cases = {
        {22, {170}},                     // middle C in the treble clef
        {trebleNatural(8), {}},          // D4 hangs under the staff
        {trebleNatural(6), {170}},       // B3
        {trebleNatural(5), {170, 190}},  // A3
        {trebleNatural(0), {170, 190, 210, 230}},
        {trebleNatural(18), {}},        // G5 sits on the staff
        {trebleNatural(19), {50}},      // A5
        {trebleNatural(21), {50, 30}},  // C6
        {164, {250}},                   // middle C in the bass clef
        {bassNatural(7), {370}},        // E2
        {bassNatural(-2), {370, 390, 410, 430, 450}},
        {bassNatural(17), {}},  // A3 on the top line
    };
    for (const Case& c : cases) {
        auto note = std::make_shared<Note>();
        note->CreateMe(c.chroma, 2, 100, {}, 0);
        RecordingCanvas canvas;
        canvas.setScale(1, 1);
        note->DrawHilfsLinien(canvas, 1.0f, 200);
        EXPECT_EQ(ledgerHeights(canvas), c.heights) << "chroma " << c.chroma;
    }
}

TEST_F(NoteTest, LedgerLinesAreWiderForAWholeNoteAndDrawnUnscaled) {
    struct Case {
        int lang;
        float scale, x, width;
    };
    for (Case c : std::vector<Case>{{2, 1.0f, 92, 40},
                                    {8, 1.0f, 95, 50},
                                    {2, 1.5f, 138, 60},
                                    {8, 1.5f, 142.5f, 75},
                                    {4, 0.4f, 36.8f, 16}}) {
        auto note = std::make_shared<Note>();
        note->CreateMe(22, c.lang, 100, {}, 0);
        RecordingCanvas canvas;
        canvas.setScale(c.scale, c.scale);
        note->DrawHilfsLinien(canvas, c.scale, 200);
        auto lines = callsOf(canvas, DrawCall::Rect);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_FLOAT_EQ(lines[0].x, c.x);
        EXPECT_FLOAT_EQ(lines[0].y, 170 * c.scale);
        EXPECT_FLOAT_EQ(lines[0].width, c.width);
        EXPECT_EQ(lines[0].state.scaleX, 1.0f);
        EXPECT_EQ(canvas.state().scaleX, c.scale);  // back to the image scale
    }
}

TEST_F(NoteTest, DrawingPutsTheAccidentalBesideTheHead) {
    auto staff = mainStaff(1, 0);
    staff->SchreibX = 100;
    NotenFenster::VorTaktpos = 2;
    staff->AddChromaNote(32, 2, 1, 0);  // F#4 on step 10
    RecordingCanvas canvas;
    canvas.setScale(1.5f, 1.5f);
    staff->Liste.front()->DrawOne(canvas, 1.5f, 200, 1);
    auto images = callsOf(canvas, DrawCall::Image, "Noten.png");
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].cell, 9);
    EXPECT_FLOAT_EQ(images[0].x, 80 * 1.5f);
    EXPECT_FLOAT_EQ(images[0].y, 71 * 1.5f);
    EXPECT_EQ(images[1].cell, 5);
    EXPECT_FLOAT_EQ(images[1].x, 100 * 1.5f);
    EXPECT_FLOAT_EQ(images[1].y, 71 * 1.5f);
    EXPECT_EQ(images[1].state.colour, (Colour{1, 1, 1}));
    EXPECT_FLOAT_EQ(images[1].state.alpha, 1.0f);
}

TEST_F(NoteTest, TheSecondEighthDrawsTheBeamFromItsStemEnd) {
    struct Case {
        int first, second;
        int beam;
        float x, y;
    };
    // Second note at X 149 on its step s: cell top 171 - 10 s.
    for (Case c : std::vector<Case>{{9, 11, 1, 149 + 1 - 53, 171 - 110 - 56},
                                    {15, 14, 4, 149 + 1 - 75, 171 - 140 + 75}}) {
        auto staff = mainStaff(1, 0);
        staff->SchreibX = 100;
        NotenFenster::VorTaktpos = 2;
        staff->AddChromaNote(trebleNatural(c.first), 1, 1, 0);
        NotenFenster::VorTaktpos = 3;
        staff->AddChromaNote(trebleNatural(c.second), 1, 1, 0);
        RecordingCanvas canvas;
        staff->Liste.front()->DrawOne(canvas, 1.0f, 200, 1);
        EXPECT_TRUE(callsOf(canvas, DrawCall::Image, "Balken.png").empty());
        staff->Liste.back()->DrawOne(canvas, 1.0f, 200, 1);
        auto beams = callsOf(canvas, DrawCall::Image, "Balken.png");
        ASSERT_EQ(beams.size(), 1u);
        EXPECT_EQ(beams[0].cell, c.beam);
        EXPECT_FLOAT_EQ(beams[0].x, c.x);
        EXPECT_FLOAT_EQ(beams[0].y, c.y);
    }
}

TEST_F(NoteTest, AnsweredNotesAreFaded) {
    auto note = std::make_shared<Note>();
    note->CreateMe(28, 2, 100, {}, 0);
    note->Aktiv = 0;
    RecordingCanvas canvas;
    note->DrawOne(canvas, 1.0f, 200, 1);
    auto images = callsOf(canvas, DrawCall::Image, "Noten.png");
    ASSERT_EQ(images.size(), 1u);
    EXPECT_FLOAT_EQ(images[0].state.alpha, 0.45f);
    EXPECT_EQ(images[0].state.blend, Blend::Alpha);
}

TEST_F(NoteTest, AGrandStaffShowsARestInTheOtherStaff) {
    struct Case {
        int chroma, lang, taktPos, grade;
        bool zweiHand;
        int systeme;
        int cell;  // -1: no rest
        float y;
    };
    const std::vector<Case> cases = {
        {28, 2, 0, S::Ueben, false, 3, 12, 241},  // treble note: rest in the bass staff
        {134, 2, 0, S::Ueben, false, 3, 12, 41},  // bass note: rest in the treble staff
        {28, 4, 0, S::Pruefung, false, 3, 14, 241}, {28, 8, 0, S::Ueben, false, 3, 13, 241},
        {28, 1, 0, S::Ueben, false, 3, 12, 241},    {28, 1, 1, S::Ueben, false, 3, 15, 241},
        {28, 2, 0, S::Lernen, false, 3, -1, 0},  // learn and see
        {28, 2, 0, S::Ueben, true, 3, -1, 0},    // two-handed lesson
        {28, 2, 0, S::Ueben, false, 1, -1, 0},   // one staff
    };
    for (const Case& c : cases) {
        Spiel::AktGrade = c.grade;
        Note::Vornote.reset();
        const bool zweiHand = c.zweiHand;
        Note::ZweiHandLektion = [zweiHand] { return zweiHand; };
        auto note = std::make_shared<Note>();
        note->CreateMe(c.chroma, c.lang, 100, {}, c.taktPos);
        RecordingCanvas canvas;
        note->DrawOne(canvas, 1.0f, 200, c.systeme);
        auto images = callsOf(canvas, DrawCall::Image, "Noten.png");
        SCOPED_TRACE(testing::Message() << "chroma " << c.chroma << " length " << c.lang);
        if (c.cell < 0) {
            EXPECT_EQ(images.size(), 1u);
            continue;
        }
        ASSERT_EQ(images.size(), 2u);
        EXPECT_EQ(images[1].cell, c.cell);
        EXPECT_FLOAT_EQ(images[1].x, 100);
        EXPECT_FLOAT_EQ(images[1].y, c.y);
        EXPECT_FLOAT_EQ(images[1].state.alpha, 0.5f);
        EXPECT_FLOAT_EQ(canvas.state().alpha, 1.0f);
    }
}

TEST_F(NoteTest, DrawingANoteLeavesTheCallersDrawingStateAsItWas) {
    Spiel::AktGrade = S::Ueben;
    auto note = std::make_shared<Note>();
    note->CreateMe(trebleNatural(5), 1, 100, {}, 1);  // ledger lines and a beam
    note->ErrorCheck = 1;                             // the red mark
    note->Aktiv = 0;
    RecordingCanvas canvas;
    canvas.setColour(90, 80, 70);
    canvas.setAlpha(0.6f);
    canvas.setBlend(Blend::Light);
    canvas.setScale(1.5f, 1.5f);
    const DrawState before = canvas.state();
    note->DrawOne(canvas, 1.5f, 200, 3);
    ASSERT_FALSE(callsOf(canvas, DrawCall::Oval).empty());
    EXPECT_EQ(callsOf(canvas, DrawCall::Oval)[0].state.colour, (Colour{230, 40, 40}));
    auto images = callsOf(canvas, DrawCall::Image, "Noten.png");
    ASSERT_FALSE(images.empty());
    EXPECT_EQ(images.front().state.colour, (Colour{1, 1, 1})) << "the mark's colour ends with it";
    EXPECT_FLOAT_EQ(images.front().state.alpha, 0.45f);
    EXPECT_EQ(canvas.state(), before);
}

TEST_F(NoteTest, ARestIsDrawnInItsOwnStaffOnly) {
    struct Case {
        int chroma;
        float scale, y;
    };
    for (Case c : std::vector<Case>{{95, 1.0f, 41}, {195, 1.0f, 241}, {195, 1.5f, 241 * 1.5f}}) {
        auto rest = std::make_shared<Note>();
        rest->CreateMe(c.chroma, 2, 60, {}, 0);
        RecordingCanvas canvas;
        rest->DrawOne(canvas, c.scale, 200, 3);
        auto images = callsOf(canvas, DrawCall::Image, "Noten.png");
        ASSERT_EQ(images.size(), 1u);
        EXPECT_EQ(images[0].cell, 12);
        EXPECT_FLOAT_EQ(images[0].x, 60 * c.scale);
        EXPECT_FLOAT_EQ(images[0].y, c.y);
    }
}

TEST_F(NoteTest, MissingPicturesDrawNothingButTheLedgerLines) {
    Note::NotenBild.reset();
    Note::BalkenBild.reset();
    auto staff = mainStaff(3, 0);
    NotenFenster::VorTaktpos = 0;
    staff->AddChromaNote(trebleNatural(5), 1, 1, 0);
    NotenFenster::VorTaktpos = 1;
    staff->AddChromaNote(21, 1, 1, 0);  // C flat: an accidental and a beam
    RecordingCanvas canvas;
    for (const auto& note : staff->Liste) note->DrawOne(canvas, 1.0f, 200, 3);
    EXPECT_TRUE(callsOf(canvas, DrawCall::Image).empty());
    EXPECT_FALSE(callsOf(canvas, DrawCall::Rect).empty());
}

}  // namespace
