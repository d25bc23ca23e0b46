// The MIDI component's message records and builders.
#include <gtest/gtest.h>

#include <deque>

#include "SoundTestSupport.h"
#include "sound/MIDI.h"

namespace {

class ScriptedMidiInput : public MidiInput {
  public:
    std::vector<uint8_t> receive() override {
        if (waiting.empty()) return {};
        auto bytes = waiting.front();
        waiting.pop_front();
        return bytes;
    }
    std::deque<std::vector<uint8_t>> waiting;
};

class Midi : public SoundTest {};

TEST_F(Midi, ReceiveTakesOneMessagePerCallAndRecordsItsBytes) {
    auto input = std::make_shared<ScriptedMidiInput>();
    input->waiting = {{0x99, 60, 100}, {0xF8}, {0xB0, 7}, {0x90, 61, 20, 99}};
    MIDI::SetzeEingang(input);
    struct Erwartet {
        int typ, kanal, note, volume;
    };
    const Erwartet expected[] = {{9, 9, 60, 100}, {15, 8, 0, 0}, {11, 0, 7, 0}, {9, 0, 61, 20}};
    for (size_t i = 0; i < 4; ++i) {
        MIDI::Receive();
        ASSERT_EQ(MIDI::InMessages.size(), i + 1);
        const MidiMessageTyp& m = MIDI::InMessages.back();
        EXPECT_EQ(m.Typ, expected[i].typ) << i;
        EXPECT_EQ(m.Kanal, expected[i].kanal) << i;
        EXPECT_EQ(m.Note, expected[i].note) << i;
        EXPECT_EQ(m.Volume, expected[i].volume) << i;
    }
    MIDI::Receive();  // nothing waits
    EXPECT_EQ(MIDI::InMessages.size(), 4u);
    MIDI::SetzeStartwerte();
    EXPECT_TRUE(MIDI::InMessages.empty());
    MIDI::SetzeEingang(nullptr);
}

TEST_F(Midi, ProgramChangesCarryAZeroThirdByte) {
    struct Case {
        int kanal, programm;
        bool sent;
        std::array<uint8_t, 3> bytes;
    };
    const Case cases[] = {
        {1, 0, true, {0xC0, 0, 0}}, {3, 87, true, {0xC2, 87, 0}}, {16, 127, true, {0xCF, 127, 0}},
        {0, 5, true, {0xC0, 5, 0}}, {1, 128, false, {}},          {1, -1, false, {}}};
    for (const Case& c : cases) {
        midi->sent.clear();
        ::testing::internal::CaptureStdout();
        MIDI::SendProgrammChange(c.kanal, c.programm);
        ::testing::internal::GetCapturedStdout();
        ASSERT_EQ(midi->sent.size(), c.sent ? 1u : 0u) << c.kanal << " " << c.programm;
        if (c.sent) {
            EXPECT_EQ(midi->sent[0].bytes, c.bytes);
        }
    }
}

}  // namespace
