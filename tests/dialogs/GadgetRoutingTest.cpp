// A dialog's gadgets in the whole program on the headless platform: what reaches the
// dialog's Event, modal opening and closing, typing through a key filter, the HTML view.

#include <gtest/gtest.h>

#include <vector>

#include "dialogs/Dialog.h"
#include "exercise/ExerciseFixture.h"
#include "platform/Image.h"
#include "platform/Ui.h"

namespace {

// A dialog of the test's own, built like every dialog: gadgets in an array indexed by
// constants, an Event that the event loop calls.
struct ProbeDialog {
    static constexpr int BUT_OK = 0, TEXT_NAME = 1, LIST_LESSONS = 2, PAN_PICTURE = 3,
                         CHECK_SOUND = 4, VIEW = 5;
    static Gadget* Window;
    static std::array<Gadget*, 6> Gadgets;
    static std::vector<Gadget*> Received;
    static std::vector<::Event> ReceivedEvents;

    static void FormLoad() {
        Gui& gui = *Ui::gui;
        Window =
            gui.createWindow("{{Probe}}", 100, 100, 400, 300, nullptr,
                             WindowStyle::TitleBar | WindowStyle::ToolWindow | WindowStyle::Hidden);
        Gadgets[BUT_OK] = gui.createGadget(GadgetClass::Button, 300, 270, 80, 24, Window, "{{OK}}",
                                           GadgetStyle::Default);
        Gadgets[TEXT_NAME] = gui.createGadget(GadgetClass::TextField, 10, 10, 200, 30, Window);
        gui.setKeyFilter(Gadgets[TEXT_NAME], [](int keyCode, int character) {
            return character != '=';  // an equals sign never reaches the field
        });
        Gadgets[LIST_LESSONS] = gui.createGadget(GadgetClass::ListBox, 10, 50, 200, 100, Window);
        gui.addItem(Gadgets[LIST_LESSONS], "One", "1");
        gui.addItem(Gadgets[LIST_LESSONS], "Seven", "7");
        Gadgets[PAN_PICTURE] = gui.createGadget(GadgetClass::Panel, 220, 50, 100, 100, Window);
        Gadgets[CHECK_SOUND] =
            gui.createGadget(GadgetClass::CheckBox, 10, 160, 100, 24, Window, "{{Key sound on}}");
        Gadgets[VIEW] = gui.createGadget(GadgetClass::HtmlView, 10, 190, 300, 70, Window);
        RegistriereDialog(&Window, Event);
    }
    static void Event(Gadget* source) {
        Received.push_back(source);
        ReceivedEvents.push_back(Programm::AktuellesEvent);
    }
};
Gadget* ProbeDialog::Window = nullptr;
std::array<Gadget*, 6> ProbeDialog::Gadgets{};
std::vector<Gadget*> ProbeDialog::Received;
std::vector<::Event> ProbeDialog::ReceivedEvents;
using P = ProbeDialog;

class DialogGadgets : public ExerciseTest {
  protected:
    void SetUp() override {
        ExerciseTest::SetUp();
        P::Received.clear();
        P::ReceivedEvents.clear();
        P::FormLoad();
    }
    void run() { Programm::EventLoop(); }
    Gadget* gadget(int constant) { return P::Gadgets[constant]; }
};

TEST_F(DialogGadgets, AClickReachesTheDialogWithItsGadgetAsSource) {
    ZeigeModal(P::Window);
    EXPECT_FALSE(gui.record(MDI::Window)->enabled) << "a dialog is modal";
    ASSERT_TRUE(gui.click(gadget(P::CHECK_SOUND)));
    ASSERT_TRUE(gui.click(gadget(P::BUT_OK)));
    run();
    ASSERT_EQ(P::Received.size(), 2u);
    EXPECT_EQ(P::Received[0], gadget(P::CHECK_SOUND));
    EXPECT_EQ(gui.value(gadget(P::CHECK_SOUND)), 1);
    EXPECT_EQ(P::Received[1], gadget(P::BUT_OK));
}

TEST_F(DialogGadgets, AGadgetActionWhileTheMainWindowHoldsTheFocusGoesNowhere) {
    ZeigeModal(P::Window);
    gui.activate(MDI::Canvas);
    gui.postEvent({EventId::GadgetAction, gadget(P::BUT_OK)});
    run();
    EXPECT_TRUE(P::Received.empty());
}

TEST_F(DialogGadgets, HiddenOrDisabledGadgetsCannotBeReached) {
    EXPECT_FALSE(gui.click(gadget(P::BUT_OK))) << "the window is still hidden";
    ZeigeModal(P::Window);
    gui.setEnabled(gadget(P::BUT_OK), false);
    EXPECT_FALSE(gui.click(gadget(P::BUT_OK)));
    gui.setEnabled(gadget(P::BUT_OK), true);
    gui.setVisible(gadget(P::BUT_OK), false);
    EXPECT_FALSE(gui.click(gadget(P::BUT_OK)));
    run();
    EXPECT_TRUE(P::Received.empty());
}

TEST_F(DialogGadgets, TheCloseBoxHidesTheDialogAndGivesTheMainWindowBack) {
    ZeigeModal(P::Window);
    ASSERT_TRUE(gui.clickCloseBox(P::Window));
    run();
    EXPECT_FALSE(gui.isShown(P::Window));
    EXPECT_TRUE(gui.record(MDI::Window)->enabled);
    EXPECT_EQ(gui.focusedGadget(), MDI::Canvas);
    EXPECT_TRUE(P::Received.empty()) << "closing is no gadget action";
}

TEST_F(DialogGadgets, SchliesseDialogClosesAsTheCloseBoxDoes) {
    ZeigeModal(P::Window);
    SchliesseDialog(P::Window);
    run();
    EXPECT_FALSE(gui.isShown(P::Window));
    EXPECT_TRUE(gui.record(MDI::Window)->enabled);
}

TEST_F(DialogGadgets, TypingGoesThroughTheKeyFilterAndReturnPressesTheDefaultButton) {
    ZeigeModal(P::Window);
    ASSERT_TRUE(gui.type(gadget(P::TEXT_NAME), "An=na\n"));
    EXPECT_EQ(gui.text(gadget(P::TEXT_NAME)), "Anna");
    run();
    ASSERT_EQ(P::Received.size(), 1u);
    EXPECT_EQ(P::Received[0], gadget(P::BUT_OK));
}

TEST_F(DialogGadgets, AListSelectionAndAPanelPressReachTheDialogOfTheirWindow) {
    ZeigeModal(P::Window);
    ASSERT_TRUE(gui.choose(gadget(P::LIST_LESSONS), 1));
    ASSERT_TRUE(gui.pressPanel(gadget(P::PAN_PICTURE), 40, 25));
    run();
    ASSERT_EQ(P::Received.size(), 2u);
    EXPECT_EQ(P::ReceivedEvents[0].id, EventId::GadgetSelect);
    EXPECT_EQ(gui.itemData(gadget(P::LIST_LESSONS), gui.value(gadget(P::LIST_LESSONS))), "7");
    EXPECT_EQ(P::Received[1], gadget(P::PAN_PICTURE));
    EXPECT_EQ(P::ReceivedEvents[1].id, EventId::MouseDown);
    EXPECT_EQ(P::ReceivedEvents[1].x, 40);
    EXPECT_EQ(P::ReceivedEvents[1].y, 25);
}

TEST_F(DialogGadgets, TheHtmlViewKeepsItsHistoryAndFollowsOnlyAllowedLinks) {
    writeFile(AppPfad + "one.html", "<a href=\"#end\">end</a><a name=\"end\"></a>");
    writeFile(AppPfad + "two.html", "<p>two</p>");
    Gadget* view = gadget(P::VIEW);
    EXPECT_FALSE(gui.loadFile(view, AppPfad + "missing.html"));
    ASSERT_TRUE(gui.loadFile(view, AppPfad + "one.html"));
    EXPECT_NE(gui.record(view)->pageText.find("href"), std::string::npos);
    ASSERT_TRUE(gui.clickLink(view, "#end"));
    EXPECT_EQ(gui.currentPage(view), AppPfad + "one.html#end");
    ASSERT_TRUE(gui.clickLink(view, "two.html"));
    gui.goBack(view);
    gui.goBack(view);
    EXPECT_EQ(gui.currentPage(view), AppPfad + "one.html");
    gui.goForward(view);
    gui.setFollowLinks(view, false);
    EXPECT_FALSE(gui.clickLink(view, "two.html"));
    EXPECT_EQ(gui.currentPage(view), AppPfad + "one.html#end");
}

}  // namespace

namespace {
TEST_F(DialogGadgets, HeadlessRadioGroupsSlidersAndToolbarsBehaveAsOnTheScreen) {
    Gui& g = gui;
    Gadget* group = g.createGadget(GadgetClass::Panel, 0, 0, 200, 80, P::Window, "{{Instrument}}");
    Gadget* other = g.createGadget(GadgetClass::Panel, 0, 90, 200, 40, P::Window);
    Gadget* piano = g.createGadget(GadgetClass::RadioButton, 5, 5, 150, 24, group, "{{Piano}}");
    Gadget* guitar = g.createGadget(GadgetClass::RadioButton, 5, 30, 150, 24, group, "{{Guitar}}");
    Gadget* alone = g.createGadget(GadgetClass::RadioButton, 5, 5, 150, 24, other, "{{Alone}}");
    Gadget* slider = g.createGadget(GadgetClass::Slider, 0, 140, 200, 24, P::Window);
    Gadget* toolbar = g.createGadget(GadgetClass::Toolbar, 0, 170, 200, 40, P::Window);
    std::vector<uint8_t> rgba(4 * 16 * 16 * 4, 255);
    auto strip = Image::fromPixels(64, 16, rgba, "strip");
    strip->cutIntoCells(16, 16, 4);
    g.setPicture(toolbar, strip);
    g.setRange(slider, 30, 180);
    ZeigeModal(P::Window);
    gui.click(piano);
    gui.click(alone);
    gui.click(guitar);
    EXPECT_EQ(g.value(piano), 0) << "one of a group is ticked";
    EXPECT_EQ(g.value(guitar), 1);
    EXPECT_EQ(g.value(alone), 1) << "another panel is another group";
    EXPECT_EQ(gui.findByCaption(P::Window, "{{Guitar}}"), guitar);
    ASSERT_TRUE(gui.slide(slider, 500));
    EXPECT_EQ(g.value(slider), 180);
    EXPECT_FALSE(gui.clickIcon(toolbar, 4)) << "the strip has four icons";
    ASSERT_TRUE(gui.clickIcon(toolbar, 3));
    run();
    ASSERT_EQ(P::Received.size(), 5u);
    EXPECT_EQ(P::Received.back(), toolbar);
    EXPECT_EQ(P::ReceivedEvents.back().data, 3);
    EXPECT_EQ(g.value(toolbar), 3);
}
}  // namespace
