#pragma once
// Where received MIDI messages come from. The real input ports are the MIDI component's;
// until one is installed nothing is ever received.

#include <cstdint>
#include <vector>

class MidiInput {
  public:
    virtual ~MidiInput() = default;
    // The oldest waiting message, or no bytes when none waits.
    virtual std::vector<uint8_t> receive() = 0;
};

class NoMidiInput : public MidiInput {
  public:
    std::vector<uint8_t> receive() override { return {}; }
};
