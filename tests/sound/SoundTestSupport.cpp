#include "SoundTestSupport.h"

#include "sound/MIDI.h"
#include "sound/SoundTyp.h"

int RecordingAudioOutput::cue(std::shared_ptr<const AudioSample> sample) {
    if (!sample) return 0;
    calls.push_back({AudioCall::Cue, nextChannel_, 1.0f, Runtime::millisecs(), sample});
    return nextChannel_++;
}

void RecordingAudioOutput::setVolume(int channel, float volume) {
    calls.push_back({AudioCall::Volume, channel, volume, Runtime::millisecs(), nullptr});
}

void RecordingAudioOutput::resume(int channel) {
    calls.push_back({AudioCall::Resume, channel, 0.0f, Runtime::millisecs(), nullptr});
}

std::vector<AudioCall> RecordingAudioOutput::ofKind(AudioCall::Kind kind) const {
    std::vector<AudioCall> found;
    for (const AudioCall& call : calls)
        if (call.kind == kind) found.push_back(call);
    return found;
}

void RecordingMidiOutput::send(const std::array<uint8_t, 3>& bytes) {
    sent.push_back({bytes, Runtime::millisecs()});
}

void SoundTest::SetUp() {
    FreshProgramTest::SetUp();
    previousClock_ = Runtime::clock;
    clock.now = 1000;
    Runtime::clock = &clock;
    AudioPlatform::install(audio);
    MIDI::SetzeAusgang(midi);
}

void SoundTest::TearDown() {
    SoundTyp::SetzeStartwerte();
    AudioPlatform::install(nullptr);
    MIDI::SetzeAusgang(nullptr);
    Runtime::clock = previousClock_;
    FreshProgramTest::TearDown();
}

void SoundTest::runUntil(int64_t time) {
    while (clock.now < time) {
        clock.advance(1);
        SoundTyp::CheckListe();
    }
}
