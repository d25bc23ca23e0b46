// browsershots <folder>: opens the lesson browser of the real program off screen, drives
// its gadgets as a learner would (a book, a lesson, the staff buttons, the circle of
// fifths) and saves each window as a PNG file, in German and in English.

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/MDI.h"
#include "app/Programm.h"
#include "dialogs/LektionenBrowser.h"
#include "platform/Clock.h"
#include "platform/QtPlatform.h"
#include "platform/Ui.h"

namespace {
using B = LektionenBrowser;
std::string folder;
int failures = 0;

// The top-level widget showing this window's title, or none.
QWidget* windowTitled(const std::string& title) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->windowTitle().toStdString() == title) return widget;
    return nullptr;
}

void save(Gadget* window, const std::string& name) {
    QApplication::processEvents();
    QWidget* widget = windowTitled(Ui::gui->translate(Ui::gui->text(window)));
    std::string file = folder + "/" + name + ".png";
    if (widget && widget->grab().toImage().save(QString::fromStdString(file))) {
        std::printf("wrote %s\n", file.c_str());
    } else {
        std::printf("cannot write %s\n", file.c_str());
        ++failures;
    }
}

// What a click on the item for section `nummer` of the list does.
void chooseItem(int nummer) {
    for (int i = 0; i < Ui::gui->itemCount(B::ListBox); ++i)
        if (Ui::gui->itemData(B::ListBox, i) == std::to_string(nummer)) {
            Ui::gui->setValue(B::ListBox, i);
            B::Event(B::ListBox);
            return;
        }
    std::printf("no item %d in the list\n", nummer);
    ++failures;
}

void press(int knopf) {
    Ui::gui->setValue(B::Button[knopf], 1);
    B::Event(B::Button[knopf]);
}

void closeAll() {
    Ui::gui->setVisible(B::QuintenWindow, false);
    Ui::gui->setEnabled(B::Window, true);
    Ui::gui->setVisible(B::Window, false);
}

void shootLanguage(const std::string& sprache) {
    Programm::HandleEvent({EventId::MenuAction, nullptr, MDI::MENU_CHANGE});
    chooseItem(1);
    save(B::Window, sprache + "_books");
    chooseItem(4);  // the default course
    press(B::BUT_OK);
    chooseItem(5);
    save(B::Window, sprache + "_lessons");
    chooseItem(7);  // the staff is the learner's
    press(B::BUT_BASS);
    save(B::Window, sprache + "_staff");
    press(B::BUT_FORT);
    save(B::Window, sprache + "_moderates");
    press(B::BUT_ALL);
    chooseItem(19);  // the key is the learner's
    save(B::Window, sprache + "_open_key");
    press(B::BUT_OK);
    save(B::QuintenWindow, sprache + "_circle");
    closeAll();
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: browsershots <folder>\n");
        return 2;
    }
    folder = argv[1];
    std::filesystem::create_directories(folder);
    const std::string data = std::filesystem::absolute(folder + "/home").string();
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    auto gui = makeQtGui(argc, argv);
    Programm::StartUp(*gui);
    shootLanguage("de");
    MDI::SwitchSprache(0);
    shootLanguage("en");
    std::filesystem::remove_all(data);
    return failures == 0 ? 0 : 1;
}
