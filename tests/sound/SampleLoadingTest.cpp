// Filling the sample bank from the archive: missing and broken files leave their slots
// empty and are reported; the loading prefix and first note decide the slots.
#include <gtest/gtest.h>

#include "SoundTestSupport.h"
#include "data/Daten.h"
#include "data/Files.h"
#include "sound/SoundTyp.h"
#include "support/ZipWriter.h"

namespace {

class SampleLoading : public SoundTest {};

TEST_F(SampleLoading, MissingAndBrokenSamplesLeaveTheirSlotsEmptyAndSaySo) {
    std::string good = Files::readBytes(DatenPfad + "Piano/Acoustic Grand Piano60.ogg").value();
    // A set of three notes from 40: 40 good, 41 broken, 42 missing; the rest missing too.
    registerFixtureArchive(makeZip({{"Test/Set40.ogg", good}, {"Test/Set41.ogg", "OggS broken"}}));
    ::testing::internal::CaptureStdout();
    SoundTyp::ReloadAudioSounds("Test/Set", 40);
    SoundTyp::WarteAufLader();
    std::string said = ::testing::internal::GetCapturedStdout();

    EXPECT_EQ(SoundTyp::SoundNrOffset, 40);
    EXPECT_EQ(SoundTyp::AnzahlSounds, 65);
    EXPECT_TRUE(SoundTyp::Audio->get(0));
    EXPECT_FALSE(SoundTyp::Audio->get(1));
    EXPECT_FALSE(SoundTyp::Audio->get(2));
    EXPECT_NE(said.find("'Test/Set41.ogg' cannot be decoded"), std::string::npos) << said;
    EXPECT_NE(said.find("'Test/Set42.ogg' is missing"), std::string::npos) << said;
    EXPECT_EQ(said.find("Set40.ogg"), std::string::npos) << said;

    // Notes 40 to 105 are in range now; only the filled slot sounds.
    struct Case {
        int ton;
        bool sounds;
    };
    for (Case c : {Case{39, false}, Case{40, true}, Case{41, false}, Case{42, false},
                   Case{105, false}, Case{106, false}}) {
        SCOPED_TRACE("note " + std::to_string(c.ton));
        audio->calls.clear();
        SoundTyp::AddSound(int(clock.now), c.ton, 1, 80, 100);
        runUntil(clock.now + 300);
        EXPECT_EQ(audio->ofKind(AudioCall::Cue).size(), c.sounds ? 1u : 0u);
        // A note that did not start has no channel: its fade steps reach nothing.
        for (const AudioCall& call : audio->ofKind(AudioCall::Volume)) EXPECT_EQ(call.channel, 1);
    }
}

TEST_F(SampleLoading, TheBackgroundDecoderFillsEverySlotAndReloadingReplacesTheBank) {
    SoundTyp::ReloadAudioSounds("Piano/Acoustic Grand Piano", 24);
    auto first = SoundTyp::Audio;
    SoundTyp::ReloadAudioSounds("Piano/Acoustic Grand Piano", 24);  // stops the first loader
    EXPECT_NE(SoundTyp::Audio, first);
    SoundTyp::WarteAufLader();
    EXPECT_EQ(SoundTyp::Audio->decoded(), SampleBank::kSlots);
    auto sample = SoundTyp::Audio->get(69 - 24);
    ASSERT_TRUE(sample);
    EXPECT_EQ(sample->rate, 44100);
}

TEST_F(SampleLoading, ResetEmptiesTheBankAndTheList) {
    SoundTyp::ReloadAudioSounds("Piano/Acoustic Grand Piano", 24);
    SoundTyp::AddSound(int(clock.now) + 10, 60, 1, 80, 0);
    SoundTyp::AudioViaMidi = 1;
    SoundTyp::MidiOutKanal = 4;
    SoundTyp::SetzeStartwerte();
    EXPECT_TRUE(SoundTyp::SoundListe.empty());
    EXPECT_EQ(SoundTyp::SoundNrOffset, 0);
    EXPECT_EQ(SoundTyp::AnzahlSounds, 0);
    EXPECT_EQ(SoundTyp::AudioViaMidi, 0);
    EXPECT_EQ(SoundTyp::MidiOutKanal, 0);
    EXPECT_FALSE(SoundTyp::Audio->get(36));
}

}  // namespace
