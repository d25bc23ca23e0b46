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
        MIDI::Reset();
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

}  // namespace
