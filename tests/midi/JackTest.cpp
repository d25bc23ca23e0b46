// The program's MIDI ports on a real MIDI system: a private JACK server with the dummy
// backend, a second client playing a keyboard into the program's input and listening to
// its output.
#include <gtest/gtest.h>

#include <RtMidi.h>

#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <iostream>
#include <memory>
#include <thread>
#include <vector>

#include "JackServer.h"
#include "dialogs/Parameter.h"
#include "exercise/ExerciseFixture.h"
#include "input/KlavierTyp.h"
#include "platform/midi/RtMidiTreiber.h"
#include "sound/MIDI.h"
#include "sound/SoundTyp.h"
#include "state/Maus.h"

namespace {

using Bytes = std::vector<unsigned char>;
using namespace std::chrono_literals;

class OverJack : public ExerciseTest {
  protected:
    void SetUp() override {
        std::string why;
        if (!jack.start(why)) GTEST_SKIP() << "no JACK server for the MIDI test: " << why;
        RtMidiTreiber::install();
        keys = std::make_unique<RtMidiOut>(RtMidi::UNIX_JACK, "Lesmora Keys");
        listener = std::make_unique<RtMidiIn>(RtMidi::UNIX_JACK, "Lesmora Listener");
        listener->ignoreTypes(false, false, false);
        // A loaded machine may refuse a new client once; the port opening asks again.
        for (int attempt = 1;; ++attempt) {
            try {
                keys->openVirtualPort("out");  // a port made already is kept
                listener->openVirtualPort("in");
                break;
            } catch (const RtMidiError& e) {
                if (attempt == 3) throw;
                std::cout << "test: " << e.getMessage() << "; trying again" << std::endl;
                std::this_thread::sleep_for(200ms);
            }
        }
        ExerciseTest::SetUp();  // the program starts
        started = true;
        tick();
        tick();  // the MIDI clients start and count the ports once the first frame is shown
        // A loaded machine's server may not take a client at once; the program counts
        // again each second.
        tickUntil([] { return MIDI::OutStarted == 2 && MIDI::InStarted == 2; }, 400, 20);
        IniClass::Schreiben("", "MIDI", "MidiInDevice", "Lesmora Keys:out");
        IniClass::Schreiben("", "MIDI", "MidiOutDevice", "Lesmora Listener:in");
        IniClass::Schreiben("", "MIDI", "SignalOut", "1");
        IniClass::Schreiben("", "MIDI", "MidiInstrument", "12");
    }
    void TearDown() override {
        if (started) {
            MIDI::SetzeStartwerte();  // the program's clients go before the server
            ExerciseTest::TearDown();
        }
        MIDI::SetzeTreiber(nullptr);
        keys.reset();
        listener.reset();
        jack.stop();
    }
    void play(Bytes message) { keys->sendMessage(&message); }
    // Ticks the program, letting real time pass for JACK, until `done` or two seconds of
    // real time.
    bool tickUntil(const std::function<bool()>& done, int ticks = 400, int msEach = 16) {
        for (int i = 0; i < ticks && !done(); ++i) {
            std::this_thread::sleep_for(5ms);
            tick(msEach);
        }
        return done();
    }
    // What reaches the listener within the time given, until `count` messages came.
    std::vector<Bytes> heard(size_t count, std::chrono::milliseconds within = 2000ms) {
        std::vector<Bytes> messages;
        const auto deadline = std::chrono::steady_clock::now() + within;
        while (messages.size() < count && std::chrono::steady_clock::now() < deadline) {
            Bytes message;
            listener->getMessage(&message);
            if (message.empty())
                std::this_thread::sleep_for(1ms);
            else
                messages.push_back(message);
        }
        return messages;
    }

    JackServer jack;
    std::unique_ptr<RtMidiOut> keys;
    std::unique_ptr<RtMidiIn> listener;
    bool started = false;
};

TEST_F(OverJack, TheProgramSeesThePortsByTheirNames) {
    EXPECT_EQ(MIDI::OutStarted, 2);
    EXPECT_EQ(MIDI::InStarted, 2);
    std::vector<std::string> outs, ins;
    for (int i = 0; !MIDI::ListOutDevices(i).empty(); ++i) outs.push_back(MIDI::ListOutDevices(i));
    for (int i = 0; !MIDI::ListInDevices(i).empty(); ++i) ins.push_back(MIDI::ListInDevices(i));
    EXPECT_NE(std::find(outs.begin(), outs.end(), "Lesmora Listener:in"), outs.end());
    EXPECT_NE(std::find(ins.begin(), ins.end(), "Lesmora Keys:out"), ins.end());
}

TEST_F(OverJack, SingleNotesAreAnsweredOnAMidiKeyboard) {
    useLesson({"22|25|28|31|34"});
    menu(MDI::MENU_SINGLE);
    // The sound settings choose the instrument on channels 1 to 3.
    EXPECT_EQ(heard(3), (std::vector<Bytes>{{0xC0, 12, 0}, {0xC1, 12, 0}, {0xC2, 12, 0}}));

    Note* note = waitForNote();
    ASSERT_NE(note, nullptr);
    tick();  // the first poll opens the input port
    ASSERT_EQ(MIDI::InStarted, 3);
    std::this_thread::sleep_for(50ms);  // the connection is made
    play({0x90, static_cast<unsigned char>(note->EchtMidi), 100});
    EXPECT_TRUE(tickUntil([] { return Spiel::SpielerRichtig == 1; }));
    EXPECT_EQ(Spiel::SpielerFalsch, 0);

    // A Note Off and a Note On with velocity 1 are no answers; a wrong pitch is.
    ASSERT_TRUE(tickUntil([&] { return (note = asked()) != nullptr; }));
    const auto wrong = static_cast<unsigned char>(note->EchtMidi + 1);
    play({0x80, static_cast<unsigned char>(note->EchtMidi), 0});
    play({0x90, static_cast<unsigned char>(note->EchtMidi), 1});
    play({0x90, wrong, 90});
    EXPECT_TRUE(tickUntil([] { return Spiel::SpielerFalsch == 1; }));
    EXPECT_EQ(Spiel::SpielerRichtig, 1);
    EXPECT_EQ(asked(), note) << "the note is still asked";
    // And answered right after all.
    play({0x90, static_cast<unsigned char>(note->EchtMidi), 64});
    EXPECT_TRUE(tickUntil([] { return Spiel::SpielerRichtig == 2; }));
    EXPECT_EQ(Spiel::SpielerFalsch, 1);
    EXPECT_TRUE(MIDI::InMessages.empty());
}

TEST_F(OverJack, APlayedKeySoundsOnTheMidiOutput) {
    useLesson({"22|25|28|31|34"});
    menu(MDI::MENU_FLOATING);  // the on-screen piano
    ASSERT_EQ(Spiel::AktivInstrument, Spiel::Klavier);
    EXPECT_EQ(heard(3), (std::vector<Bytes>{{0xC0, 12, 0}, {0xC1, 12, 0}, {0xC2, 12, 0}}));
    // Press E4 on the screen for a tick.
    const KlavierTyp* e = nullptr;
    for (const KlavierTyp& taste : KlavierTyp::Liste)
        if (taste.Midi == 64) e = &taste;
    ASSERT_NE(e, nullptr);
    Programm::HandleEvent({EventId::MouseMove, MDI::Canvas, 0,
                           KlavierTyp::TastaturX + 3 + 21 * e->X + 10,
                           KlavierTyp::TastaturY + 166});
    Programm::HandleEvent({EventId::MouseDown, MDI::Canvas, 1});
    tick();
    Programm::HandleEvent({EventId::MouseUp, MDI::Canvas, 1});
    tick();  // the tone is due
    EXPECT_EQ(heard(1), (std::vector<Bytes>{{0x90, 64, 80}}));
    ticksFor(400);
    EXPECT_TRUE(heard(1, 100ms).empty()) << "the tone lasts 500 ms";
    ticksFor(200);
    EXPECT_EQ(heard(1), (std::vector<Bytes>{{0x90, 64, 0}}));
}

TEST_F(OverJack, AnAbsentDeviceNameFallsBackToPortZero) {
    IniClass::Schreiben("", "MIDI", "MidiOutDevice", "Unplugged Synth:in");
    ASSERT_EQ(MIDI::OutStarted, 2);
    const std::string first = MIDI::ListOutDevices(0);
    ::testing::internal::CaptureStdout();
    MIDI::SendNote(1, 60, 100);
    const std::string said = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(MIDI::OutStarted, 3);
    EXPECT_NE(said.find("port 0 \"" + first + "\" is open"), std::string::npos) << said;
    ASSERT_EQ(first, "Lesmora Listener:in");  // the only port to send to
    EXPECT_EQ(heard(1), (std::vector<Bytes>{{0x90, 60, 100}}));
}

TEST_F(OverJack, TheSettingsDialogsLightShowsANoteWithoutTheExerciseCountingIt) {
    useLesson({"22|25|28|31|34"});
    menu(MDI::MENU_SINGLE);
    heard(3);  // the instrument's program changes
    ASSERT_NE(waitForNote(), nullptr);
    menu(MDI::MENU_PARA);
    Programm::EventLoop();
    ASSERT_TRUE(gui.clickIcon(Parameter::ToolBar, 2));
    Programm::EventLoop();
    Gadget* inputs = Parameter::ComboBox[Parameter::COMB_MIDI_IN];
    EXPECT_EQ(gui.itemText(inputs, gui.value(inputs)), "Lesmora Keys:out");
    EXPECT_EQ(Parameter::AmpelZustand, 0);
    tick();  // the first poll opens the input port
    ASSERT_EQ(MIDI::InStarted, 3);
    std::this_thread::sleep_for(50ms);  // the connection is made

    play({0xF8});  // a clock tick: MIDI is alive
    EXPECT_TRUE(tickUntil([] { return Parameter::AmpelZustand == 1; }));
    EXPECT_EQ(gui.record(Parameter::Panel[Parameter::PAN_AMPEL])->picture, Parameter::Ampelbild[1]);
    const int right = Spiel::SpielerRichtig, wrong = Spiel::SpielerFalsch;
    play({0x91, 62, 77});
    EXPECT_TRUE(tickUntil([] { return Parameter::AmpelZustand == 2; }));
    EXPECT_EQ(gui.record(Parameter::Panel[Parameter::PAN_AMPEL])->picture, Parameter::Ampelbild[2]);
    EXPECT_EQ(gui.text(Parameter::Label[Parameter::LABEL_MIDIERGEBNIS]), " C= 2   N= 62   V= 77");
    ticksFor(200);
    EXPECT_EQ(Spiel::SpielerRichtig, right) << "the exercise did not take the note";
    EXPECT_EQ(Spiel::SpielerFalsch, wrong);
    EXPECT_TRUE(MIDI::InMessages.empty());
}

// Closing an output while JACK's process thread runs its callback must not race it:
// outputs are opened, sent through and destroyed again and again while both cores are
// busy.
TEST_F(OverJack, AnOutputSurvivesBeingOpenedAndDestroyed200TimesUnderLoad) {
    std::atomic<bool> busy{true};
    std::vector<std::jthread> load;
    for (int core = 0; core < 2; ++core)
        load.emplace_back([&busy] {
            volatile unsigned spin = 0;
            while (busy) spin = spin + 1;
        });
    RtMidiTreiber treiber;
    int sent = 0;
    for (int round = 0; round < 200; ++round) {
        std::shared_ptr<MidiOutput> out = treiber.neuerAusgang("Lesmora Stress");
        ASSERT_NE(out, nullptr) << "round " << round;
        int listenerPort = -1;
        for (int i = 0; i < out->portCount(); ++i)
            if (out->portName(i) == "Lesmora Listener:in") listenerPort = i;
        ASSERT_GE(listenerPort, 0) << "round " << round;
        ASSERT_TRUE(out->openPort(listenerPort, "out")) << "round " << round;
        for (int note = 0; note < 5; ++note, ++sent) out->send({0x90, uint8_t(60 + note), 100});
    }
    busy = false;
    EXPECT_EQ(sent, 1000);
    EXPECT_FALSE(heard(1, 500ms).empty()) << "the messages went through JACK";
}

// Where no MIDI system answers, the program starts, says so, and runs.
class WithoutJack : public ExerciseTest {
  protected:
    void SetUp() override {
        setenv("JACK_DEFAULT_SERVER", "lesmora-nobody-home", 1);
        RtMidiTreiber::install();
        ExerciseTest::SetUp();
    }
    void TearDown() override {
        MIDI::SetzeStartwerte();
        MIDI::SetzeTreiber(nullptr);
        unsetenv("JACK_DEFAULT_SERVER");
        ExerciseTest::TearDown();
    }
};

TEST_F(WithoutJack, TheProgramRunsWithoutPortsAndSaysSo) {
    struct stat info;
    if (stat("/dev/snd/seq", &info) == 0) GTEST_SKIP() << "this machine has an ALSA sequencer";
    MIDI::SetzeStartwerte();
    ::testing::internal::CaptureStdout();
    MIDI::StartUp();
    IniClass::Schreiben("", "MIDI", "SignalOut", "1");
    useLesson({"22|25|28"});
    menu(MDI::MENU_SINGLE);
    for (int i = 0; i < 10; ++i) tick();
    const std::string said = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(said.find("trying JACK"), std::string::npos) << said;
    EXPECT_NE(said.find("has no ports"), std::string::npos) << said;
    EXPECT_NE(said.find("messages are dropped"), std::string::npos) << said;
    EXPECT_EQ(MIDI::OutStarted, 1);
    EXPECT_EQ(MIDI::InStarted, 1);
    EXPECT_NE(waitForNote(), nullptr) << "the exercise runs";
}

// A JACK server started after the program (or one too busy to take its clients at first):
// the program finds the ports within a second or two and plays on them.
class JackStartedLater : public ExerciseTest {
  protected:
    void SetUp() override {
        struct stat info;
        if (stat("/dev/snd/seq", &info) == 0) GTEST_SKIP() << "this machine has an ALSA sequencer";
        jack.aimClientsHere();
        RtMidiTreiber::install();
        ExerciseTest::SetUp();
        started = true;
        IniClass::Schreiben("", "MIDI", "MidiOutDevice", "Lesmora Listener:in");
        IniClass::Schreiben("", "MIDI", "MidiInDevice", "Lesmora Keys:out");
    }
    void TearDown() override {
        if (started) {
            MIDI::SetzeStartwerte();
            ExerciseTest::TearDown();
        }
        MIDI::SetzeTreiber(nullptr);
        keys.reset();
        listener.reset();
        jack.stop();
        unsetenv("JACK_DEFAULT_SERVER");
    }

    JackServer jack;
    std::unique_ptr<RtMidiOut> keys;
    std::unique_ptr<RtMidiIn> listener;
    bool started = false;
};

TEST_F(JackStartedLater, ThePortsAreFoundOnceTheServerRuns) {
    tick();
    tick();
    ASSERT_EQ(MIDI::OutStarted, 1) << "a client, but no server yet";
    ASSERT_EQ(MIDI::InStarted, 1);

    std::string why;
    if (!jack.start(why)) GTEST_SKIP() << "no JACK server for the MIDI test: " << why;
    keys = std::make_unique<RtMidiOut>(RtMidi::UNIX_JACK, "Lesmora Keys");
    listener = std::make_unique<RtMidiIn>(RtMidi::UNIX_JACK, "Lesmora Listener");
    keys->openVirtualPort("out");
    listener->openVirtualPort("in");

    for (int i = 0; i < 250 && !(MIDI::OutStarted == 2 && MIDI::InStarted == 3); ++i) {
        std::this_thread::sleep_for(10ms);
        tick(20);
    }
    EXPECT_EQ(MIDI::OutStarted, 2);
    EXPECT_EQ(MIDI::InStarted, 3) << "the polled input opens the named keyboard";
    EXPECT_EQ(MIDI::ListInDevices(0).empty(), false);

    // The output works: a note sent reaches the listener.
    MIDI::SendNote(1, 60, 100);
    ASSERT_EQ(MIDI::OutStarted, 3);
    std::vector<unsigned char> message;
    for (int i = 0; i < 200 && message.empty(); ++i) {
        std::this_thread::sleep_for(10ms);
        listener->getMessage(&message);
        if (message.empty()) MIDI::SendNote(1, 60, 100);  // the connection may need a cycle
    }
    EXPECT_EQ(message, (std::vector<unsigned char>{0x90, 60, 100}));
}

}  // namespace
