// wizardshots <folder>: opens the lesson wizard of the real program off screen, walks it
// as a learner would (E flat major, both staves, a few keys, the preview, the time slider,
// the last page) and saves the window at each of those steps, in German and in English.

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <cstdio>
#include <filesystem>
#include <string>

#include "../shots/WindowShots.h"
#include "app/MDI.h"
#include "app/Programm.h"
#include "dialogs/LektionenAssistent.h"
#include "dialogs/LektionenBrowser.h"
#include "lessons/LektionsBuch.h"
#include "notation/TextTyp.h"
#include "platform/QtPlatform.h"
#include "platform/Ui.h"
#include "state/Maus.h"

namespace {
using A = LektionenAssistent;
std::string folder;
int failures = 0;

void grab(Gadget* window, const std::string& name) {
    QWidget* widget = shownWindowTitled(Ui::gui->translate(Ui::gui->text(window)));
    if (!saveWidgetShot(widget, folder + "/" + name + ".png")) ++failures;
}

// The lesson browser on the learner's own book, with the lesson just made.
void shootOwnBook(const std::string& sprache) {
    using B = LektionenBrowser;
    Programm::HandleEvent({EventId::MenuAction, nullptr, MDI::MENU_CHANGE});
    for (int i = 0; i < Ui::gui->itemCount(B::ListBox); ++i)
        if (Ui::gui->itemData(B::ListBox, i) == std::to_string(kEigenesBuch)) {
            Ui::gui->setValue(B::ListBox, i);
            B::Event(B::ListBox);
        }
    grab(B::Window, sprache + "_6_books");
    B::Event(B::Button[B::BUT_OK]);
    grab(B::Window, sprache + "_7_own_lessons");
    Ui::gui->setEnabled(MDI::Window, true);
    Ui::gui->setVisible(B::Window, false);
}

// Draws the canvas until the text's cross-fade has run, then saves the window.
void save(const std::string& name) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 2500) {
        A::MaleCanvas();
        QApplication::processEvents();
    }
    QWidget* widget = shownWindowTitled(Ui::gui->translate(Ui::gui->text(A::Window)));
    const std::string file = folder + "/" + name + ".png";
    if (widget && widget->grab().toImage().save(QString::fromStdString(file))) {
        std::printf("wrote %s\n", file.c_str());
    } else {
        std::printf("cannot write %s\n", file.c_str());
        ++failures;
    }
}

void cont() {
    A::Event(A::Button[A::BUT_OK]);
    A::MaleCanvas();  // measures the new step's lines
}

void pressLine(int line) {
    Maus::MausX = 300;
    Maus::MausY = A::AssiText->GiveY(line);
    A::MausEvent();
}

void pressKey(int k) {
    static const int kMitte[12] = {10, 19, 31, 41, 52, 73, 82, 94, 103, 115, 124, 136};
    const int p = k % 12;
    const bool black = p == 1 || p == 3 || p == 6 || p == 8 || p == 10;
    Maus::MausX = 120 + 147 * (k / 12) + kMitte[p];
    Maus::MausY = black ? 250 : 320;
    A::MausEvent();
}

void shootLanguage(const std::string& sprache) {
    Programm::HandleEvent({EventId::MenuAction, nullptr, MDI::MENU_CREATE});
    A::MaleCanvas();
    cont();
    pressLine(6);  // E flat major
    save(sprache + "_1_key");
    cont();
    cont();
    pressLine(10);  // both staves
    cont();
    for (int k : {19, 24, 26, 27, 29, 31, 32}) pressKey(k);
    save(sprache + "_2_keyboard");
    cont();
    cont();
    for (int k : {12, 14, 15, 17, 19, 20, 22, 24, 26, 27}) pressKey(k);
    cont();
    cont();
    save(sprache + "_3_preview");
    cont();
    cont();
    Ui::gui->setValue(A::Scroller, 95);
    A::Event(A::Scroller);
    save(sprache + "_4_slider");
    cont();
    cont();
    cont();
    pressLine(7);
    cont();
    cont();
    Ui::gui->setText(A::NameBox, sprache == "de" ? "Es-Dur, beide Hände" : "E flat, both hands");
    cont();
    cont();
    save(sprache + "_5_last");
    A::Event(A::Button[A::BUT_OK]);
    Ui::gui->setEnabled(MDI::Window, true);
    Ui::gui->setVisible(A::Window, false);
    QApplication::processEvents();
    shootOwnBook(sprache);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: wizardshots <folder>\n");
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
