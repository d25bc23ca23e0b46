#include <gtest/gtest.h>

#include <vector>

#include "exercise/ExerciseFixture.h"

namespace {

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
    for (int tag : {20, 21, 22, 23})
        EXPECT_EQ(checked(tag), tag == c.tickedMethod) << c.what << " " << tag;
    for (int tag : {25, 26, 27})
        EXPECT_EQ(checked(tag), tag == c.tickedStep) << c.what << " " << tag;
    for (int tag : c.disabled) EXPECT_FALSE(enabled(tag)) << c.what << " " << tag;
    for (int tag : c.enabledTags) EXPECT_TRUE(enabled(tag)) << c.what << " " << tag;
    EXPECT_EQ(Spiel::CountdownZeit, c.countdown) << c.what;
    EXPECT_FALSE(enabled(MDI::MENU_DICTATION)) << "dictation is never offered";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MenuCommands,
    ::testing::Values(
        MenuCase{"after start-up", {}, 0, 2, 21, 26, {22, 24}, {10, 20, 21, 23}, 0},
        MenuCase{"single notes", {20}, 1, 2, 20, 26, {25}, {10, 11, 26, 27}, 0},
        MenuCase{"scrolling notes again", {20, 21}, 2, 2, 21, 26, {}, {10, 11, 25, 26, 27}, 0},
        MenuCase{"guess words", {23}, 4, 2, 23, 26, {25, 27}, {10, 11}, 0},
        MenuCase{"learn and see after single notes", {20, 25}, 2, 1, 21, 25, {}, {}, 0},
        MenuCase{"examination after guess words", {23, 27}, 2, 0, 21, 27, {}, {}, 1},
        MenuCase{"practice keeps the ticked method", {20, 26}, 1, 2, 20, 26, {}, {}, 0},
        MenuCase{"stop in practice", {21, 12}, 0, 2, 21, 26, {}, {}, 0},
        MenuCase{"stop during the countdown", {21, 27, 12}, 0, 0, 21, 27, {}, {}, 0},
        MenuCase{"create exercise", {21, 11}, 0, 2, 21, 26, {10}, {}, 0},
        MenuCase{"a method after create exercise", {11, 20}, 1, 2, 20, 26, {}, {10}, 0}));

TEST_F(MenuCommands, StopDuringTheExaminationTicksPracticeAgain) {
    useLesson({"22|25|28"});
    menu(MDI::MENU_FLOATING);
    menu(MDI::MENU_COMPETITION);
    ticksFor(6500);
    ASSERT_EQ(Spiel::AktGrade, 3);
    menu(MDI::MENU_PAUSE);
    EXPECT_EQ(Spiel::AktGrade, 2);
    EXPECT_TRUE(checked(MDI::MENU_PRACTICE));
    EXPECT_FALSE(checked(MDI::MENU_COMPETITION));
    EXPECT_EQ(Spiel::SpielMode, 0);
}

TEST_F(MenuCommands, TwoHandLessonsRunScrollingNotesAndDisableWords) {
    useLesson({"22|25|143|146", 3, 1});
    EXPECT_EQ(Spiel::SpielMode, 2);
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
