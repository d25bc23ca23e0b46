// The gadgets on real Qt widgets: what the user's acts post, what the program's own
// changes do not post, the key filter, the default button and the HTML view's history.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/Image.h"
#include "platform/QtPlatform.h"

namespace {

class QtGadgets : public ::testing::Test {
  protected:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "platform_tests";
        static char* argv[] = {name, nullptr};
        gui = makeQtGui(argc, argv);
        window = gui->createWindow("Dialog", 0, 0, 400, 300, nullptr, WindowStyle::TitleBar);
        folder = std::filesystem::temp_directory_path() /
                 ("lesmora-gadgets-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    // Lets Qt deliver what is pending, then takes every event the program would see
    // (but the window's own size reports).
    std::vector<Event> posted() {
        QApplication::processEvents();
        gui->postEvent({EventId::None});  // a marker: waitEvent must not block
        std::vector<Event> events;
        Event event;
        while (gui->waitEvent(event) && event.id != EventId::None)
            if (event.id != EventId::WindowSize) events.push_back(event);
        return events;
    }
    template <class W>
    W* widgetOf() {
        for (QWidget* widget : QApplication::allWidgets())
            if (auto* found = qobject_cast<W*>(widget)) return found;
        return nullptr;
    }
    std::string writePage(const std::string& name, const std::string& html) {
        std::ofstream(folder / name) << html;
        return (folder / name).string();
    }
    void pressKey(QWidget* widget, Qt::Key key, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(widget, &press);
    }

    std::unique_ptr<Gui> gui;
    Gadget* window = nullptr;
    std::filesystem::path folder;
};

TEST_F(QtGadgets, AUserClickPostsTheActionWithItsGadgetAndTheProgramsOwnChangesPostNothing) {
    Gadget* button = gui->createGadget(GadgetClass::Button, 10, 10, 100, 24, window, "OK");
    Gadget* box = gui->createGadget(GadgetClass::CheckBox, 10, 40, 100, 24, window, "Sound");
    Gadget* slider = gui->createGadget(GadgetClass::Slider, 10, 70, 200, 24, window);
    gui->setRange(slider, 30, 180);
    gui->setValue(slider, 60);
    gui->setValue(box, 1);
    EXPECT_TRUE(posted().empty()) << "setValue is the program's own change";

    widgetOf<QPushButton>()->click();
    widgetOf<QCheckBox>()->click();
    auto events = posted();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].id, EventId::GadgetAction);
    EXPECT_EQ(events[0].source, button);
    EXPECT_EQ(events[1].source, box);
    EXPECT_EQ(gui->value(box), 0) << "the click cleared the tick";
    EXPECT_EQ(gui->value(slider), 60);
    widgetOf<QSlider>()->setValue(90);  // as a drag would
    events = posted();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].source, slider);
    EXPECT_EQ(gui->value(slider), 90);
}

TEST_F(QtGadgets, RadioButtonsOfOnePanelAreOneGroupAndTheProgramCanClearThem) {
    Gadget* first = gui->createGadget(GadgetClass::Panel, 0, 0, 200, 100, window, "Staff");
    Gadget* second = gui->createGadget(GadgetClass::Panel, 200, 0, 200, 100, window);
    Gadget* violin = gui->createGadget(GadgetClass::RadioButton, 5, 20, 90, 24, first, "Violin");
    Gadget* bass = gui->createGadget(GadgetClass::RadioButton, 5, 45, 90, 24, first, "Bass");
    Gadget* other = gui->createGadget(GadgetClass::RadioButton, 5, 20, 90, 24, second, "Other");
    gui->setValue(violin, 1);
    gui->setValue(other, 1);
    gui->setValue(bass, 1);
    EXPECT_EQ(gui->value(violin), 0) << "the group's other radio button is cleared";
    EXPECT_EQ(gui->value(other), 1) << "another panel is another group";
    gui->setValue(bass, 0);
    EXPECT_EQ(gui->value(bass), 0);
    EXPECT_TRUE(posted().empty());
}

TEST_F(QtGadgets, ListItemsCarryTheirDataAndAUserSelectionPostsGadgetSelect) {
    Gadget* list = gui->createGadget(GadgetClass::ListBox, 0, 0, 200, 200, window);
    gui->addItem(list, "Lesson one", "1");
    gui->addItem(list, "Lesson seven", "7");
    gui->setValue(list, 0);
    EXPECT_TRUE(posted().empty());
    widgetOf<QListWidget>()->setCurrentRow(1);  // as a click would
    auto events = posted();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events[0].id, EventId::GadgetSelect);
    EXPECT_EQ(events[0].source, list);
    EXPECT_EQ(gui->value(list), 1);
    EXPECT_EQ(gui->itemData(list, gui->value(list)), "7");
    gui->clearItems(list);
    EXPECT_EQ(gui->itemCount(list), 0);
    EXPECT_EQ(gui->value(list), -1);
}

TEST_F(QtGadgets, ComboCaptionsAreTranslatedAndFollowALanguageChange) {
    std::string language = "en";
    gui->setTranslator([&](const std::string& text) {
        return text == "{{Yes}}" ? (language == "en" ? "Yes" : "Ja") : text;
    });
    Gadget* combo = gui->createGadget(GadgetClass::ComboBox, 0, 0, 200, 30, window);
    Gadget* label = gui->createGadget(GadgetClass::Label, 0, 40, 200, 30, window, "{{Yes}}");
    gui->addItem(combo, "{{Yes}}", "y");
    EXPECT_EQ(widgetOf<QComboBox>()->itemText(0), "Yes");
    language = "de";
    gui->relocalize();
    EXPECT_EQ(widgetOf<QComboBox>()->itemText(0), "Ja");
    EXPECT_EQ(gui->text(label), "{{Yes}}") << "text() gives the kept caption";
    EXPECT_EQ(gui->itemText(combo, 0), "{{Yes}}");
}

TEST_F(QtGadgets, TheKeyFilterDropsKeysAndReturnPressesTheDefaultButton) {
    Gadget* field = gui->createGadget(GadgetClass::TextField, 10, 10, 200, 30, window);
    Gadget* ready = gui->createGadget(GadgetClass::Button, 10, 50, 80, 24, window, "Ready",
                                      GadgetStyle::Default);
    gui->setKeyFilter(field, [](int keyCode, int character) { return character != '='; });
    auto* edit = widgetOf<QLineEdit>();
    pressKey(edit, Qt::Key_A, "a");
    pressKey(edit, Qt::Key_Equal, "=");
    pressKey(edit, Qt::Key_B, "b");
    EXPECT_EQ(gui->text(field), "ab");
    pressKey(edit, Qt::Key_Return, "\r");
    auto events = posted();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].id, EventId::GadgetAction);
    EXPECT_EQ(events[0].source, ready);
}

TEST_F(QtGadgets, TheCloseBoxPostsTheWindowsCloseEventAndLeavesItOpen) {
    gui->setVisible(window, true);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->windowTitle() == "Dialog") top->close();
    auto events = posted();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].id, EventId::WindowClose);
    EXPECT_EQ(events[0].source, window);
}

TEST_F(QtGadgets, AToolbarMakesOneIconPerCellAndReportsTheIconPressed) {
    std::vector<uint8_t> rgba(64 * 16 * 4, 200);
    auto strip = Image::fromPixels(64, 16, rgba, "strip");
    strip->cutIntoCells(16, 16, 4);
    Gadget* toolbar = gui->createGadget(GadgetClass::Toolbar, 0, 0, 200, 30, window);
    gui->setPicture(toolbar, strip);
    auto* bar = widgetOf<QToolBar>();
    ASSERT_EQ(bar->actions().size(), 4);
    EXPECT_EQ(gui->value(toolbar), -1);
    bar->actions()[2]->trigger();
    auto events = posted();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].id, EventId::GadgetAction);
    EXPECT_EQ(events[0].source, toolbar);
    EXPECT_EQ(events[0].data, 2);
    EXPECT_EQ(gui->value(toolbar), 2);
}

TEST_F(QtGadgets, APanelReportsPressesInItsOwnPixels) {
    Gadget* panel = gui->createGadget(GadgetClass::Panel, 50, 40, 200, 100, window);
    gui->setVisible(window, true);
    QWidget* widget = nullptr;
    for (QWidget* each : QApplication::allWidgets())
        if (each->geometry() == QRect(50, 40, 200, 100)) widget = each;
    ASSERT_TRUE(widget);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(12, 34),
                      widget->mapToGlobal(QPointF(12, 34)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    auto events = posted();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].id, EventId::MouseDown);
    EXPECT_EQ(events[0].source, panel);
    EXPECT_EQ(events[0].x, 12);
    EXPECT_EQ(events[0].y, 34);
}

TEST_F(QtGadgets, TheHtmlViewGoesBackFromAnInPageLinkToThePagesTop) {
    std::string filler;
    for (int i = 0; i < 200; ++i) filler += "<p>line " + std::to_string(i) + "</p>\n";
    std::string info = writePage("info.html", "<html><body><p>Info</p></body></html>");
    std::string manual =
        writePage("manual.html", "<html><body><a href=\"#settings\">Settings</a>" + filler +
                                     "<h2><a name=\"settings\"></a>Settings</h2>" + filler +
                                     "</body></html>");
    Gadget* view = gui->createGadget(GadgetClass::HtmlView, 5, 5, 300, 200, window);
    gui->setVisible(window, true);
    EXPECT_FALSE(gui->loadFile(view, (folder / "missing.html").string()));
    EXPECT_EQ(gui->currentPage(view), "");
    ASSERT_TRUE(gui->loadFile(view, info));
    ASSERT_TRUE(gui->loadFile(view, manual));
    auto* browser = widgetOf<QTextBrowser>();
    QApplication::processEvents();
    ASSERT_TRUE(gui->clickLink(view, "#settings"));
    QApplication::processEvents();
    EXPECT_EQ(gui->currentPage(view), manual + "#settings");
    EXPECT_GT(browser->verticalScrollBar()->value(), 0) << "the anchor lies further down";
    gui->goBack(view);
    QApplication::processEvents();
    EXPECT_EQ(gui->currentPage(view), manual);
    EXPECT_EQ(browser->verticalScrollBar()->value(), 0);
    gui->goBack(view);
    EXPECT_EQ(gui->currentPage(view), info);
    gui->goForward(view);
    EXPECT_EQ(gui->currentPage(view), manual);
}

TEST_F(QtGadgets, AViewThatRefusesLinksStaysOnItsPage) {
    std::string first = writePage("first.html", "<a href=\"second.html\">next</a>");
    writePage("second.html", "<p>second</p>");
    Gadget* view = gui->createGadget(GadgetClass::HtmlView, 5, 5, 300, 200, window);
    ASSERT_TRUE(gui->loadFile(view, first));
    gui->setFollowLinks(view, false);
    EXPECT_FALSE(gui->clickLink(view, "second.html"));
    EXPECT_EQ(gui->currentPage(view), first);
    gui->setFollowLinks(view, true);
    EXPECT_FALSE(gui->clickLink(view, "https://www.corvello.de/")) << "only local pages open";
    EXPECT_TRUE(gui->clickLink(view, "second.html"));
    EXPECT_EQ(gui->currentPage(view), (folder / "second.html").string());
}

TEST_F(QtGadgets, LoadingTheShownPageAgainShowsTheFileAsItIsNow) {
    std::string page = writePage("result.html", "<p>first result</p>");
    Gadget* view = gui->createGadget(GadgetClass::HtmlView, 5, 5, 300, 200, window);
    ASSERT_TRUE(gui->loadFile(view, page));
    writePage("result.html", "<p>second result</p>");
    ASSERT_TRUE(gui->loadFile(view, page));
    EXPECT_TRUE(widgetOf<QTextBrowser>()->toPlainText().contains("second result"));
}

}  // namespace

namespace {
TEST_F(QtGadgets, AWindowWithoutTitleBarIsFramelessAndOnlyAResizableOneResizes) {
    gui->createWindow("Input", 10, 10, 400, 180, nullptr, WindowStyle::Hidden);
    gui->createWindow("Main", 10, 10, 990, 700, nullptr,
                      WindowStyle::TitleBar | WindowStyle::Resizable | WindowStyle::Hidden);
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->windowTitle() == "Input") {
            EXPECT_TRUE(top->windowFlags() & Qt::FramelessWindowHint);
            EXPECT_EQ(top->minimumSize(), top->maximumSize());
        }
        if (top->windowTitle() == "Main") {
            EXPECT_FALSE(top->windowFlags() & Qt::FramelessWindowHint);
            EXPECT_NE(top->minimumSize(), top->maximumSize());
        }
        if (top->windowTitle() == "Dialog")
            EXPECT_FALSE(top->windowFlags() & Qt::FramelessWindowHint);
    }
}
}  // namespace
