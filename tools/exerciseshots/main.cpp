// Renders frames of real exercises into PNG files: the program runs off screen with a
// hand-driven clock; menus and answers are given as the event loop would give them.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../shots/DataFolder.h"
#include "../shots/WindowShots.h"
#include "app/MDI.h"
#include "app/Programm.h"
#include "data/Daten.h"
#include "dialogs/InfoFenster.h"
#include "dialogs/InputFenster.h"
#include "exercise/Spiel.h"
#include "exercise/SpielFenster.h"
#include "input/KeyboardPicture.h"
#include "input/KlavierTyp.h"
#include "input/TastenFeldTyp.h"
#include "lessons/LektionsDatei.h"
#include "lessons/Worte.h"
#include "platform/Clock.h"
#include "platform/Events.h"
#include "platform/QtPlatform.h"
#include "platform/Ui.h"
#include "platform/net/SocketNetClient.h"
#include "platform/qt/QtCanvas.h"
#include "resultcode/CodeServer.h"
#include "resultcode/Geheim.h"
#include "settings/IniClass.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTextBrowser>
#include <QToolBar>

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

// Asks one word of the current lesson's valid words in the word exercise, and types the
// first `typed` letters of it (a wrong letter last when `wrongReturn`, then Return).
void askWord(const std::string& word, size_t typed, bool wrongReturn) {
    Worte::NurGueltige();
    std::vector<Worte> only;
    for (const Worte& w : Worte::LektionsListe)
        if (w.EchtWort == word) only.push_back(w);
    if (only.empty()) {
        std::printf("exerciseshots: %s is no word of this lesson\n", word.c_str());
        return;
    }
    Worte::LektionsListe = only;
    SpielFenster::Reset();
    ticks(1500);
    for (size_t i = 0; i < typed && i < word.size(); ++i) {
        Programm::HandleEvent({EventId::KeyDown, nullptr, word[i]});
        Programm::HandleEvent({EventId::KeyUp, nullptr, word[i]});
    }
    if (wrongReturn) {
        Programm::HandleEvent({EventId::KeyDown, nullptr, 'X'});
        Programm::HandleEvent({EventId::KeyDown, nullptr, Key::Return});
    }
    ticks(100);
}

// The information window as the screen shows it: its HTML view rendered by Qt.
// A frame scaled for the manual, whose pages are 630 pixels wide.
void saveForManual(const std::string& folder, const std::string& name) {
    auto* canvas = static_cast<QtCanvas*>(Ui::mainCanvas());
    std::string file = folder + "/" + name + ".png";
    canvas->frame()
        .copy(0, 0, 1120, 700)
        .scaledToWidth(560, Qt::SmoothTransformation)
        .save(QString::fromStdString(file));
    std::printf("wrote %s\n", file.c_str());
}

void saveInfoWindowForManual(const std::string& folder, const std::string& name) {
    QApplication::processEvents();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible() || !widget->findChild<QTextBrowser*>()) continue;
        std::string file = folder + "/" + name + ".png";
        widget->grab()
            .toImage()
            .scaledToWidth(420, Qt::SmoothTransformation)
            .save(QString::fromStdString(file));
        std::printf("wrote %s\n", file.c_str());
    }
}

void closeInfoWindow() {
    Programm::HandleEvent({EventId::WindowClose, InfoFenster::Window});
}

// Answers the asked note rightly, or wrongly by a semitone.
void answer(bool right) {
    if (!SpielFenster::Haupt) return;
    for (const auto& note : SpielFenster::Haupt->Liste) {
        if (note->Aktiv != 1) continue;
        SpielFenster::EmpfangeNote(note->EchtMidi + (right ? 0 : 1), 2);
        return;
    }
}
// One window with every kind of gadget, as Qt draws it: exerciseshots OUTDIR gadgets
void gadgetGallery(const std::string& folder) {
    Gui& gui = *Ui::gui;
    Gadget* window = gui.createWindow("{{Program settings}}", 100, 100, 600, 400, nullptr,
                                      WindowStyle::TitleBar);
    gui.setBackground(window, 222, 222, 222);
    Gadget* toolbar = gui.createGadget(GadgetClass::Toolbar, 0, 0, 600, 40, window);
    gui.setPicture(toolbar, LadeBild("Toolbar2.png", 32, 32, 4));
    Gadget* group =
        gui.createGadget(GadgetClass::Panel, 20, 50, 250, 120, window, "{{Instrument}}");
    Gadget* first =
        gui.createGadget(GadgetClass::RadioButton, 10, 25, 200, 25, group, "{{Fitting Piano}}");
    gui.createGadget(GadgetClass::RadioButton, 10, 50, 200, 25, group, "{{6 Octave Piano}}");
    gui.setValue(first, 1);
    Gadget* box =
        gui.createGadget(GadgetClass::CheckBox, 10, 80, 200, 25, group, "{{Key sound on}}");
    gui.setValue(box, 1);
    gui.createGadget(GadgetClass::Label, 290, 50, 150, 24, window, "{{MIDI Input}}",
                     GadgetStyle::RightAligned);
    Gadget* combo = gui.createGadget(GadgetClass::ComboBox, 445, 46, 140, 32, window);
    gui.addItem(combo, "English");
    gui.addItem(combo, "Deutsch");
    gui.setValue(combo, 1);
    Gadget* stepper = gui.createGadget(GadgetClass::Stepper, 445, 90, 32, 26, window);
    gui.setRange(stepper, 1, 16);
    gui.setValue(stepper, 1);
    gui.createGadget(GadgetClass::Label, 480, 90, 40, 26, window, "1",
                     GadgetStyle::Sunken | GadgetStyle::Centred);
    Gadget* list = gui.createGadget(GadgetClass::ListBox, 20, 180, 250, 120, window);
    for (const char* lesson : {"Lektion 1", "Lektion 2", "Lektion 3"})
        gui.addItem(list, lesson, "1");
    gui.setValue(list, 1);
    Gadget* slider = gui.createGadget(GadgetClass::Slider, 290, 130, 290, 24, window);
    gui.setRange(slider, 30, 180);
    gui.setValue(slider, 60);
    Gadget* field = gui.createGadget(GadgetClass::TextField, 290, 170, 290, 30, window);
    gui.setText(field, "Anna");
    gui.setFont(field, 14);
    Gadget* area = gui.createGadget(GadgetClass::TextArea, 290, 210, 290, 60, window);
    gui.setText(area, "Eine Beschreibung, die umbricht, wenn sie zu lang wird.");
    Gadget* progress = gui.createGadget(GadgetClass::ProgressBar, 20, 315, 560, 12, window);
    gui.setValue(progress, 40);
    Gadget* picture =
        gui.createGadget(GadgetClass::Panel, 290, 280, 100, 25, window, "", GadgetStyle::Sunken);
    gui.setPicture(picture, LadeBild("AmpelGrun.png"));
    gui.createGadget(GadgetClass::Button, 400, 360, 100, 24, window, "{{OK}}",
                     GadgetStyle::Default);
    gui.createGadget(GadgetClass::Button, 290, 360, 100, 24, window, "{{Test}}");
    QApplication::processEvents();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible() || widget->findChild<QTextBrowser*>() ||
            !widget->findChild<QToolBar*>())
            continue;
        std::string file = folder + "/gadgets.png";
        widget->grab().save(QString::fromStdString(file));
        std::printf("wrote %s\n", file.c_str());
    }
}

// The pictures of the manual, in German and English: exerciseshots assets manual
void manualPictures(const std::string& folder) {
    for (int sprache : {1, 0}) {
        std::string suffix = sprache == 1 ? "-de" : "-en";
        MDI::SwitchSprache(sprache);
        LadeLektion(1, 0);
        menu(MDI::MENU_FLOATING);
        ticks(1500);
        for (int i = 0; i < 4; ++i) {
            answer(i != 2);
            ticks(300);
        }
        saveForManual(folder, "Anleitung-Bildschirm" + suffix);
        menu(MDI::MENU_SINGLE);
        ticks(1500);
        saveForManual(folder, "Anleitung-Einzelnoten" + suffix);
        LadeLektion(5, 0);
        menu(MDI::MENU_LEARN);
        ticks(800);
        SpielFenster::EmpfangeNote(64, 2);
        ticks(400);
        saveForManual(folder, "Anleitung-Lernen" + suffix);
        menu(MDI::MENU_COMPETITION);
        ticks(2100);
        saveForManual(folder, "Anleitung-Countdown" + suffix);
        ticks(6000);
        for (int i = 0; i < 3; ++i) {
            answer(true);
            ticks(400);
        }
        saveForManual(folder, "Anleitung-Pruefung" + suffix);
        for (int i = 0; i < 400 && Spiel::SpielMode != Spiel::KeinSpiel; ++i) {
            answer(true);
            ticks(200);
        }
        ticks(50);
        saveInfoWindowForManual(folder, "Anleitung-Ergebnis" + suffix);
        closeInfoWindow();
        menu(MDI::MENU_PAUSE);
    }
}

// The code page for typed codes and for server lines, in German and English:
// exerciseshots DIR code HOST:PORT (a result server holding a few lines).
void codePictures(const std::string& folder, const std::string& server) {
    IniClass::Schreiben("", "Allgemein", "CodeServer", server);
    IniClass::Schreiben("", "Allgemein", "User", "Greta");
    // A passed examination reports its line: the result page says it was sent.
    LadeLektion(5, 0);
    menu(MDI::MENU_SINGLE);
    menu(MDI::MENU_COMPETITION);
    ticks(6500);
    for (int i = 0; i < 400 && Spiel::SpielMode != Spiel::KeinSpiel; ++i) {
        answer(true);
        ticks(200);
    }
    ticks(50);
    saveInfoWindowShot(folder, "result-sent-german");
    closeInfoWindow();
    Geheim::LadeCodeServerListe(CodeServerAdresse());
    auto typeCode = [](const std::string& code) {
        InputFenster::ShowAs(InputFenster::MODE_CODE);
        Ui::gui->setText(InputFenster::TextFeld, code);
        InputFenster::Event(InputFenster::Button[InputFenster::BUT_OK]);
        ticks(50);
    };
    const std::string valid = Geheim::group(Geheim::handCode("Lotte", "A", 3, 47, 127, 1, 2, 1));
    std::string broken = valid;
    broken.back() = broken.back() == 'A' ? 'B' : 'A';
    for (int sprache : {1, 0}) {
        std::string language = sprache == 1 ? "german" : "english";
        MDI::SwitchSprache(sprache);
        typeCode(valid);
        saveInfoWindowShot(folder, "code-typed-valid-" + language);
        closeInfoWindow();
        typeCode(broken);
        saveInfoWindowShot(folder, "code-typed-invalid-" + language);
        // Back to the older server line, forward to the newest.
        InfoFenster::Event(InfoFenster::Button[InfoFenster::BUT_BACK]);
        InfoFenster::Event(InfoFenster::Button[InfoFenster::BUT_FORWARD]);
        ticks(50);
        saveInfoWindowShot(folder, "code-server-line-" + language);
        closeInfoWindow();
    }
}

// A click on a canvas point, held for a few ticks as a hand would.
void clickCanvas(int x, int y) {
    Programm::HandleEvent({EventId::MouseMove, MDI::Canvas, 0, x, y});
    Programm::HandleEvent({EventId::MouseDown, MDI::Canvas, 1});
    ticks(100);
    Programm::HandleEvent({EventId::MouseUp, MDI::Canvas, 1});
    ticks(100);
}

// The zoom controls where a learner clicks them: the field's size button, the piano's.
void clickFieldZoom() {
    clickCanvas(TastenFeldTyp::X + static_cast<int>(154 * TastenFeldTyp::Scale),
                TastenFeldTyp::Y + static_cast<int>(52 * TastenFeldTyp::Scale));
}
void clickPianoZoom() {
    using namespace KeyboardPicture;
    const float s = KlavierTyp::Scale;
    clickCanvas(KlavierTyp::TastaturX + static_cast<int>(keyX(40) * s),
                KlavierTyp::TastaturY + static_cast<int>(std::ceil(keyY(165) * s)));
}

std::string scaleName(float scale) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d", static_cast<int>(std::lround(scale * 100)));
    return text;
}

// The button field (single notes) and the piano (scrolling notes; the long keyboard and a
// short one) at every zoom step, clicked as a learner would, in the smallest window and at
// the usual size: buttons-WxH-stepN-scaleS, piano-long-..., piano-short-...
void instrumentShots(const std::string& folder) {
    // The instruments read the mouse while the main window is the active one.
    // The name entry opened at start-up is still up behind the other windows: closed.
    Programm::HandleEvent({EventId::WindowClose, InputFenster::Window});
    Ui::gui->activate(MDI::Canvas);
    for (int breite : {990, 1120}) {
        GadgetShape window = Ui::gui->shape(MDI::Window);
        Ui::gui->setShape(MDI::Window, window.x, window.y, breite, 700);
        AllesBeiResizeWindow();
        const std::string size = std::to_string(breite) + "x700";
        WechsleLektion(1, 0);
        TastenFeldTyp::StartUp();  // the field at its place on this window
        menu(MDI::MENU_SINGLE);
        ticks(600);
        for (int step = 0; step < 4; ++step) {
            if (step > 0) clickFieldZoom();
            ticks(300);
            save(folder, "buttons-" + size + "-step" + std::to_string(step) + "-scale" +
                             scaleName(TastenFeldTyp::Scale));
        }
        for (const char* kurz : {"0", "1"}) {
            IniClass::Schreiben("", "Allgemein", "KurzesKlavier", kurz);
            WechsleLektion(1, 0);
            KlavierTyp::Scale = 1.0f;
            AllesBeiResizeWindow();
            menu(MDI::MENU_FLOATING);
            ticks(600);
            const std::string name = std::string("piano-") + (kurz[0] == '0' ? "long-" : "short-");
            for (int step = 0; step < 4; ++step) {
                if (step > 0) clickPianoZoom();
                ticks(300);
                save(folder, name + size + "-step" + std::to_string(step) + "-scale" +
                                 scaleName(KlavierTyp::Scale));
            }
        }
        IniClass::Schreiben("", "Allgemein", "KurzesKlavier", "0");
        menu(MDI::MENU_PAUSE);
    }
}
}  // namespace

int main(int argc, char** argv) {
    std::string folder = argc > 1 ? argv[1] : ".";
    std::filesystem::create_directories(folder);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const auto data = useFreshDataFolder("exerciseshots");
    auto gui = makeQtGui(argc, argv);
    Runtime::clock = &programClock;
    programClock.now = 50000;
    Programm::StartUp(*gui);
    ticks(600);
    if (argc > 2 && std::string(argv[2]) == "gadgets") {
        gadgetGallery(folder);
        std::filesystem::remove_all(data);
        return 0;
    }
    if (argc > 3 && std::string(argv[2]) == "code") {
        SocketNetClient::install();
        codePictures(folder, argv[3]);
        std::filesystem::remove_all(data);
        return 0;
    }
    if (argc > 2 && std::string(argv[2]) == "manual") {
        manualPictures(folder);
        std::filesystem::remove_all(data);
        return 0;
    }

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

    WechsleLektion(21, 0);  // grand staff with ledger lines
    menu(MDI::MENU_FLOATING);
    ticks(1000);
    for (int i = 0; i < 6; ++i) {
        answer(i != 2);
        ticks(250);
    }
    answer(false);
    ticks(300);
    save(folder, "scrolling-grand-staff-answered");

    WechsleLektion(13, 0);  // both hands
    menu(MDI::MENU_FLOATING);
    ticks(1500);
    save(folder, "two-hands");

    WechsleLektion(5, 0);
    menu(MDI::MENU_LEARN);
    ticks(800);
    SpielFenster::EmpfangeNote(64, 2);
    ticks(400);
    save(folder, "learn-and-see");

    menu(MDI::MENU_WORDS);
    askWord("SCHACHTEL", 4, false);  // lesson 5: one octave of the treble staff
    save(folder, "words-treble");
    askWord("FAHRGAST", 5, true);
    save(folder, "words-treble-wrong");

    LadeLektion(16, 0);  // G major in the treble staff
    menu(MDI::MENU_WORDS);
    askWord("HAIFISCH", 0, false);
    save(folder, "words-sharp");

    LadeLektion(17, 0);  // F major in the bass staff
    menu(MDI::MENU_WORDS);
    askWord("BADEGAST", 5, false);
    save(folder, "words-bass");
    LadeLektion(6, 0);  // one octave of the bass staff
    menu(MDI::MENU_WORDS);
    askWord("DACHDECKER", 0, false);
    save(folder, "words-bass-naturals");

    LadeLektion(22, 0);  // a grand staff lesson
    menu(MDI::MENU_WORDS);
    askWord("GESCHICHTE", 2, false);
    save(folder, "words-grand-staff");

    LadeLektion(1, 0);  // C to G: the paper says when a lesson has no words
    Worte::LektionsListe.clear();
    Worte::GesamtListe = {"Xylophon"};
    menu(MDI::MENU_WORDS);
    ticks(1000);
    save(folder, "words-none");
    Worte::GesamtListe = LadeWortListe();

    LadeLektion(5, 0);
    menu(MDI::MENU_COMPETITION);
    ticks(2100);
    save(folder, "examination-countdown");
    ticks(6000);
    save(folder, "examination");

    // The result pages, passed and failed, in both languages.
    // Every answer right, or every note first missed (a note takes one life at most).
    auto finish = [](bool right) {
        for (int i = 0; i < 400 && Spiel::SpielMode != Spiel::KeinSpiel; ++i) {
            if (!right) {
                answer(false);
                ticks(100);
            }
            answer(true);
            ticks(200);
        }
        ticks(50);
    };
    for (int sprache : {1, 0}) {
        std::string language = sprache == 1 ? "german" : "english";
        MDI::SwitchSprache(sprache);
        menu(MDI::MENU_COMPETITION);
        ticks(6500);
        finish(true);
        saveInfoWindowShot(folder, "result-passed-" + language);
        closeInfoWindow();
        menu(MDI::MENU_COMPETITION);
        ticks(6500);
        finish(false);
        saveInfoWindowShot(folder, "result-failed-" + language);
        closeInfoWindow();
        InfoFenster::ShowAs(InfoFenster::SHOW_INFO, "info");
        saveInfoWindowShot(folder, "info-" + language);
        closeInfoWindow();
        InfoFenster::ShowAs(InfoFenster::SHOW_ANLEITUNG, "anleitung");
        saveInfoWindowShot(folder, "manual-top-" + language);
        Ui::gui->clickLink(InfoFenster::HtmlView, "#pruefung");
        saveInfoWindowShot(folder, "manual-examination-" + language);
        Ui::gui->clickLink(InfoFenster::HtmlView, "#midi");
        saveInfoWindowShot(folder, "manual-midi-" + language);
        closeInfoWindow();
    }
    std::filesystem::remove_all(data);
    menu(MDI::MENU_PAUSE);
    instrumentShots(folder);
    // A lesson whose notes are no pitches: the exercise asks nothing and says so.
    IniClass::Schreiben(AppPfad + "Lektionen.ini", "Lesen 98", "Noten", "abc|||-5|99999");
    LadeLektion(98, 0);
    menu(MDI::MENU_FLOATING);
    ticks(1500);
    save(folder, "empty-lesson");
    return 0;
}
