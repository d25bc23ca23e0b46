// What remembering an answer costs the tick: the time to queue one record while the writer
// thread writes batches into a real file, and the whole path of one judged answer in
// single-notes practice (judging, the record, queuing). Prints median, 99th percentile and
// the largest.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "app/MDI.h"
#include "app/Programm.h"
#include "exercise/Spiel.h"
#include "exercise/SpielFenster.h"
#include "history/Verlauf.h"
#include "lessons/LektionsDatei.h"
#include "notation/Note.h"
#include "platform/Clock.h"
#include "platform/Events.h"
#include "platform/HeadlessGui.h"
#include "settings/IniClass.h"

namespace {
using Steady = std::chrono::steady_clock;

void report(const char* what, std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    std::printf("%s, %zu times: median %.4f ms, 99th %.4f ms, largest %.4f ms\n", what,
                micros.size(), micros[micros.size() / 2] / 1000,
                micros[micros.size() * 99 / 100] / 1000, micros.back() / 1000);
}

double since(Steady::time_point start) {
    return std::chrono::duration<double, std::micro>(Steady::now() - start).count();
}
}  // namespace

int main() {
    auto folder = std::filesystem::temp_directory_path() / "lesmora-bench-history";
    std::filesystem::remove_all(folder);
    setenv("XDG_DATA_HOME", folder.c_str(), 1);
    HeadlessGui gui;
    ManualClock clock;
    clock.now = 100000;
    Runtime::clock = &clock;
    Programm::StartUp(gui);
    Programm::NamensEingabeNachTicks = 0;
    IniClass::Schreiben("", "Allgemein", "User", "Bench");

    AntwortEintrag record;
    record.User = "Bench";
    record.Buch = "Buch1";
    record.Gefragt = record.Antwort = "A4";
    std::vector<double> queued;
    for (int i = 0; i < 20000; ++i) {
        record.Zeit = i;
        auto start = Steady::now();
        Verlauf::Merke(record);
        queued.push_back(since(start));
    }
    Verlauf::Schreibe();
    report("queue one answer record", queued);

    LadeLektion(1, 0);
    MDI::MenuAction(MDI::MENU_PRACTICE);
    MDI::MenuAction(MDI::MENU_SINGLE);
    std::vector<double> judged;
    for (int i = 0; i < 3000; ++i) {
        const Note* asked = nullptr;
        for (int t = 0; t < 40 && !asked; ++t) {
            clock.advance(16);
            Programm::HandleEvent({EventId::TimerTick});
            for (const auto& note : SpielFenster::Haupt->Liste)
                if (note->Aktiv == 1 && !asked) asked = note.get();
        }
        if (!asked) break;
        const int chroma = asked->ChromaPos + (asked->System == 1 ? 100 : 0);
        clock.advance(700);
        auto start = Steady::now();
        SpielFenster::EmpfangeChroma(chroma, 3);
        judged.push_back(since(start));
    }
    Verlauf::Schreibe();
    if (!judged.empty()) report("judge one typed answer with its record", judged);
    std::printf("rows written: %zu\n", Verlauf::Antworten("Bench").size());
    Verlauf::Schliesse();
    std::filesystem::remove_all(folder);
    return 0;
}
