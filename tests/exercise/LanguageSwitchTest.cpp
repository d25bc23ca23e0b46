#include <gtest/gtest.h>

#include "exercise/ExerciseFixture.h"
#include "i18n/Sprache.h"

namespace {

struct SwitchCase {
    int slot;
    const char* headline;
    std::array<std::string, 3> counters;
    const char* openMenu;
};

class LanguageSwitch : public ExerciseTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(LanguageSwitch, RecaptionsMenusHeadlineAndCounters) {
    useLesson({"22|25|28"});
    menu(MDI::MENU_FLOATING);
    MDI::SwitchSprache(GetParam().slot);
    menu(MDI::MENU_FLOATING);
    tick();
    EXPECT_EQ(NotenFenster::HeadLine, GetParam().headline);
    EXPECT_EQ(Spiel::DigitalText, GetParam().counters);
    EXPECT_EQ(gui.shown(MDI::Menus[MDI::MENU_OPEN]), GetParam().openMenu + std::string(19, ' '));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageSwitch,
    ::testing::Values(SwitchCase{1,
                                 "Training: Welche Noten sind das?",
                                 {"Zeit", "Richtig", "Falsch"},
                                 "\u00dcbung ausw\u00e4hlen"},
                      SwitchCase{0,
                                 "Training: What notes are these?",
                                 {"Time", "Right", "Wrong"},
                                 "Select exercise"},
                      SwitchCase{5, "Phrase60", {"Time", "Right", "Wrong"}, "Select exercise"}));

}  // namespace
