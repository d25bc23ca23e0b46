#pragma once
// Fakes and a fixture for the sound tests: an audio output and a MIDI output that record
// what reaches them and when (on the injected clock), and a test that starts from the
// start values with a clock set by hand.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/AudioOutput.h"
#include "platform/Clock.h"
#include "platform/MidiOutput.h"
#include "support/TestSupport.h"

// One call that reached the audio output.
struct AudioCall {
    enum Kind { Cue, Volume, Resume } kind;
    int channel;
    float volume;                               // for Volume
    int64_t at;                                 // the program clock at the call
    std::shared_ptr<const AudioSample> sample;  // for Cue
};

class RecordingAudioOutput : public AudioOutput {
  public:
    int cue(std::shared_ptr<const AudioSample> sample) override;
    void setVolume(int channel, float volume) override;
    void resume(int channel) override;
    std::vector<std::string> drivers() override { return {"recording"}; }

    std::vector<AudioCall> calls;
    std::vector<AudioCall> ofKind(AudioCall::Kind kind) const;

  private:
    int nextChannel_ = 1;
};

struct MidiBytes {
    std::array<uint8_t, 3> bytes;
    int64_t at;
};

class RecordingMidiOutput : public MidiOutput {
  public:
    void startUp() override { ++startUps; }
    void send(const std::array<uint8_t, 3>& bytes) override;
    std::vector<MidiBytes> sent;
    int startUps = 0;
};

class SoundTest : public FreshProgramTest {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Moves the clock on millisecond by millisecond, with a scheduler pass at each.
    void runUntil(int64_t time);

    ManualClock clock;
    std::shared_ptr<RecordingAudioOutput> audio = std::make_shared<RecordingAudioOutput>();
    std::shared_ptr<RecordingMidiOutput> midi = std::make_shared<RecordingMidiOutput>();

  private:
    Clock* previousClock_ = nullptr;
};
