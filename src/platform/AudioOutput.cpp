#include "platform/AudioOutput.h"

#include "platform/AudioMixer.h"

namespace {
std::shared_ptr<AudioOutput>& installed() {
    static std::shared_ptr<AudioOutput> output = std::make_shared<AudioMixer>();
    return output;
}
}  // namespace

std::shared_ptr<AudioOutput> AudioPlatform::output() {
    return installed();
}

void AudioPlatform::install(std::shared_ptr<AudioOutput> output) {
    installed() = output ? std::move(output) : std::make_shared<AudioMixer>();
}
