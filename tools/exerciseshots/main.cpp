// Renders frames of real exercises into PNG files: the program runs off screen with a
// hand-driven clock; menus and answers are given as the event loop would give them.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "app/MDI.h"
#include "app/Programm.h"
#include "data/Daten.h"
#include "exercise/Spiel.h"
#include "exercise/SpielFenster.h"
#include "lessons/LektionsDatei.h"
#include "platform/Clock.h"
#include "platform/QtPlatform.h"
#include "platform/Ui.h"
#include "platform/qt/QtCanvas.h"
#include "settings/IniClass.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

namespace {
ManualClock programClock;

void ticks(int milliseconds) {
    for (int passed = 0; passed < milliseconds; passed += 16) {
        programClock.advance(16);
        Programm::HandleEvent({EventId::TimerTick});
    }
}

void save(const std::string& folder, const std::string& name) {
    auto* canvas = static_cast<QtCanvas*>(Ui::mainCanvas());
    std::string file = folder + "/" + name + ".png";
    canvas->frame().save(QString::fromStdString(file));
    std::printf("wrote %s\n", file.c_str());
}

// The menu bar and each of its menus, opened, side by side in one picture.
void saveMenus(const std::string& folder, const std::string& name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<QMainWindow*>(widget);
        if (!window || !window->menuWidget()) continue;
        std::vector<QImage> parts{window->menuBar()->grab().toImage()};
        for (QAction* action : window->menuBar()->actions()) {
            if (!action->menu()) continue;
            action->menu()->adjustSize();
            parts.push_back(action->menu()->grab().toImage());
        }
        int width = 0, height = 0;
        for (const auto& part : parts)
            width += part.width() + 10, height = std::max(height, part.height());
        QImage sheet(width, height, QImage::Format_RGB32);
        sheet.fill(Qt::darkGray);
        QPainter painter(&sheet);
        int x = 0;
        for (const auto& part : parts) painter.drawImage(x, 0, part), x += part.width() + 10;
        std::string file = folder + "/" + name + ".png";
        sheet.save(QString::fromStdString(file));
        std::printf("wrote %s\n", file.c_str());
    }
}

void menu(int tag) {
    Programm::HandleEvent({EventId::MenuAction, nullptr, tag});
}

// Answers the asked note rightly, or wrongly by a semitone.
void answer(bool right) {
    for (const auto& note : SpielFenster::Haupt->Liste) {
        if (note->Aktiv != 1) continue;
        SpielFenster::EmpfangeNote(note->EchtMidi + (right ? 0 : 1), 2);
        return;
    }
}
}  // namespace

int main(int argc, char** argv) {
    std::string folder = argc > 1 ? argv[1] : ".";
    std::filesystem::create_directories(folder);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    auto data = std::filesystem::temp_directory_path() / "lesmora-exerciseshots";
    std::filesystem::remove_all(data);
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    auto gui = makeQtGui(argc, argv);
    Runtime::clock = &programClock;
    programClock.now = 50000;
    Programm::StartUp(*gui);
    ticks(600);

    saveMenus(folder, "menus-german");
    MDI::SwitchSprache(0);
    saveMenus(folder, "menus-english");
    menu(MDI::MENU_FLOATING);
    ticks(1500);
    save(folder, "practice-english");
    MDI::SwitchSprache(1);
    ticks(100);
    save(folder, "practice-german");

    menu(MDI::MENU_SINGLE);
    ticks(1500);
    save(folder, "single-notes-practice");

    LadeLektion(21, 0);  // grand staff with ledger lines
    menu(MDI::MENU_FLOATING);
    ticks(1000);
    for (int i = 0; i < 6; ++i) {
        answer(i != 2);
        ticks(250);
    }
    answer(false);
    ticks(300);
    save(folder, "scrolling-grand-staff-answered");

    LadeLektion(13, 0);  // both hands
    menu(MDI::MENU_FLOATING);
    ticks(1500);
    save(folder, "two-hands");

    LadeLektion(5, 0);
    menu(MDI::MENU_LEARN);
    ticks(800);
    SpielFenster::EmpfangeNote(64, 2);
    ticks(400);
    save(folder, "learn-and-see");

    menu(MDI::MENU_COMPETITION);
    ticks(2100);
    save(folder, "examination-countdown");
    ticks(6000);
    save(folder, "examination");

    // A lesson whose notes are no pitches: the exercise asks nothing and says so.
    IniClass::Schreiben(AppPfad + "Lektionen.ini", "Lesen 98", "Noten", "abc|||-5|99999");
    LadeLektion(98, 0);
    menu(MDI::MENU_FLOATING);
    ticks(1500);
    save(folder, "empty-lesson");
    return 0;
}
