#include <gtest/gtest.h>

#include <vector>

#include "exercise/ExerciseFixture.h"

namespace {

using S = Spiel;

struct MenuCase {
    const char* what;
    std::vector<int> commands;
    int spielMode, aktGrade;
    int tickedMethod, tickedStep;
    std::vector<int> disabled, enabledTags;
    int64_t countdown;
};

class MenuCommands : public ExerciseTest, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(MenuCommands, SetTheExerciseTicksAndEntries) {
    const MenuCase& c = GetParam();
    for (int tag : c.commands) menu(tag);
    EXPECT_EQ(Spiel::SpielMode, c.spielMode) << c.what;
    EXPECT_EQ(Spiel::AktGrade, c.aktGrade) << c.what;
    for (int tag : {MDI::MENU_SINGLE, MDI::MENU_FLOATING, MDI::MENU_DICTATION, MDI::MENU_WORDS})
        EXPECT_EQ(checked(tag), tag == c.tickedMethod) << c.what << " " << tag;
    for (int tag : {MDI::MENU_LEARN, MDI::MENU_PRACTICE, MDI::MENU_COMPETITION})
        EXPECT_EQ(checked(tag), tag == c.tickedStep) << c.what << " " << tag;
    for (int tag : c.disabled) EXPECT_FALSE(enabled(tag)) << c.what << " " << tag;
    for (int tag : c.enabledTags) EXPECT_TRUE(enabled(tag)) << c.what << " " << tag;
    EXPECT_EQ(Spiel::CountdownZeit, c.countdown) << c.what;
    EXPECT_FALSE(enabled(MDI::MENU_DICTATION)) << "dictation is never offered";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MenuCommands,
    ::testing::Values(
        MenuCase{"after start-up",
                 {},
                 S::KeinSpiel,
                 S::Ueben,
                 MDI::MENU_FLOATING,
                 MDI::MENU_PRACTICE,
                 {MDI::MENU_DICTATION, MDI::MENU_EXERCISE},
                 {MDI::MENU_OPEN, MDI::MENU_SINGLE, MDI::MENU_FLOATING, MDI::MENU_WORDS},
                 0},
        MenuCase{"single notes",
                 {MDI::MENU_SINGLE},
                 S::EinzelNoten,
                 S::Ueben,
                 MDI::MENU_SINGLE,
                 MDI::MENU_PRACTICE,
                 {MDI::MENU_LEARN},
                 {MDI::MENU_OPEN, MDI::MENU_CREATE, MDI::MENU_PRACTICE, MDI::MENU_COMPETITION},
                 0},
        MenuCase{"scrolling notes again",
                 {MDI::MENU_SINGLE, MDI::MENU_FLOATING},
                 S::LaufendeNoten,
                 S::Ueben,
                 MDI::MENU_FLOATING,
                 MDI::MENU_PRACTICE,
                 {},
                 {MDI::MENU_OPEN, MDI::MENU_CREATE, MDI::MENU_LEARN, MDI::MENU_PRACTICE,
                  MDI::MENU_COMPETITION},
                 0},
        MenuCase{"guess words",
                 {MDI::MENU_WORDS},
                 S::Woerter,
                 S::Ueben,
                 MDI::MENU_WORDS,
                 MDI::MENU_PRACTICE,
                 {MDI::MENU_LEARN, MDI::MENU_COMPETITION},
                 {MDI::MENU_OPEN, MDI::MENU_CREATE},
                 0},
        MenuCase{"learn and see after single notes",
                 {MDI::MENU_SINGLE, MDI::MENU_LEARN},
                 S::LaufendeNoten,
                 S::Lernen,
                 MDI::MENU_FLOATING,
                 MDI::MENU_LEARN,
                 {},
                 {},
                 0},
        MenuCase{"examination after guess words",
                 {MDI::MENU_WORDS, MDI::MENU_COMPETITION},
                 S::LaufendeNoten,
                 S::Countdown,
                 MDI::MENU_FLOATING,
                 MDI::MENU_COMPETITION,
                 {},
                 {},
                 1},
        MenuCase{"practice keeps the ticked method",
                 {MDI::MENU_SINGLE, MDI::MENU_PRACTICE},
                 S::EinzelNoten,
                 S::Ueben,
                 MDI::MENU_SINGLE,
                 MDI::MENU_PRACTICE,
                 {},
                 {},
                 0},
        MenuCase{"stop in practice",
                 {MDI::MENU_FLOATING, MDI::MENU_PAUSE},
                 S::KeinSpiel,
                 S::Ueben,
                 MDI::MENU_FLOATING,
                 MDI::MENU_PRACTICE,
                 {},
                 {},
                 0},
        MenuCase{"stop during the countdown",
                 {MDI::MENU_FLOATING, MDI::MENU_COMPETITION, MDI::MENU_PAUSE},
                 S::KeinSpiel,
                 S::Countdown,
                 MDI::MENU_FLOATING,
                 MDI::MENU_COMPETITION,
                 {},
                 {},
                 0},
        MenuCase{"create exercise",
                 {MDI::MENU_FLOATING, MDI::MENU_CREATE},
                 S::KeinSpiel,
                 S::Ueben,
                 MDI::MENU_FLOATING,
                 MDI::MENU_PRACTICE,
                 {MDI::MENU_OPEN},
                 {},
                 0},
        MenuCase{"a method after create exercise",
                 {MDI::MENU_CREATE, MDI::MENU_SINGLE},
                 S::EinzelNoten,
                 S::Ueben,
                 MDI::MENU_SINGLE,
                 MDI::MENU_PRACTICE,
                 {},
                 {MDI::MENU_OPEN},
                 0}));

TEST_F(MenuCommands, StopDuringTheExaminationTicksPracticeAgain) {
    useLesson({"22|25|28"});
    menu(MDI::MENU_FLOATING);
    menu(MDI::MENU_COMPETITION);
    ticksFor(6500);
    ASSERT_EQ(Spiel::AktGrade, Spiel::Pruefung);
    menu(MDI::MENU_PAUSE);
    EXPECT_EQ(Spiel::AktGrade, Spiel::Ueben);
    EXPECT_TRUE(checked(MDI::MENU_PRACTICE));
    EXPECT_FALSE(checked(MDI::MENU_COMPETITION));
    EXPECT_EQ(Spiel::SpielMode, Spiel::KeinSpiel);
}

TEST_F(MenuCommands, TwoHandLessonsRunScrollingNotesAndDisableWords) {
    useLesson({"22|25|143|146", 3, 1});
    EXPECT_EQ(Spiel::SpielMode, Spiel::LaufendeNoten);
    EXPECT_FALSE(enabled(MDI::MENU_WORDS));
    EXPECT_TRUE(checked(MDI::MENU_FLOATING));
    useLesson({"22|25"});
    EXPECT_TRUE(enabled(MDI::MENU_WORDS));
}

TEST_F(MenuCommands, HomePageOpensInTheBrowser) {
    menu(MDI::MENU_INTERNET);
    ASSERT_EQ(gui.openedUrls.size(), 1u);
    EXPECT_EQ(gui.openedUrls[0], MDI::HomePage);
}

}  // namespace
