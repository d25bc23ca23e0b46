// Prints the time from a mouse press on a note-name button to the first mixed sample of
// its tone: the whole program on a headless platform with the real clock, SDL output
// (the dummy driver where there is no sound card), single notes in practice.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

#include "app/MDI.h"
#include "app/Programm.h"
#include "input/TastenFeldTyp.h"
#include "platform/AudioOutput.h"
#include "platform/HeadlessGui.h"
#include "platform/sdl/SdlAudioOutput.h"
#include "sound/SoundTyp.h"

namespace {
using Steady = std::chrono::steady_clock;

double millisBetween(Steady::time_point from, Steady::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

void post(EventId id, int data = 0, int x = 0, int y = 0) {
    Programm::HandleEvent({id, nullptr, data, x, y});
}
}  // namespace

int main() {
    auto folder = std::filesystem::temp_directory_path() / "lesmora-bench-click";
    std::filesystem::remove_all(folder);
    setenv("XDG_DATA_HOME", folder.c_str(), 1);
    auto sdl = std::make_shared<SdlAudioOutput>();
    AudioPlatform::install(sdl);
    HeadlessGui gui;
    Programm::StartUp(gui);
    SoundTyp::WarteAufLader();
    MDI::MenuAction(MDI::MENU_SINGLE);

    std::mutex mutex;
    std::condition_variable heard;
    Steady::time_point firstMix{};
    bool gotIt = false;
    sdl->mixer().setStartListener([&](int, uint64_t) {
        std::lock_guard lock(mutex);
        firstMix = Steady::now();
        gotIt = true;
        heard.notify_one();
    });

    // The middle of the cap of button C (index 1), in canvas pixels.
    auto canvas = [](int picture, int origin) {
        return origin + static_cast<int>(std::lround(picture * TastenFeldTyp::Scale));
    };
    const int x = canvas(96 + 57, TastenFeldTyp::X), y = canvas(633 - 20, TastenFeldTyp::Y);
    const auto tick = std::chrono::microseconds(16667);
    auto nextTick = Steady::now() + tick;
    std::mt19937 dice(7);
    std::vector<double> toSample;
    for (int press = 0; press < 40; ++press) {
        std::this_thread::sleep_until(nextTick - tick + std::chrono::microseconds(dice() % 16000));
        {
            std::lock_guard lock(mutex);
            gotIt = false;
        }
        auto pressed = Steady::now();
        post(EventId::MouseMove, 0, x, y);
        post(EventId::MouseDown, 1, x, y);
        for (int t = 0; t < 6 && !gotIt; ++t) {
            std::this_thread::sleep_until(nextTick);
            nextTick += tick;
            post(EventId::TimerTick);
            std::unique_lock lock(mutex);
            heard.wait_for(lock, std::chrono::milliseconds(8), [&] { return gotIt; });
        }
        if (gotIt) toSample.push_back(millisBetween(pressed, firstMix));
        post(EventId::MouseUp, 1, x, y);
        for (int t = 0; t < 30; ++t) {  // the tone fades on the following ticks
            std::this_thread::sleep_until(nextTick);
            nextTick += tick;
            post(EventId::TimerTick);
        }
    }
    sdl->mixer().setStartListener(nullptr);
    std::sort(toSample.begin(), toSample.end());
    if (toSample.empty()) {
        std::printf("no tone was mixed\n");
        return 1;
    }
    std::printf(
        "mouse press on a note-name button to its first mixed sample through '%s' "
        "(%zu presses): median %.1f ms, max %.1f ms, plus %.1f ms of device buffer\n",
        sdl->driver().c_str(), toSample.size(), toSample[toSample.size() / 2], toSample.back(),
        1000.0 * SdlAudioOutput::kBufferFrames / SdlAudioOutput::kRate);
    return 0;
}
