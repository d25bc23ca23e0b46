// Menu actions and the MIDI clients: without a MIDI server every try to make a client
// costs time and memory in the MIDI library, so a menu action makes no new try; a change
// of the MIDI settings does.
#include <gtest/gtest.h>

#include <memory>

#include "MidiFakes.h"
#include "exercise/ExerciseFixture.h"
#include "settings/IniClass.h"
#include "sound/MIDI.h"

namespace {

class MidiRestart : public ExerciseTest {
  protected:
    void SetUp() override {
        system->fails = true;  // as without an ALSA sequencer or a JACK server
        MIDI::SetzeTreiber(system);
        ExerciseTest::SetUp();
        IniClass::Schreiben("", "MIDI", "SignalOut", "1");
        tick();
        tick();  // the MIDI clients are tried once the first frame is shown
    }
    void TearDown() override {
        MIDI::SetzeStartwerte();
        ExerciseTest::TearDown();
        MIDI::SetzeTreiber(nullptr);
    }
    std::shared_ptr<FakeMidiSystem> system = std::make_shared<FakeMidiSystem>();
};

TEST_F(MidiRestart, MenuActionsMakeNoNewClients) {
    menu(MDI::MENU_SINGLE);  // the first action applies the sound settings written above
    const size_t outTries = system->outClients.size(), inTries = system->inClients.size();
    for (int tag : {MDI::MENU_FLOATING, MDI::MENU_SINGLE, MDI::MENU_LEARN, MDI::MENU_PAUSE,
                    MDI::MENU_SINGLE, MDI::MENU_FLOATING})
        menu(tag);
    EXPECT_EQ(system->outClients.size(), outTries);
    EXPECT_EQ(system->inClients.size(), inTries);
}

TEST_F(MidiRestart, AChangedMidiSettingStartsMidiAgain) {
    menu(MDI::MENU_SINGLE);
    const size_t outTries = system->outClients.size();
    IniClass::Schreiben("", "MIDI", "MidiOutDevice", "Another Synth");
    menu(MDI::MENU_FLOATING);
    EXPECT_EQ(system->outClients.size(), outTries + 1);
    menu(MDI::MENU_SINGLE);
    EXPECT_EQ(system->outClients.size(), outTries + 1);
}

TEST_F(MidiRestart, TimePassingMakesNoNewClients) {
    const size_t outTries = system->outClients.size(), inTries = system->inClients.size();
    ticksFor(5000);
    EXPECT_EQ(system->outClients.size(), outTries);
    EXPECT_EQ(system->inClients.size(), inTries);
}

// A MIDI system that is there but has no ports at the start: a keyboard plugged in later,
// or a JACK server too busy to take the program's client at first.
class LatePorts : public ExerciseTest {
  protected:
    void SetUp() override {
        MIDI::SetzeTreiber(system);
        ExerciseTest::SetUp();
        tick();
        tick();
    }
    void TearDown() override {
        MIDI::SetzeStartwerte();
        ExerciseTest::TearDown();
        MIDI::SetzeTreiber(nullptr);
    }
    std::shared_ptr<FakeMidiSystem> system = std::make_shared<FakeMidiSystem>();
};

TEST_F(LatePorts, PortsThatComeSoonAreFoundWithinASecond) {
    ASSERT_EQ(MIDI::OutStarted, 1);
    ASSERT_EQ(MIDI::InStarted, 1);
    system->output->p.ports = {"Synth"};
    system->input->p.ports = {"Keys"};
    ticksFor(500);
    EXPECT_EQ(MIDI::OutStarted, 1) << "counted again after a second, not at every frame";
    ticksFor(600);
    EXPECT_EQ(MIDI::OutStarted, 2);
    EXPECT_EQ(MIDI::InStarted, 3) << "the input is polled at every frame: once counted, it opens";
    EXPECT_EQ(system->input->p.opened, std::vector<int>{0});
    EXPECT_EQ(system->outClients.size(), 1u);
    EXPECT_EQ(system->inClients.size(), 1u);
}

TEST_F(LatePorts, TheLooksGrowApartUpToHalfAMinute) {
    // Where no ports come (a JACK server that never starts) the looks double their span:
    // 1, 2, 4, 8, 16, 30, 30 s ... after the start.
    const int before = system->output->p.counts;
    ticksFor(1000 + 2000 + 4000 + 8000 + 16000 + 30000 + 30000 + 500);
    EXPECT_EQ(system->output->p.counts - before, 7);
    EXPECT_EQ(MIDI::OutStarted, 1);
    EXPECT_EQ(system->outClients.size(), 1u) << "no new client is made";
}

TEST_F(LatePorts, AnOpenPortIsLeftAsItIs) {
    system->output->p.ports = {"Synth"};
    system->input->p.ports = {"Keys"};
    ticksFor(1100);
    MIDI::Send(0x90, 60, 100);
    ASSERT_EQ(MIDI::OutStarted, 3);
    ticksFor(3000);
    EXPECT_EQ(MIDI::OutStarted, 3);
    EXPECT_EQ(system->output->p.opened, std::vector<int>{0});
}

}  // namespace
