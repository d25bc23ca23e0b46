// The SDL output for real: SDL's disk driver writes the exact mixed stream to a file,
// which is read back. The program clock here is the stream itself (frames mixed), and
// the test holds SDL's audio thread while a scheduler pass runs, so every change lands
// at a known frame of the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "SoundTestSupport.h"
#include "data/Daten.h"
#include "data/Files.h"
#include "platform/sdl/SdlAudioOutput.h"
#include "sound/SoundTyp.h"

namespace {

size_t FrameAt(int ms) {
    return size_t(ms) * SdlAudioOutput::kRate / 1000;
}

// Milliseconds of the output stream: the frames the mixer has delivered.
class StreamClock : public Clock {
  public:
    explicit StreamClock(AudioMixer& mixer) : mixer_(mixer) {}
    int64_t millisecs() override {
        return kBase + int64_t(mixer_.framesMixed() * 1000 / SdlAudioOutput::kRate);
    }
    static constexpr int64_t kBase = 1000;

  private:
    AudioMixer& mixer_;
};

// Passes everything on to the SDL output and notes the stream frame of each change.
class FrameStampedOutput : public AudioOutput {
  public:
    explicit FrameStampedOutput(std::shared_ptr<SdlAudioOutput> sdl) : sdl_(std::move(sdl)) {}
    struct Change {
        AudioCall::Kind kind;
        int channel;
        float volume;
        uint64_t frame;
    };
    int cue(std::shared_ptr<const AudioSample> sample) override {
        int channel = sdl_->cue(sample);
        changes.push_back({AudioCall::Cue, channel, 1.0f, frame()});
        return channel;
    }
    void setVolume(int channel, float volume) override {
        sdl_->setVolume(channel, volume);
        changes.push_back({AudioCall::Volume, channel, volume, frame()});
    }
    void resume(int channel) override {
        sdl_->resume(channel);
        changes.push_back({AudioCall::Resume, channel, 0.0f, frame()});
    }
    std::vector<std::string> drivers() override { return sdl_->drivers(); }
    void open(const std::string& driver) override { sdl_->open(driver); }
    std::string driver() override { return sdl_->driver(); }

    std::vector<Change> changes;

  private:
    uint64_t frame() { return sdl_->mixer().framesMixed(); }
    std::shared_ptr<SdlAudioOutput> sdl_;
};

class SdlOutput : public SoundTest {};

TEST_F(SdlOutput, TheDiskDriverRecordsTheScheduledToneWithItsFade) {
    const std::string file = root + "/stream.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    auto sdl = std::make_shared<SdlAudioOutput>();
    auto stamped = std::make_shared<FrameStampedOutput>(sdl);
    AudioPlatform::install(stamped);
    StreamClock streamClock(sdl->mixer());
    Runtime::clock = &streamClock;

    SoundTyp::ReloadAudioSounds("Piano/Acoustic Grand Piano", 24);
    SoundTyp::WarteAufLader();  // opens the device too
    ASSERT_EQ(sdl->driver(), "disk");

    sdl->holdDevice();
    const int due = int(Runtime::millisecs()) + 100;
    SoundTyp::AddSound(due, 60, 1, 80, 500);
    sdl->releaseDevice();

    std::vector<uint64_t> passes;  // the stream frame of every scheduler pass
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    // Passes until every event has run and 1.5 s of the stream have passed. If this
    // thread is late, the stream runs ahead and a pass carries out several due events.
    while ((!SoundTyp::SoundListe.empty() || Runtime::millisecs() < due + 1500) &&
           std::chrono::steady_clock::now() < giveUp) {
        sdl->holdDevice();
        passes.push_back(sdl->mixer().framesMixed());
        SoundTyp::CheckListe();
        sdl->releaseDevice();
        const uint64_t seen = passes.back();
        while (sdl->mixer().framesMixed() == seen && std::chrono::steady_clock::now() < giveUp)
            std::this_thread::yield();
    }
    // Enough of the stream after the last pass to compare the note's fade and tail.
    while (sdl->mixer().framesMixed() < passes.back() + FrameAt(1500) &&
           std::chrono::steady_clock::now() < giveUp)
        std::this_thread::yield();
    ASSERT_GE(sdl->mixer().framesMixed(), passes.back() + FrameAt(1500))
        << "the disk driver stopped writing";
    const uint64_t mixed = sdl->mixer().framesMixed();
    const std::vector<FrameStampedOutput::Change> changes = stamped->changes;
    AudioPlatform::install(nullptr);
    stamped.reset();
    sdl.reset();  // closes the device and its file
    Runtime::clock = &clock;

    // One cue, its start volume and start, then 21 fade steps.
    ASSERT_EQ(changes.size(), 24u);
    EXPECT_EQ(changes[0].kind, AudioCall::Cue);
    EXPECT_EQ(changes[1].kind, AudioCall::Volume);
    EXPECT_FLOAT_EQ(changes[1].volume, 80.0f / 127.0f);
    EXPECT_EQ(changes[2].kind, AudioCall::Resume);
    const uint64_t onset = changes[0].frame;
    EXPECT_EQ(changes[2].frame, onset);

    // Every change came at the first scheduler pass after its due time.
    auto zeit = [](uint64_t frame) {
        return StreamClock::kBase + int64_t(frame * 1000 / SdlAudioOutput::kRate);
    };
    auto ersterPassNach = [&](int64_t time) {
        for (uint64_t pass : passes)
            if (zeit(pass) > time) return pass;
        return uint64_t(0);
    };
    EXPECT_EQ(onset, ersterPassNach(due));
    for (int k = 0; k <= 20; ++k) {
        const auto& step = changes[size_t(k) + 3];
        SCOPED_TRACE("fade step " + std::to_string(k));
        EXPECT_EQ(step.kind, AudioCall::Volume);
        EXPECT_EQ(step.frame, ersterPassNach(due + 375 + 20 * k));
        EXPECT_NEAR(step.volume, std::pow(0.9, k) * 80 / 127, 1e-6);
    }

    // The file: float stereo, silent before the onset, then the sample times the volume
    // that was set, step by step (the short glide after each step left out). SDL opens a
    // device paused and may write a few buffers of silence before it is started; those
    // frames never pass the mixer, so the file runs that many whole buffers ahead of it.
    std::string bytes = readFile(file);
    std::vector<float> out(bytes.size() / sizeof(float));
    std::memcpy(out.data(), bytes.data(), out.size() * sizeof(float));
    const size_t frames = out.size() / 2;
    auto reference = AudioSample::fromOggVorbis(
        *Files::readBytes(DatenPfad + "Piano/Acoustic Grand Piano60.ogg"));
    ASSERT_TRUE(reference);
    const std::vector<int16_t>& pcm = reference->frames;

    size_t fileOnset = 0;
    while (fileOnset < frames && out[2 * fileOnset] == 0.0f) ++fileOnset;
    ASSERT_GE(fileOnset, onset) << "the tone is in the file before it was started"
                                << "; onset " << onset << ", file onset " << fileOnset
                                << ", file frames " << frames << ", mixed " << mixed
                                << ", last change " << changes.back().frame;
    const size_t vorlauf = fileOnset - onset;
    EXPECT_EQ(vorlauf % size_t(SdlAudioOutput::kBufferFrames), 0u) << vorlauf;
    ASSERT_GE(frames, mixed + vorlauf - SdlAudioOutput::kBufferFrames);
    ASSERT_GT(frames, fileOnset + FrameAt(900));

    const size_t glide = size_t(AudioMixer::kGlideSeconds * SdlAudioOutput::kRate);
    struct Abschnitt {
        size_t from, to;  // stream frames of the mixer
        float volume;
    };
    std::vector<Abschnitt> abschnitte = {{onset, changes[3].frame, changes[1].volume}};
    for (size_t j = 3; j < changes.size(); ++j) {
        size_t to = j + 1 < changes.size() ? changes[j + 1].frame : onset + pcm.size();
        abschnitte.push_back(
            {changes[j].frame + glide, std::min(to, frames - vorlauf), changes[j].volume});
    }
    for (const Abschnitt& a : abschnitte) {
        double worst = 0;
        for (size_t n = a.from; n < a.to; ++n) {
            // A late test thread lets the stream run past the tone's end between two
            // changes: the mixer plays silence there.
            const size_t at = n - onset;
            double expected = at < pcm.size() ? pcm[at] / 32768.0 * a.volume : 0.0;
            const size_t f = n + vorlauf;
            worst = std::max(worst, std::abs(out[2 * f] - expected));
            ASSERT_EQ(out[2 * f], out[2 * f + 1]) << "frame " << f;
        }
        EXPECT_LT(worst, 1e-6) << "frames " << a.from << " to " << a.to << " at " << a.volume;
    }
}

TEST_F(SdlOutput, WithoutAUsableDriverItFallsBackToTheDummyDriver) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlAudioOutput sdl;
    std::vector<std::string> drivers = sdl.drivers();
    EXPECT_NE(std::find(drivers.begin(), drivers.end(), "dummy"), drivers.end());
    EXPECT_NE(std::find(drivers.begin(), drivers.end(), "disk"), drivers.end());
    ::testing::internal::CaptureStdout();
    sdl.open("");
    std::string said = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(sdl.driver(), "dummy");
    EXPECT_NE(said.find("cannot start"), std::string::npos) << said;
    // It plays silently: the dummy device pulls from the mixer.
    const uint64_t before = sdl.mixer().framesMixed();
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (sdl.mixer().framesMixed() == before && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::yield();
    EXPECT_GT(sdl.mixer().framesMixed(), before);
}

TEST_F(SdlOutput, AnUnknownDriverNameFromTheSettingsIsNotTried) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlAudioOutput sdl;
    ::testing::internal::CaptureStdout();
    sdl.open("Soundblaster");
    std::string said = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(sdl.driver(), "dummy");
    EXPECT_NE(said.find("no driver named 'Soundblaster'"), std::string::npos) << said;
    sdl.open("");  // already open: stays
    EXPECT_EQ(sdl.driver(), "dummy");
}

}  // namespace
