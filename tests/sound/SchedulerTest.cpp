// The list of scheduled sound events: when events come due, how a note ends through
// MIDI and through samples, what dropping pending sounds keeps.
#include <gtest/gtest.h>

#include <cmath>

#include "SoundTestSupport.h"
#include "settings/IniClass.h"
#include "sound/MIDI.h"
#include "sound/SoundTyp.h"

namespace {

class Scheduler : public SoundTest {
  protected:
    void SetUp() override {
        SoundTest::SetUp();
        ::testing::internal::CaptureStdout();
        SoundTyp::ReloadAudioSounds("Piano/Acoustic Grand Piano", 24);
        loadMessages = ::testing::internal::GetCapturedStdout();
    }
    std::string loadMessages;
};

TEST_F(Scheduler, AllSixtySixSamplesOfTheArchiveLoad) {
    EXPECT_EQ(loadMessages, "");
    EXPECT_EQ(SoundTyp::SoundNrOffset, 24);
    EXPECT_EQ(SoundTyp::AnzahlSounds, 65);
    for (int slot = 0; slot <= 65; ++slot) {
        auto sample = SoundTyp::Audio->get(slot);
        ASSERT_TRUE(sample) << "slot " << slot;
        EXPECT_GT(sample->seconds(), 2.0) << "slot " << slot;
    }
    EXPECT_FALSE(SoundTyp::Audio->get(66));
}

TEST_F(Scheduler, AnEventDueNowRunsOnTheNextTickNotAtOnce) {
    SoundTyp::AddSound(int(clock.now), 60, 1, 80, 0);
    SoundTyp::CheckListe();
    EXPECT_TRUE(audio->calls.empty());
    EXPECT_EQ(SoundTyp::SoundListe.size(), 1u);
    clock.advance(1);
    SoundTyp::CheckListe();
    ASSERT_EQ(audio->ofKind(AudioCall::Cue).size(), 1u);
    EXPECT_TRUE(SoundTyp::SoundListe.empty());  // no length: nothing follows
}

TEST_F(Scheduler, SampleNoteStartsAtItsVolumeAndFadesInTwentyOneSteps) {
    const int64_t start = clock.now;
    SoundTyp::AddSound(int(start), 60, 1, 80, 500);
    runUntil(start + 1000);

    auto cues = audio->ofKind(AudioCall::Cue);
    ASSERT_EQ(cues.size(), 1u);
    EXPECT_EQ(cues[0].at, start + 1);
    EXPECT_EQ(cues[0].sample, SoundTyp::Audio->get(60 - 24));
    auto resumes = audio->ofKind(AudioCall::Resume);
    ASSERT_EQ(resumes.size(), 1u);
    EXPECT_EQ(resumes[0].channel, cues[0].channel);

    auto volumes = audio->ofKind(AudioCall::Volume);
    ASSERT_EQ(volumes.size(), 22u);
    EXPECT_EQ(volumes[0].at, start + 1);
    EXPECT_FLOAT_EQ(volumes[0].volume, 80.0f / 127.0f);
    for (int k = 0; k <= 20; ++k) {
        const AudioCall& step = volumes[size_t(k) + 1];
        SCOPED_TRACE("fade step " + std::to_string(k));
        EXPECT_EQ(step.channel, cues[0].channel);
        EXPECT_EQ(step.at, start + 375 + 20 * k + 1);  // first tick after its due time
        EXPECT_NEAR(step.volume, std::pow(0.9, k) * 80.0 / 127.0, 1e-6);
    }
    EXPECT_TRUE(SoundTyp::SoundListe.empty());
}

TEST_F(Scheduler, MidiNoteSendsItsNoteOnAndAVelocityZeroNoteOnAfterItsLength) {
    SoundTyp::AudioViaMidi = 1;
    const int64_t start = clock.now;
    SoundTyp::AddSound(int(start), 64, 1, 80, 500);
    runUntil(start + 1000);
    ASSERT_EQ(midi->sent.size(), 2u);
    EXPECT_EQ(midi->sent[0].bytes, (std::array<uint8_t, 3>{0x90, 64, 80}));
    EXPECT_EQ(midi->sent[0].at, start + 1);
    EXPECT_EQ(midi->sent[1].bytes, (std::array<uint8_t, 3>{0x90, 64, 0}));
    EXPECT_EQ(midi->sent[1].at, start + 501);
    EXPECT_TRUE(audio->calls.empty());
}

TEST_F(Scheduler, ResetListeKeepsEndingsAndDropsPendingNotes) {
    struct Case {
        int viaMidi;
        size_t endingsKept;  // events left after ResetListe
    };
    for (Case c : {Case{1, 1}, Case{0, 21}}) {
        SCOPED_TRACE("AudioViaMidi " + std::to_string(c.viaMidi));
        SoundTyp::SoundListe.clear();
        audio->calls.clear();
        midi->sent.clear();
        SoundTyp::AudioViaMidi = c.viaMidi;
        const int64_t start = clock.now;
        SoundTyp::AddSound(int(start), 60, 1, 80, 500);        // sounding by the reset
        SoundTyp::AddSound(int(start) + 300, 62, 1, 80, 500);  // still pending
        runUntil(start + 100);
        SoundTyp::ResetListe();
        EXPECT_EQ(SoundTyp::SoundListe.size(), c.endingsKept);
        for (const SoundTyp& sound : SoundTyp::SoundListe) {
            EXPECT_EQ(sound.Lang, 0);
            EXPECT_EQ(sound.Ton, 60);
        }
        runUntil(start + 2000);
        EXPECT_TRUE(SoundTyp::SoundListe.empty());
        if (c.viaMidi) {
            ASSERT_EQ(midi->sent.size(), 2u);  // the note off still came
            EXPECT_EQ(midi->sent[1].bytes, (std::array<uint8_t, 3>{0x90, 60, 0}));
        } else {
            EXPECT_EQ(audio->ofKind(AudioCall::Cue).size(), 1u);
            EXPECT_EQ(audio->ofKind(AudioCall::Volume).size(), 22u);  // the whole fade ran
        }
    }
}

TEST_F(Scheduler, WhichNotesSoundAsSamples) {
    struct Case {
        int ton;
        bool sounds;
    };
    for (Case c : {Case{0, false}, Case{-5, false}, Case{23, false}, Case{24, true}, Case{89, true},
                   Case{90, false}, Case{95, false}}) {
        SCOPED_TRACE("note " + std::to_string(c.ton));
        audio->calls.clear();
        SoundTyp::AddSound(int(clock.now), c.ton, 1, 80, 0);
        runUntil(clock.now + 2);
        EXPECT_EQ(audio->ofKind(AudioCall::Cue).size(), c.sounds ? 1u : 0u);
        EXPECT_TRUE(SoundTyp::SoundListe.empty());  // carried out or not, it is gone
    }
}

TEST_F(Scheduler, MidiChannelsAndNotesBecomeStatusBytes) {
    SoundTyp::AudioViaMidi = 1;
    struct Case {
        int kanal, ton, volume;
        bool sent;
        uint8_t status;
    };
    const Case cases[] = {{1, 60, 80, true, 0x90},  {10, 60, 100, true, 0x99},
                          {16, 60, 1, true, 0x9F},  {0, 60, 80, true, 0x90},
                          {17, 60, 80, true, 0x90}, {-3, 60, 80, true, 0x90},
                          {1, 0, 80, false, 0},     {1, 128, 80, false, 0},
                          {1, 60, 128, false, 0},   {1, 60, -1, false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE("channel " + std::to_string(c.kanal) + " note " + std::to_string(c.ton) +
                     " velocity " + std::to_string(c.volume));
        midi->sent.clear();
        ::testing::internal::CaptureStdout();
        SoundTyp::AddSound(int(clock.now), c.ton, c.kanal, c.volume, 0);
        runUntil(clock.now + 2);
        std::string said = ::testing::internal::GetCapturedStdout();
        if (!c.sent) {
            EXPECT_TRUE(midi->sent.empty());
            continue;
        }
        ASSERT_EQ(midi->sent.size(), 1u);
        EXPECT_EQ(midi->sent[0].bytes,
                  (std::array<uint8_t, 3>{c.status, uint8_t(c.ton), uint8_t(c.volume)}));
        EXPECT_EQ(said.empty(), c.kanal >= 1 && c.kanal <= 16) << said;
    }
}

TEST_F(Scheduler, EventsRunInInsertionOrderAndDueEndingsRunInTheSameWalk) {
    SoundTyp::AudioViaMidi = 1;
    const int start = int(clock.now);
    SoundTyp::AddSound(start + 50, 62, 1, 80, 0);
    SoundTyp::AddSound(start + 10, 60, 1, 80, 5);  // its ending is due by the next pass too
    SoundTyp::AddSound(start + 500, 64, 1, 80, 0);
    clock.advance(100);
    SoundTyp::CheckListe();
    ASSERT_EQ(midi->sent.size(), 3u);
    EXPECT_EQ(midi->sent[0].bytes, (std::array<uint8_t, 3>{0x90, 62, 80}));
    EXPECT_EQ(midi->sent[1].bytes, (std::array<uint8_t, 3>{0x90, 60, 80}));
    EXPECT_EQ(midi->sent[2].bytes, (std::array<uint8_t, 3>{0x90, 60, 0}));
    ASSERT_EQ(SoundTyp::SoundListe.size(), 1u);
    EXPECT_EQ(SoundTyp::SoundListe.front().Ton, 64);
}

TEST_F(Scheduler, StartUpAppliesTheOutputSettings) {
    struct Case {
        std::string signalOut, instrument;
        int viaMidi;
        std::vector<std::array<uint8_t, 3>> sent;
    };
    const Case cases[] = {
        {"", "", 0, {}},
        {"0", "12", 0, {}},
        {"2", "12", 2, {}},
        {"1", "12", 1, {{0xC0, 12, 0}, {0xC1, 12, 0}, {0xC2, 12, 0}}},
        {"1", "", 1, {{0xC0, 0, 0}, {0xC1, 0, 0}, {0xC2, 0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("SignalOut '" + c.signalOut + "', MidiInstrument '" + c.instrument + "'");
        midi->sent.clear();
        midi->startUps = 0;
        IniClass::Schreiben("", "MIDI", "SignalOut", c.signalOut);
        IniClass::Schreiben("", "MIDI", "MidiInstrument", c.instrument);
        SoundTyp::StartUp();
        EXPECT_EQ(SoundTyp::AudioViaMidi, c.viaMidi);
        EXPECT_EQ(midi->startUps, c.viaMidi == 1 ? 1 : 0);
        std::vector<std::array<uint8_t, 3>> sent;
        for (const MidiBytes& m : midi->sent) sent.push_back(m.bytes);
        EXPECT_EQ(sent, c.sent);
    }
}

TEST_F(Scheduler, ANoteSoundsAtItsFirstUseRightAfterLoading) {
    // Whatever the background decoder has reached, the first use decodes what it needs.
    SoundTyp::ReloadAudioSounds("Piano/Acoustic Grand Piano", 24);
    SoundTyp::AddSound(int(clock.now), 89, 1, 80, 0);
    SoundTyp::AddSound(int(clock.now), 24, 1, 80, 0);
    runUntil(clock.now + 1);
    auto cues = audio->ofKind(AudioCall::Cue);
    ASSERT_EQ(cues.size(), 2u);
    EXPECT_GT(cues[0].sample->frames.size(), 44100u);
    EXPECT_GT(cues[1].sample->frames.size(), 44100u);
}

TEST_F(Scheduler, WithoutAnOutputPortMidiMessagesAreDroppedAndSchedulingGoesOn) {
    MIDI::SetzeAusgang(nullptr);
    SoundTyp::AudioViaMidi = 1;
    ::testing::internal::CaptureStdout();
    SoundTyp::AddSound(int(clock.now), 60, 1, 80, 200);
    runUntil(clock.now + 300);
    std::string said = ::testing::internal::GetCapturedStdout();
    EXPECT_TRUE(SoundTyp::SoundListe.empty());
    EXPECT_NE(said.find("dropped"), std::string::npos) << said;
}

}  // namespace
