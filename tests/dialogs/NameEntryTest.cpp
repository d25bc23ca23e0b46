// The name entry at every start and the mouse test that measures a learner's click time,
// driven through their gadgets on the headless platform.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/InputFenster.h"
#include "dialogs/QuestionFenster.h"
#include "exercise/ExerciseFixture.h"
#include "i18n/Sprache.h"
#include "platform/Ui.h"
#include "resultcode/Geheim.h"

namespace {
using I = InputFenster;
using Q = QuestionFenster;

class NameEntry : public ExerciseTest {
  protected:
    void SetUp() override {
        asksForName = true;
        ExerciseTest::SetUp();
        Geheim::Senden = [this](const std::string& server, const std::string& path,
                                const std::string& line) {
            reported.push_back(path + line);
            return 0;
        };
    }
    void run() { Programm::EventLoop(); }
    bool shown(Gadget* window) { return gui.isShown(window); }
    void storeMouseTime(const std::string& name, int time) {
        IniClass::Schreiben("", name, "MausZeit", std::to_string(time));
    }
    // Types the name into the field and confirms it with Return, as a learner does.
    void enterName(const std::string& name) {
        I::ShowAs(I::MODE_NAME);
        gui.setText(I::TextFeld, "");
        ASSERT_TRUE(gui.type(I::TextFeld, name + "\r"));
        run();
    }
    Gadget* buttonShowingHere() {
        for (Gadget* button : {Q::Button1, Q::Button2, Q::Button3})
            if (gui.text(button) == "{{HERE}}") return button;
        return nullptr;
    }
    // Clicks "{{HERE}}" `count` times, `gap` ms apart.
    void clickHere(int count, int gap) {
        for (int i = 0; i < count; ++i) {
            if (i > 0) clock.advance(gap);
            ASSERT_TRUE(gui.click(buttonShowingHere())) << "click " << i + 1;
            run();
        }
    }
    std::vector<std::string> reported;
    HeadlessGui nextStart;  // the platform of a second start, for tests that restart
};

TEST_F(NameEntry, OnlyNamesOfThreeOrMoreLettersAToZAreAccepted) {
    struct Case {
        std::string name;
        bool accepted;
        const char* what;
    };
    const Case cases[] = {
        {"Jo", false, "two letters are too few"},
        {"Anna", true, "four letters are accepted"},
        {"anna", true, "in small letters too"},
        {"ANNA", true, "and in capitals"},
        {"Ben", true, "three letters are enough"},
        {"Ann-Kathrin", false, "a hyphen is refused"},
        {"J\xc3\xb6rg", false, "an umlaut is refused"},
        {"Ben Li", false, "a blank is refused"},
        {"Ben2", false, "a digit is refused"},
        {"", false, "an empty field is refused"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        IniClass::Schreiben("", "Allgemein", "User", "Previous");
        storeMouseTime(c.name.empty() ? "Empty" : c.name, 300);
        enterName(c.name);
        EXPECT_EQ(!shown(I::Window), c.accepted) << "the window closes only for a good name";
        EXPECT_EQ(IniClass::Lesen("", "Allgemein", "User"), c.accepted ? c.name : "Previous");
        EXPECT_EQ(IstGueltigerVorname(c.name), c.accepted);
    }
}

TEST_F(NameEntry, TheFieldIsPrefilledWithTheLastNameAndTheRuleIsShownUnderIt) {
    IniClass::Schreiben("", "Allgemein", "User", "Clara");
    I::ShowAs(I::MODE_NAME);
    EXPECT_TRUE(shown(I::Window));
    EXPECT_FALSE(gui.record(MDI::Window)->enabled) << "the main window waits for the name";
    EXPECT_EQ(gui.text(I::TextFeld), "Clara");
    EXPECT_EQ(gui.text(I::Label), "{{Phrase58}}");
    EXPECT_TRUE(shown(I::Hinweis));
    EXPECT_EQ(gui.focusedGadget(), I::TextFeld) << "the learner can type at once";
    EXPECT_EQ(gui.defaultButton(I::Window), I::Button[I::BUT_OK]) << "Return presses Ready";
}

TEST_F(NameEntry, ALearnerWithAStoredTimeGoesStraightOnAndANewNameStartsTheMouseTest) {
    storeMouseTime("Clara", 420);
    enterName("Clara");
    EXPECT_FALSE(shown(I::Window));
    EXPECT_FALSE(shown(Q::Window));
    EXPECT_TRUE(gui.record(MDI::Window)->enabled);
    EXPECT_EQ(SpielFenster::MausZeit, 420) << "the piano's time credit is the learner's";

    enterName("Hannes");
    EXPECT_FALSE(shown(I::Window));
    EXPECT_TRUE(shown(Q::Window)) << "a learner never measured takes the mouse test";
    EXPECT_FALSE(gui.record(MDI::Window)->enabled);
    EXPECT_NE(buttonShowingHere(), nullptr);
}

TEST_F(NameEntry, HereNeverStaysOnTheSameButton) {
    Q::Show();
    Gadget* before = buttonShowingHere();
    std::vector<int> timesOn(4, 0);
    for (int i = 0; i < 300; ++i) {
        Q::ButtonZufall();
        Gadget* now = buttonShowingHere();
        ASSERT_NE(now, nullptr);
        ASSERT_NE(now, before) << "draw " << i;
        int shownOn = 0;
        for (Gadget* button : {Q::Button1, Q::Button2, Q::Button3})
            shownOn += gui.text(button) == "{{HERE}}";
        ASSERT_EQ(shownOn, 1) << "one button reads HERE, the others their letters";
        ++timesOn[Q::VorZufall];
        before = now;
    }
    for (int button = 1; button <= 3; ++button) EXPECT_GT(timesOn[button], 50) << button;
}

TEST_F(NameEntry, ElevenClicksOneSecondApartGiveFiveHundredAndAreStoredAndReported) {
    IniClass::Schreiben("", "Allgemein", "User", "Hannes");
    Q::Show();
    clickHere(10, 1000);
    EXPECT_TRUE(shown(Q::Window)) << "ten clicks are not yet a test";
    clock.advance(1000);
    ASSERT_TRUE(gui.click(buttonShowingHere()));
    run();
    EXPECT_FALSE(shown(Q::Window));
    EXPECT_EQ(SpielFenster::MausZeit, 500);
    EXPECT_EQ(IniClass::Value("", "Hannes", "MausZeit"), 500);
    EXPECT_EQ(reported, std::vector<std::string>{"/code/code.php?code=MAUS||Hannes|500"});
    EXPECT_EQ(Q::Oft, 0) << "the next test starts from the start";
}

TEST_F(NameEntry, ClicksOnTheOtherButtonsAreNotCounted) {
    IniClass::Schreiben("", "Allgemein", "User", "Hannes");
    Q::Show();
    for (int i = 0; i < 11; ++i) {
        Gadget* here = buttonShowingHere();
        for (Gadget* button : {Q::Button1, Q::Button2, Q::Button3})
            if (button != here) ASSERT_TRUE(gui.click(button));
        run();
        clock.advance(700);
        ASSERT_EQ(buttonShowingHere(), here) << "a wrong click moves nothing";
        ASSERT_TRUE(gui.click(here));
        run();
        clock.advance(300);
    }
    EXPECT_FALSE(shown(Q::Window)) << "eleven counted clicks end the test";
    EXPECT_EQ(SpielFenster::MausZeit, (10 * 1000) / 20)
        << "timed from the first counted click to the last";
}

TEST_F(NameEntry, AStoredTimeOnlyImprovesUnlessItIsBelowNinetyNine) {
    struct Case {
        int stored, measured, kept;
        const char* what;
    };
    const Case cases[] = {
        {450, 420, 420, "a faster time replaces a slower one"},
        {450, 480, 450, "a slower time does not"},
        {60, 480, 480, "a stored time below 99 is always replaced"},
        {0, 500, 500, "a first time is stored"},
        {99, 120, 99, "99 itself counts as a real time"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        IniClass::Schreiben("", "Allgemein", "User", "Mara");
        storeMouseTime("Mara", c.stored);
        Q::Show();
        clickHere(QuestionFenster::KLICKS, c.measured * 20 / 10);
        EXPECT_EQ(SpielFenster::MausZeit, c.measured) << "the time just measured counts now";
        EXPECT_EQ(IniClass::Value("", "Mara", "MausZeit"), c.kept);
        EXPECT_EQ(ErsetztGespeicherteMausZeit(c.stored, c.measured), c.kept == c.measured);
    }
}

TEST_F(NameEntry, TheCodeModeAsksForTheCodeWithAnEmptyFieldAndPassesItInCapitals) {
    std::vector<std::string> codes;
    static std::vector<std::string>* received = nullptr;
    received = &codes;
    I::CheckCode = [](const std::string& code) { received->push_back(code); };
    IniClass::Schreiben("", "Allgemein", "User", "Clara");
    menu(MDI::MENU_CODE);
    EXPECT_TRUE(shown(I::Window));
    EXPECT_EQ(gui.text(I::Label), "{{Phrase59}}");
    EXPECT_EQ(gui.text(I::TextFeld), "");
    EXPECT_FALSE(shown(I::Hinweis)) << "the name rule is no help for a code";
    ASSERT_TRUE(gui.type(I::TextFeld, "abcd-efgh\r"));
    run();
    EXPECT_EQ(codes, std::vector<std::string>{"ABCD-EFGH"});
    EXPECT_EQ(IniClass::Lesen("", "Allgemein", "User"), "Clara") << "a code is no name";
}

TEST_F(NameEntry, TheMenuOpensTheNameEntryAndTheMouseTest) {
    menu(MDI::MENU_NAME);
    EXPECT_TRUE(shown(I::Window));
    enterName("Clara");
    menu(MDI::MENU_MAUSTEST);
    EXPECT_TRUE(shown(Q::Window));
    EXPECT_NE(buttonShowingHere(), nullptr);
}

TEST_F(NameEntry, EnglishScreensSayHereOnTheButton) {
    MDI::SwitchSprache(0);
    Q::Show();
    EXPECT_EQ(gui.shown(buttonShowingHere()), "HERE");
    MDI::SwitchSprache(1);
    EXPECT_EQ(gui.shown(buttonShowingHere()), "HIER");
}

// [GIVEN] a fresh start, [WHEN] a new learner names herself and takes the mouse test with
// the clock in the test's hand, [THEN] the next start prefills her name and skips the test.
TEST_F(NameEntry, ANewLearnerIsMeasuredOnceAndRecognisedAtTheNextStart) {
    EXPECT_FALSE(shown(I::Window)) << "the name entry waits for the first frame";
    tick();
    ASSERT_TRUE(shown(I::Window)) << "the name entry opens over the first frame";
    EXPECT_EQ(gui.focusedGadget(), I::TextFeld);

    gui.setText(I::TextFeld, "");
    ASSERT_TRUE(gui.type(I::TextFeld, "Greta\r"));
    run();
    ASSERT_TRUE(shown(Q::Window));
    clickHere(QuestionFenster::KLICKS, 800);
    EXPECT_FALSE(shown(Q::Window));
    EXPECT_TRUE(gui.record(MDI::Window)->enabled);
    EXPECT_EQ(IniClass::Value("", "Greta", "MausZeit"), 400);

    ::testing::internal::CaptureStdout();
    Programm::StartUp(nextStart);
    ::testing::internal::GetCapturedStdout();
    tick();
    ASSERT_TRUE(nextStart.isShown(I::Window));
    EXPECT_EQ(nextStart.text(I::TextFeld), "Greta");
    EXPECT_EQ(SpielFenster::MausZeit, 400) << "read at start for the last learner";
    ASSERT_TRUE(nextStart.type(I::TextFeld, "\r"));
    run();
    EXPECT_FALSE(nextStart.isShown(I::Window));
    EXPECT_FALSE(nextStart.isShown(Q::Window)) << "a measured learner is not tested again";
}

}  // namespace
