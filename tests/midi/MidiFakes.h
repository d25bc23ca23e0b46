#pragma once
// MIDI clients for tests: a port list set by hand, with every call recorded; a MIDI
// system that hands them out.

#include <deque>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/MidiInput.h"
#include "platform/MidiOutput.h"
#include "platform/MidiTreiber.h"

// What both fake clients share: the listed ports and the record of opening.
struct FakePorts {
    std::vector<std::string> ports;  // as the system lists them now
    // Ports that vanish at the moment they are opened (counted, named, then gone).
    bool vanishOnOpen = false;
    bool throws = false;  // every call throws, as a broken system might
    std::vector<int> opened;
    std::vector<std::string> openedAs;
    int closes = 0;
    mutable int counts = 0;  // every look at the port list

    void check() const {
        if (throws) throw std::runtime_error("the MIDI system broke down");
    }
    int count() const {
        check();
        ++counts;
        return static_cast<int>(ports.size());
    }
    std::string name(int i) const {
        check();
        return i >= 0 && i < count() ? ports[i] : "";
    }
    bool open(int i, const std::string& as) {
        check();
        if (vanishOnOpen) ports.clear();
        if (i < 0 || i >= count()) return false;
        opened.push_back(i);
        openedAs.push_back(as);
        return true;
    }
};

class FakeMidiOutput : public MidiOutput {
  public:
    int portCount() override { return p.count(); }
    std::string portName(int i) override { return p.name(i); }
    bool openPort(int i, const std::string& as) override { return p.open(i, as); }
    void closePort() override {
        p.check();
        ++p.closes;
    }
    void send(const std::array<uint8_t, 3>& bytes) override {
        p.check();
        sent.push_back(bytes);
    }
    FakePorts p;
    std::vector<std::array<uint8_t, 3>> sent;
};

class FakeMidiInput : public MidiInput {
  public:
    int portCount() override { return p.count(); }
    std::string portName(int i) override { return p.name(i); }
    bool openPort(int i, const std::string& as) override { return p.open(i, as); }
    void closePort() override {
        p.check();
        ++p.closes;
    }
    void ignoreTypes(bool sysex, bool timing, bool sensing) override {
        p.check();
        filters.push_back({sysex, timing, sensing});
    }
    std::vector<uint8_t> receive() override {
        p.check();
        if (waiting.empty()) return {};
        std::vector<uint8_t> bytes = waiting.front();
        waiting.pop_front();
        return bytes;
    }
    FakePorts p;
    std::deque<std::vector<uint8_t>> waiting;
    std::vector<std::vector<bool>> filters;
};

class FakeMidiSystem : public MidiTreiber {
  public:
    std::shared_ptr<MidiOutput> neuerAusgang(const std::string& clientName) override {
        outClients.push_back(clientName);
        return fails ? nullptr : output;
    }
    std::shared_ptr<MidiInput> neuerEingang(const std::string& clientName,
                                            int queueLimit) override {
        inClients.push_back(clientName);
        queueLimits.push_back(queueLimit);
        return fails ? nullptr : input;
    }
    std::shared_ptr<FakeMidiOutput> output = std::make_shared<FakeMidiOutput>();
    std::shared_ptr<FakeMidiInput> input = std::make_shared<FakeMidiInput>();
    bool fails = false;
    std::vector<std::string> outClients, inClients;
    std::vector<int> queueLimits;
};
