#pragma once
// The audio output through an SDL2 audio device: SDL's audio thread pulls float stereo
// from the mixer in small buffers. Without a usable device it falls back to SDL's
// "dummy" driver and runs silently; if even that fails, samples are mixed for nobody.

#include <cstdint>
#include <mutex>
#include <string>

#include "platform/AudioMixer.h"
#include "platform/AudioOutput.h"

class SdlAudioOutput : public AudioOutput {
  public:
    static constexpr int kRate = 44100;
    // Frames per device buffer: 256 at 44.1 kHz are 5.8 ms, so a click is heard within
    // one tick (16.7 ms) plus this buffer.
    static constexpr int kBufferFrames = 256;

    SdlAudioOutput();
    ~SdlAudioOutput() override;

    // Makes an SDL output the program's audio output (the device opens with the samples).
    static void install();

    int cue(std::shared_ptr<const AudioSample> sample) override { return mixer_.cue(sample); }
    void setVolume(int channel, float volume) override { mixer_.setVolume(channel, volume); }
    void resume(int channel) override { mixer_.resume(channel); }
    // SDL's audio drivers, as SDL lists them.
    std::vector<std::string> drivers() override;
    // Tries the named driver, then SDL's own choice (which honours SDL_AUDIODRIVER),
    // then "dummy". An unknown name counts as empty.
    void open(const std::string& driver) override;
    std::string driver() override;

    AudioMixer& mixer() { return mixer_; }
    // The device's buffer in frames as obtained; 0 while closed.
    int bufferFrames();
    // Holds and releases SDL's audio thread between two buffers (tools and tests that
    // step the output buffer by buffer).
    void holdDevice();
    void releaseDevice();

  private:
    bool openWith(const char* driver);  // under deviceMutex_
    void close();                       // under deviceMutex_
    static void pull(void* self, uint8_t* stream, int bytes);

    AudioMixer mixer_{kRate};
    std::mutex deviceMutex_;
    uint32_t device_ = 0;
    bool audioInit_ = false;
    std::string driver_;
    int bufferFrames_ = 0;
};
