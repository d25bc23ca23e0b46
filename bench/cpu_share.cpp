// The whole process's share of one core with the main window open: first idle (nothing
// moves), then in scrolling practice with the piano. The real program runs its real event
// loop on the real clock, with Qt (on the display in DISPLAY, else off screen), SDL audio
// and MIDI as main() starts them; the share counts every thread (getrusage).
//
// The learner in the scrolling phase plays the asked note every 1.5 s on the MIDI
// keyboard.
//
// usage: bench_cpu_share [seconds per phase, default 10]

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/MDI.h"
#include "app/Programm.h"
#include "exercise/Spiel.h"
#include "exercise/SpielFenster.h"
#include "platform/Clock.h"
#include "platform/QtPlatform.h"
#include "platform/Ui.h"
#include "platform/midi/RtMidiTreiber.h"
#include "platform/sdl/SdlAudioOutput.h"

namespace {
double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs the event loop for `seconds`; `each` runs after every event.
template <typename Each>
void runFor(double seconds, Each each) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    Event event;
    while (std::chrono::steady_clock::now() < end && Ui::gui->waitEvent(event)) {
        Programm::HandleEvent(event);
        each();
    }
}

// The share of one core the process took while the loop ran for `seconds`.
template <typename Each>
double share(double seconds, Each each) {
    const double cpu = cpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    runFor(seconds, each);
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return 100.0 * (cpuSeconds() - cpu) / wall;
}
}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    if (!std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    auto folder = std::filesystem::temp_directory_path() / "lesmora-bench-cpu";
    std::filesystem::remove_all(folder);
    setenv("XDG_DATA_HOME", folder.c_str(), 1);
    SdlAudioOutput::install();
    RtMidiTreiber::install();
    auto gui = makeQtGui(argc, argv);
    Programm::StartUp(*gui);
    runFor(5.0, [] {});  // the samples decode and the MIDI clients start
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform: %s\n", platform ? platform : "the display's");

    Canvas* canvas = Ui::mainCanvas();
    std::printf("main canvas: %d x %d\n", canvas ? canvas->width() : 0,
                canvas ? canvas->height() : 0);
    int inParts = Bildfolge().framesDrawnInParts;
    auto frames = [&inParts](const char* phase, int drawn, int skipped) {
        std::printf(
            "  %s: %d frames drawn (%d of them only where they changed), %d unchanged "
            "frames skipped\n",
            phase, Bildfolge().framesDrawn - drawn, Bildfolge().framesDrawnInParts - inParts,
            Bildfolge().framesSkipped - skipped);
        inParts = Bildfolge().framesDrawnInParts;
    };
    int drawn = Bildfolge().framesDrawn, skipped = Bildfolge().framesSkipped;
    const double idle = share(seconds, [] {});
    std::printf("idle, window open, nothing moving: %.1f %% of a core\n", idle);
    frames("idle", drawn, skipped);
    drawn = Bildfolge().framesDrawn, skipped = Bildfolge().framesSkipped;

    Spiel::AktMusikInstrument = Spiel::Klavier;
    MDI::MenuAction(MDI::MENU_FLOATING);
    int64_t nextAnswer = Runtime::millisecs() + 1500;
    const double scrolling = share(seconds, [&nextAnswer] {
        if (Runtime::millisecs() < nextAnswer) return;
        nextAnswer += 1500;  // a learner who plays the asked note every 1.5 s
        for (const auto& note : SpielFenster::Haupt->Liste) {
            if (note->Aktiv != 1) continue;
            AntwortEmpfaenger::Aktiv().EmpfangeNote(note->EchtMidi,
                                                    AntwortEmpfaenger::MidiTastatur);
            return;
        }
    });
    std::printf("scrolling practice with the piano: %.1f %% of a core (method %d, step %d)\n",
                scrolling, Spiel::SpielMode, Spiel::AktGrade);
    frames("scrolling", drawn, skipped);
    return 0;
}
