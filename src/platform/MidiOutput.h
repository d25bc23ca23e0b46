#pragma once
// An output client of the MIDI system: it lists the ports it can send to, opens one of
// them and sends three-byte messages through it. The MIDI component drives it; the
// RtMidi client lives in platform/midi, tests use recording fakes.
//
// A client never throws: a failed operation answers 0, "" or false.

#include <array>
#include <cstdint>
#include <string>

class MidiOutput {
  public:
    virtual ~MidiOutput() = default;
    // Told on every start of the MIDI component.
    virtual void startUp() {}
    // The number of ports at this moment (it may change between calls).
    virtual int portCount() { return 1; }
    // The name of port `index` as the MIDI system lists it; "" when there is no such port.
    virtual std::string portName(int index) { return ""; }
    // Opens port `index`, naming the client's own end `portName`; false when it cannot
    // (the port has gone since it was counted, or the system refuses).
    virtual bool openPort(int index, const std::string& portName) { return true; }
    virtual void closePort() {}
    // Sends one message through the open port.
    virtual void send(const std::array<uint8_t, 3>& bytes) = 0;
};
