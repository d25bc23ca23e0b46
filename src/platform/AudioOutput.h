#pragma once
// The audio output the sound scheduler plays its samples through: every started sample
// gets a channel of its own, cued paused, given a volume and then started; afterwards
// only its volume changes, and it plays out to its end.

#include <memory>
#include <string>
#include <vector>

#include "platform/AudioSample.h"

class AudioOutput {
  public:
    virtual ~AudioOutput() = default;

    // Cues the sample on a new channel, paused, at full volume. Returns the channel
    // (always above 0), or 0 when nothing could be cued.
    virtual int cue(std::shared_ptr<const AudioSample> sample) = 0;
    // Volume 0 to 1 (values outside are clamped). A channel that has played out or was
    // never cued is ignored.
    virtual void setVolume(int channel, float volume) = 0;
    // Starts a cued channel.
    virtual void resume(int channel) = 0;
    // The drivers this output can use, in its order of preference.
    virtual std::vector<std::string> drivers() = 0;
    // Opens the sound device through the named driver (empty: the platform's choice) and
    // starts pulling sound. Safe to call from a worker thread; does nothing when that
    // driver is already open.
    virtual void open(const std::string& driver) {}
    // The driver in use; empty while no device is open.
    virtual std::string driver() { return ""; }
};

// The program-wide audio output. Until the platform installs one it is a mixer that no
// device pulls: cued samples are kept but never heard.
struct AudioPlatform {
    static std::shared_ptr<AudioOutput> output();
    static void install(std::shared_ptr<AudioOutput> output);
};
