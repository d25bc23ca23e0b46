#include <gtest/gtest.h>

#include "exercise/ExerciseFixture.h"
#include "i18n/Sprache.h"
#include "input/TastenFeldTyp.h"
#include "sound/MIDI.h"

namespace {

// Chroma values: treble block 1 is the octave of middle C (C4 = 22, A4 = 37).
constexpr int C4 = 22, A4 = 37, AIS4 = 38, B_FLAT4 = 39, C3_BASS = 143;
// The buttons of practice stand for octave 1 (bass block): chroma 121 + spelling.
int button(int spelling) {
    return 121 + spelling;
}

class Answers : public ExerciseTest {
  protected:
    // A staff that asks for exactly these notes, one after another.
    void ask(const LessonSpec& lesson, std::initializer_list<int> notes, int method = 20) {
        useLesson(lesson);
        menu(method);
        for (int chroma : notes) SpielFenster::Haupt->AddChromaNote(chroma, 2, 1, 0);
    }
};

struct PitchCase {
    const char* what;
    int asked;
    bool byMidi;
    int answer;
    bool right;
};

class AnswerCases : public Answers, public ::testing::WithParamInterface<PitchCase> {};

TEST_P(AnswerCases, AreJudgedByPitchOrBySpelling) {
    const PitchCase& c = GetParam();
    ask({"37|38|39"}, {c.asked});
    if (c.byMidi)
        SpielFenster::EmpfangeNote(c.answer, 2);
    else
        SpielFenster::EmpfangeChroma(c.answer, 3);
    EXPECT_EQ(Spiel::SpielerRichtig, c.right ? 1 : 0) << c.what;
    EXPECT_EQ(Spiel::SpielerFalsch, c.right ? 0 : 1) << c.what;
    EXPECT_EQ(asked() == nullptr, c.right) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnswerCases,
    ::testing::Values(PitchCase{"A3 on a MIDI keyboard", A4, true, 57, false},
                      PitchCase{"A4 on a MIDI keyboard", A4, true, 69, true},
                      PitchCase{"button A in the field's octave", A4, false, button(16), true},
                      PitchCase{"A4 typed", A4, false, A4, true},
                      PitchCase{"MIDI 70 for A#4", AIS4, true, 70, true},
                      PitchCase{"button A# for A#4", AIS4, false, button(17), true},
                      PitchCase{"button Bb for A#4", AIS4, false, button(18), false}));

TEST_F(Answers, ANameTheLessonDoesNotUseIsIgnored) {
    ask({"37"}, {A4});
    SpielFenster::EmpfangeChroma(button(4), 1);  // D
    EXPECT_EQ(Spiel::SpielerFalsch, 0);
    EXPECT_EQ(Spiel::SpielerRichtig, 0);
    EXPECT_NE(asked(), nullptr);
}

TEST_F(Answers, AWrongNoteCountsOnceAndTheRightButtonShowsAfterTwoTries) {
    ask({"22|25|28"}, {C4});
    for (int attempt = 1; attempt <= 3; ++attempt) {
        SpielFenster::EmpfangeChroma(button(4), 1);  // D for C
        EXPECT_EQ(Spiel::SpielerFalsch, 1);
        EXPECT_EQ(TastenFeldTyp::WieOftFalsch, attempt);
        EXPECT_EQ(TastenFeldTyp::IstFalsch[4], 1);
        EXPECT_EQ(TastenFeldTyp::ShowAsRichtig, attempt >= 2 ? 1 : -1);
    }
    EXPECT_EQ(asked()->ErrorCheck, 1);
    SpielFenster::EmpfangeChroma(button(1), 1);
    EXPECT_EQ(Spiel::SpielerRichtig, 1);
    EXPECT_EQ(TastenFeldTyp::WieOftFalsch, 0);
    EXPECT_EQ(TastenFeldTyp::IstFalsch[4], 0);
    EXPECT_EQ(TastenFeldTyp::ShowAsRichtig, -1);
}

TEST_F(Answers, TheExaminationTakesALifeAndAddsAQuestionOncePerNote) {
    useLesson({"22", 1, 0, 60, 10, 3});
    menu(MDI::MENU_SINGLE);
    menu(MDI::MENU_COMPETITION);
    ticksFor(6500);
    ASSERT_EQ(Spiel::AktGrade, Spiel::Pruefung);
    ASSERT_NE(waitForNote(), nullptr);
    EXPECT_EQ(Spiel::SpielerRichtig, 10);
    SpielFenster::EmpfangeNote(61, 2);
    EXPECT_EQ(Spiel::SpielerRichtig, 11);
    EXPECT_EQ(Spiel::SpielerFalsch, 2);
    SpielFenster::EmpfangeNote(62, 2);
    EXPECT_EQ(Spiel::SpielerRichtig, 11);
    EXPECT_EQ(Spiel::SpielerFalsch, 2);
    SpielFenster::EmpfangeNote(60, 2);
    EXPECT_EQ(Spiel::SpielerRichtig, 10);
}

class TwoHands : public Answers {
  protected:
    void SetUp() override {
        Answers::SetUp();
        useLesson({"22|143", 3, 1});
        menu(MDI::MENU_FLOATING);
        auto& haupt = *SpielFenster::Haupt;
        for (int chroma : {C4, C3_BASS}) {
            auto note = std::make_shared<Note>();
            note->CreateMe(chroma, 4, 0, haupt.VorzeichenGesetzt, 0);
            note->X = 200;
            haupt.AddMultiChroma(note);
        }
        ASSERT_EQ(haupt.Liste.size(), 2u);
        upper = haupt.Liste.front().get();
        lower = haupt.Liste.back().get();
    }
    Note* upper = nullptr;
    Note* lower = nullptr;
};

TEST_F(TwoHands, EitherNoteOfAChordMayBeAnsweredFirst) {
    SpielFenster::EmpfangeNote(48, 2);
    EXPECT_EQ(lower->Aktiv, 0);
    EXPECT_EQ(upper->Aktiv, 1);
    SpielFenster::EmpfangeNote(60, 2);
    EXPECT_EQ(upper->Aktiv, 0);
    EXPECT_EQ(Spiel::SpielerRichtig, 2);
}

TEST_F(TwoHands, AWrongAnswerBlamesTheNearerNote) {
    SpielFenster::EmpfangeNote(50, 2);
    EXPECT_EQ(lower->ErrorCheck, 1);
    EXPECT_EQ(upper->ErrorCheck, 0);
    EXPECT_EQ(Spiel::SpielerFalsch, 1);
    EXPECT_EQ(lower->Aktiv, 1);
}

TEST_F(Answers, MidiTakesOneNoteOnPerTickAndIgnoresVelocityOne) {
    ask({"37"}, {A4});
    MIDI::InMessages.push_back({8, 1, 60, 0});
    MIDI::InMessages.push_back({9, 1, 69, 1});
    MIDI::InMessages.push_back({9, 1, 69, 100});
    tick();
    EXPECT_EQ(Spiel::SpielerRichtig, 0);
    EXPECT_EQ(MIDI::InMessages.size(), 1u);
    tick();
    EXPECT_EQ(Spiel::SpielerRichtig, 1);
    EXPECT_TRUE(MIDI::InMessages.empty());
}

struct CreditCase {
    const char* what;
    bool byName;
    int source;
    int credit;
};

class TimeCredit : public Answers, public ::testing::WithParamInterface<CreditCase> {};

TEST_P(TimeCredit, DependsOnTheDevice) {
    ask({"37"}, {A4});
    SpielFenster::MausZeit = 700;
    int64_t before = Spiel::SpielerZeit;
    if (GetParam().byName)
        SpielFenster::EmpfangeChroma(A4, GetParam().source);
    else
        SpielFenster::EmpfangeNote(69, GetParam().source);
    EXPECT_EQ(Spiel::SpielerRichtig, 1);
    EXPECT_EQ(Spiel::SpielerZeit - before, GetParam().credit) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Cases, TimeCredit,
                         ::testing::Values(CreditCase{"piano key click", false, 1, 700},
                                           CreditCase{"button click", true, 1, 300},
                                           CreditCase{"computer keyboard", true, 3, 0},
                                           CreditCase{"MIDI keyboard", false, 2, 0}));

TEST_F(Answers, LearnAndSeeWritesAndNamesThePlayedNote) {
    useLesson({"22|25|28"});
    menu(MDI::MENU_LEARN);
    size_t shown = SpielFenster::Haupt->Liste.size();
    EXPECT_EQ(shown, 3u);
    SpielFenster::EmpfangeNote(61, 2);  // C#4 is not in the lesson
    EXPECT_EQ(SpielFenster::Haupt->Liste.size(), shown);
    SpielFenster::EmpfangeNote(62, 2);  // D4
    ASSERT_EQ(SpielFenster::Haupt->Liste.size(), shown + 1);
    const Note& played = *SpielFenster::Haupt->Liste.back();
    EXPECT_EQ(played.EchtMidi, 62);
    EXPECT_EQ(played.Lang, 2);
    EXPECT_EQ(NotenFenster::NameLine, Lokalisiere("{{This note is named}}") + ": ");
    EXPECT_EQ(NotenFenster::NameText, played.Name);
    EXPECT_FALSE(played.Name.empty());
}

TEST_F(Answers, LearnAndSeeWritesANamedNoteOfTheLesson) {
    useLesson({"22|25|28"});
    menu(MDI::MENU_LEARN);
    size_t shown = SpielFenster::Haupt->Liste.size();
    SpielFenster::EmpfangeChroma(142 + 4, 1);  // the button D of a bass octave
    ASSERT_EQ(SpielFenster::Haupt->Liste.size(), shown + 1);
    EXPECT_EQ(SpielFenster::Haupt->Liste.back()->ChromaEcht, 25);
    SpielFenster::EmpfangeChroma(142 + 10, 1);  // F is not in the lesson
    EXPECT_EQ(SpielFenster::Haupt->Liste.size(), shown + 1);
}

TEST_F(Answers, BestMatchSoundsTheAskedOctave) {
    ask({"37|38|39"}, {A4});
    EXPECT_EQ(SpielFenster::BestMatch(button(16)), 69);  // A: the asked note itself
    EXPECT_EQ(SpielFenster::BestMatch(button(18)), 70);  // Bb in A4's octave
}

}  // namespace
