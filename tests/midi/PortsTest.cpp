// The MIDI component's states, port opening by name, message records and the input queue,
// with fake clients.
#include <gtest/gtest.h>

#include "MidiFakes.h"
#include "settings/IniClass.h"
#include "sound/MIDI.h"
#include "support/TestSupport.h"

namespace {

class Ports : public FreshProgramTest {
  protected:
    void SetUp() override {
        FreshProgramTest::SetUp();
        MIDI::SetzeTreiber(system);
        ::testing::internal::CaptureStdout();
    }
    void TearDown() override {
        said();
        MIDI::SetzeStartwerte();
        MIDI::SetzeTreiber(nullptr);
        FreshProgramTest::TearDown();
    }
    // What the component said since the last call.
    std::string said() {
        std::string text = ::testing::internal::GetCapturedStdout();
        ::testing::internal::CaptureStdout();
        return text;
    }
    FakeMidiOutput& out() { return *system->output; }
    FakeMidiInput& in() { return *system->input; }

    std::shared_ptr<FakeMidiSystem> system = std::make_shared<FakeMidiSystem>();
};

TEST_F(Ports, StartUpMakesEachClientOnceAndCountsItsPorts) {
    EXPECT_EQ(MIDI::OutStarted, 0);
    EXPECT_EQ(MIDI::InStarted, 0);
    MIDI::StartUp();
    EXPECT_EQ(system->outClients, std::vector<std::string>{"RtMidi Output Client"});
    EXPECT_EQ(system->inClients, std::vector<std::string>{"RtMidi Input Client"});
    EXPECT_EQ(system->queueLimits, std::vector<int>{100});
    EXPECT_EQ(MIDI::OutStarted, 1);  // no ports yet
    EXPECT_EQ(MIDI::InStarted, 1);
    EXPECT_NE(said().find("no ports"), std::string::npos);

    out().p.ports = {"Synth"};
    MIDI::StartUp();
    EXPECT_EQ(MIDI::OutStarted, 2);
    EXPECT_EQ(MIDI::InStarted, 1);
    in().p.ports = {"Keys"};
    MIDI::StartUp();
    EXPECT_EQ(MIDI::InStarted, 2);
    EXPECT_EQ(system->outClients.size(), 1u);
    EXPECT_EQ(system->inClients.size(), 1u);
    EXPECT_TRUE(out().p.opened.empty()) << "ports open only when used";
}

TEST_F(Ports, WithoutAMidiSystemTheProgramRunsWithoutPorts) {
    for (bool installed : {false, true}) {
        SCOPED_TRACE(installed ? "a system that cannot make clients" : "no system");
        MIDI::SetzeStartwerte();
        if (installed) {
            system->fails = true;
            MIDI::SetzeTreiber(system);
        } else {
            MIDI::SetzeTreiber(nullptr);
        }
        MIDI::StartUp();
        EXPECT_EQ(MIDI::OutStarted, 0);
        EXPECT_EQ(MIDI::InStarted, 0);
        std::string text = said();
        EXPECT_NE(text.find("without MIDI output"), std::string::npos) << text;
        EXPECT_NE(text.find("without MIDI input"), std::string::npos) << text;
        MIDI::Send(0x90, 60, 100);
        MIDI::Send(0x90, 60, 0);
        MIDI::Receive();
        EXPECT_TRUE(MIDI::InMessages.empty());
        EXPECT_EQ(MIDI::ListOutDevices(0), "");
        EXPECT_EQ(MIDI::ListInDevices(0), "");
        text = said();
        EXPECT_EQ(text, "midi: no output port is open; messages are dropped\n");
    }
}

struct OpenCase {
    const char* what;
    const char* setting;  // nullptr: absent
    int opened;
};

class OpenByName : public Ports, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenByName, TheFirstSendOpensTheNamedOutputOrPortZero) {
    const OpenCase& c = GetParam();
    if (c.setting) IniClass::Schreiben("", "MIDI", "MidiOutDevice", c.setting);
    out().p.ports = {"Synth A:out", "Synth B:out", "Synth C:out"};
    MIDI::StartUp();
    ASSERT_EQ(MIDI::OutStarted, 2);
    MIDI::SendNote(3, 64, 90);
    EXPECT_EQ(MIDI::OutStarted, 3);
    EXPECT_EQ(out().p.opened, std::vector<int>{c.opened});
    EXPECT_EQ(out().p.openedAs, std::vector<std::string>{"RtMidi Output"});
    ASSERT_EQ(out().sent.size(), 1u);
    EXPECT_EQ(out().sent[0], (std::array<uint8_t, 3>{0x92, 64, 90}));
    MIDI::SendProgrammChange(1, 5);
    EXPECT_EQ(out().p.opened.size(), 1u) << "the open port is kept";
    EXPECT_EQ(out().sent.size(), 2u);
}

TEST_P(OpenByName, TheFirstReceiveOpensTheNamedInputOrPortZero) {
    const OpenCase& c = GetParam();
    if (c.setting) IniClass::Schreiben("", "MIDI", "MidiInDevice", c.setting);
    in().p.ports = {"Synth A:out", "Synth B:out", "Synth C:out"};
    in().waiting = {{0x90, 60, 100}};
    MIDI::StartUp();
    MIDI::Receive();
    EXPECT_EQ(MIDI::InStarted, 3);
    EXPECT_EQ(in().p.opened, std::vector<int>{c.opened});
    EXPECT_EQ(in().p.openedAs, std::vector<std::string>{"RtMidi Input"});
    EXPECT_EQ(MIDI::InMessages.size(), 1u);
    // The chosen keyboard passes clock and sensing; the fallback keeps the default filter.
    const bool matched = c.setting && c.opened != 0;
    EXPECT_EQ(in().filters.size(), matched ? 1u : 0u);
    if (matched) EXPECT_EQ(in().filters[0], (std::vector<bool>{true, false, false}));
}

INSTANTIATE_TEST_SUITE_P(Cases, OpenByName,
                         ::testing::Values(OpenCase{"the named port", "Synth B:out", 1},
                                           OpenCase{"the last port", "Synth C:out", 2},
                                           OpenCase{"an absent device", "Old Synth:out", 0},
                                           OpenCase{"names are case-sensitive", "synth b:out", 0},
                                           OpenCase{"no setting", nullptr, 0}));

TEST_F(Ports, OpeningAgainClosesThePortAndOpensTheNewName) {
    out().p.ports = {"A", "B"};
    MIDI::Send(0x90, 60, 1);  // state 0: no client yet, dropped
    EXPECT_TRUE(out().p.opened.empty());
    MIDI::StartUp();
    MIDI::OutAuf("A");
    EXPECT_EQ(MIDI::OutStarted, 3);
    MIDI::OutAuf("B");
    EXPECT_EQ(out().p.closes, 1);
    EXPECT_EQ(out().p.opened, (std::vector<int>{0, 1}));
    EXPECT_EQ(MIDI::OutStarted, 3);
}

TEST_F(Ports, PortsThatVanishBeforeOpeningAreTriedAgainAtTheNextUse) {
    out().p.ports = {"Synth"};
    in().p.ports = {"Keys"};
    MIDI::StartUp();
    out().p.vanishOnOpen = in().p.vanishOnOpen = true;
    said();
    MIDI::Send(0x90, 60, 100);
    MIDI::Receive();
    EXPECT_TRUE(out().p.opened.empty());
    EXPECT_TRUE(in().p.opened.empty());
    EXPECT_EQ(MIDI::OutStarted, 1);
    EXPECT_EQ(MIDI::InStarted, 1);
    const std::string text = said();
    EXPECT_NE(text.find("output ports are gone"), std::string::npos) << text;
    EXPECT_NE(text.find("input ports are gone"), std::string::npos) << text;

    // Back again: the next use counts, opens and delivers.
    out().p.vanishOnOpen = in().p.vanishOnOpen = false;
    out().p.ports = {"Synth"};
    in().p.ports = {"Keys"};
    in().waiting = {{0x90, 62, 70}};
    MIDI::Send(0x90, 61, 100);
    MIDI::Receive();
    EXPECT_EQ(MIDI::OutStarted, 3);
    EXPECT_EQ(MIDI::InStarted, 3);
    EXPECT_EQ(out().sent, (std::vector<std::array<uint8_t, 3>>{{0x90, 61, 100}}));
    ASSERT_EQ(MIDI::InMessages.size(), 1u);
    EXPECT_EQ(MIDI::InMessages.front().Note, 62);
}

TEST_F(Ports, AFailedRetryWaitsForTheNextStartUp) {
    out().p.ports = {"Synth"};
    MIDI::StartUp();
    out().p.vanishOnOpen = true;
    MIDI::Send(0x90, 60, 100);  // gone while opening
    MIDI::Send(0x90, 60, 100);  // the retry: no ports
    EXPECT_EQ(MIDI::OutStarted, 1);
    EXPECT_FALSE(MIDI::OutNochmal);
    out().p.vanishOnOpen = false;
    out().p.ports = {"Synth"};
    MIDI::Send(0x90, 60, 100);
    EXPECT_TRUE(out().p.opened.empty()) << "a side without ports is counted by StartUp";
    MIDI::StartUp();
    MIDI::Send(0x90, 60, 100);
    EXPECT_EQ(out().p.opened, std::vector<int>{0});
    EXPECT_EQ(out().sent.size(), 1u);
}

TEST_F(Ports, NothingTheMidiSystemThrowsLeavesTheComponent) {
    out().p.ports = {"Synth"};
    in().p.ports = {"Keys"};
    MIDI::StartUp();
    out().p.throws = in().p.throws = true;
    EXPECT_NO_THROW(MIDI::StartUp());
    EXPECT_NO_THROW(MIDI::Send(0x90, 60, 100));
    EXPECT_NO_THROW(MIDI::Receive());
    EXPECT_NO_THROW(MIDI::OutAuf("Synth"));
    EXPECT_NO_THROW(MIDI::InAuf("Keys"));
    EXPECT_EQ(MIDI::ListOutDevices(0), "");
    EXPECT_EQ(MIDI::ListInDevices(0), "");
    EXPECT_NE(MIDI::OutStarted, 3);
    EXPECT_NE(MIDI::InStarted, 3);
    EXPECT_TRUE(MIDI::InMessages.empty());
    EXPECT_NE(said().find("the MIDI system broke down"), std::string::npos);
    // Once it works again, so does the component.
    out().p.throws = in().p.throws = false;
    MIDI::StartUp();
    MIDI::Send(0x90, 60, 100);
    EXPECT_EQ(out().sent.size(), 1u);
}

TEST_F(Ports, DeviceListsNameThePortsOfEachSide) {
    EXPECT_EQ(MIDI::ListOutDevices(0), "") << "before StartUp there is no client";
    out().p.ports = {"Synth A", "Synth B"};
    in().p.ports = {"Keys"};
    MIDI::StartUp();
    const std::pair<int, std::string> outs[] = {{0, "Synth A"}, {1, "Synth B"}, {2, ""}, {-1, ""}};
    for (const auto& [i, name] : outs) EXPECT_EQ(MIDI::ListOutDevices(i), name) << i;
    EXPECT_EQ(MIDI::ListInDevices(0), "Keys");
    EXPECT_EQ(MIDI::ListInDevices(1), "");
    in().p.ports.clear();  // the keyboard was unplugged
    EXPECT_EQ(MIDI::ListInDevices(0), "");
}

struct BytesCase {
    std::vector<uint8_t> bytes;
    int typ, kanal, note, volume;
};

TEST_F(Ports, EachReceivedMessageBecomesARecord) {
    const BytesCase cases[] = {
        {{0x99, 60, 100}, 9, 9, 60, 100},      // Note On, channel 10
        {{0xF8}, 15, 8, 0, 0},                 // timing clock
        {{0xB0, 7}, 11, 0, 7, 0},              // a Control Change cut short
        {{0x80, 61, 64, 1, 2}, 8, 0, 61, 64},  // bytes after the third are ignored
        {{0xE3, 0, 64}, 14, 3, 0, 64},         // Pitch Bend
        {{0xCF, 12}, 12, 15, 12, 0},           // Program Change, channel 16
    };
    in().p.ports = {"Keys"};
    MIDI::StartUp();
    for (const BytesCase& c : cases) in().waiting.push_back(c.bytes);
    in().waiting.push_back({});  // an empty message makes no record
    for (size_t i = 0; i < std::size(cases) + 2; ++i) MIDI::Receive();
    ASSERT_EQ(MIDI::InMessages.size(), std::size(cases));
    size_t i = 0;
    for (const MidiMessageTyp& m : MIDI::InMessages) {
        const BytesCase& c = cases[i++];
        EXPECT_EQ(m.Typ, c.typ) << i;
        EXPECT_EQ(m.Kanal, c.kanal) << i;
        EXPECT_EQ(m.Note, c.note) << i;
        EXPECT_EQ(m.Volume, c.volume) << i;
    }
}

struct NextCase {
    const char* what;
    std::vector<int> typen;  // the queue, oldest first
    int typ;
    int expected;  // Typ of the message returned; -1 none
    std::vector<int> left;
};

class NextMessage : public Ports, public ::testing::WithParamInterface<NextCase> {};

TEST_P(NextMessage, TakesFromTheFrontUntilTheAskedType) {
    const NextCase& c = GetParam();
    for (int typ : c.typen) {
        MidiMessageTyp m;
        m.Typ = typ;
        m.Note = 50 + typ;
        MIDI::InMessages.push_back(m);
    }
    std::optional<MidiMessageTyp> got = MIDI::GetNextMessage(c.typ);
    EXPECT_EQ(got.has_value(), c.expected >= 0);
    if (got) {
        EXPECT_EQ(got->Typ, c.expected);
        EXPECT_EQ(got->Note, 50 + c.expected);
    }
    std::vector<int> left;
    for (const MidiMessageTyp& m : MIDI::InMessages) left.push_back(m.Typ);
    EXPECT_EQ(left, c.left);
}

INSTANTIATE_TEST_SUITE_P(Cases, NextMessage,
                         ::testing::Values(NextCase{"Note On found", {11, 9, 8}, 9, 9, {8}},
                                           NextCase{
                                               "no Note On: the last removed", {11, 8}, 9, 8, {}},
                                           NextCase{"the oldest", {11, 9, 8}, 0, 11, {9, 8}},
                                           NextCase{"the first of two", {9, 9}, 9, 9, {9}},
                                           NextCase{"empty", {}, 9, -1, {}},
                                           NextCase{"empty, any type", {}, 0, -1, {}}));

}  // namespace
