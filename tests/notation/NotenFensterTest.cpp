#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "NotationFixture.h"

namespace {

using S = Spiel;

class NotenFensterTest : public NotationTest {};

struct Placed {
    float x, y;
    int cell;
    bool operator==(const Placed&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Placed& p) {
    return out << "(" << p.x << ", " << p.y << ", cell " << p.cell << ")";
}

std::vector<Placed> signatureOf(const RecordingCanvas& canvas) {
    std::vector<Placed> placed;
    for (const DrawCall& call : callsOf(canvas, DrawCall::Image, "Noten.png"))
        if (call.cell == 9 || call.cell == 10) placed.push_back({call.x, call.y, call.cell});
    return placed;
}

struct SignatureCase {
    const char* what;
    int systeme, tonart;
    float scale;
    std::vector<Placed> expected;  // relative to the staff origin
};

TEST_F(NotenFensterTest, KeySignaturesSitOnTheirLinesInBothClefs) {
    const std::vector<SignatureCase> cases = {
        {"treble D major: F on the top line, C in the third space",
         1,
         2,
         1.0f,
         {{60, 0, 9}, {80, 30, 9}}},
        {"bass D major: two steps lower", 2, 2, 1.0f, {{60, 220, 9}, {80, 250, 9}}},
        {"grand staff B major",
         3,
         11,
         1.0f,
         {{60, 0, 9},
          {60, 220, 9},
          {80, 30, 9},
          {80, 250, 9},
          {100, -10, 9},
          {100, 210, 9},
          {120, 20, 9},
          {120, 240, 9},
          {140, 50, 9},
          {140, 270, 9}}},
        {"treble E flat major", 1, 3, 1.0f, {{60, 40, 10}, {80, 10, 10}, {100, 50, 10}}},
        {"bass E flat major", 2, 3, 1.0f, {{60, 260, 10}, {80, 230, 10}, {100, 270, 10}}},
        {"treble D flat major",
         1,
         1,
         1.0f,
         {{60, 40, 10}, {80, 10, 10}, {100, 50, 10}, {120, 20, 10}, {140, 60, 10}}},
        {"bass F major", 2, 5, 1.0f, {{60, 260, 10}}},
        {"treble D major at scale 1.5", 1, 2, 1.5f, {{90, 0, 9}, {120, 45, 9}}},
        {"C major has none", 3, 0, 1.0f, {}},
        {"key 6 has none", 3, 6, 1.0f, {}},
    };
    for (const SignatureCase& c : cases) {
        auto staff = NotenFenster::CreateIt(10, 10, 700, 70, c.scale, c.systeme, c.tonart);
        RecordingCanvas canvas;
        staff->Draw(canvas);
        EXPECT_EQ(signatureOf(canvas), c.expected) << c.what;
        for (const DrawCall& call : callsOf(canvas, DrawCall::Image, "Noten.png")) {
            EXPECT_FLOAT_EQ(call.state.originX, 30) << c.what;
            EXPECT_FLOAT_EQ(call.state.originY, 10 + staff->NotenY * c.scale) << c.what;
        }
    }
}

// The head of a signature accidental (69.5 below its cell top) lies on the line or in the
// space of the letter it alters, in the clef of its staff.
TEST_F(NotenFensterTest, SignatureAccidentalsMarkTheirLetters) {
    struct Case {
        int tonart, art;
        std::vector<int> letters;  // 0 C ... 6 B, in the written order
    };
    for (Case c : std::vector<Case>{{11, 1, {3, 0, 4, 1, 5}}, {1, 2, {6, 2, 5, 1, 4}}}) {
        auto staff = NotenFenster::CreateIt(10, 10, 700, 70, 1.0f, 3, c.tonart);
        RecordingCanvas canvas;
        staff->Draw(canvas);
        auto placed = signatureOf(canvas);
        ASSERT_EQ(placed.size(), 2 * c.letters.size());
        for (size_t i = 0; i < placed.size(); ++i) {
            const bool bass = i % 2 == 1;
            const float headY = placed[i].y + 70 - (bass ? 200 : 0);
            const int step = static_cast<int>(240 - headY) / 10;  // staff step of the head
            EXPECT_FLOAT_EQ(240 - 10 * step, headY);
            const int letter = ((bass ? step + 2 : step) % 7 + 7) % 7;
            EXPECT_EQ(letter, c.letters[i / 2]) << "accidental " << i;
            // High sharps and flats stay within the staff and the space above it.
            EXPECT_GE(step, 9) << "accidental " << i;
            EXPECT_LE(step, 18) << "accidental " << i;
        }
    }
}

TEST_F(NotenFensterTest, WindowShapeFollowsStavesScaleAndMethod) {
    struct Case {
        int systeme, tonart, mode;
        float scale;
        int hoehe, notenY, echtB;
    };
    for (Case c : std::vector<Case>{{1, 0, S::KeinSpiel, 1.0f, 300, 40, 810},
                                    {2, 2, S::KeinSpiel, 1.0f, 300, -160, 850},
                                    {3, 11, S::KeinSpiel, 1.0f, 460, 15, 910},
                                    {3, 11, S::KeinSpiel, 1.5f, 690, 15, 1005},
                                    {1, 0, S::Woerter, 1.0f, 440, 40, 810},
                                    {3, 0, S::Woerter, 1.0f, 600, 15, 810}}) {
        Spiel::SpielMode = c.mode;
        auto staff = NotenFenster::CreateIt(10, 20, 700, 70, c.scale, c.systeme, c.tonart);
        EXPECT_EQ(staff->FensterH, c.hoehe);
        EXPECT_EQ(staff->NotenY, c.notenY);
        EXPECT_EQ(staff->EchtFensterB, c.echtB);
        EXPECT_EQ(staff->FensterX, 10);
        EXPECT_EQ(staff->FensterY, 20);
        EXPECT_EQ(staff->MitSchatten + staff->MitGruen + staff->MitWeissBlatt, 3);
        EXPECT_EQ(staff->SystemDistanz, 200);
    }
}

TEST_F(NotenFensterTest, ChangingTheWindowKeepsItsPlaceWhenXIsNotAbove0) {
    auto staff = NotenFenster::CreateIt(10, 20, 700, 70, 1.0f, 1, 0);
    NotenFenster::HeadLine = "Kopf";
    NotenFenster::VorTaktpos = 0;
    staff->AddChromaNote(28, 2, 1, 0);
    staff->ChangeWindow(0, 99, 300, 2, 7);
    EXPECT_EQ(staff->FensterX, 10);
    EXPECT_EQ(staff->FensterY, 20);
    EXPECT_EQ(staff->FensterB, 700);
    EXPECT_EQ(staff->Systeme, 2);
    EXPECT_EQ(staff->VorzeichenGesetzt[8], 1);
    EXPECT_TRUE(staff->Liste.empty());
    EXPECT_EQ(NotenFenster::HeadLine, "");
    EXPECT_FLOAT_EQ(staff->SchreibX, 30);
}

TEST_F(NotenFensterTest, TheWritePositionStartsPerStepAndAdvancesByLength) {
    Spiel::AktGrade = Spiel::Lernen;
    auto learn = NotenFenster::CreateIt(10, 10, 950, 70, 1.0f, 1, 0);
    EXPECT_FLOAT_EQ(learn->SchreibX, 900);
    Spiel::AktGrade = Spiel::Ueben;
    learn->ResetSchreibX();
    EXPECT_FLOAT_EQ(learn->SchreibX, 30);

    struct Case {
        int taktPos, lang, weiter, eng;
        float noteX, after;
    };
    // From a write position of 100 with a note spacing of 100.
    for (Case c : std::vector<Case>{{0, 2, 1, 0, 130, 230},
                                    {2, 2, 1, 0, 100, 200},
                                    {1, 1, 1, 0, 100, 170},
                                    {4, 4, 1, 0, 100, 240},
                                    {4, 4, 1, 1, 100, 205},
                                    {0, 8, 1, 0, 130, 330},
                                    {0, 8, 1, 1, 130, 280},
                                    {2, 2, 0, 0, 100, 100},
                                    {0, 2, 0, 1, 130, 130}}) {
        auto staff = mainStaff(1, 0, 1.0f, 100);
        staff->SchreibX = 100.6f;
        NotenFenster::VorTaktpos = c.taktPos;
        staff->AddChromaNote(28, c.lang, c.weiter, c.eng);
        SCOPED_TRACE(testing::Message() << "position " << c.taktPos << " length " << c.lang);
        ASSERT_EQ(staff->Liste.size(), 1u);
        EXPECT_FLOAT_EQ(staff->Liste.front()->X, c.noteX);
        EXPECT_NEAR(staff->SchreibX, c.after + 0.6f, 1e-3);
    }
}

TEST_F(NotenFensterTest, ANegativeValueAddsNothing) {
    auto staff = mainStaff(1, 0);
    const float before = staff->SchreibX;
    NotenFenster::VorTaktpos = 0;
    staff->AddChromaNote(-1, 2, 1, 0);
    EXPECT_TRUE(staff->Liste.empty());
    EXPECT_FLOAT_EQ(staff->SchreibX, before);
}

TEST_F(NotenFensterTest, PlacedNotesAreAppendedAsTheyCome) {
    auto staff = mainStaff(3, 0);
    auto upper = std::make_shared<Note>(), lower = std::make_shared<Note>();
    upper->CreateMe(28, 4, 90, staff->VorzeichenGesetzt, 0);
    lower->CreateMe(134, 4, 90, staff->VorzeichenGesetzt, 0);
    staff->AddMultiChroma(upper);
    staff->AddMultiChroma(lower);
    staff->AddMultiChroma(nullptr);
    ASSERT_EQ(staff->Liste.size(), 2u);
    EXPECT_EQ(staff->Liste.front(), upper);
    EXPECT_EQ(staff->Liste.back(), lower);
}

struct ScrollCase {
    const char* what;
    int mode, speed, spielMode;
    std::vector<std::pair<float, int>> notes;  // X, Aktiv
    float schreibX;
    int result;
    std::vector<float> after;  // X of the notes left
    float schreibXAfter;
};

TEST_F(NotenFensterTest, ScrollingMovesByTheModesAmount) {
    const std::vector<ScrollCase> cases = {
        {"empty", 0, 0, 2, {}, 500, 1, {}, 500},
        {"learn and see fast, one note stops 20 in", 1, 1, 2, {{100, 1}}, 500, 0, {20}, 420},
        {"learn and see fast, the first note to the edge",
         1,
         1,
         2,
         {{100, 1}, {200, 1}},
         500,
         0,
         {0, 100},
         400},
        {"learn and see eases the write position in",
         1,
         0,
         2,
         {{300, 1}},
         1000,
         0,
         {293.8f},
         993.8f},
        {"learn and see at 0.1 still moves", 1, 0, 2, {{300, 1}}, 695, 0, {299.9f}, 694.9f},
        {"learn and see below 0.1 stands", 1, 0, 2, {{300, 1}}, 694.5f, 0, {300}, 694.5f},
        {"single notes fast, in fifths", 0, 1, 1, {{100.7f, 1}}, 300, 1, {82.7f}, 282},
        {"single notes fast, whole pixels only", 0, 1, 1, {{14, 1}}, 300, 1, {14}, 300},
        {"scrolling notes ease toward HeuteFirstX + 20", 0, 0, 2, {{170, 1}}, 300, 1, {168}, 298},
        {"answered notes are skipped", 0, 0, 2, {{50, 0}, {170, 1}}, 300, 1, {48, 168}, 298},
        {"a note leaving the paper is dropped", 0, 1, 1, {{5, 0}, {100, 1}}, 300, 1, {82}, 282},
        {"with every note answered the notes scroll on toward the write position",
         0,
         0,
         2,
         {{300, 0}},
         300,
         1,
         {295.4f},
         295.4f},
        {"no room when the write position reaches the right",
         0,
         0,
         2,
         {{70, 1}},
         770,
         0,
         {70},
         770},
        {"room just before it", 0, 0, 2, {{70, 1}}, 769, 1, {70}, 769},
    };
    for (const ScrollCase& c : cases) {
        Spiel::SpielMode = c.spielMode;
        auto staff = NotenFenster::CreateIt(10, 10, 700, 70, 1.0f, 1, 0);
        staff->HeuteFirstX = 50;
        for (auto [x, aktiv] : c.notes) {
            auto note = std::make_shared<Note>();
            note->X = x;
            note->Aktiv = aktiv;
            staff->AddMultiChroma(note);
        }
        staff->SchreibX = c.schreibX;
        EXPECT_EQ(staff->ScrollIt(c.mode, c.speed), c.result) << c.what;
        std::vector<float> after;
        for (const auto& note : staff->Liste) after.push_back(note->X);
        ASSERT_EQ(after.size(), c.after.size()) << c.what;
        for (size_t i = 0; i < after.size(); ++i) EXPECT_NEAR(after[i], c.after[i], 1e-3) << c.what;
        EXPECT_NEAR(staff->SchreibX, c.schreibXAfter, 1e-3) << c.what;
    }
}

TEST_F(NotenFensterTest, SpreadingShareTheWidthPerStaff) {
    auto staff = mainStaff(3, 0);
    for (auto [chroma, x] : std::vector<std::pair<int, float>>{
             {28, 60}, {134, 60}, {29, 130}, {135, 130}, {31, 200}}) {
        auto note = std::make_shared<Note>();
        note->CreateMe(chroma, 4, x, {}, 0);
        staff->AddMultiChroma(note);
    }
    staff->SpreizeAlle();
    const float add = (700 - (70 * 1.5f + 200)) / 3;
    std::vector<float> expected = {60, 60, 130 + add, 130 + add, 200 + 2 * add};
    std::vector<float> got;
    for (const auto& note : staff->Liste) got.push_back(note->X);
    ASSERT_EQ(got.size(), expected.size());
    for (size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], expected[i], 1e-3) << i;

    auto empty = mainStaff(3, 0);
    empty->SpreizeAlle();
    EXPECT_TRUE(empty->Liste.empty());
}

TEST_F(NotenFensterTest, AnEmptyWindowDrawsPaperStavesClefsAndSignature) {
    Spiel::AktGrade = Spiel::Ueben;
    Spiel::SpielMode = Spiel::LaufendeNoten;
    auto staff = NotenFenster::CreateIt(10, 10, 700, 70, 1.0f, 3, 2);
    RecordingCanvas canvas;
    staff->Draw(canvas);
    auto shadow = callsOf(canvas, DrawCall::ImagePart, "Schatten.png");
    ASSERT_EQ(shadow.size(), 3u);
    EXPECT_EQ(std::make_tuple(shadow[0].x, shadow[0].y, shadow[0].width, shadow[0].height),
              std::make_tuple(10.0f + 850, 10.0f, 85.0f, 460.0f));
    EXPECT_EQ(std::make_tuple(shadow[0].sourceX, shadow[0].sourceWidth, shadow[0].sourceHeight),
              std::make_tuple(615, 85, 200));
    EXPECT_EQ(std::make_tuple(shadow[1].x, shadow[1].y, shadow[1].sourceY),
              std::make_tuple(860.0f, 470.0f, 200));
    EXPECT_EQ(std::make_tuple(shadow[2].x, shadow[2].y, shadow[2].width, shadow[2].sourceWidth),
              std::make_tuple(10.0f, 470.0f, 850.0f, 615));
    EXPECT_EQ(shadow[0].state.colour, (Colour{3, 3, 3}));

    auto rects = callsOf(canvas, DrawCall::Rect);
    ASSERT_FALSE(rects.empty());
    EXPECT_EQ(rects[0].state.colour, (Colour{255, 245, 235}));
    EXPECT_EQ(std::make_tuple(rects[0].x, rects[0].y, rects[0].width, rects[0].height),
              std::make_tuple(10.0f, 10.0f, 850.0f, 460.0f));

    std::vector<float> lineHeights;
    for (const DrawCall& line : callsOf(canvas, DrawCall::Line)) {
        EXPECT_FLOAT_EQ(line.x, 0);
        EXPECT_FLOAT_EQ(line.width, 850);  // the line's end
        EXPECT_FLOAT_EQ(line.state.originY, 25);
        lineHeights.push_back(line.y);
    }
    EXPECT_EQ(lineHeights, (std::vector<float>{70, 90, 110, 130, 150, 270, 290, 310, 330, 350}));

    EXPECT_EQ(cellsOf(canvas, 0).size(), 1u);
    EXPECT_EQ(cellsOf(canvas, 1).size(), 1u);
    EXPECT_FLOAT_EQ(cellsOf(canvas, 0)[0].y, 43);
    EXPECT_FLOAT_EQ(cellsOf(canvas, 1)[0].y, 252);
    EXPECT_EQ(cellsOf(canvas, 9).size(), 4u);
    for (int cell : {2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14})
        EXPECT_TRUE(cellsOf(canvas, cell).empty());
    EXPECT_EQ(canvas.state().clip, ClipRect{});
    EXPECT_FLOAT_EQ(canvas.state().originX, 0);
}

TEST_F(NotenFensterTest, DrawingLeavesTheCallersDrawingStateAsItWas) {
    auto staff = mainStaff(3, 2, 1.5f);
    for (int pos : {0, 2, 4, 6}) {
        NotenFenster::VorTaktpos = pos;
        staff->AddChromaNote(pos == 4 ? 1 : 28, 2, 1, 0);  // one note on ledger lines
    }
    RecordingCanvas canvas;
    canvas.setColour(12, 34, 56);
    canvas.setAlpha(0.3f);
    canvas.setBlend(Blend::Light);
    canvas.setScale(0.5f, 2.0f);
    canvas.setOrigin(7, 9);
    canvas.setClip(1, 2, 300, 400);
    const DrawState before = canvas.state();
    staff->Draw(canvas);
    ASSERT_GT(callsOf(canvas, DrawCall::Image, "Noten.png").size(), 4u);
    EXPECT_EQ(canvas.state(), before);
    canvas.rect(0, 0, 1, 1);
    EXPECT_EQ(canvas.calls.back().state, before) << "what is drawn next is drawn as before";
}

TEST_F(NotenFensterTest, AGrandStaffIsJoinedByABar) {
    auto staff = NotenFenster::CreateIt(10, 10, 700, 70, 1.5f, 3, 0);
    RecordingCanvas canvas;
    staff->Draw(canvas);
    bool found = false;
    for (const DrawCall& rect : callsOf(canvas, DrawCall::Rect))
        if (rect.x == -3 && rect.y == 70 * 1.5f && rect.width == 2 && rect.height == 280 * 1.5f)
            found = true;
    EXPECT_TRUE(found);
}

TEST_F(NotenFensterTest, BarLinesStand35BeforeTheFirstNoteOfABar) {
    struct Case {
        int systeme;
        float scale, y, height;
    };
    for (Case c : std::vector<Case>{
             {1, 1.0f, 71, 80}, {2, 1.0f, 270, 80}, {3, 1.0f, 71, 280}, {1, 1.5f, 71 * 1.5f, 80}}) {
        auto staff = mainStaff(c.systeme, 0, c.scale);
        const int chroma = c.systeme == 2 ? 134 : 28;
        for (int bar = 0; bar < 2; ++bar)
            for (int pos : {0, 2, 4, 6}) {
                NotenFenster::VorTaktpos = pos;
                staff->AddChromaNote(chroma, 2, 1, 0);
            }
        RecordingCanvas canvas;
        staff->Draw(canvas);
        std::vector<DrawCall> barLines;
        for (const DrawCall& rect : callsOf(canvas, DrawCall::Rect))
            if (rect.state.colour == Colour{55, 55, 55}) barLines.push_back(rect);
        // The first bar's note stands at 60, too close to the clef for a line.
        ASSERT_EQ(barLines.size(), 1u) << c.systeme;
        const float secondBarX = 60 + 4 * 70 + 30;
        EXPECT_FLOAT_EQ(barLines[0].x, (secondBarX - 35) * c.scale);
        EXPECT_FLOAT_EQ(barLines[0].y, c.y);
        EXPECT_FLOAT_EQ(barLines[0].width, 2);
        EXPECT_FLOAT_EQ(barLines[0].height, c.height);
        EXPECT_FLOAT_EQ(barLines[0].state.scaleX, c.scale);
        EXPECT_FLOAT_EQ(barLines[0].state.originX, staff->NoteOriginX());
        EXPECT_EQ(barLines[0].state.clip,
                  (ClipRect{90, 12, staff->EchtFensterB - 84, staff->FensterH - 4}));
    }
}

TEST_F(NotenFensterTest, TheGreenColumnMarksTheNoteToAnswer) {
    struct Case {
        int grade, mode;
        float firstX;
        float x, width;
    };
    // Window at x 10, width 700, spacing 70, scale 1, C major: note origin at 120.
    for (Case c : std::vector<Case>{{S::Lernen, S::LaufendeNoten, 300, 690, 130},
                                    {S::Ueben, S::LaufendeNoten, 60, 120 + 30, 90},
                                    {S::Ueben, S::LaufendeNoten, 300, 120 + 50, 90},
                                    {S::Pruefung, S::EinzelNoten, 300, 90, 100},
                                    {S::Ueben, S::Woerter, 300, 90, 100}}) {
        Spiel::AktGrade = c.grade;
        Spiel::SpielMode = c.mode;
        auto staff = NotenFenster::CreateIt(10, 10, 700, 70, 1.0f, 1, 0);
        staff->HeuteFirstX = 50;
        auto note = std::make_shared<Note>();
        note->CreateMe(28, 2, c.firstX, {}, 2);
        staff->AddMultiChroma(note);
        RecordingCanvas canvas;
        staff->Draw(canvas);
        std::vector<DrawCall> green;
        for (const DrawCall& rect : callsOf(canvas, DrawCall::Rect))
            if (rect.state.colour == Colour{200, 240, 200}) green.push_back(rect);
        ASSERT_EQ(green.size(), 1u);
        EXPECT_FLOAT_EQ(green[0].x, c.x) << c.grade << " " << c.mode;
        EXPECT_FLOAT_EQ(green[0].width, c.width) << c.grade << " " << c.mode;
        EXPECT_FLOAT_EQ(green[0].y, 10);
        EXPECT_FLOAT_EQ(green[0].height, static_cast<float>(staff->FensterH));
    }
}

TEST_F(NotenFensterTest, TextsStandAtTheirPlaces) {
    Spiel::AktGrade = Spiel::Lernen;
    auto staff = NotenFenster::CreateIt(10, 10, 950, 70, 1.0f, 3, 0);
    NotenFenster::HeadLine = "Lernen";
    NotenFenster::NameLine = "Du spielst";
    NotenFenster::NameText = "c'";
    NotenFenster::NameUnten = 1;
    RecordingCanvas canvas;
    staff->Draw(canvas);
    auto texts = callsOf(canvas, DrawCall::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].imageName, "c'");
    EXPECT_EQ(texts[0].state.font, ArialRiesig.get());
    EXPECT_FLOAT_EQ(texts[0].x, 10 + 950 - texts[0].width + 100);
    EXPECT_FLOAT_EQ(texts[0].y, 10 + 460 - 90);
    EXPECT_EQ(texts[1].imageName, "Du spielst");
    EXPECT_FLOAT_EQ(texts[1].x, 10 + 950 - 275);
    EXPECT_FLOAT_EQ(texts[1].y, 10 + 460 - 50 + 10);
    EXPECT_EQ(texts[2].imageName, "Lernen");
    EXPECT_FLOAT_EQ(texts[2].x, 110);
    EXPECT_FLOAT_EQ(texts[2].y, 20);
    for (const DrawCall& text : texts) {
        EXPECT_EQ(text.state.colour, (Colour{1, 1, 1}));
        EXPECT_FLOAT_EQ(text.state.scaleX, 1);
    }
}

TEST_F(NotenFensterTest, TheWordExerciseShowsTheAskedWord) {
    Spiel::SpielMode = Spiel::Woerter;
    auto staff = NotenFenster::CreateIt(10, 10, 700, 90, 1.0f, 1, 0);
    EXPECT_EQ(staff->FensterH, 300 + NotenFenster::WORT_ZEILE);
    RecordingCanvas before;
    staff->Draw(before);
    EXPECT_TRUE(callsOf(before, DrawCall::Text, "_").empty());

    // Abgas with C D E F G A H: A, B, G, A, S; B and S stand as rests.
    NotenFenster::FrageWort = [] {
        return std::optional<FrageWortBild>(
            FrageWortBild{{"16", "B", "13", "16", "S"}, {"A", "B", "G", "A", "S"}, "AB", false});
    };
    RecordingCanvas canvas;
    staff->Draw(canvas);
    auto lines = callsOf(canvas, DrawCall::Text, "_");
    ASSERT_EQ(lines.size(), 5u);
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_NEAR(lines[i].x + lines[i].width / 2, 10 + 40 + 64 * i + 32, 0.5f);
        EXPECT_FLOAT_EQ(lines[i].y, 10 + staff->FensterH - 165);
        EXPECT_EQ(lines[i].state.colour, (Colour{111, 111, 111}));
        EXPECT_FLOAT_EQ(lines[i].state.originX, 0) << "placed on the canvas, not the staff";
        EXPECT_FLOAT_EQ(lines[i].state.scaleX, 1);
    }
    auto letters = callsOf(canvas, DrawCall::Text, "B");
    ASSERT_EQ(letters.size(), 2u);  // the uncovered letter, and the typed answer over it
    EXPECT_EQ(letters[0].state.colour, (Colour{170, 170, 170}));
    EXPECT_EQ(letters[1].state.colour, (Colour{2, 2, 2}));
    EXPECT_FLOAT_EQ(letters[1].y, 10 + staff->FensterH - 170);
    EXPECT_EQ(callsOf(canvas, DrawCall::Text, "S").size(), 1u);
    EXPECT_EQ(callsOf(canvas, DrawCall::Text, "A").size(), 1u) << "a name is not printed";
    EXPECT_TRUE(callsOf(canvas, DrawCall::Text, "16").empty());
}

TEST_F(NotenFensterTest, EveryTypedLetterIsShownAndAWrongAnswerTurnsRed) {
    Spiel::SpielMode = Spiel::Woerter;
    auto staff = NotenFenster::CreateIt(10, 10, 700, 90, 1.0f, 1, 0);
    // Fisch with FIS, C, H: three parts, five places; seven letters typed.
    NotenFenster::FrageWort = [] {
        return std::optional<FrageWortBild>(
            FrageWortBild{{"11", "1", "19"}, {"FIS", "C", "H"}, "FISCHXY", true});
    };
    RecordingCanvas canvas;
    staff->Draw(canvas);
    EXPECT_EQ(callsOf(canvas, DrawCall::Text, "_").size(), 5u);
    for (const char* letter : {"F", "I", "S", "C", "H", "X", "Y"}) {
        auto typed = callsOf(canvas, DrawCall::Text, letter);
        ASSERT_EQ(typed.size(), 1u) << letter;
        EXPECT_EQ(typed[0].state.colour, (Colour{200, 30, 30})) << letter;
    }
    auto last = callsOf(canvas, DrawCall::Text, "Y");
    EXPECT_LT(last[0].x + last[0].width, 10 + staff->EchtFensterB) << "inside the paper";
}

TEST_F(NotenFensterTest, ALongWordNarrowsItsPlacesToStayOnThePaper) {
    Spiel::SpielMode = Spiel::Woerter;
    auto staff = NotenFenster::CreateIt(10, 10, 700, 90, 1.0f, 1, 0);
    NotenFenster::FrageWort = [] {
        FrageWortBild bild;
        for (int i = 0; i < 20; ++i) bild.Teile.push_back("X"), bild.Texte.push_back("X");
        return std::optional<FrageWortBild>(bild);
    };
    RecordingCanvas canvas;
    staff->Draw(canvas);
    auto lines = callsOf(canvas, DrawCall::Text, "_");
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_LT(lines.back().x + lines.back().width, 10 + staff->EchtFensterB);
    EXPECT_GT(lines[1].x - lines[0].x, 30) << "places stay apart";
}

TEST_F(NotenFensterTest, MissingPicturesAndFontsDrawNoImagesAndNeverCrash) {
    NotenFenster::NotenBild.reset();
    Note::NotenBild.reset();
    Note::BalkenBild.reset();
    Schatten.reset();
    ArialNormal.reset();
    ArialRiesig.reset();
    NotenFenster::HeadLine = "Kopf";
    auto staff = mainStaff(3, 11);
    for (int pos = 0; pos < 8; ++pos) {
        NotenFenster::VorTaktpos = pos;
        staff->AddChromaNote(pos % 2 ? 32 : 23, 1, 1, 0);
    }
    RecordingCanvas canvas;
    staff->Draw(canvas);
    EXPECT_TRUE(callsOf(canvas, DrawCall::Image).empty());
    EXPECT_TRUE(callsOf(canvas, DrawCall::ImagePart).empty());
    EXPECT_TRUE(callsOf(canvas, DrawCall::Text).empty());
    EXPECT_EQ(callsOf(canvas, DrawCall::Line).size(), 10u);
}

}  // namespace

namespace {

TEST_F(NotenFensterTest, ANewBarHoldsTheKeySignatureOnEveryLine) {
    struct Case {
        int tonart;
        int letter;  // 0 C ... 6 B
        int held;
    };
    for (Case c : std::vector<Case>{{2, 3, 1},
                                    {2, 0, 1},
                                    {2, 4, 0},
                                    {3, 6, 2},
                                    {3, 2, 2},
                                    {3, 5, 2},
                                    {3, 3, 0},
                                    {0, 3, 0},
                                    {6, 3, 0}}) {
        auto staff = NotenFenster::CreateIt(10, 10, 700, 70, 1.0f, 3, c.tonart);
        for (int i = 0; i < 130; ++i) staff->AktNotenlinieVersetzt[i] = 7;
        staff->ResetVersetzungen();
        for (int y = 0; y <= 34; ++y)
            if (y % 7 == c.letter) EXPECT_EQ(staff->FrageVersetzung(y, 0), c.held) << y;
        for (int y = -2; y <= 28; ++y)  // the bass clef writes each letter two steps lower
            if ((y + 2) % 7 == c.letter) EXPECT_EQ(staff->FrageVersetzung(y, 1), c.held) << y;
    }
}

TEST_F(NotenFensterTest, PositionsOutsideTheStavesHoldNothing) {
    auto staff = NotenFenster::CreateIt(10, 10, 700, 70, 1.0f, 3, 2);
    staff->ResetVersetzungen();
    staff->SetzeVersetzung(40, 1, 2);  // beyond the table: ignored
    staff->SetzeVersetzung(-3, 0, 2);
    EXPECT_EQ(staff->FrageVersetzung(40, 1), 0);
    EXPECT_EQ(staff->FrageVersetzung(-3, 0), 0);
    EXPECT_EQ(staff->FrageVersetzung(1000, 0), 0);
}

}  // namespace
