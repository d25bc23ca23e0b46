// Sound figures and listening renders.
//
//   bench_sound            prints the time to load the 66 piano samples and the time from
//                          a scheduled click (added at "now", carried out on the next
//                          60 Hz tick) to the first mixed sample of its tone, through the
//                          SDL output (SDL's dummy driver unless SDL_AUDIODRIVER says
//                          otherwise).
//   bench_sound render DIR renders the examination countdown, the closing chord of a
//                          passed and of a failed examination through SDL's disk driver
//                          into DIR as 16-bit WAV files, with a waveform picture of each.

#include <png.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "data/Daten.h"
#include "data/Files.h"
#include "exercise/Spiel.h"
#include "platform/AudioOutput.h"
#include "platform/Clock.h"
#include "platform/sdl/SdlAudioOutput.h"
#include "sound/Phrasen.h"
#include "sound/SoundTyp.h"

namespace {

using Steady = std::chrono::steady_clock;

double MsSeit(Steady::time_point from, Steady::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

void BereiteDatenVor() {
    RegistriereDatenArchiv();
    DatenPfad = "ZIP::Incbin::DATEN.ZIP//";
    char pattern[] = "/tmp/lesmora-bench-XXXXXX";
    AppPfad = std::string(mkdtemp(pattern)) + "/";
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void LadeZeiten() {
    const int runs = 5;
    std::vector<double> caller, background, serial;
    for (int run = 0; run < runs; ++run) {
        auto start = Steady::now();
        SoundTyp::ReloadAudioSounds("Piano/Acoustic Grand Piano", 24);
        auto returned = Steady::now();
        SoundTyp::WarteAufLader();
        auto done = Steady::now();
        caller.push_back(MsSeit(start, returned));
        background.push_back(MsSeit(start, done));
        // The same 66 files decoded one after the other on this thread.
        auto before = Steady::now();
        for (int k = 0; k <= 65; ++k) {
            auto bytes = Files::readBytes(DatenPfad + "Piano/Acoustic Grand Piano" +
                                          std::to_string(24 + k) + ".ogg");
            if (bytes) AudioSample::fromOggVorbis(*bytes);
        }
        serial.push_back(MsSeit(before, Steady::now()));
    }
    std::printf("sample loading (median of %d):\n", runs);
    std::printf("  on the calling thread (read 66 files, start the loader): %.1f ms\n",
                Median(caller));
    std::printf("  until the background loader has opened the device and decoded all: %.1f ms\n",
                Median(background));
    std::printf("  decoding all 66 in one thread, for comparison: %.1f ms\n", Median(serial));
}

void KlickLatenz() {
    auto sdl = std::make_shared<SdlAudioOutput>();
    AudioPlatform::install(sdl);
    SoundTyp::ReloadAudioSounds("Piano/Acoustic Grand Piano", 24);
    SoundTyp::WarteAufLader();

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

    SteadyClock steady;
    Runtime::clock = &steady;
    std::mt19937 dice(7);
    const int clicks = 60;
    std::vector<double> toTick, toFirstSample;
    const auto tick = std::chrono::microseconds(16667);
    auto nextTick = Steady::now() + tick;
    for (int i = 0; i < clicks; ++i) {
        // The click arrives somewhere between two ticks, as a mouse press would.
        std::this_thread::sleep_until(nextTick - tick + std::chrono::microseconds(dice() % 16000));
        {
            std::lock_guard lock(mutex);
            gotIt = false;
        }
        auto clicked = Steady::now();
        SoundTyp::AddSound(int(Runtime::millisecs()), 60 + i % 12, 1, 80, 200);
        std::this_thread::sleep_until(nextTick);
        SoundTyp::CheckListe();
        auto ticked = Steady::now();
        std::unique_lock lock(mutex);
        heard.wait_for(lock, std::chrono::milliseconds(500), [&] { return gotIt; });
        if (gotIt) {
            toTick.push_back(MsSeit(clicked, ticked));
            toFirstSample.push_back(MsSeit(clicked, firstMix));
        }
        lock.unlock();
        // Let the fade events run on the following ticks.
        for (int t = 0; t < 40; ++t) {
            nextTick += tick;
            std::this_thread::sleep_until(nextTick);
            SoundTyp::CheckListe();
        }
        nextTick += tick;
    }
    sdl->mixer().setStartListener(nullptr);
    const double buffer = 1000.0 * sdl->bufferFrames() / SdlAudioOutput::kRate;
    std::printf("click to first mixed sample through '%s' (%zu of %d clicks):\n",
                sdl->driver().c_str(), toFirstSample.size(), clicks);
    std::printf("  click to the tick that starts it: median %.1f ms, max %.1f ms\n", Median(toTick),
                toTick.empty() ? 0 : *std::max_element(toTick.begin(), toTick.end()));
    std::printf(
        "  click to first mixed sample: median %.1f ms, max %.1f ms\n", Median(toFirstSample),
        toFirstSample.empty() ? 0 : *std::max_element(toFirstSample.begin(), toFirstSample.end()));
    std::printf("  plus the device buffer of %d frames (%.1f ms) before it is heard\n",
                sdl->bufferFrames(), buffer);
    SoundTyp::SetzeStartwerte();
    AudioPlatform::install(nullptr);
}

// ---- rendering ----

// Milliseconds of the output stream: the frames the mixer has delivered.
class StreamClock : public Clock {
  public:
    explicit StreamClock(AudioMixer& mixer) : mixer_(mixer) {}
    int64_t millisecs() override {
        return 1000 + int64_t(mixer_.framesMixed() * 1000 / SdlAudioOutput::kRate);
    }

  private:
    AudioMixer& mixer_;
};

void SchreibeWav(const std::string& path, const std::vector<float>& stereo) {
    std::vector<int16_t> pcm(stereo.size());
    for (size_t i = 0; i < stereo.size(); ++i)
        pcm[i] = int16_t(std::clamp(std::lround(stereo[i] * 32768.0f), -32768L, 32767L));
    auto le32 = [](uint32_t v) {
        return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    };
    auto le16 = [](uint16_t v) { return std::string{char(v), char(v >> 8)}; };
    const uint32_t data = uint32_t(pcm.size() * 2);
    std::string header = "RIFF" + le32(36 + data) + "WAVEfmt " + le32(16) + le16(1) + le16(2) +
                         le32(SdlAudioOutput::kRate) + le32(SdlAudioOutput::kRate * 4) + le16(4) +
                         le16(16) + "data" + le32(data);
    std::ofstream out(path, std::ios::binary);
    out.write(header.data(), std::streamsize(header.size()));
    out.write(reinterpret_cast<const char*>(pcm.data()), std::streamsize(data));
}

// The left channel as a waveform (top) and its level in dB over 20 ms windows (bottom),
// with a grid line every second.
void SchreibeBild(const std::string& path, const std::vector<float>& stereo) {
    const int width = 1600, half = 250, height = 2 * half;
    std::vector<uint8_t> rgb(size_t(width * height * 3), 255);
    auto punkt = [&](int x, int y, uint8_t r, uint8_t g, uint8_t b) {
        if (x < 0 || x >= width || y < 0 || y >= height) return;
        uint8_t* p = &rgb[size_t((y * width + x) * 3)];
        p[0] = r, p[1] = g, p[2] = b;
    };
    const size_t frames = stereo.size() / 2;
    const double perColumn = double(frames) / width;
    for (int s = 0; s * SdlAudioOutput::kRate < int(frames); ++s) {
        int x = int(s * SdlAudioOutput::kRate / perColumn);
        for (int y = 0; y < height; ++y) punkt(x, y, 200, 200, 230);
    }
    for (int x = 0; x < width; ++x) punkt(x, half, 0, 0, 0);
    for (int x = 0; x < width; ++x) {
        size_t from = size_t(x * perColumn), to = std::min(frames, size_t((x + 1) * perColumn));
        float lo = 0, hi = 0;
        for (size_t n = from; n < to; ++n)
            lo = std::min(lo, stereo[2 * n]), hi = std::max(hi, stereo[2 * n]);
        int y0 = half / 2 - int(hi * half / 2), y1 = half / 2 - int(lo * half / 2);
        for (int y = y0; y <= y1; ++y) punkt(x, y, 30, 60, 160);
    }
    const size_t window = SdlAudioOutput::kRate / 50;
    for (int x = 0; x < width; ++x) {
        size_t centre = size_t((x + 0.5) * perColumn);
        size_t from = centre > window / 2 ? centre - window / 2 : 0,
               to = std::min(frames, from + window);
        double sum = 0;
        for (size_t n = from; n < to; ++n) sum += double(stereo[2 * n]) * stereo[2 * n];
        double db = 10 * std::log10(sum / double(std::max<size_t>(1, to - from)) + 1e-12);
        for (int level = -80; level <= 0; level += 20)
            punkt(x, half + int(-level * (half - 1) / 80.0), 220, 220, 220);
        int y = half + int(std::clamp(-db, 0.0, 80.0) * (half - 1) / 80.0);
        for (int d = -1; d <= 1; ++d) punkt(x, y + d, 180, 30, 30);
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = width;
    image.height = height;
    image.format = PNG_FORMAT_RGB;
    png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr);
}

void Rendere(const std::string& ordner, const std::string& name, std::function<void()> phrase,
             int lengthMs) {
    const std::string raw = ordner + "/" + name + ".raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    auto sdl = std::make_shared<SdlAudioOutput>();
    AudioPlatform::install(sdl);
    StreamClock clock(sdl->mixer());
    Runtime::clock = &clock;
    SoundTyp::ReloadAudioSounds("Piano/Acoustic Grand Piano", 24);
    SoundTyp::WarteAufLader();
    if (sdl->driver() != "disk") {
        std::printf("%s: the disk driver did not open\n", name.c_str());
        return;
    }
    // Ticks every 1/60 s of the stream, each while SDL's audio thread is held.
    sdl->holdDevice();
    const int64_t start = Runtime::millisecs();
    uint64_t startFrame = sdl->mixer().framesMixed();
    phrase();
    sdl->releaseDevice();
    for (int tick = 1; Runtime::millisecs() < start + lengthMs; ++tick) {
        const uint64_t due = startFrame + uint64_t(tick) * SdlAudioOutput::kRate / 60;
        while (sdl->mixer().framesMixed() < due) std::this_thread::yield();
        sdl->holdDevice();
        SoundTyp::CheckListe();
        sdl->releaseDevice();
    }
    SoundTyp::SetzeStartwerte();
    AudioPlatform::install(nullptr);
    sdl.reset();
    SteadyClock steady;
    Runtime::clock = &steady;

    std::string bytes = Files::readBytes(raw).value_or("");
    std::vector<float> stereo(bytes.size() / sizeof(float));
    std::memcpy(stereo.data(), bytes.data(), stereo.size() * sizeof(float));
    std::filesystem::remove(raw);
    // From the phrase's call to its length; the device's earlier silence is cut off.
    size_t from = std::min(stereo.size(), size_t(2 * startFrame));
    size_t to = std::min(stereo.size(), from + 2 * size_t(lengthMs) * SdlAudioOutput::kRate / 1000);
    std::vector<float> phraseOnly(stereo.begin() + long(from), stereo.begin() + long(to));
    SchreibeWav(ordner + "/" + name + ".wav", phraseOnly);
    SchreibeBild(ordner + "/" + name + ".png", phraseOnly);
    float peak = 0;
    for (float v : phraseOnly) peak = std::max(peak, std::abs(v));
    std::printf("%s: %.2f s, peak %.3f, written to %s/%s.wav and .png\n", name.c_str(),
                phraseOnly.size() / 2.0 / SdlAudioOutput::kRate, peak, ordner.c_str(),
                name.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    BereiteDatenVor();
    static SteadyClock steady;
    Runtime::clock = &steady;
    if (argc > 2 && std::string(argv[1]) == "render") {
        std::string ordner = argv[2];
        std::filesystem::create_directories(ordner);
        SoundTyp::MidiOutKanal = 1;
        Rendere(
            ordner, "countdown", [] { PlayCountdown(); }, 8000);
        Rendere(
            ordner, "passed", [] { PlayAkkord(24, 28, 31, 36, 750, 0); }, 4500);
        Rendere(
            ordner, "failed",
            [] {
                PlayAkkord(24, 11, 10, 9, 750, 0);
                PlayAkkord(8, 7, 6, 5, 1750, 0);
            },
            5500);
        return 0;
    }
    if (!std::getenv("SDL_AUDIODRIVER")) setenv("SDL_AUDIODRIVER", "dummy", 1);
    LadeZeiten();
    KlickLatenz();
    return 0;
}
