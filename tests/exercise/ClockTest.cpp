#include <gtest/gtest.h>

#include "exercise/ExerciseFixture.h"
#include "platform/RecordingCanvas.h"
#include "platform/Ui.h"
#include "sound/SoundTyp.h"

namespace {

class ExerciseClock : public ExerciseTest {
  protected:
    int64_t shownMillis() {
        return Spiel::AktGrade == Spiel::Pruefung ? Spiel::SpielerZeit - clock.now
                                                  : clock.now - Spiel::SpielerZeit;
    }
    void startExamination(const LessonSpec& lesson) {
        useLesson(lesson);
        menu(MDI::MENU_SINGLE);
        menu(MDI::MENU_COMPETITION);
        ticksFor(6500);
        ASSERT_EQ(Spiel::AktGrade, Spiel::Pruefung);
    }
};

TEST_F(ExerciseClock, PracticeStopsTheClockForAnAbsentLearner) {
    useLesson({"22|25|28"});
    menu(MDI::MENU_SINGLE);
    ticksFor(15000);
    EXPECT_NEAR(shownMillis(), 10250 + clock.now % 1000, 1100);
    EXPECT_LT(shownMillis(), 11500);
    int64_t stopped = shownMillis();
    ticksFor(3000);
    EXPECT_NEAR(shownMillis(), stopped, 100) << "the clock stands still, moving in 100 ms steps";
    SpielFenster::EmpfangeNote(0, 2);  // any answer shows the learner is back
    ticksFor(2000);
    EXPECT_NEAR(shownMillis() - stopped, 2000, 50);
}

// The time counter's caption says "Pause" while the clock stands still, and the time
// caption is back once an answer starts it again.
TEST_F(ExerciseClock, AStoppedClockIsShownAsPausedUntilTheNextAnswer) {
    auto shows = [](const std::string& text) {
        auto* canvas = static_cast<RecordingCanvas*>(Ui::mainCanvas());
        for (const DrawCall& call : canvas->calls)
            if (call.kind == DrawCall::Text && call.imageName == text) return true;
        return false;
    };
    useLesson({"22|25|28"});
    menu(MDI::MENU_SINGLE);
    ticksFor(5000);
    EXPECT_TRUE(shows(Spiel::DigitalText[0]));
    EXPECT_FALSE(shows("Pause"));
    ticksFor(10000);
    EXPECT_TRUE(shows("Pause"));
    EXPECT_FALSE(shows(Spiel::DigitalText[0]));
    SpielFenster::EmpfangeNote(0, 2);
    tick();
    EXPECT_FALSE(shows("Pause"));
    EXPECT_TRUE(shows(Spiel::DigitalText[0]));
}

TEST_F(ExerciseClock, TheCountdownPlaysSixTonesAndStartsTheExamination) {
    useLesson({"22", 1, 0, 30, 5, 2});
    menu(MDI::MENU_SINGLE);
    menu(MDI::MENU_COMPETITION);
    EXPECT_EQ(Spiel::AktGrade, Spiel::Countdown);
    tick();
    EXPECT_GT(Spiel::CountdownZeit, 1);
    std::vector<int> tones;
    for (const auto& sound : SoundTyp::SoundListe)
        if (sound.Lang == 1250) tones.push_back(sound.Ton);
    EXPECT_EQ(tones, (std::vector<int>{48, 48, 48, 48, 48, 60}));
    ticksFor(5800);
    EXPECT_EQ(Spiel::AktGrade, Spiel::Countdown);
    ticksFor(400);
    EXPECT_EQ(Spiel::AktGrade, Spiel::Pruefung);
    EXPECT_EQ(Spiel::SpielerRichtig, 5);
    EXPECT_EQ(Spiel::SpielerFalsch, 2);
    EXPECT_NEAR(shownMillis(), 30000, 1500);
}

TEST_F(ExerciseClock, TheExaminationEndsWhenTheLastQuestionIsAnswered) {
    startExamination({"22", 1, 0, 60, 2, 3});
    ASSERT_NE(waitForNote(), nullptr);
    SpielFenster::EmpfangeNote(60, 2);
    ASSERT_NE(waitForNote(), nullptr);
    SpielFenster::EmpfangeNote(60, 2);
    EXPECT_EQ(Spiel::SpielerRichtig, 0);
    Spiel::SpielerZeit = clock.now + 16 + 12300;  // 12.3 s left at the next frame
    tick();
    EXPECT_EQ(Spiel::SpielMode, Spiel::KeinSpiel);
    EXPECT_EQ(Spiel::Punkte, 123);
}

TEST_F(ExerciseClock, TheExaminationEndsWhenTheLivesAreGone) {
    startExamination({"22", 1, 0, 60, 10, 2});
    ASSERT_NE(waitForNote(), nullptr);
    SpielFenster::EmpfangeNote(61, 2);
    SpielFenster::EmpfangeNote(60, 2);
    ASSERT_NE(waitForNote(), nullptr);
    SpielFenster::EmpfangeNote(61, 2);
    EXPECT_EQ(Spiel::SpielerFalsch, 0);
    tick();
    EXPECT_EQ(Spiel::SpielMode, Spiel::KeinSpiel);
    EXPECT_GT(Spiel::Punkte, 500);
}

TEST_F(ExerciseClock, TheExaminationEndsWhenTheTimeIsOverByASecond) {
    startExamination({"22", 1, 0, 5, 10, 3});
    ticksFor(5000);
    EXPECT_EQ(Spiel::SpielMode, Spiel::EinzelNoten) << "0 still shows for the last second";
    ticksFor(1600);
    EXPECT_EQ(Spiel::SpielMode, Spiel::KeinSpiel);
    EXPECT_LE(Spiel::Punkte, -10);
    EXPECT_GE(Spiel::Punkte, -12);
}

TEST_F(ExerciseClock, AnExaminationWithoutQuestionsEndsOnTheFirstFrame) {
    startExamination({"22", 1, 0, 60, 0, 3});
    EXPECT_EQ(Spiel::SpielMode, Spiel::KeinSpiel);
}

}  // namespace
