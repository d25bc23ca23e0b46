#include "platform/AudioMixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

AudioMixer::AudioMixer(int rate) : rate_(rate > 0 ? rate : 44100) {}

int AudioMixer::cue(std::shared_ptr<const AudioSample> sample) {
    if (!sample || sample->frames.empty() || sample->rate <= 0) return 0;
    std::lock_guard lock(mutex_);
    if (int(voices_.size()) >= kMaxVoices) voices_.erase(voices_.begin());
    Voice voice;
    voice.channel = nextChannel_++;
    voice.sample = std::move(sample);
    voices_.push_back(std::move(voice));
    return voices_.back().channel;
}

AudioMixer::Voice* AudioMixer::find(int channel) {
    for (Voice& voice : voices_)
        if (voice.channel == channel) return &voice;
    return nullptr;
}

void AudioMixer::setVolume(int channel, float volume) {
    volume = std::clamp(std::isfinite(volume) ? volume : 0.0f, 0.0f, 1.0f);
    std::lock_guard lock(mutex_);
    Voice* voice = find(channel);
    if (!voice) return;
    voice->target = volume;
    if (!voice->playing) {
        voice->gain = volume;
        voice->glideLeft = 0;
        return;
    }
    voice->glideLeft = std::max(1, int(kGlideSeconds * rate_));
    voice->glideStep = (volume - voice->gain) / float(voice->glideLeft);
}

void AudioMixer::resume(int channel) {
    std::lock_guard lock(mutex_);
    if (Voice* voice = find(channel)) voice->playing = true;
}

void AudioMixer::setRate(int rate) {
    std::lock_guard lock(mutex_);
    if (rate > 0) rate_ = rate;
}

int AudioMixer::rate() const {
    std::lock_guard lock(mutex_);
    return rate_;
}

int AudioMixer::voices() const {
    std::lock_guard lock(mutex_);
    return int(voices_.size());
}

void AudioMixer::setStartListener(std::function<void(int, uint64_t)> listener) {
    std::lock_guard lock(mutex_);
    startListener_ = std::move(listener);
}

void AudioMixer::mix(float* stereo, int frames) {
    if (frames <= 0) return;
    std::memset(stereo, 0, sizeof(float) * 2 * size_t(frames));
    std::lock_guard lock(mutex_);
    const uint64_t streamStart = framesMixed_.load();
    for (Voice& voice : voices_) {
        if (!voice.playing) continue;
        const std::vector<int16_t>& pcm = voice.sample->frames;
        const double step = double(voice.sample->rate) / rate_;
        const size_t length = pcm.size();
        if (!voice.started) {
            voice.started = true;
            if (startListener_) startListener_(voice.channel, streamStart);
        }
        for (int i = 0; i < frames; ++i) {
            size_t index = size_t(voice.position);
            if (index >= length) break;
            double fraction = voice.position - double(index);
            float value = pcm[index];
            if (fraction > 0) {
                float next = index + 1 < length ? pcm[index + 1] : 0.0f;
                value += float(fraction) * (next - value);
            }
            if (voice.glideLeft > 0) {
                voice.gain = --voice.glideLeft == 0 ? voice.target : voice.gain + voice.glideStep;
            }
            float out = value * (1.0f / 32768.0f) * voice.gain;
            stereo[2 * i] += out;
            stereo[2 * i + 1] += out;
            voice.position += step;
        }
    }
    std::erase_if(voices_, [](const Voice& voice) {
        return voice.playing && size_t(voice.position) >= voice.sample->frames.size();
    });
    framesMixed_ += uint64_t(frames);
}

void AudioMixer::mix(int16_t* stereo, int frames) {
    if (frames <= 0) return;
    if (scratch_.size() < size_t(2 * frames)) scratch_.resize(size_t(2 * frames));
    mix(scratch_.data(), frames);
    for (size_t i = 0; i < size_t(2 * frames); ++i) {
        float scaled = std::round(scratch_[i] * 32768.0f);
        stereo[i] = int16_t(std::clamp(scaled, -32768.0f, 32767.0f));
    }
}
