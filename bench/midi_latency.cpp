// bench_midi: prints the time from a Note On played on a MIDI keyboard to the answer
// being counted, and the JACK transport alone.
//
// A private JACK server (dummy backend) carries the Note Ons from a second client, the
// "keyboard", to the program's input port. The program runs whole on a headless
// platform with the real clock, ticking at 60 per second as the Qt timer does, in a
// single-notes practice; each round plays the note asked at a random moment between two
// ticks and takes the time until the tick that counted it has returned.

#include <RtMidi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "app/MDI.h"
#include "app/Programm.h"
#include "exercise/Spiel.h"
#include "exercise/SpielFenster.h"
#include "midi/JackServer.h"
#include "notation/Note.h"
#include "notation/NotenFenster.h"
#include "platform/HeadlessGui.h"
#include "platform/midi/RtMidiTreiber.h"
#include "settings/IniClass.h"
#include "sound/MIDI.h"

namespace {

using Steady = std::chrono::steady_clock;
using namespace std::chrono_literals;

double Ms(Steady::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void Print(const char* what, std::vector<double> values) {
    std::sort(values.begin(), values.end());
    if (values.empty()) {
        std::printf("%-40s no values\n", what);
        return;
    }
    auto at = [&](double q) {
        return values[std::min(values.size() - 1, size_t(q * values.size()))];
    };
    std::printf("%-40s n %3zu  median %5.1f ms  p90 %5.1f ms  max %5.1f ms\n", what, values.size(),
                at(0.5), at(0.9), values.back());
}

Note* Asked() {
    if (!SpielFenster::Haupt) return nullptr;
    for (const auto& note : SpielFenster::Haupt->Liste)
        if (note->Aktiv == 1) return note.get();
    return nullptr;
}

// The JACK transport alone: from sending to a second client holding the message.
std::vector<double> Transport(RtMidiOut& keys, int rounds) {
    RtMidiIn probe(RtMidi::UNIX_JACK, "Lesmora Probe");
    for (unsigned i = 0; i < probe.getPortCount(); ++i)
        if (probe.getPortName(i) == "Lesmora Keys:out") probe.openPort(i, "in");
    std::this_thread::sleep_for(100ms);
    std::vector<double> times;
    std::vector<unsigned char> message;
    for (int r = 0; r < rounds; ++r) {
        const std::vector<unsigned char> noteOn{0x90, 60, 100};
        const auto sent = Steady::now();
        keys.sendMessage(&noteOn);
        while (Steady::now() - sent < 1s) {
            probe.getMessage(&message);
            if (!message.empty()) {
                times.push_back(Ms(Steady::now() - sent));
                break;
            }
            std::this_thread::sleep_for(50us);
        }
        std::this_thread::sleep_for(20ms);
    }
    return times;
}

}  // namespace

// Resident memory in kB, from /proc.
long ResidentKb() {
    FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmRSS: %ld kB", &kb) == 1) break;
    std::fclose(status);
    return kb;
}

// Without a server the program counts the ports of its clients again, at spans that grow to
// half a minute: what one count costs in time and memory.
void CountingWithoutAServer() {
    setenv("JACK_DEFAULT_SERVER", "lesmora-bench-nobody-home", 1);
    MIDI::StartUp();
    const int counts = 1000;
    std::vector<double> each;
    MIDI::CountPortsAgain();  // the library's first-use allocations
    const long before = ResidentKb();
    for (int i = 0; i < counts; ++i) {
        const auto start = Steady::now();
        MIDI::CountPortsAgain();
        each.push_back(Ms(Steady::now() - start));
    }
    const long after = ResidentKb();
    std::printf("\nCounting the ports again, no JACK server (each half minute in the program):\n");
    Print("one count, both sides", each);
    std::printf("%-40s %ld kB over %d counts (%.1f hours of the program)\n",
                "resident memory growth", after - before, counts, counts / 120.0);
    MIDI::SetzeStartwerte();
}

int main() {
    JackServer jack;
    std::string why;
    if (!jack.start(why)) {
        std::printf("bench_midi: no JACK server: %s\n", why.c_str());
        return 1;
    }
    char folder[] = "/tmp/lesmora-bench-midi-XXXXXX";
    setenv("XDG_DATA_HOME", mkdtemp(folder), 1);
    RtMidiTreiber::install();
    RtMidiOut keys(RtMidi::UNIX_JACK, "Lesmora Keys");
    keys.openVirtualPort("out");

    const int rounds = 60;
    const std::vector<double> transport = Transport(keys, rounds);

    HeadlessGui gui;
    std::fflush(stdout);
    Programm::StartUp(gui);
    IniClass::Schreiben("", "MIDI", "MidiInDevice", "Lesmora Keys:out");
    MDI::MenuAction(MDI::MENU_SINGLE);

    std::mt19937 dice(7);
    std::uniform_real_distribution<double> phase(0.0, 1000.0 / 60);
    std::vector<double> answered;
    const auto start = Steady::now();
    long long n = 0;  // ticks so far; the n-th is due at n/60 s
    auto tick = [&] {
        std::this_thread::sleep_until(start + std::chrono::microseconds(n * 1000000 / 60));
        ++n;
        Programm::HandleEvent({EventId::TimerTick});
    };
    for (int i = 0; i < 30; ++i) tick();  // the input port opens, the first note comes
    for (int r = 0; r < rounds; ++r) {
        Note* note = nullptr;
        for (int i = 0; i < 600 && !(note = Asked()); ++i) tick();
        if (!note) break;
        const int before = Spiel::SpielerRichtig;
        // Play between two ticks, at a random moment.
        std::this_thread::sleep_until(start + std::chrono::microseconds(n * 1000000 / 60) -
                                      std::chrono::microseconds(int(phase(dice) * 1000)));
        const std::vector<unsigned char> noteOn{0x90, (unsigned char)note->EchtMidi, 100};
        const auto sent = Steady::now();
        keys.sendMessage(&noteOn);
        for (int i = 0; i < 120 && Spiel::SpielerRichtig == before; ++i) tick();
        if (Spiel::SpielerRichtig != before) answered.push_back(Ms(Steady::now() - sent));
    }
    std::printf("\nMIDI keyboard to answer, JACK dummy backend, 256 frames at 44.1 kHz:\n");
    Print("transport (second client holds it)", transport);
    Print("Note On to answer counted (60 Hz tick)", answered);
    MIDI::SetzeStartwerte();
    CountingWithoutAServer();
    return 0;
}
