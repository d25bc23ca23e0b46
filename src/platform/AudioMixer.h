#pragma once
// The mixer behind every audio output: one voice per started sample, each with its own
// volume, summed into interleaved stereo. A volume change while a voice plays glides over
// a couple of milliseconds so that the steps of a fade do not click. A voice ends when
// its sample has played out. The voice list is locked: the program changes it, the
// device's audio thread mixes it.

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "platform/AudioOutput.h"

class AudioMixer : public AudioOutput {
  public:
    static constexpr int kMaxVoices = 64;           // beyond this the oldest voice is dropped
    static constexpr double kGlideSeconds = 0.002;  // length of a volume glide

    explicit AudioMixer(int rate = 44100);

    int cue(std::shared_ptr<const AudioSample> sample) override;
    void setVolume(int channel, float volume) override;
    void resume(int channel) override;
    std::vector<std::string> drivers() override { return {}; }

    // The output rate; samples of another rate are resampled linearly.
    void setRate(int rate);
    int rate() const;

    // Mixes the next `frames` stereo frames (left, right, left, ...), replacing the
    // contents of `stereo`. The 16-bit form clips at full scale.
    void mix(float* stereo, int frames);
    void mix(int16_t* stereo, int frames);

    // Frames mixed since the mixer was made: the position of the output stream.
    uint64_t framesMixed() const { return framesMixed_.load(); }
    // Voices cued or playing.
    int voices() const;
    // Called on the mixing thread, inside the mix, with a channel and the stream frame at
    // which its sample first sounds.
    void setStartListener(std::function<void(int channel, uint64_t frame)> listener);

  private:
    struct Voice {
        int channel = 0;
        std::shared_ptr<const AudioSample> sample;
        double position = 0;  // in frames of the sample
        float gain = 1, target = 1, glideStep = 0;
        int glideLeft = 0;
        bool playing = false;
        bool started = false;  // the first frame has been mixed
    };
    Voice* find(int channel);

    mutable std::mutex mutex_;
    std::vector<Voice> voices_;
    int nextChannel_ = 1;
    int rate_;
    std::atomic<uint64_t> framesMixed_{0};
    std::vector<float> scratch_;
    std::function<void(int, uint64_t)> startListener_;
};
