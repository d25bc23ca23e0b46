#pragma once
// An input client of the MIDI system: it lists the ports it can listen to, opens one of
// them and queues what arrives there until it is polled. The MIDI component drives it;
// the RtMidi client lives in platform/midi, tests use scripted fakes.
//
// A client never throws: a failed operation answers 0, "", false or no bytes.

#include <cstdint>
#include <string>
#include <vector>

class MidiInput {
  public:
    virtual ~MidiInput() = default;
    // Told on every start of the MIDI component.
    virtual void startUp() {}
    // The number of ports at this moment (it may change between calls).
    virtual int portCount() { return 1; }
    // The name of port `index` as the MIDI system lists it; "" when there is no such port.
    virtual std::string portName(int index) { return ""; }
    // Opens port `index`, naming the client's own end `portName`; false when it cannot.
    virtual bool openPort(int index, const std::string& portName) { return true; }
    virtual void closePort() {}
    // Which kinds of message the client drops on arrival: system exclusive, timing clock,
    // active sensing. A new client drops all three.
    virtual void ignoreTypes(bool sysex, bool timing, bool sensing) {}
    // The oldest waiting message, or no bytes when none waits.
    virtual std::vector<uint8_t> receive() = 0;
};
