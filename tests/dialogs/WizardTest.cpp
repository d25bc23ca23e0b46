// The lesson wizard in the whole program on the headless platform: the menu opens it,
// the learner walks from the first step to the last through its buttons, its canvas, a
// played MIDI key, the slider and the text fields, saves a two-handed lesson in E flat
// major, restarts the program and finds and runs the lesson in the book of their own.

#include <gtest/gtest.h>

#include <string>

#include "dialogs/LektionenAssistent.h"
#include "dialogs/LektionenBrowser.h"
#include "exercise/ExerciseFixture.h"
#include "lessons/LektionsBuch.h"
#include "notation/TextTyp.h"
#include "platform/Ui.h"
#include "sound/MIDI.h"

namespace {

using A = LektionenAssistent;
using B = LektionenBrowser;

class WizardTest : public ExerciseTest {
  protected:
    void run() { Programm::EventLoop(); }
    void cont() {
        ASSERT_TRUE(gui.click(A::Button[A::BUT_OK])) << "Continue at step " << A::AssiStep;
        run();
        tick();  // the canvas draws the new step, measuring its lines
    }
    void back() {
        ASSERT_TRUE(gui.click(A::Button[A::BUT_BACK]));
        run();
        tick();
    }
    void pressLine(int line) {
        ASSERT_TRUE(gui.pressCanvas(A::Canvas, 300, A::AssiText->GiveY(line)));
        run();
    }
    // A key of the choice keyboard: index k, white keys pressed low, black keys high.
    void pressKey(int k) {
        static const int kMitte[12] = {10, 19, 31, 41, 52, 73, 82, 94, 103, 115, 124, 136};
        const int p = k % 12;
        const bool black = p == 1 || p == 3 || p == 6 || p == 8 || p == 10;
        ASSERT_TRUE(
            gui.pressCanvas(A::Canvas, 120 + 147 * (k / 12) + kMitte[p], black ? 250 : 320));
        run();
    }
    bool wizardOpen() { return gui.isShown(A::Window); }
};

TEST_F(WizardTest, ATwoHandedLessonInEFlatMajorIsKeptInTheLearnersOwnBook) {
    menu(MDI::MENU_CREATE);
    run();
    tick();
    ASSERT_TRUE(wizardOpen());
    EXPECT_EQ(Ui::activeWindow(), A::Window);
    EXPECT_FALSE(gui.record(MDI::Window)->enabled) << "the wizard is modal";
    EXPECT_EQ(A::AssiStep, 0);
    EXPECT_EQ(gui.value(A::Progress), 1);

    cont();  // the key
    ASSERT_EQ(A::AssiStep, 1);
    pressLine(9);  // the empty line between F and G major
    EXPECT_EQ(A::AssiSelected, 3);
    pressLine(6);  // E flat major
    EXPECT_EQ(A::AssiTonart, 3);
    cont();  // accidentals: the flats of E flat major are marked
    ASSERT_EQ(A::AssiStep, 2);
    EXPECT_EQ(A::AssiBees, 1);
    pressLine(8);  // the key's own flats cannot be taken away
    EXPECT_EQ(A::AssiBees, 1);
    EXPECT_EQ(A::AssiKreuze, 0);
    cont();  // staves
    ASSERT_EQ(A::AssiStep, 3);
    pressLine(10);  // both
    cont();
    ASSERT_EQ(A::AssiStep, 10) << "bass notes of the scale";
    EXPECT_EQ(A::SchrittText().find('#'), std::string::npos) << "a flat key writes b";
    for (int k : {24, 26, 27}) pressKey(k);       // C, D and E flat below middle C
    MIDI::InMessages.push_back({9, 0, 41, 100});  // a played F (bass key 17)
    tick(20);
    EXPECT_EQ(A::AssiKlavier[17], 2) << "a played key chooses it";
    EXPECT_EQ(A::AssiKlavier[25], 0) << "C sharp is not in the scale";
    cont();
    ASSERT_EQ(A::AssiStep, 11) << "the bass flats";
    EXPECT_EQ(A::AktEditorVorzeichen, 2);
    cont();
    ASSERT_EQ(A::AssiStep, 14) << "treble notes of the scale";
    ASSERT_TRUE(gui.pressCanvas(A::Canvas, 60, 300));  // every offered key at once
    run();
    cont();
    ASSERT_EQ(A::AssiStep, 15) << "the treble flats";
    cont();
    ASSERT_EQ(A::AssiStep, 20) << "the preview";
    ASSERT_TRUE(A::WahlNoten_A);
    EXPECT_EQ(A::WahlNoten_A->Systeme, 3);
    cont();
    ASSERT_EQ(A::AssiStep, 22);
    pressLine(7);
    cont();
    ASSERT_EQ(A::AssiStep, 23);
    EXPECT_TRUE(gui.isShown(A::Panel));
    ASSERT_TRUE(gui.slide(A::Scroller, 90));
    run();
    EXPECT_NE(A::SchrittText().find("||90 "), std::string::npos) << A::SchrittText();
    EXPECT_NE(A::SchrittText().find("Sekunden"), std::string::npos) << A::SchrittText();
    cont();
    ASSERT_TRUE(gui.slide(A::Scroller, 42));
    run();
    EXPECT_NE(A::SchrittText().find("42"), std::string::npos);
    cont();
    cont();
    ASSERT_EQ(A::AssiStep, 26) << "4 bass and many treble notes: the hands are asked";
    EXPECT_FALSE(gui.isShown(A::Panel));
    pressLine(7);  // both hands
    cont();
    ASSERT_EQ(A::AssiStep, 30);
    back();
    EXPECT_EQ(A::AssiStep, 23) << "back from the level to the time";
    EXPECT_EQ(gui.value(A::Scroller), 60) << "the time slider starts afresh";
    ASSERT_TRUE(gui.slide(A::Scroller, 90));
    cont();
    ASSERT_TRUE(gui.slide(A::Scroller, 42));
    cont();
    cont();
    pressLine(7);
    cont();
    ASSERT_EQ(A::AssiStep, 30);
    pressLine(11);  // experienced musicians
    cont();
    ASSERT_EQ(A::AssiStep, 31);
    ASSERT_TRUE(gui.type(A::NameBox, "Es-Dur mit beiden Händen"));
    ASSERT_TRUE(gui.type(A::TextBox, "Links und rechts = zusammen\r"));
    run();
    EXPECT_EQ(gui.text(A::TextBox), "Links und rechts  zusammen") << "no equals sign, no Enter";
    cont();
    ASSERT_EQ(A::AssiStep, 38);
    EXPECT_FALSE(gui.isShown(A::NameBox));
    ::testing::internal::CaptureStdout();
    cont();
    ::testing::internal::GetCapturedStdout();
    ASSERT_EQ(A::AssiStep, 40);
    EXPECT_EQ(gui.value(A::Progress), 41);
    cont();
    EXPECT_FALSE(wizardOpen());
    EXPECT_TRUE(gui.record(MDI::Window)->enabled);

    // The lesson is in the working copy now, and in the learner's own book.
    const int nummer = FindeFreiINILektion() - 1;
    EXPECT_EQ(IniClass::Lesen(lessonFile(), lessonSection(nummer), "Name"),
              "Es-Dur mit beiden Händen");

    ::testing::internal::CaptureStdout();
    Programm::StartUp(gui);  // a restart replaces the working copy
    ::testing::internal::GetCapturedStdout();
    EXPECT_NE(IniClass::Lesen(lessonFile(), lessonSection(nummer), "Name"),
              "Es-Dur mit beiden Händen");

    menu(MDI::MENU_CHANGE);
    run();
    int eigenes = -1;
    for (int i = 0; i < gui.itemCount(B::ListBox); ++i)
        if (gui.itemData(B::ListBox, i) == std::to_string(kEigenesBuch)) eigenes = i;
    ASSERT_GE(eigenes, 0) << "the learner's own book is listed";
    EXPECT_EQ(gui.itemText(B::ListBox, eigenes), "• Eigene Übungen");
    ASSERT_TRUE(gui.choose(B::ListBox, eigenes));
    run();
    ASSERT_TRUE(gui.click(B::Button[B::BUT_OK]));
    run();
    ASSERT_EQ(B::ShowMode, B::SHOW_LEKTIONEN);
    ASSERT_EQ(gui.itemCount(B::ListBox), 1);
    EXPECT_EQ(gui.itemText(B::ListBox, 0), "• Es-Dur mit beiden Händen");
    ASSERT_TRUE(gui.choose(B::ListBox, 0));
    run();
    ASSERT_TRUE(gui.click(B::Button[B::BUT_OK]));
    run();
    ASSERT_TRUE(Lektion::AktLektion);
    EXPECT_EQ(Lektion::AktLektion->Name, "Es-Dur mit beiden Händen");
    EXPECT_EQ(Lektion::AktLektion->Tonart, 3);
    EXPECT_EQ(Lektion::AktLektion->AlsZweiHand, 1);
    EXPECT_EQ(Lektion::AktLektion->MaxIntervall, 7);
    EXPECT_EQ(Lektion::AktLektion->SpielZeit, 90);
    EXPECT_EQ(Lektion::AktLektion->MaxRichtig, 42);
    EXPECT_EQ(Lektion::AktLektion->Level, 4);
    EXPECT_EQ(Spiel::SpielMode, Spiel::LaufendeNoten) << "a two-handed lesson scrolls";
    EXPECT_NE(waitForNote(), nullptr) << "the exercise runs the lesson";

    ::testing::internal::CaptureStdout();
    Programm::StartUp(gui);  // the own book stays the current one across a restart
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(IniClass::Lesen(lessonFile(), "Lesen 1", "Name"), "Es-Dur mit beiden Händen");
}

TEST_F(WizardTest, BackFromAKeyboardStepDiscardsTheChosenNotes) {
    menu(MDI::MENU_CREATE);
    run();
    tick();
    for (int i = 0; i < 3; ++i) cont();
    ASSERT_EQ(A::AssiStep, 3);
    cont();  // treble only
    ASSERT_EQ(A::AssiStep, 14);
    pressKey(12);
    EXPECT_EQ(A::AssiKlavier[12], 2);
    back();
    EXPECT_EQ(A::AssiStep, 3);
    cont();
    EXPECT_EQ(A::AssiKlavier[12], 1) << "the keyboard starts afresh";
    cont();
    ASSERT_EQ(A::AssiStep, 20);
    cont();
    EXPECT_EQ(A::AssiStep, 20) << "no notes: the preview refuses to go on";
    ASSERT_TRUE(gui.clickCloseBox(A::Window));
    run();
    EXPECT_FALSE(wizardOpen());
    menu(MDI::MENU_CREATE);
    run();
    EXPECT_EQ(A::AssiStep, 0) << "the next opening starts at the beginning";
}

}  // namespace
