#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/MDI.h"
#include "app/Programm.h"
#include "data/Daten.h"
#include "input/KlavierTyp.h"
#include "input/TastaturEingabe.h"
#include "platform/HeadlessGui.h"
#include "platform/Ui.h"
#include "settings/IniClass.h"
#include "state/Maus.h"
#include "support/TestSupport.h"

namespace {

class Program : public FreshProgramTest {
  protected:
    void SetUp() override {
        FreshProgramTest::SetUp();
        gui.desktop = {0, 0, 1920, 1080};
    }
    void startUp() {
        ::testing::internal::CaptureStdout();
        Programm::StartUp(gui);
        ::testing::internal::GetCapturedStdout();
    }
    void post(EventId id, int data = 0, int x = 0, int y = 0, Gadget* source = nullptr) {
        Programm::HandleEvent({id, source, data, x, y});
    }
    GadgetShape windowShape() { return gui.shape(MDI::Window); }
    HeadlessGui gui;
};

TEST_F(Program, StartsWithTheMainWindowTheSettingsAndTheTicks) {
    IniClass::Schreiben("", "Allgemein", "Sprache", "0");
    IniClass::SetzeStartwerte();
    startUp();
    IniClass::UpdateIniFile("");
    EXPECT_EQ(IniClass::Lesen("", "Allgemein", "Sprache"), "0");  // the learner's choice stays
    EXPECT_FALSE(IniClass::Lesen("", "Allgemein", "LastStart").empty());
    GadgetShape shape = windowShape();
    EXPECT_EQ(shape.width, 1120);
    EXPECT_EQ(shape.height, 700);
    EXPECT_EQ(shape.x, 1920 - 1120 - 50);
    EXPECT_EQ(shape.y, 100);
    EXPECT_EQ(gui.shape(MDI::Canvas).width, 1120);
    EXPECT_EQ(gui.ticksPerSecond, 60);
    EXPECT_EQ(gui.focusedGadget(), MDI::Canvas);
    EXPECT_TRUE(std::filesystem::exists(AppPfad + "Lektionen.ini"));
    EXPECT_TRUE(ArialNormal);
}

TEST_F(Program, EveryTickClearsTheCanvasAndShowsIt) {
    startUp();
    auto* canvas = HeadlessGui::record(MDI::Canvas)->canvas.get();
    int shown = canvas->framesShown;
    post(EventId::TimerTick);
    post(EventId::TimerTick);
    EXPECT_EQ(canvas->framesShown, shown + 2);
    ASSERT_FALSE(canvas->calls.empty());
    EXPECT_EQ(canvas->calls.front().kind, DrawCall::Clear);
    EXPECT_EQ(canvas->calls.front().state.colour, (Colour{44, 55, 88}));
}

TEST_F(Program, MenusAreBuiltWithDictationAndTheHeadingDisabled) {
    startUp();
    ASSERT_NE(gui.menuWithTag(MDI::MENU_DICTATION), nullptr);
    EXPECT_FALSE(gui.isMenuEnabled(MDI::Menus[MDI::MENU_DICTATION]));
    EXPECT_FALSE(gui.isMenuEnabled(MDI::Menus[MDI::MENU_EXERCISE]));
    EXPECT_TRUE(gui.isMenuEnabled(MDI::Menus[MDI::MENU_SINGLE]));
    EXPECT_EQ(gui.menuWithTag(MDI::MENU_OPEN)->title, "{{Select exercise}}" + std::string(19, ' '));
}

struct ResizeCase {
    const char* what;
    int desktopHeight;
    int width, height;  // the size the learner made
    int expectedX, expectedY, expectedWidth, expectedHeight;
};

class ResizeRule : public Program, public ::testing::WithParamInterface<ResizeCase> {};

TEST_P(ResizeRule, KeepsTheWindowLargeEnough) {
    const ResizeCase& c = GetParam();
    startUp();
    gui.desktop.height = c.desktopHeight;
    gui.setShape(MDI::Window, 300, 200, c.width, c.height);
    post(EventId::WindowSize, 0, 0, 0, MDI::Window);
    GadgetShape shape = windowShape();
    EXPECT_EQ(shape.x, c.expectedX) << c.what;
    EXPECT_EQ(shape.y, c.expectedY) << c.what;
    EXPECT_EQ(shape.width, c.expectedWidth) << c.what;
    EXPECT_EQ(shape.height, c.expectedHeight) << c.what;
    EXPECT_EQ(gui.shape(MDI::Canvas).width, c.expectedWidth);
    EXPECT_EQ(gui.shape(MDI::Canvas).height, c.expectedHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResizeRule,
    ::testing::Values(ResizeCase{"made too small", 1080, 800, 500, 300, 200, 990, 700},
                      ResizeCase{"made larger", 1080, 1300, 900, 300, 200, 1300, 900},
                      ResizeCase{"low desktop", 760, 1120, 700, 50, 50, 1120, 660},
                      ResizeCase{"narrow and low desktop", 760, 900, 700, 50, 50, 990, 660}));

TEST_F(Program, MovablePartsAreKeptInsideTheWindow) {
    startUp();
    ASSERT_GT(KlavierTyp::TastaturB, 0);
    // The keyboard picture stands 106 pixels (scaled) left of the keys' origin and one
    // above it, 198 high (scaled).
    auto left = [] { return KlavierTyp::TastaturX - 106 * KlavierTyp::Scale; };
    auto right = [&] { return left() + KlavierTyp::TastaturB * KlavierTyp::Scale; };
    auto bottom = [] { return KlavierTyp::TastaturY - 1 + 198 * KlavierTyp::Scale; };
    KlavierTyp::TastaturX = 3;
    KlavierTyp::TastaturY = 900;
    gui.setShape(MDI::Window, 0, 0, 1000, 700);
    post(EventId::WindowSize, 0, 0, 0, MDI::Window);
    EXPECT_FLOAT_EQ(KlavierTyp::Scale, std::min(1.0f, 999.0f / KlavierTyp::TastaturB));
    EXPECT_GE(left(), 0);
    EXPECT_LE(right(), 1000);
    EXPECT_GE(KlavierTyp::TastaturY - 1, 0);
    EXPECT_LE(bottom(), 700);
    EXPECT_GT(bottom(), 700 - 2) << "moved up no further than needed";
    KlavierTyp::TastaturX = 1500;
    post(EventId::WindowSize, 0, 0, 0, MDI::Window);
    EXPECT_LE(right(), 1000);
    EXPECT_GT(right(), 1000 - 2) << "moved left no further than needed";
}

struct KeyUpCase {
    int key;
    int kreuzAfter, beeAfter;
};

class KeyUp : public Program, public ::testing::WithParamInterface<KeyUpCase> {};

TEST_P(KeyUp, ClearsOnlyItsOwnModifier) {
    startUp();
    TastaturEingabe::MitKreuz = 1;
    TastaturEingabe::MitBee = 1;
    post(EventId::KeyUp, GetParam().key);
    EXPECT_EQ(TastaturEingabe::MitKreuz, GetParam().kreuzAfter);
    EXPECT_EQ(TastaturEingabe::MitBee, GetParam().beeAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, KeyUp,
                         ::testing::Values(KeyUpCase{Key::Down, 1, 0}, KeyUpCase{Key::Up, 0, 1},
                                           KeyUpCase{Key::LetterA, 1, 1},
                                           KeyUpCase{Key::Left, 1, 1}));

TEST_F(Program, MouseEventsKeepTheSharedMouseState) {
    startUp();
    post(EventId::MouseMove, 0, 123, 456);
    EXPECT_EQ(Maus::MausX, 123);
    EXPECT_EQ(Maus::MausY, 456);
    post(EventId::MouseDown, 1);
    post(EventId::MouseDown, 2);
    EXPECT_EQ(Maus::MausLinks, 1);
    EXPECT_EQ(Maus::MausRechts, 1);
    post(EventId::TimerTick);
    Maus::DragWer = Maus::Tastenfeld;
    post(EventId::MouseUp, 1);
    EXPECT_EQ(Maus::MausLinks, 0);
    EXPECT_EQ(Maus::MausRechts, 1);
    EXPECT_EQ(Maus::DragWer, Maus::Keiner);
    post(EventId::MouseUp, 2);
    EXPECT_EQ(Maus::MausRechts, 0);
}

TEST_F(Program, AQuickClickIsSeenByOneTick) {
    startUp();
    post(EventId::MouseDown, 1);
    post(EventId::MouseUp, 1);
    EXPECT_EQ(Maus::MausLinks, 1) << "released only after a tick has seen the press";
    post(EventId::TimerTick);
    EXPECT_EQ(Maus::MausLinks, 0);
    post(EventId::MouseDown, 1);
    post(EventId::TimerTick);
    post(EventId::MouseUp, 1);
    EXPECT_EQ(Maus::MausLinks, 0) << "a press a tick has seen is released at once";
}

Gadget* lastDialogSource = nullptr;
int dialogEvents = 0;
void recordDialogEvent(Gadget* source) {
    lastDialogSource = source;
    ++dialogEvents;
}

TEST_F(Program, GadgetActionsReachADialogOnlyWhileItHoldsTheFocus) {
    startUp();
    static Gadget* dialogWindow = nullptr;
    dialogWindow = gui.createWindow("Dialog", 0, 0, 300, 200, MDI::Window, 0);
    Gadget* button = gui.createCanvas(10, 10, 50, 20, dialogWindow);
    RegistriereDialog(&dialogWindow, recordDialogEvent);
    dialogEvents = 0;

    gui.activate(MDI::Canvas);
    post(EventId::GadgetAction, 0, 0, 0, button);
    EXPECT_EQ(dialogEvents, 0);

    gui.activate(button);
    EXPECT_EQ(AktivesFenster(), dialogWindow);
    post(EventId::GadgetAction, 0, 0, 0, button);
    EXPECT_EQ(dialogEvents, 1);
    EXPECT_EQ(lastDialogSource, button);
}

TEST_F(Program, ClosingADialogReturnsToTheMainWindow) {
    startUp();
    Gadget* dialog = gui.createWindow("Dialog", 0, 0, 300, 200, MDI::Window, 0);
    gui.setEnabled(MDI::Window, false);
    gui.activate(dialog);
    post(EventId::WindowClose, 0, 0, 0, dialog);
    EXPECT_FALSE(HeadlessGui::record(dialog)->visible);
    EXPECT_TRUE(HeadlessGui::record(MDI::Window)->enabled);
    EXPECT_EQ(gui.focusedGadget(), MDI::Canvas);
    EXPECT_FALSE(Programm::Beendet);
}

struct ShutdownCase {
    const char* what;
    EventId id;
    int data;
    bool fromMainWindow;
};

class Shutdown : public Program, public ::testing::WithParamInterface<ShutdownCase> {};

TEST_P(Shutdown, FreesTheCanvasAndEndsTheLoop) {
    startUp();
    gui.postEvent({EventId::TimerTick});
    gui.postEvent(
        {GetParam().id, GetParam().fromMainWindow ? MDI::Window : nullptr, GetParam().data});
    gui.postEvent({EventId::TimerTick});
    ::testing::internal::CaptureStdout();
    Programm::EventLoop();
    ::testing::internal::GetCapturedStdout();
    EXPECT_TRUE(Programm::Beendet) << GetParam().what;
    EXPECT_EQ(MDI::Canvas, nullptr);
    EXPECT_EQ(gui.queue.size(), 1u) << "the loop stops at once";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Shutdown,
    ::testing::Values(ShutdownCase{"closing the main window", EventId::WindowClose, 0, true},
                      ShutdownCase{"Exit", EventId::MenuAction, MDI::MENU_EXIT, false},
                      ShutdownCase{"the system asks", EventId::AppTerminate, 0, false}));

TEST_F(Program, UnhandledEventsAreDropped) {
    startUp();
    for (EventId id : {EventId::KeyChar, EventId::KeyRepeat, EventId::MouseWheel,
                       EventId::MouseEnter, EventId::MouseLeave, EventId::GadgetSelect})
        post(id, 65, 1, 1);
    EXPECT_EQ(Maus::MausX, 0);
    EXPECT_EQ(TastaturEingabe::MitKreuz, 0);
    EXPECT_FALSE(Programm::Beendet);
}

}  // namespace

namespace {

class Languages : public Program {};

TEST_F(Languages, MenusFollowTheLanguage) {
    startUp();
    Gadget* open = MDI::Menus[MDI::MENU_OPEN];
    const std::string padding(19, ' ');
    EXPECT_EQ(gui.shown(open), "\u00dcbung ausw\u00e4hlen" + padding);
    EXPECT_EQ(gui.shown(MDI::Menus[MDI::MENU_NAME]), "Vorname eingeben");
    int before = gui.relocalizations;

    MDI::SwitchSprache(0);
    EXPECT_EQ(gui.shown(open), "Select exercise" + padding);
    EXPECT_EQ(gui.shown(MDI::Menus[MDI::MENU_FILE]), "Start   ");
    EXPECT_GT(gui.relocalizations, before);

    MDI::SwitchSprache(5);  // an empty slot shows the keys
    EXPECT_EQ(gui.shown(MDI::Menus[MDI::MENU_PRACTICE]), "2. Practice");
    EXPECT_EQ(gui.shown(MDI::Menus[MDI::MENU_INTERNET]), "Homepage Corvello");

    MDI::SwitchSprache(1);
    EXPECT_EQ(gui.shown(MDI::Menus[MDI::MENU_PRACTICE]), "2. Training");
}

}  // namespace
