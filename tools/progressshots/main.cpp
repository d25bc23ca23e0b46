// The progress page of a learner with a month of practice, in German and English: the
// whole program off screen, its history filled through the history's own interface with
// a month of answers of a made-up learner who reads the middle of the treble staff well
// and the ledger lines and the low bass poorly, and gets faster week by week.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "../shots/DataFolder.h"
#include "../shots/WindowShots.h"
#include "app/MDI.h"
#include "app/Programm.h"
#include "dialogs/InfoFenster.h"
#include "history/Verlauf.h"
#include "platform/Clock.h"
#include "platform/Events.h"
#include "platform/QtPlatform.h"
#include "settings/IniClass.h"

#include <QApplication>
#include <QTextBrowser>
#include <QWidget>

namespace {
ManualClock programClock;
constexpr int64_t kTag = 24LL * 3600 * 1000;
constexpr int64_t kJetzt = 1796900000000LL;  // a fixed day, so that the pictures repeat

uint32_t zufall() {
    static uint32_t state = 12345;
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

struct Profil {
    int chroma;
    int treffer;  // percent right at the end of the month
    int ms;       // median answer time at the end of the month
};

// Treble: C4 to C6 and two accidentals; bass: C2 to C4.
const Profil kProfil[] = {{22, 96, 900},   {25, 95, 950},   {28, 97, 850},   {31, 93, 1000},
                          {34, 94, 1000},  {37, 92, 1100},  {40, 90, 1200},  {43, 88, 1300},
                          {46, 85, 1400},  {49, 82, 1500},  {52, 80, 1600},  {55, 70, 2100},
                          {58, 62, 2600},  {61, 55, 2900},  {64, 40, 3400},  {32, 78, 1900},
                          {39, 66, 2300},  {122, 60, 2500}, {125, 55, 2700}, {128, 72, 2000},
                          {131, 84, 1600}, {134, 88, 1400}, {137, 91, 1200}, {140, 93, 1100},
                          {143, 95, 1000}, {146, 90, 1200}, {149, 92, 1100}, {152, 91, 1150},
                          {155, 90, 1200}, {158, 93, 1000}, {161, 94, 950},  {164, 96, 900}};

void fuelleMonat(const std::string& user) {
    for (int tag = 30; tag >= 1; --tag) {
        if (tag % 7 == 3) continue;  // a day off each week
        const int64_t beginn = kJetzt - tag * kTag + 17 * 3600 * 1000LL;
        const double frueh = tag / 30.0;  // 1 a month ago, 0 today
        for (int i = 0; i < 60; ++i) {
            const Profil& p = kProfil[zufall() % std::size(kProfil)];
            const int treffer = static_cast<int>(p.treffer - 25 * frueh);
            AntwortEintrag a;
            a.Zeit = beginn + i * 4000;
            a.User = user;
            a.Buch = "DE 1";
            a.Lektion = p.chroma > 100 ? 7 : p.chroma > 50 ? 5 : 3;
            a.System = p.chroma > 100 ? 2 : 1;
            a.Methode = 1 + static_cast<int>(zufall() % 2);
            a.Arbeitsschritt = 2;
            a.Chroma = p.chroma;
            a.Gefragt = Verlauf::Buchstabiert(p.chroma);
            a.Richtig = static_cast<int>(zufall() % 100) < treffer ? 1 : 0;
            a.Antwort = a.Richtig ? a.Gefragt : "?";
            a.Millis =
                static_cast<int>(p.ms * (1.0 + 0.9 * frueh) * (0.7 + (zufall() % 60) / 100.0));
            a.Geraet = a.Methode == 1 ? 1 : 2;
            Verlauf::Merke(a);
        }
        if (tag % 4 == 0) {
            for (int lektion : {3, 5}) {
                PruefungsEintrag e;
                e.Zeit = beginn + 300000 + lektion * 1000;
                e.User = user;
                e.Buch = "DE 1";
                e.Lektion = lektion;
                e.Bewertung = static_cast<int>((lektion == 3 ? 120 : 95) - 60 * frueh) +
                              static_cast<int>(zufall() % 12);
                e.Sekunden = 60;
                Verlauf::Merke(e);
            }
        }
    }
    Verlauf::Schreibe();
}

// The whole page in a view as wide as the window's and tall enough for all of it.
void saveWholePage(const std::string& folder, const std::string& name) {
    QApplication::processEvents();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* shown = widget->isVisible() ? widget->findChild<QTextBrowser*>() : nullptr;
        if (!shown) continue;
        QTextBrowser whole;
        whole.resize(shown->width(), 1800);
        whole.setSource(shown->source());
        whole.show();
        QApplication::processEvents();
        std::string file = folder + "/" + name + ".png";
        whole.grab().save(QString::fromStdString(file));
        std::printf("wrote %s\n", file.c_str());
        return;
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder = argc > 1 ? argv[1] : ".";
    std::filesystem::create_directories(folder);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const auto data = useFreshDataFolder("progressshots");
    auto gui = makeQtGui(argc, argv);
    Runtime::clock = &programClock;
    programClock.now = 50000;
    Programm::StartUp(*gui);
    for (int i = 0; i < 100; ++i) {
        programClock.advance(16);
        Programm::HandleEvent({EventId::TimerTick});
    }
    Verlauf::Jetzt = [] { return kJetzt; };
    IniClass::Schreiben("", "Allgemein", "User", "Mia");
    fuelleMonat("Mia");
    for (int sprache : {1, 0}) {
        const std::string language = sprache == 1 ? "german" : "english";
        MDI::SwitchSprache(sprache);
        Programm::HandleEvent({EventId::MenuAction, nullptr, MDI::MENU_FORTSCHRITT});
        saveInfoWindowShot(folder, "progress-" + language);
        saveWholePage(folder, "progress-whole-" + language);
        Programm::HandleEvent({EventId::GadgetAction, InfoFenster::Button[InfoFenster::BUT_BACK]});
        saveInfoWindowShot(folder, "progress-clear-question-" + language);
        Programm::HandleEvent({EventId::WindowClose, InfoFenster::Window});
    }
    Verlauf::Schliesse();
    std::filesystem::remove_all(data);
    return 0;
}
