// Playing the on-screen piano with the mouse: hits, answers, sounds, the size button and
// dragging.
#include <gtest/gtest.h>

#include "PianoFixture.h"

namespace {

using namespace KeyboardPicture;

// Treble chroma values (C4 = 22).
constexpr int C4 = 22, D4 = 25;

TEST_F(PianoTest, ARightKeyIsCountedAndSounds) {
    ask("22|25|28|31|34", {D4});
    click(62);
    EXPECT_EQ(Spiel::SpielerRichtig, 1);
    EXPECT_EQ(Spiel::SpielerFalsch, 0);
    EXPECT_EQ(sounded(62), 1);
}

TEST_F(PianoTest, AWrongKeyOfTheLessonIsCountedWrong) {
    ask("22|25|28|31|34", {D4});
    click(64);
    EXPECT_EQ(Spiel::SpielerRichtig, 0);
    EXPECT_EQ(Spiel::SpielerFalsch, 1);
    EXPECT_EQ(sounded(64), 1);
    EXPECT_EQ(asked()->ErrorCheck, 1);
}

TEST_F(PianoTest, AKeyTheLessonDoesNotUseShowsTheGreyedKeysInstead) {
    ask("22|25|28|31|34", {D4});
    const int64_t pressedAt = clock.now + 16;  // the next tick
    click(61);
    EXPECT_EQ(Spiel::SpielerRichtig + Spiel::SpielerFalsch, 0);
    EXPECT_EQ(sounded(61), 0);
    EXPECT_EQ(KlavierTyp::ShowVerboteneTasten, pressedAt + 10000);
}

TEST_F(PianoTest, InTheExaminationEveryKeySoundsAndIsAnswered) {
    lesson("22|25|28|31|34");
    menu(MDI::MENU_FLOATING);
    menu(MDI::MENU_COMPETITION);
    ticksFor(6500);
    ASSERT_EQ(Spiel::AktGrade, Spiel::Pruefung);
    ASSERT_EQ(Spiel::AktivInstrument, Spiel::Klavier);
    ASSERT_NE(waitForNote(), nullptr);
    const int lives = Spiel::SpielerFalsch;
    click(61);  // C#4: not in the lesson, and not what is asked
    EXPECT_EQ(sounded(61), 1);
    EXPECT_EQ(Spiel::SpielerFalsch, lives - 1);
    EXPECT_EQ(KlavierTyp::ShowVerboteneTasten, 0);
}

TEST_F(PianoTest, WhereABlackKeyOverlapsAWhiteKeyTheBlackKeyIsHit) {
    ask("22|23|25", {22});  // C4, C#4 and D4
    const KlavierTyp* c = key(60);
    // Right part of C4's upper end, under C#4 (which starts at 21 X + 13).
    mouseTo(canvasPoint(21 * c->X + 17, 30));
    down();
    tick();
    EXPECT_EQ(KlavierTyp::LastMidi, 61);
    EXPECT_EQ(key(61)->On, 1);
    EXPECT_EQ(key(60)->On, 0);
    up();
    tick();
    // Lower down, the same column is the white key.
    mouseTo(canvasPoint(21 * c->X + 17, 100));
    down();
    tick();
    EXPECT_EQ(KlavierTyp::LastMidi, 60);
    EXPECT_EQ(key(60)->On, 1);
    EXPECT_EQ(key(61)->On, 0);
    up();
    tick();
    EXPECT_EQ(Spiel::SpielerRichtig, 1);  // the C asked for, by the second press
    EXPECT_EQ(Spiel::SpielerFalsch, 1);   // C#4 first
}

TEST_F(PianoTest, SlidingWithTheButtonHeldAnswersEachNewlyEnteredKeyOnce) {
    // Learn and see writes every answered note of the lesson onto the staff.
    lesson("22|25|28|31|34");
    menu(MDI::MENU_LEARN);
    ASSERT_EQ(Spiel::AktivInstrument, Spiel::Klavier);
    const size_t before = SpielFenster::Haupt->Liste.size();
    mouseTo(pointOn(60));
    down();
    for (int midi : {60, 60, 60, 62, 62, 64, 62, 62}) {
        mouseTo(pointOn(midi));
        tick();
        EXPECT_EQ(key(midi)->On, 1) << midi;
        int pressed = 0;
        for (const KlavierTyp& taste : KlavierTyp::Liste) pressed += taste.On;
        EXPECT_EQ(pressed, 1) << "one key at a time";
    }
    up();
    tick();
    // C, D, E and D again: four answers, four tones.
    EXPECT_EQ(SpielFenster::Haupt->Liste.size(), before + 4);
    EXPECT_EQ(sounded(60), 1);
    EXPECT_EQ(sounded(62), 2);
    EXPECT_EQ(sounded(64), 1);
    for (const KlavierTyp& taste : KlavierTyp::Liste) EXPECT_EQ(taste.On, 0) << taste.Midi;
}

TEST_F(PianoTest, LeavingTheKeysReleasesTheKeyAndComingBackPressesItAgain) {
    ask("22|25|28|31|34", {C4, C4});
    mouseTo(pointOn(64));
    down();
    tick();
    EXPECT_EQ(key(64)->On, 1);
    // Onto the felt above the keys: the key is released.
    mouseTo(canvasPoint(21 * key(64)->X + 10, -10));
    tick();
    EXPECT_EQ(key(64)->On, 0);
    mouseTo(pointOn(64));
    tick();
    EXPECT_EQ(key(64)->On, 1);
    up();
    tick();
    EXPECT_EQ(key(64)->On, 0);
    EXPECT_EQ(sounded(64), 2);
}

TEST_F(PianoTest, NothingHappensUnlessThePianoIsTheInstrument) {
    lesson("22|25|28|31|34");
    menu(MDI::MENU_SINGLE);  // single notes use the note-name buttons
    ASSERT_EQ(Spiel::AktivInstrument, Spiel::Tastenfeld);
    mouseTo(pointOn(60));
    down();
    tick();
    EXPECT_EQ(key(60)->On, 0);
    EXPECT_EQ(KlavierTyp::LastMidi, -1);
    up();
    tick();
    RecordingCanvas recording;
    KlavierTyp::Draw(recording);
    EXPECT_TRUE(recording.calls.empty());
}

TEST_F(PianoTest, ALessonWithNoKeyOnTheKeyboardLetsEveryKeyPlay) {
    ask("86|88", {86});  // C#7 and D7: above the five octaves that hold them best
    tick();
    EXPECT_EQ(KlavierTyp::FirstLeft, nullptr);
    click(61);
    EXPECT_EQ(sounded(61), 1);
    EXPECT_EQ(Spiel::SpielerFalsch, 1);
    EXPECT_EQ(KlavierTyp::ShowVerboteneTasten, 0);
}

struct SizeCase {
    int x, y;  // key coordinates of the press, relative to the keys' origin
    bool changes;
};

TEST_F(PianoTest, TheSizeButtonCyclesTheScaleOncePerPress) {
    lesson("22|25|28|31|34");
    menu(MDI::MENU_FLOATING);
    auto pressAt = [&](int a, int b) {
        const float s = KlavierTyp::Scale;
        mouseTo({KlavierTyp::TastaturX + static_cast<int>(std::floor(a * s)),
                 KlavierTyp::TastaturY + static_cast<int>(std::ceil(b * s))});
        down();
        for (int i = 0; i < 5; ++i) tick();  // a held press changes the scale once
        up();
        tick();
    };
    // The three-octave keyboard fits a 1120-pixel window up to this scale: the largest
    // step is cut to it.
    const float widest = (1120 - 1) / float(KeyboardPicture::width(3));
    for (float expected : {1.5f, widest, 1.0f, 1.5f}) {
        pressAt(-50, 165);
        EXPECT_FLOAT_EQ(KlavierTyp::Scale, expected);
    }
    // Beside the button, and left of the picture, nothing changes.
    for (const SizeCase& c :
         {SizeCase{-20, 165}, SizeCase{-50, 150}, SizeCase{-50, 180}, SizeCase{-120, 165}}) {
        pressAt(c.x, c.y);
        EXPECT_EQ(KlavierTyp::Scale, 1.5f) << c.x << ", " << c.y;
    }
    // The edges of the button.
    pressAt(keyX(SIZE_ZONE_RIGHT), keyY(SIZE_ZONE_TOP));
    EXPECT_FLOAT_EQ(KlavierTyp::Scale, widest);
    pressAt(keyX(SIZE_ZONE_LEFT), keyY(SIZE_ZONE_BOTTOM));
    EXPECT_EQ(KlavierTyp::Scale, 1.0f);
}

TEST_F(PianoTest, TheGrabBandDragsTheKeyboardInsideTheWindow) {
    lesson("22|25|28|31|34");
    menu(MDI::MENU_FLOATING);
    const GadgetShape window = gui.shape(MDI::Window);
    mouseTo({500, KlavierTyp::TastaturY + 20});
    down();
    tick();
    EXPECT_EQ(Maus::DragWer, Maus::Klavier);
    EXPECT_EQ(KlavierTyp::TastaturX, 200);  // the first step only takes the drag
    mouseTo({550, KlavierTyp::TastaturY + 20 - 30});
    tick();
    EXPECT_EQ(KlavierTyp::TastaturX, 250);
    EXPECT_EQ(KlavierTyp::TastaturY, 470);
    // Over a key while dragging: no key is pressed.
    mouseTo(pointOn(62));
    tick();
    EXPECT_EQ(KlavierTyp::LastMidi, -1);
    EXPECT_EQ(sounded(62), 0);
    // Far out on either side: the picture's edges stop at the window's.
    mouseTo({5000, 5000});
    tick();
    EXPECT_EQ(KlavierTyp::TastaturX, window.width - (KeyboardPicture::width(3) - ORIGIN_X));
    EXPECT_EQ(KlavierTyp::TastaturY, window.height - H + ORIGIN_Y);
    mouseTo({-5000, -5000});
    tick();
    EXPECT_EQ(KlavierTyp::TastaturX, ORIGIN_X);
    EXPECT_EQ(KlavierTyp::TastaturY, ORIGIN_Y);
    up();
    EXPECT_EQ(Maus::DragWer, Maus::Keiner);
    tick();
    EXPECT_EQ(Spiel::SpielerRichtig + Spiel::SpielerFalsch, 0);
}

TEST_F(PianoTest, AnotherPartsDragLeavesThePianoAlone) {
    ask("22|25|28|31|34", {D4});
    Maus::DragWer = Maus::Notenblatt;  // the staff window is being dragged
    mouseTo(pointOn(62));
    down();
    tick();
    EXPECT_EQ(key(62)->On, 0);
    EXPECT_EQ(Spiel::SpielerRichtig, 0);
}

}  // namespace
