#pragma once
// The MIDI system of the platform: it makes the output and the input client. The
// program installs the RtMidi one at start; without one the program has no MIDI ports.

#include <memory>
#include <string>

#include "platform/MidiInput.h"
#include "platform/MidiOutput.h"

class MidiTreiber {
  public:
    virtual ~MidiTreiber() = default;
    // A new output client under this client name; none when the MIDI system cannot make
    // one (it says why on standard output).
    virtual std::shared_ptr<MidiOutput> neuerAusgang(const std::string& clientName) = 0;
    // A new input client that queues at most `queueLimit` messages; none when it cannot.
    virtual std::shared_ptr<MidiInput> neuerEingang(const std::string& clientName,
                                                    int queueLimit) = 0;
};

// The program-wide MIDI system; none until the platform installs one (the program's
// main installs RtMidi; tests install fakes).
struct MidiPlatform {
    static std::shared_ptr<MidiTreiber> treiber();
    static void install(std::shared_ptr<MidiTreiber> treiber);
};
