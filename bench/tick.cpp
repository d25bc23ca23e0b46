// Times one tick (TimerTickt with all its drawing) during scrolling practice on a grand
// staff, on the real Qt canvas off screen, and prints the median and the 95th percentile.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "app/MDI.h"
#include "app/Programm.h"
#include "data/Daten.h"
#include "exercise/Spiel.h"
#include "lessons/LektionsDatei.h"
#include "platform/Clock.h"
#include "platform/QtPlatform.h"
#include "settings/IniClass.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    auto folder = std::filesystem::temp_directory_path() / "lesmora-bench-tick";
    std::filesystem::remove_all(folder);
    setenv("XDG_DATA_HOME", folder.c_str(), 1);
    auto gui = makeQtGui(argc, argv);
    ManualClock clock;
    Runtime::clock = &clock;
    std::printf("start-up:\n");
    Programm::StartUp(*gui);
    WechsleLektion(13, 0);  // two hands on the grand staff
    MDI::MenuAction(MDI::MENU_FLOATING);
    std::vector<double> micros;
    for (int frame = 0; frame < 1200; ++frame) {
        clock.advance(16);
        auto start = std::chrono::steady_clock::now();
        TimerTickt();
        auto took = std::chrono::steady_clock::now() - start;
        if (frame >= 60) micros.push_back(std::chrono::duration<double, std::micro>(took).count());
        if (frame % 90 == 45) Spiel::SpielerIstAnwesend = clock.now;  // a learner is there
    }
    std::sort(micros.begin(), micros.end());
    std::printf(
        "tick during scrolling practice, grand staff, %zu frames: median %.2f ms, 95th %.2f ms\n",
        micros.size(), micros[micros.size() / 2] / 1000, micros[micros.size() * 95 / 100] / 1000);
    return 0;
}
