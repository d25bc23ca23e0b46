// The fixed phrases add exactly their events and nothing sounds at the call.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "SoundTestSupport.h"
#include "sound/Phrasen.h"
#include "sound/SoundTyp.h"

namespace {

// Due time after the call, note, channel, volume, length.
using Ereignis = std::tuple<int, int, int, int, int>;

std::vector<Ereignis> Geplant(int64_t now) {
    std::vector<Ereignis> events;
    for (const SoundTyp& s : SoundTyp::SoundListe) {
        EXPECT_EQ(s.Channel, 0);
        EXPECT_EQ(s.Vol2, 1.0f);
        events.emplace_back(s.Zeit - int(now), s.Ton, s.Kanal, s.Volume, s.Lang);
    }
    return events;
}

class Phrases : public SoundTest {
  protected:
    void SetUp() override {
        SoundTest::SetUp();
        SoundTyp::MidiOutKanal = 3;  // tells the output channel from channel 1
    }
};

TEST_F(Phrases, PlayAkkordAddsTheBassNoteAndTheArpeggio) {
    struct Case {
        std::array<int, 5> args;  // a, b, c, d, delay
        std::vector<Ereignis> events;
    };
    const Case cases[] = {
        {{24, 28, 31, 36, 750},
         {{750, 48, 3, 80, 1000},
          {750, 60, 1, 50, 250},
          {1000, 64, 1, 80, 250},
          {1250, 67, 1, 80, 250},
          {1500, 72, 1, 80, 250}}},
        {{24, 11, 10, 9, 750},
         {{750, 48, 3, 80, 1000},
          {750, 60, 1, 50, 250},
          {1000, 47, 1, 80, 250},
          {1250, 46, 1, 80, 250},
          {1500, 45, 1, 80, 250}}},
        {{8, 7, 6, 5, 1750},
         {{1750, 32, 3, 80, 1000},
          {1750, 44, 1, 50, 250},
          {2000, 43, 1, 80, 250},
          {2250, 42, 1, 80, 250},
          {2500, 41, 1, 80, 250}}},
        // d below 1 ends on the octave of the first arpeggio note.
        {{24, 28, 31, 0, 0},
         {{0, 48, 3, 80, 1000},
          {0, 60, 1, 50, 250},
          {250, 64, 1, 80, 250},
          {500, 67, 1, 80, 250},
          {750, 72, 1, 80, 250}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("PlayAkkord(" + std::to_string(c.args[0]) + ", " + std::to_string(c.args[1]) +
                     ", " + std::to_string(c.args[2]) + ", " + std::to_string(c.args[3]) + ", " +
                     std::to_string(c.args[4]) + ", 0)");
        SoundTyp::SoundListe.clear();
        Phrasen::ZeitDistanz = 0;
        PlayAkkord(c.args[0], c.args[1], c.args[2], c.args[3], c.args[4], 0);
        EXPECT_EQ(Geplant(clock.now), c.events);
        EXPECT_EQ(Phrasen::ZeitDistanz, 250);
        EXPECT_TRUE(audio->calls.empty());
    }
}

TEST_F(Phrases, TheFailingResultsTwoCallsFollowEachOtherWithoutAGap) {
    PlayAkkord(24, 11, 10, 9, 750, 0);
    PlayAkkord(8, 7, 6, 5, 1750, 0);
    auto events = Geplant(clock.now);
    ASSERT_EQ(events.size(), 10u);
    auto ende = [](const Ereignis& e) { return std::get<0>(e) + std::get<4>(e); };
    EXPECT_EQ(ende(events[0]), 1750);  // first bass note
    EXPECT_EQ(ende(events[4]), 1750);  // first call's last arpeggio note
    EXPECT_EQ(std::get<0>(events[5]), 1750);
    EXPECT_EQ(std::get<0>(events[6]), 1750);
}

TEST_F(Phrases, PlayTonleiterAddsThePentatonicScale) {
    PlayTonleiter();
    const std::vector<Ereignis> expected = {{100, 48, 3, 80, 250},  {400, 50, 3, 80, 250},
                                            {700, 52, 3, 80, 250},  {1000, 55, 3, 80, 250},
                                            {1300, 57, 3, 80, 250}, {1600, 60, 3, 80, 250}};
    EXPECT_EQ(Geplant(clock.now), expected);
}

TEST_F(Phrases, DroppingPendingSoundsRemovesWhatHasNotBeenPlayed) {
    SoundTyp::ReloadAudioSounds("Piano/Acoustic Grand Piano", 24);
    PlayAkkord(24, 28, 31, 36, 750, 0);
    runUntil(clock.now + 1100);  // bass, 60 and 64 have started
    SoundTyp::ResetListe();
    for (const SoundTyp& s : SoundTyp::SoundListe) EXPECT_EQ(s.Lang, 0);
    runUntil(clock.now + 3000);
    EXPECT_EQ(audio->ofKind(AudioCall::Cue).size(), 3u);
}

}  // namespace
