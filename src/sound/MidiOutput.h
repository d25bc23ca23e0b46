#pragma once
// Where the three-byte MIDI messages of the program go. The real output ports are the
// MIDI component's; until one is installed, messages are dropped.

#include <array>
#include <cstdint>
#include <memory>

class MidiOutput {
  public:
    virtual ~MidiOutput() = default;
    // Creates the client and counts the ports; called before the first messages.
    virtual void startUp() {}
    // Sends one message; an output without an open port drops it.
    virtual void send(const std::array<uint8_t, 3>& bytes) = 0;
};

// Drops every message, and says so once on standard output.
class DroppingMidiOutput : public MidiOutput {
  public:
    void send(const std::array<uint8_t, 3>& bytes) override;

  private:
    bool told_ = false;
};
