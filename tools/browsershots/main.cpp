// browsershots <folder>: opens the lesson browser of the real program off screen, drives
// its gadgets as a learner would (a book, a lesson, the staff buttons, the circle of
// fifths) and saves each window as a PNG file, in German and in English.

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <filesystem>
#include <string>

#include "../shots/WindowShots.h"
#include "app/MDI.h"
#include "app/Programm.h"
#include "data/Daten.h"
#include "data/Files.h"
#include "dialogs/LektionenBrowser.h"
#include "platform/Clock.h"
#include "platform/PixelCanvas.h"
#include "platform/QtPlatform.h"
#include "platform/Ui.h"

namespace {
using B = LektionenBrowser;
std::string folder;
int failures = 0;

void save(Gadget* window, const std::string& name) {
    QWidget* widget = shownWindowTitled(Ui::gui->translate(Ui::gui->text(window)));
    if (!saveWidgetShot(widget, folder + "/" + name + ".png")) ++failures;
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

// "Quinte.png" with the browser's own hit test laid over it: every pixel that picks a key
// is tinted, and the edges of each box are drawn, so the boxes can be checked against the
// keys the picture shows.
void saveCircleBoxes() {
    std::shared_ptr<Image> kreis = LadeBild("Quinte.png");
    PixelCanvas canvas(kreis->width(), kreis->height());
    canvas.setBlend(Blend::Alpha);
    canvas.image(kreis.get(), 0, 0);
    for (int y = 0; y < kreis->height(); ++y)
        for (int x = 0; x < kreis->width(); ++x) {
            const int box = B::Quintenwahl(x, y);
            if (box == 0) continue;
            const bool edge = B::Quintenwahl(x - 1, y) != box || B::Quintenwahl(x + 1, y) != box ||
                              B::Quintenwahl(x, y - 1) != box || B::Quintenwahl(x, y + 1) != box;
            canvas.setColour(edge ? 220 : 40, edge ? 0 : 200, edge ? 0 : 40);
            canvas.setAlpha(edge ? 1.0f : 0.18f);
            canvas.rect(static_cast<float>(x), static_cast<float>(y), 1, 1);
        }
    const std::string file = folder + "/circle_boxes.png";
    if (Files::writeBytes(file, canvas.png())) {
        std::printf("wrote %s\n", file.c_str());
    } else {
        ++failures;
    }
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
    saveCircleBoxes();
    shootLanguage("de");
    MDI::SwitchSprache(0);
    shootLanguage("en");
    std::filesystem::remove_all(data);
    return failures == 0 ? 0 : 1;
}
