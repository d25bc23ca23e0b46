// The mixer on its own, rendered offline: voices, volumes, glides, the end of a sample,
// resampling and the 16-bit form.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/AudioMixer.h"

namespace {

std::shared_ptr<const AudioSample> Rampe(int frames, int rate = 44100, int16_t step = 10) {
    auto sample = std::make_shared<AudioSample>();
    sample->rate = rate;
    for (int i = 0; i < frames; ++i) sample->frames.push_back(int16_t(step * (i + 1)));
    return sample;
}

std::vector<float> Mische(AudioMixer& mixer, int frames) {
    std::vector<float> out(size_t(2 * frames), 99.0f);  // overwritten, not added to
    mixer.mix(out.data(), frames);
    return out;
}

TEST(Mixer, ACuedVoiceIsSilentUntilStartedThenPlaysAtItsVolumeToItsEnd) {
    AudioMixer mixer;
    int channel = mixer.cue(Rampe(100));
    ASSERT_GT(channel, 0);
    mixer.setVolume(channel, 0.5f);
    for (float v : Mische(mixer, 10)) EXPECT_EQ(v, 0.0f);
    mixer.resume(channel);
    auto out = Mische(mixer, 150);
    for (int i = 0; i < 150; ++i) {
        float expected = i < 100 ? 0.5f * 10 * (i + 1) / 32768.0f : 0.0f;
        EXPECT_FLOAT_EQ(out[2 * i], expected) << "frame " << i;
        EXPECT_FLOAT_EQ(out[2 * i + 1], expected) << "frame " << i;
    }
    EXPECT_EQ(mixer.voices(), 0);  // played out
    EXPECT_EQ(mixer.framesMixed(), 160u);
    mixer.setVolume(channel, 1.0f);  // a channel that has ended is ignored
    EXPECT_EQ(mixer.voices(), 0);
}

TEST(Mixer, AVolumeChangeWhilePlayingGlidesToItsTarget) {
    AudioMixer mixer;
    auto flat = std::make_shared<AudioSample>();
    flat->frames.assign(2000, 16384);  // 0.5
    int channel = mixer.cue(flat);
    mixer.setVolume(channel, 1.0f);
    mixer.resume(channel);
    Mische(mixer, 100);
    mixer.setVolume(channel, 0.25f);
    auto out = Mische(mixer, 400);
    const int glide = int(AudioMixer::kGlideSeconds * 44100);
    float previous = 0.5f;
    for (int i = 0; i < glide; ++i) {  // falls steadily, no jump
        EXPECT_LT(out[2 * i], previous);
        EXPECT_LT(previous - out[2 * i], 0.5f * 0.75f / glide + 1e-6f);
        previous = out[2 * i];
    }
    for (int i = glide; i < 400; ++i) EXPECT_FLOAT_EQ(out[2 * i], 0.125f);
}

TEST(Mixer, VoicesAddUpAndEachKeepsItsOwnVolume) {
    AudioMixer mixer;
    int a = mixer.cue(Rampe(50));
    int b = mixer.cue(Rampe(50));
    EXPECT_NE(a, b);
    mixer.setVolume(a, 1.0f);
    mixer.setVolume(b, 0.25f);
    mixer.resume(a);
    mixer.resume(b);
    auto out = Mische(mixer, 50);
    for (int i = 0; i < 50; ++i) EXPECT_FLOAT_EQ(out[2 * i], 1.25f * 10 * (i + 1) / 32768.0f);
}

TEST(Mixer, VolumesAreClampedAndUnknownChannelsIgnored) {
    AudioMixer mixer;
    struct Case {
        float asked, used;
    };
    for (Case c : {Case{2.0f, 1.0f}, Case{-1.0f, 0.0f}, Case{NAN, 0.0f}, Case{0.3f, 0.3f}}) {
        int channel = mixer.cue(Rampe(10));
        mixer.setVolume(channel, c.asked);
        mixer.setVolume(channel + 1000, 0.7f);
        mixer.resume(channel);
        auto out = Mische(mixer, 10);
        EXPECT_FLOAT_EQ(out[18], c.used * 100 / 32768.0f) << c.asked;
    }
    EXPECT_EQ(mixer.cue(nullptr), 0);
    EXPECT_EQ(mixer.cue(std::make_shared<AudioSample>()), 0);
}

TEST(Mixer, ASampleOfHalfTheRatePlaysTwiceAsLongInterpolated) {
    AudioMixer mixer(44100);
    int channel = mixer.cue(Rampe(100, 22050));
    mixer.resume(channel);
    auto out = Mische(mixer, 210);
    EXPECT_FLOAT_EQ(out[0], 10 / 32768.0f);
    EXPECT_FLOAT_EQ(out[2], 15 / 32768.0f);  // halfway between 10 and 20
    EXPECT_FLOAT_EQ(out[4], 20 / 32768.0f);
    EXPECT_GT(out[2 * 199], 0.0f);
    EXPECT_EQ(out[2 * 200], 0.0f);
}

TEST(Mixer, SixteenBitOutputClipsAtFullScale) {
    AudioMixer mixer;
    auto loud = std::make_shared<AudioSample>();
    loud->frames.assign(8, 30000);
    for (int i = 0; i < 3; ++i) mixer.resume(mixer.cue(loud));  // 3 x 0.92 overflows
    std::vector<int16_t> out(2 * 10, 1);
    mixer.mix(out.data(), 10);
    EXPECT_EQ(out[0], 32767);
    EXPECT_EQ(out[1], 32767);
    EXPECT_EQ(out[2 * 9], 0);
}

TEST(Mixer, BeyondTheVoiceLimitTheOldestVoiceGoes) {
    AudioMixer mixer;
    std::vector<int> channels;
    for (int i = 0; i < AudioMixer::kMaxVoices + 1; ++i) channels.push_back(mixer.cue(Rampe(10)));
    EXPECT_EQ(mixer.voices(), AudioMixer::kMaxVoices);
    mixer.resume(channels.front());  // gone: nothing plays
    for (float v : Mische(mixer, 10)) EXPECT_EQ(v, 0.0f);
    mixer.resume(channels.back());
    EXPECT_GT(Mische(mixer, 10)[0], 0.0f);
}

TEST(Mixer, TheStartListenerHearsTheStreamFrameOfEachFirstSound) {
    AudioMixer mixer;
    std::vector<std::pair<int, uint64_t>> heard;
    mixer.setStartListener(
        [&](int channel, uint64_t frame) { heard.emplace_back(channel, frame); });
    int channel = mixer.cue(Rampe(1000));
    Mische(mixer, 256);
    mixer.resume(channel);
    Mische(mixer, 256);
    Mische(mixer, 256);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0], (std::pair<int, uint64_t>{channel, 256}));
}

}  // namespace
