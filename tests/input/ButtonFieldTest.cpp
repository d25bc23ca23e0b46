// The note-name button field at work: presses and answers, the octave and size zones,
// dragging, the marks and the greyed buttons, the available octaves and the drawing.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "data/Daten.h"
#include "input/InputFixture.h"
#include "music/ChromaTyp.h"
#include "platform/RecordingCanvas.h"

namespace {

using S = Spiel;

using T = TastenFeldTyp;

// The button sounds scheduled by the latest tick (a button sound is due at once, with
// volume 80 and a length of 500 ms on channel 1).
std::vector<int> soundsAt(int64_t now) {
    std::vector<int> tones;
    for (const SoundTyp& s : SoundTyp::SoundListe)
        if (s.Zeit == now && s.Volume == 80 && s.Lang == 500 && s.Kanal == 1)
            tones.push_back(s.Ton);
    return tones;
}

// Two spellings of the lesson C, D, E other than the one asked.
std::vector<int> otherSpellings(int asked) {
    std::vector<int> others;
    for (int s : {1, 4, 7})
        if (s != asked) others.push_back(s);
    return others;
}

class Practice : public InputTest {
  protected:
    void SetUp() override {
        InputTest::SetUp();
        useLesson("22|25|28");
        menu(MDI::MENU_SINGLE);
    }
    std::vector<int> sounds() { return soundsAt(clock.now); }
};

TEST_F(Practice, AHeldButtonAnswersOnceAndSlidingToAnotherAnswersAgain) {
    auto note = waitForNote();
    ASSERT_NE(note, nullptr);
    const int richtig = note->ChromaPos % 21;
    const std::vector<int> falsch = otherSpellings(richtig);

    pressAt(middleX(falsch[0]), middleY(falsch[0]));
    EXPECT_EQ(sounds().size(), 1u);
    EXPECT_EQ(T::WieOftFalsch, 1);
    EXPECT_EQ(Spiel::SpielerFalsch, 1);
    for (int i = 0; i < 5; ++i) {
        tick();
        EXPECT_TRUE(sounds().empty());
    }
    EXPECT_EQ(T::WieOftFalsch, 1) << "held: no second answer";

    post(EventId::MouseMove, 0, canvasX(middleX(falsch[1])), canvasY(middleY(falsch[1])));
    tick();
    EXPECT_EQ(sounds().size(), 1u);
    EXPECT_EQ(T::Pressed, falsch[1]);
    EXPECT_EQ(T::WieOftFalsch, 2) << "slid onto another button";
    EXPECT_EQ(Spiel::SpielerFalsch, 1) << "one mistake per note";

    post(EventId::MouseMove, 0, canvasX(105), canvasY(450));  // between the columns
    tick();
    post(EventId::MouseMove, 0, canvasX(middleX(falsch[1])), canvasY(middleY(falsch[1])));
    tick();
    EXPECT_TRUE(sounds().empty());
    EXPECT_EQ(T::WieOftFalsch, 2) << "back on the same button during the same press";
    release();

    pressAt(middleX(falsch[1]), middleY(falsch[1]));
    EXPECT_EQ(T::WieOftFalsch, 3) << "a new press answers again";
    release();

    pressAt(middleX(richtig), middleY(richtig));
    ASSERT_EQ(sounds().size(), 1u);
    EXPECT_EQ(sounds()[0], note->EchtMidi) << "the right button sounds the asked note";
    EXPECT_EQ(Spiel::SpielerRichtig, 1);
    EXPECT_EQ(T::WieOftFalsch, 0);
    release();
}

TEST_F(Practice, AGreyedButtonLightsUpButNeitherSoundsNorAnswers) {
    ASSERT_NE(waitForNote(), nullptr);
    EXPECT_EQ(T::IstIn[10], 0) << "the lesson has no F";
    const int64_t anwesend = Spiel::SpielerIstAnwesend;
    pressAt(middleX(10), middleY(10));
    EXPECT_EQ(T::Pressed, 10);
    EXPECT_TRUE(sounds().empty());
    EXPECT_EQ(Spiel::SpielerRichtig + Spiel::SpielerFalsch + T::WieOftFalsch, 0);
    EXPECT_EQ(Spiel::SpielerIstAnwesend, anwesend);
    release();
    EXPECT_EQ(T::Pressed, -1);
}

TEST_F(Practice, TheSizeZoneCyclesThroughTheThreeScalesCutToTheWindow) {
    // At start the field stands below the counters, as large as the room there allows
    // (at most 0.7); the largest step is cut to the 700 pixels of the window's height.
    const float home = (700 - 1 - (150 + 66 + 10)) / 723.0f;
    const float tallest = (700 - 1) / 723.0f;
    EXPECT_FLOAT_EQ(T::Scale, home);
    for (float expected : {0.7f, tallest, 0.5f, 0.7f, tallest}) {
        pressAt(154, 52);
        for (int i = 0; i < 2; ++i) tick();  // held: one step per press
        release();
        EXPECT_FLOAT_EQ(T::Scale, expected);
        EXPECT_LE(T::Y + 723 * T::Scale, 700) << expected;
    }
}

TEST_F(Practice, TheFieldIsDraggedByItsTopBandAndStaysWholeInsideTheWindow) {
    pressAt(185, 20);
    EXPECT_EQ(Maus::DragWer, Maus::Tastenfeld);
    EXPECT_EQ(T::Pressed, -1);
    const int x = T::X, y = T::Y;
    post(EventId::MouseMove, 0, canvasX(185) - 50, canvasY(20) - 30);
    tick();
    EXPECT_EQ(T::X, x - 50);
    EXPECT_EQ(T::Y, y - 30);
    // Its right and bottom edges stop at the window's.
    post(EventId::MouseMove, 0, 3000, 3000);
    tick();
    EXPECT_LE(T::X + 370 * T::Scale, 1120);
    EXPECT_GE(T::X + 370 * T::Scale, 1120 - 1);
    EXPECT_LE(T::Y + 723 * T::Scale, 700);
    EXPECT_GE(T::Y + 723 * T::Scale, 700 - 1);
    post(EventId::MouseMove, 0, -3000, -3000);
    tick();
    EXPECT_EQ(T::X, 0);
    EXPECT_EQ(T::Y, 0);
    release();
    EXPECT_EQ(Maus::DragWer, Maus::Keiner);
}

TEST_F(Practice, TheBandOnlyGrabsAboveThePicture) {
    const int x = T::X;
    post(EventId::MouseMove, 0, T::X - 200, T::Y + 10);  // band height, left of the field
    post(EventId::MouseDown, 1);
    tick();
    EXPECT_EQ(Maus::DragWer, Maus::Keiner);
    EXPECT_EQ(T::X, x);
    release();
}

TEST_F(Practice, ButtonsDoNotReactWhileAnotherPartIsDragged) {
    ASSERT_NE(waitForNote(), nullptr);
    post(EventId::MouseMove, 0, canvasX(middleX(4)), canvasY(middleY(4)));
    post(EventId::MouseDown, 1);
    Maus::DragWer = Maus::Notenblatt;
    tick();
    EXPECT_EQ(T::Pressed, -1);
    EXPECT_TRUE(sounds().empty());
    release();
}

TEST_F(Practice, MarksTurnRedThenGreenAndARightAnswerClearsThem) {
    auto note = waitForNote();
    ASSERT_NE(note, nullptr);
    const int richtig = note->ChromaPos % 21;
    const int falsch = otherSpellings(richtig)[0];
    clickButton(falsch);
    EXPECT_EQ(T::IstFalsch[falsch], 1);
    EXPECT_EQ(T::ShowAsRichtig, -1);
    clickButton(falsch);
    EXPECT_EQ(T::ShowAsRichtig, richtig);
    EXPECT_EQ(Spiel::SpielerFalsch, 1);
    clickButton(richtig);
    EXPECT_EQ(T::IstFalsch[falsch], 0);
    EXPECT_EQ(T::ShowAsRichtig, -1);
    EXPECT_EQ(Spiel::SpielerRichtig, 1);
}

TEST_F(Practice, NamesAndAnswersUseOctaveOneAndTheSpellingOnly) {
    EXPECT_EQ(T::Oktave, 1);
    for (int i = 0; i < 21; ++i) EXPECT_EQ(T::Button[i].Name, ChromaTyp::Name(121 + i));
    auto note = waitForNote();
    ASSERT_NE(note, nullptr);
    EXPECT_LT(note->ChromaPos, 100) << "a treble note is asked";
    clickButton(note->ChromaPos % 21);
    EXPECT_EQ(Spiel::SpielerRichtig, 1);
}

TEST_F(InputTest, TheExaminationNeverShowsTheRightButton) {
    useLesson("22|25|28");
    menu(MDI::MENU_SINGLE);
    menu(MDI::MENU_COMPETITION);
    for (int i = 0; i < 400 && Spiel::AktGrade != Spiel::Pruefung; ++i) tick();
    ASSERT_EQ(Spiel::AktGrade, Spiel::Pruefung);
    auto note = waitForNote();
    ASSERT_NE(note, nullptr);
    const int falsch = otherSpellings(note->ChromaPos % 21)[0];
    clickButton(falsch);
    clickButton(falsch);
    EXPECT_EQ(T::WieOftFalsch, 2);
    EXPECT_EQ(T::IstFalsch[falsch], 1);
    EXPECT_EQ(T::ShowAsRichtig, -1);
}

// Learn and see with the buttons: the instrument of scrolling notes set to the buttons.
class LearnAndSee : public InputTest {
  protected:
    void start(const std::string& noten, int system) {
        Spiel::AktMusikInstrument = Spiel::Tastenfeld;
        useLesson(noten, system);
        menu(MDI::MENU_LEARN);
        ASSERT_EQ(Spiel::AktGrade, Spiel::Lernen);
        ASSERT_EQ(Spiel::AktivInstrument, Spiel::Tastenfeld);
    }
};

struct OctaveCase {
    const char* what;
    const char* noten;
    int system;
    std::vector<int> octaves;  // the first is shown at the start, then one per click
};

class OctaveZone : public LearnAndSee, public ::testing::WithParamInterface<OctaveCase> {};

TEST_P(OctaveZone, AdvancesToTheNextAvailableOctave) {
    const OctaveCase& c = GetParam();
    start(c.noten, c.system);
    for (size_t k = 0; k < c.octaves.size(); ++k) {
        if (k > 0) clickAt(55, 73);
        const int oktave = c.octaves[k];
        ASSERT_EQ(T::Oktave, oktave) << c.what << ", step " << k;
        for (int i : {0, 1, 19}) {
            const int chroma = T::ChromaIn(oktave, i);
            EXPECT_EQ(T::Button[i].Name, ChromaTyp::Name(chroma));
            EXPECT_EQ(T::IstIn[i], Lektion::AktLektion->IstInLektion(0, chroma, 0));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OctaveZone,
    ::testing::Values(OctaveCase{"only octave 5", "22|40", 1, {5, 5, 5}},
                      OctaveCase{"treble C4 to C6", "22|64", 1, {5, 6, 7, 5}},
                      OctaveCase{
                          "grand staff C1 to B6", "101|82", 3, {1, 2, 3, 4, 5, 6, 7, 0, 1}}));

TEST_F(LearnAndSee, AButtonSoundsItsOctaveAndWritesTheNote) {
    start("22|25|28|43", 1);
    ASSERT_EQ(T::Oktave, 5);
    const size_t notes = SpielFenster::Haupt->Liste.size();
    pressAt(middleX(4), middleY(4));
    ASSERT_EQ(soundsAt(clock.now).size(), 1u);
    EXPECT_EQ(soundsAt(clock.now)[0], 62) << "D4";
    EXPECT_EQ(SpielFenster::Haupt->Liste.size(), notes + 1);
    EXPECT_EQ(SpielFenster::Haupt->Liste.back()->ChromaPos % 21, 4);
    release();
}

struct NoOctaveCase {
    const char* what;
    const char* noten;
    int system;
};

class NoOctave : public LearnAndSee, public ::testing::WithParamInterface<NoOctaveCase> {};

TEST_P(NoOctave, ShowsOctaveFourWithEveryButtonGreyed) {
    start(GetParam().noten, GetParam().system);
    for (int k = 0; k < 8; ++k) EXPECT_EQ(T::Okt[k], 0) << GetParam().what;
    EXPECT_EQ(T::Oktave, 4);
    for (int i = 0; i < 21; ++i) EXPECT_EQ(T::IstIn[i], 0);
    clickAt(55, 73);
    EXPECT_EQ(T::Oktave, 4);
    pressAt(middleX(1), middleY(1));
    EXPECT_EQ(T::Pressed, 1);
    EXPECT_TRUE(soundsAt(clock.now).empty());
    release();
}

INSTANTIATE_TEST_SUITE_P(Cases, NoOctave,
                         ::testing::Values(NoOctaveCase{"a lesson without notes", "", 1},
                                           NoOctaveCase{"bass notes on a treble staff", "101|105",
                                                        1}));

struct RangeCase {
    const char* what;
    int minMidi, maxMidi, system;
    std::vector<int> octaves;
};

class AvailableOctaves : public InputTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(AvailableOctaves, FollowTheStaffAndTheRange) {
    const RangeCase& c = GetParam();
    T::Okt.fill(1);
    T::PassendeOktavenFinden(c.minMidi, c.maxMidi, c.system);
    std::vector<int> available;
    for (int k = 0; k < 8; ++k)
        if (T::Okt[k] == 1) available.push_back(k);
    EXPECT_EQ(available, c.octaves) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AvailableOctaves,
    ::testing::Values(RangeCase{"treble 60 to 79", 60, 79, 1, {5, 6}},
                      RangeCase{"grand staff 48 to 59", 48, 59, 3, {2, 4}},
                      RangeCase{"bass 36 to 47", 36, 47, 2, {1}},
                      RangeCase{"grand staff 24 to 95", 24, 95, 3, {0, 1, 2, 3, 4, 5, 6, 7}},
                      RangeCase{"treble, range below it", 24, 35, 1, {}},
                      RangeCase{"an empty lesson", 999, 0, 3, {}},
                      RangeCase{"no staff set: unchanged", 60, 60, 0, {0, 1, 2, 3, 4, 5, 6, 7}}));

TEST_F(InputTest, LoadedLessonsChooseTheirOctaves) {
    useLesson("22|55", 1);  // C4 and G5: MIDI 60 to 79
    EXPECT_EQ(T::Okt, (std::array<int, 8>{0, 0, 0, 0, 0, 1, 1, 0}));
    useLesson("143|161", 3);  // C3 and B3 on the grand staff: MIDI 48 to 59
    EXPECT_EQ(T::Okt, (std::array<int, 8>{0, 0, 1, 0, 1, 0, 0, 0}));
}

struct ErrorCase {
    const char* what;
    int grade;
    std::vector<std::pair<int, int>> calls;  // (falsch, richtig)
    int wieOft;
    std::vector<int> falsch;
    int richtig;
};

class ErrorMarks : public InputTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(ErrorMarks, FollowTheWrongAnswers) {
    const ErrorCase& c = GetParam();
    Spiel::AktGrade = c.grade;
    for (auto [falsch, richtig] : c.calls) T::SetError(falsch, richtig);
    EXPECT_EQ(T::WieOftFalsch, c.wieOft) << c.what;
    for (int i = 0; i < 21; ++i)
        EXPECT_EQ(T::IstFalsch[i], std::count(c.falsch.begin(), c.falsch.end(), i) ? 1 : 0)
            << c.what << ", button " << i;
    EXPECT_EQ(T::ShowAsRichtig, c.richtig) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ErrorMarks,
    ::testing::Values(
        ErrorCase{"one wrong answer", S::Ueben, {{25, 22}}, 1, {4}, -1},
        ErrorCase{"two in practice", S::Ueben, {{25, 22}, {28, 22}}, 2, {4, 7}, 1},
        ErrorCase{
            "bass values mark their spelling", S::Ueben, {{125, 164}, {128, 164}}, 2, {4, 7}, 1},
        ErrorCase{"two in the examination", S::Pruefung, {{25, 22}, {28, 22}}, 2, {4, 7}, -1},
        ErrorCase{"cleared", S::Ueben, {{25, 22}, {28, 22}, {-1, 0}}, 0, {}, -1}));

// Drawing, on a canvas of its own.
struct ColourCase {
    const char* what;
    int grade;
    int istIn, istFalsch;
    bool shownRight;
    Colour colour;
};

class NameColours : public InputTest, public ::testing::WithParamInterface<ColourCase> {};

TEST_P(NameColours, ShowTheStateOfEachButton) {
    const ColourCase& c = GetParam();
    Spiel::AktivInstrument = Spiel::Tastenfeld;
    Spiel::AktGrade = c.grade;
    T::SwitchNames();
    T::IstIn.fill(1);
    T::IstIn[7] = c.istIn;
    T::IstFalsch[7] = c.istFalsch;
    T::ShowAsRichtig = c.shownRight ? 7 : -1;
    RecordingCanvas canvas;
    T::Show(canvas);
    std::vector<DrawCall> texts;
    for (const DrawCall& call : canvas.calls)
        if (call.kind == DrawCall::Text) texts.push_back(call);
    ASSERT_EQ(texts.size(), 21u);
    EXPECT_EQ(texts[7].imageName, T::Button[7].Name);
    EXPECT_EQ(texts[7].state.colour, c.colour) << c.what;
    EXPECT_EQ(texts[6].state.colour, (Colour{1, 1, 1})) << "a plain neighbour";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NameColours,
    ::testing::Values(ColourCase{"plain", S::Ueben, 1, 0, false, {1, 1, 1}},
                      ColourCase{"greyed", S::Ueben, 0, 0, false, {151, 151, 151}},
                      ColourCase{"greyed before wrong", S::Ueben, 0, 1, false, {151, 151, 151}},
                      ColourCase{"wrong", S::Ueben, 1, 1, false, {255, 0, 0}},
                      ColourCase{"wrong before right", S::Ueben, 1, 1, true, {255, 0, 0}},
                      ColourCase{"shown right", S::Ueben, 1, 0, true, {0, 155, 0}},
                      ColourCase{
                          "greyed in learn and see", S::Lernen, 0, 0, false, {151, 151, 151}},
                      ColourCase{"examination, greyed", S::Pruefung, 0, 0, false, {1, 1, 1}},
                      ColourCase{"examination, wrong", S::Pruefung, 1, 1, false, {1, 1, 1}},
                      ColourCase{"examination, right", S::Pruefung, 1, 0, true, {1, 1, 1}}));

TEST_F(InputTest, TheFieldIsDrawnAtItsPlaceAndScale) {
    Spiel::AktivInstrument = Spiel::Tastenfeld;
    T::X = 700;
    T::Y = 100;
    T::Scale = 0.5f;
    T::Pressed = 5;  // D sharp: row 1, column 2
    RecordingCanvas canvas;
    T::Show(canvas);
    ASSERT_GE(canvas.calls.size(), 23u);
    const DrawCall& bild = canvas.calls[0];
    EXPECT_EQ(bild.kind, DrawCall::Image);
    EXPECT_EQ(bild.width, 370);
    EXPECT_EQ(bild.state.scaleX, 0.5f);
    EXPECT_EQ(bild.state.originX, 700);
    EXPECT_EQ(bild.state.originY, 100);
    EXPECT_EQ(bild.state.blend, Blend::Alpha);
    const DrawCall& licht = canvas.calls[1];
    EXPECT_EQ(licht.kind, DrawCall::Rect);
    EXPECT_FLOAT_EQ(licht.x, (96 * 2 + 20) * 0.5f);
    EXPECT_FLOAT_EQ(licht.y, (605 - 80 - 40) * 0.5f);
    EXPECT_FLOAT_EQ(licht.width, 74);  // sizes are stretched by the canvas scale
    EXPECT_FLOAT_EQ(licht.height, 57);
    EXPECT_FLOAT_EQ(licht.state.alpha, 0.15f);
    const DrawCall& name = canvas.calls[2 + 5];
    EXPECT_EQ(name.kind, DrawCall::Text);
    EXPECT_EQ(name.imageName, T::Button[5].Name);
    EXPECT_FLOAT_EQ(name.x, (55 + 192 - T::Button[5].TextOffX) * 0.5f);
    EXPECT_FLOAT_EQ(name.y, (620 - 80 - 40) * 0.5f);
    EXPECT_EQ(name.state.font, ArialNormal.get());
    EXPECT_EQ(canvas.state().originX, 0);
    EXPECT_EQ(canvas.state().scaleX, 1.0f);
    EXPECT_EQ(canvas.state().alpha, 1.0f);
}

TEST_F(InputTest, TheOctaveSelectorIsDrawnOnlyInLearnAndSee) {
    Spiel::AktivInstrument = Spiel::Tastenfeld;
    Spiel::AktGrade = Spiel::Lernen;
    T::Okt = {0, 0, 0, 0, 0, 1, 1, 0};
    T::Oktave = 5;
    T::SwitchNames();
    ASSERT_EQ(T::Oktave, 5);
    auto ovals = [](int grade) {
        Spiel::AktGrade = grade;
        RecordingCanvas canvas;
        T::Show(canvas);
        std::vector<DrawCall> found;
        for (const DrawCall& call : canvas.calls)
            if (call.kind == DrawCall::Oval) found.push_back(call);
        return found;
    };
    EXPECT_TRUE(ovals(2).empty());
    EXPECT_TRUE(ovals(3).empty());
    const std::vector<DrawCall> found = ovals(1);
    ASSERT_EQ(found.size(), 8u + 2u + 7u) << "eight rings, two dots, seven glow rings";
    const float s = T::Scale;
    // The glow centres on octave 5: f = 1, g = 1, centre (43, 65).
    const DrawCall& innen = found[10];
    EXPECT_FLOAT_EQ(innen.x, 42 * s);
    EXPECT_FLOAT_EQ(innen.y, 64 * s);
    EXPECT_FLOAT_EQ(innen.state.alpha, 1.0f);
    EXPECT_EQ(innen.state.colour, (Colour{1, 255, 1}));
    EXPECT_FLOAT_EQ(found[16].state.alpha, 1.0f / 7);
    EXPECT_FLOAT_EQ(found[16].width, 14);
}

TEST_F(InputTest, NothingIsDrawnForAnotherInstrument) {
    Spiel::AktivInstrument = Spiel::Klavier;
    RecordingCanvas canvas;
    T::Show(canvas);
    EXPECT_TRUE(canvas.calls.empty());
}

}  // namespace
