// The scheduler playing a real piano sample into the mixer, rendered offline one
// millisecond at a time: the output is the sample at 80/127 until three quarters of the
// note's length, then a step down by a tenth every 20 ms, and it plays out to its end.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "SoundTestSupport.h"
#include "data/Daten.h"
#include "data/Files.h"
#include "platform/AudioMixer.h"
#include "sound/SoundTyp.h"

namespace {

class OfflineRender : public SoundTest {};

// The stream frame where millisecond m of the render begins.
size_t FrameAt(int m) {
    return size_t(m) * 441 / 10;
}

TEST_F(OfflineRender, APianoNoteWithItsFadeIsTheSampleTimesTheStepEnvelope) {
    auto mixer = std::make_shared<AudioMixer>(44100);
    AudioPlatform::install(mixer);
    SoundTyp::ReloadAudioSounds("Piano/Acoustic Grand Piano", 24);
    auto reference = AudioSample::fromOggVorbis(
        *Files::readBytes(DatenPfad + "Piano/Acoustic Grand Piano60.ogg"));
    ASSERT_TRUE(reference);
    ASSERT_EQ(reference->rate, 44100);

    const int64_t start = clock.now;
    SoundTyp::AddSound(int(start), 60, 1, 80, 500);
    const int lengthMs = 3000;
    std::vector<float> out(2 * FrameAt(lengthMs));
    for (int m = 1; m <= lengthMs; ++m) {
        clock.now = start + m;
        SoundTyp::CheckListe();  // takes effect from frame FrameAt(m - 1)
        mixer->mix(out.data() + 2 * FrameAt(m - 1), int(FrameAt(m) - FrameAt(m - 1)));
    }

    // The envelope: each gain holds from its step (after the glide) to the next step.
    struct Abschnitt {
        size_t from, to;
        double gain;
    };
    const size_t glide = size_t(AudioMixer::kGlideSeconds * 44100);
    std::vector<Abschnitt> abschnitte = {{0, FrameAt(375), 80.0 / 127}};
    for (int k = 0; k <= 20; ++k) {
        size_t from = FrameAt(375 + 20 * k) + glide;
        size_t to = k < 20 ? FrameAt(375 + 20 * (k + 1)) : out.size() / 2;
        abschnitte.push_back({from, to, std::pow(0.9, k) * 80 / 127});
    }
    const std::vector<int16_t>& pcm = reference->frames;
    for (const Abschnitt& a : abschnitte) {
        double worst = 0;
        for (size_t n = a.from; n < a.to; ++n) {
            double expected = n < pcm.size() ? pcm[n] / 32768.0 * a.gain : 0.0;
            worst = std::max(worst, std::abs(out[2 * n] - expected));
            ASSERT_EQ(out[2 * n], out[2 * n + 1]) << "frame " << n;
        }
        EXPECT_LT(worst, 1e-6) << "frames " << a.from << " to " << a.to << " at gain " << a.gain;
    }
    // The note really sounded: loud at the start, about 12 % of that after the fade.
    auto rms = [&](size_t from, size_t to) {
        double sum = 0;
        for (size_t n = from; n < to; ++n) sum += double(out[2 * n]) * out[2 * n];
        return std::sqrt(sum / double(to - from));
    };
    EXPECT_GT(rms(0, FrameAt(300)), 0.02);
    ASSERT_LT(pcm.size(), out.size() / 2);
    EXPECT_EQ(rms(pcm.size(), out.size() / 2), 0.0);  // played out, then silence
    EXPECT_EQ(mixer->voices(), 0);
}

}  // namespace
