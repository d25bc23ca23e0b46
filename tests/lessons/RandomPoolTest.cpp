// The weighted random pool of the current lesson and the rules a drawn note must pass.

#include <gtest/gtest.h>

#include <algorithm>

#include "lessons/LessonFixture.h"
#include "notation/NotenFenster.h"

namespace {

int lotsOf(int chroma) {
    return static_cast<int>(std::count(Lektion::ZufallChroma.begin(),
                                       Lektion::ZufallChroma.begin() + Lektion::ZufallAnzahl,
                                       chroma));
}

int staffOf(int chroma) {
    return chroma <= 99 ? 1 : 2;
}

TEST_F(LessonTest, TheLastNoteIsNeverRepeatedButTheOneBeforeMayBe) {
    makeCurrent({22, 25, 28}, 4);  // C, D, E
    MersenneRandom dice;
    dice.seed(7);
    useDice(dice);
    std::vector<int> noten;
    for (int i = 0; i < 300; ++i) noten.push_back(Lektion::GetZufallnote(0, 0));
    int wiederNachEiner = 0;
    for (size_t i = 1; i < noten.size(); ++i) {
        ASSERT_NE(noten[i], noten[i - 1]) << "draw " << i;
        if (i >= 2 && noten[i] == noten[i - 2]) ++wiederNachEiner;
    }
    EXPECT_GT(wiederNachEiner, 0);
}

TEST_F(LessonTest, ARefusedLastNoteIsNotCounted) {
    makeCurrent({22, 25, 28}, 4);
    Lektion::History = {0, 22, 25};
    ScriptedRandom dice = answersInTurn({1, 0});  // D (the last note), then C
    CountingRandom zaehler(dice);
    useDice(zaehler);
    EXPECT_EQ(Lektion::GetZufallnote(0, 0), 22);
    EXPECT_EQ(zaehler.draws, 2);
    EXPECT_EQ(Lektion::NichtErlaubtZahler, 0);
    EXPECT_EQ(Lektion::History, (std::array<int, 3>{22, 25, 22}));
}

struct WindowCase {
    int anzahl;
    int maxIntervall;
    int historyIndex;  // which of the last three notes is drawn again
    bool refused;
};

class RepetitionWindow : public LessonTest, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(RepetitionWindow, DependsOnTheLessonsSizeAndStep) {
    const WindowCase& c = GetParam();
    std::vector<int> noten;
    for (int i = 0; i < c.anzahl; ++i) noten.push_back(22 + 3 * i);
    makeCurrent(noten, c.maxIntervall);
    Spiel::AktGrade = Spiel::Pruefung;  // no step limit
    Lektion::History = {22, 25, 28};
    int kandidat = Lektion::History[c.historyIndex];
    EXPECT_EQ(Lektion::ZufallErlaubt(kandidat, 0), c.refused ? 0 : 1);
    EXPECT_EQ(Lektion::NichtErlaubtZahler, c.refused ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Lessons, RepetitionWindow,
                         ::testing::Values(WindowCase{10, 7, 0, false},  // last two only
                                           WindowCase{10, 7, 1, true},
                                           WindowCase{10, 8, 0, true},  // last three
                                           WindowCase{10, 8, 1, true}, WindowCase{9, 8, 0, true},
                                           WindowCase{8, 99, 0, false},  // fewer than 9
                                           WindowCase{8, 99, 1, true}, WindowCase{6, 5, 1, true},
                                           WindowCase{5, 99, 1, false},    // fewer than 6
                                           WindowCase{10, 4, 1, false}));  // step below 5

TEST_F(LessonTest, TheAllowedStepWidensEveryTenSecondsOfPractice) {
    makeCurrent({22, 25, 28, 31, 34}, 4);  // C4 to G4
    Spiel::AktGrade = Spiel::Ueben;
    Spiel::SpielerZeit = clock.now;
    Lektion::History = {0, 0, 22};  // after C4 (MIDI 60)
    struct Step {
        int seit;  // milliseconds since the exercise started
        int chroma;
        int erlaubt;
    };
    for (const Step& s : {Step{0, 34, 0}, Step{0, 28, 1}, Step{9999, 31, 0}, Step{10000, 31, 1},
                          Step{29999, 34, 0}, Step{30000, 34, 1}}) {
        clock.now = Spiel::SpielerZeit + s.seit;
        EXPECT_EQ(Lektion::ZufallErlaubt(s.chroma, 0), s.erlaubt)
            << s.chroma << " after " << s.seit << " ms";
    }
}

TEST_F(LessonTest, TheStepIsFreeInTheExaminationAndForTheFirstNote) {
    makeCurrent({22, 25, 28, 31, 34}, 4);
    Spiel::SpielerZeit = clock.now;
    Spiel::AktGrade = Spiel::Ueben;
    EXPECT_EQ(Lektion::ZufallErlaubt(34, 0), 1);  // no last note yet
    Lektion::History = {0, 0, 22};
    Spiel::AktGrade = Spiel::Pruefung;
    EXPECT_EQ(Lektion::ZufallErlaubt(34, 0), 1);
}

struct HandCase {
    int chroma;  // a left-hand note
    int erlaubt;
};

class OtherHand : public LessonTest, public ::testing::WithParamInterface<HandCase> {};

TEST_P(OtherHand, SoundsAThirdOrASixthBelow) {
    makeCurrent({158, 149, 155, 164, 167, 148, 153});
    Spiel::AktGrade = Spiel::Pruefung;
    EXPECT_EQ(Lektion::ZufallErlaubt(GetParam().chroma, 60), GetParam().erlaubt);
    EXPECT_EQ(Lektion::ZufallErlaubt(GetParam().chroma, 0), 1);  // alone, anything goes
}

INSTANTIATE_TEST_SUITE_P(Lessons, OtherHand,
                         ::testing::Values(HandCase{158, 1},    // A3: minor third below C4
                                           HandCase{149, 1},    // E3: minor sixth
                                           HandCase{148, 1},    // Eb3: major sixth
                                           HandCase{155, 0},    // G3: a fourth
                                           HandCase{153, 0},    // F3: a fifth
                                           HandCase{164, 0},    // C4 itself
                                           HandCase{167, 0}));  // D4 lies above

TEST_F(LessonTest, TheSecondEighthStaysInTheStaffOfTheFirst) {
    makeCurrent({22, 25, 143, 146});
    Spiel::AktGrade = Spiel::Pruefung;
    Lektion::History = {0, 0, 22};
    Lektion::VorherigeWarSystem = 1;
    Lektion::VorherigeWarAchtel = 1;
    EXPECT_EQ(Lektion::ZufallErlaubt(143, 0), 0);
    EXPECT_EQ(Lektion::ZufallErlaubt(146, 0), 0);
    EXPECT_EQ(Lektion::Katastrophe, 2);
    EXPECT_EQ(Lektion::NichtErlaubtZahler, 0);  // not counted
    EXPECT_EQ(Lektion::ZufallErlaubt(25, 0), 1);
    EXPECT_EQ(Lektion::Katastrophe, 0);

    Lektion::VorherigeWarAchtel = 0;  // no pair: the staff may change
    EXPECT_EQ(Lektion::ZufallErlaubt(143, 0), 1);
    EXPECT_EQ(Lektion::VorherigeWarSystem, 2);
}

TEST_F(LessonTest, EighthPairsOfAGrandStaffLessonNeverSplit) {
    makeCurrent({22, 25, 28, 31, 34, 122, 125, 128, 131, 134}, 8);
    MersenneRandom dice;
    dice.seed(11);
    useDice(dice);
    for (int paar = 0; paar < 200; ++paar) {
        Lektion::VorherigeWarAchtel = 0;
        int erste = Lektion::GetZufallnote(0, 0);
        Lektion::VorherigeWarAchtel = 1;  // the feed chose an eighth for it
        int zweite = Lektion::GetZufallnote(0, 0);
        ASSERT_EQ(staffOf(zweite), staffOf(erste)) << erste << " then " << zweite;
    }
}

TEST_F(LessonTest, After31CountedRefusalsANoteIsLetThrough) {
    makeCurrent({22, 34}, 4);  // C4 and G4: a fifth is too far at first
    Spiel::AktGrade = Spiel::Ueben;
    Spiel::SpielerZeit = clock.now;
    Lektion::History = {0, 0, 22};
    ScriptedRandom dice([](int, int) { return 1; });  // always G4
    CountingRandom zaehler(dice);
    useDice(zaehler);
    EXPECT_EQ(Lektion::GetZufallnote(0, 0), 34);
    EXPECT_EQ(zaehler.draws, 32);  // 31 refusals, then the note passes
    EXPECT_EQ(Lektion::NichtErlaubtZahler, 0);

    Lektion::History = {0, 0, 22};
    Lektion::NichtErlaubtZahler = 29;  // the count carries over between draws
    zaehler.draws = 0;
    EXPECT_EQ(Lektion::GetZufallnote(0, 0), 34);
    EXPECT_EQ(zaehler.draws, 3);
}

TEST_F(LessonTest, ANoteLetThroughStillSetsTheStaffOfThePair) {
    makeCurrent({22, 143});
    Lektion::NichtErlaubtZahler = Lektion::kErlaubtNach;
    Lektion::VorherigeWarSystem = 1;
    EXPECT_EQ(Lektion::ZufallErlaubt(143, 0), 1);
    EXPECT_EQ(Lektion::NichtErlaubtZahler, 0);
    EXPECT_EQ(Lektion::VorherigeWarSystem, 2);
}

TEST_F(LessonTest, AStaffWishDrawsFromThatStaffOnly) {
    makeCurrent({22, 25, 90, 122, 125});
    MersenneRandom dice;
    dice.seed(3);
    useDice(dice);
    for (int i = 0; i < 100; ++i) {
        int oben = Lektion::GetZufallnote(1, 0);
        ASSERT_TRUE(oben == 22 || oben == 25) << oben;  // 90 lies above the right hand
        int unten = Lektion::GetZufallnote(2, 0);
        ASSERT_TRUE(unten == 122 || unten == 125) << unten;
    }
}

TEST_F(LessonTest, AHighTrebleNoteClearsTheHeadline) {
    makeCurrent({70, 22, 89, 90});
    ScriptedRandom dice = answersInTurn({0, 1, 2, 3});
    useDice(dice);
    struct Draw {
        int chroma;
        bool leer;
    };
    for (const Draw& d : {Draw{70, true}, Draw{22, false}, Draw{89, true}, Draw{90, false}}) {
        NotenFenster::HeadLine = "Phrase60";
        EXPECT_EQ(Lektion::GetZufallnote(0, 0), d.chroma);
        EXPECT_EQ(NotenFenster::HeadLine.empty(), d.leer) << d.chroma;
    }
}

TEST_F(LessonTest, AMissedNoteAndTheNotePlayedGainTwoLotsEach) {
    makeCurrent({22, 25, 28});            // C4, D4, E4
    Lektion::ZufallAnpassen(64, 25, -1);  // D4 asked, E4 played
    EXPECT_EQ(pool(), (std::vector<int>{22, 25, 28, 22, 25, 28, 22, 25, 28, 25, 25, 28, 28}));
    EXPECT_EQ(lotsOf(25), 5);

    Lektion::ZufallAnpassen(62, 25, 1);  // the earliest lot after the first copy goes
    EXPECT_EQ(pool(), (std::vector<int>{22, 25, 28, 22, 28, 22, 25, 28, 25, 25, 28, 28}));
    for (int i = 0; i < 3; ++i) Lektion::ZufallAnpassen(62, 25, 1);
    EXPECT_EQ(pool(), (std::vector<int>{22, 25, 28, 22, 28, 22, 28, 28, 28}));
    Lektion::ZufallAnpassen(62, 25, 1);  // the first copy stays
    EXPECT_EQ(lotsOf(25), 1);
    EXPECT_EQ(Lektion::ZufallAnzahl, 9);
    EXPECT_EQ(Lektion::ZufallChroma[9], 0);
}

TEST_F(LessonTest, ANotePlayedFarFromTheMissedOneGainsNothing) {
    makeCurrent({22, 43});  // C4 and C5
    Lektion::ZufallAnpassen(72, 22, -1);
    EXPECT_EQ(pool(), (std::vector<int>{22, 43, 22, 43, 22, 43, 22, 22}));
    Lektion::ZufallAnpassen(72, 43, 0);
    EXPECT_EQ(Lektion::ZufallAnzahl, 8);
}

TEST_F(LessonTest, AFullPoolTakesNoMoreLots) {
    makeCurrent({22, 25});
    Lektion::ZufallAnzahl = Lektion::kPoolGroesse - 1;
    Lektion::ZufallAnpassen(62, 22, -1);
    EXPECT_EQ(Lektion::ZufallAnzahl, Lektion::kPoolGroesse);
    EXPECT_EQ(Lektion::ZufallChroma[Lektion::kPoolGroesse - 1], 22);
}

TEST_F(LessonTest, ALessonWithoutNotesGivesNoNote) {
    makeCurrent({});
    ScriptedRandom dice([](int, int) { return 0; });
    CountingRandom zaehler(dice);
    useDice(zaehler);
    for (int wunsch : {0, 1, 2}) EXPECT_EQ(Lektion::GetZufallnote(wunsch, 60), -1);
    Lektion::ZufallAnpassen(60, 22, 1);
    EXPECT_EQ(zaehler.draws, 0);
    EXPECT_EQ(Lektion::ZufallAnzahl, 0);
}

// The two situations in which no note passes the rules end after a bounded number of
// draws with the note nearest to them.

TEST_F(LessonTest, AOneNoteLessonRepeatsItsNote) {
    makeCurrent({22});
    MersenneRandom dice;
    CountingRandom zaehler(dice);
    useDice(zaehler);
    for (int i = 0; i < 50; ++i) {
        zaehler.draws = 0;
        ASSERT_EQ(Lektion::GetZufallnote(0, 0), 22);
        ASSERT_LE(zaehler.draws, 1) << "draw " << i;
    }
}

TEST_F(LessonTest, AHandWithOneNoteRepeatsItEvenAgainstTheOtherHand) {
    makeCurrent({22, 25, 164}, 99, 1);  // the left hand has C4 only
    MersenneRandom dice;
    CountingRandom zaehler(dice);
    useDice(zaehler);
    for (int i = 0; i < 20; ++i) {
        for (int mal = 0; mal < 2; ++mal) {  // the second time it is the last note
            zaehler.draws = 0;
            ASSERT_EQ(Lektion::GetZufallnote(2, 72), 164);  // C4 against C5: no third or sixth
            ASSERT_LE(zaehler.draws, Lektion::kMaxZuege + 1);
        }
        ASSERT_NE(Lektion::GetZufallnote(1, 0), -1);
    }
}

TEST_F(LessonTest, AnEighthPairWithoutAPartnerInItsStaffChangesStaff) {
    makeCurrent({22, 143, 146, 149});  // the treble staff holds only the last note
    Lektion::History = {0, 0, 22};
    Lektion::VorherigeWarSystem = 1;
    Lektion::VorherigeWarAchtel = 1;
    MersenneRandom dice;
    dice.seed(5);
    CountingRandom zaehler(dice);
    useDice(zaehler);
    int note = Lektion::GetZufallnote(0, 0);
    EXPECT_EQ(staffOf(note), 2);
    EXPECT_LE(zaehler.draws, Lektion::kMaxZuege + 1);
    EXPECT_GT(zaehler.draws, Lektion::kMaxAchtelAblehnungen);  // the staff was insisted on
    EXPECT_EQ(Lektion::Katastrophe, 0);
}

TEST_F(LessonTest, DiceThatKeepShowingTheLastNoteStillEnd) {
    makeCurrent({22, 143, 146, 149});
    Lektion::History = {0, 0, 22};
    Lektion::VorherigeWarSystem = 1;
    Lektion::VorherigeWarAchtel = 1;
    ScriptedRandom dice([](int, int) { return 0; });  // always the entry 22
    CountingRandom zaehler(dice);
    useDice(zaehler);
    EXPECT_EQ(Lektion::GetZufallnote(0, 0), 143);  // nearest to the rules: no repetition
    EXPECT_EQ(zaehler.draws, Lektion::kMaxZuege + 1);
    EXPECT_EQ(Lektion::NichtErlaubtZahler, 0);
    EXPECT_EQ(Lektion::VorherigeWarSystem, 2);
}

TEST_F(LessonTest, AStaffWishThePoolCannotServeTakesTheOtherStaff) {
    makeCurrent({22, 25}, 99, 1);  // a two-hand lesson without bass notes
    MersenneRandom dice;
    CountingRandom zaehler(dice);
    useDice(zaehler);
    for (int i = 0; i < 20; ++i) {
        zaehler.draws = 0;
        int note = Lektion::GetZufallnote(2, 0);
        ASSERT_TRUE(note == 22 || note == 25) << note;
        ASSERT_LE(zaehler.draws, Lektion::kMaxZuege + 1);
    }
}

TEST_F(LessonTest, TheHistoryKeepsTheLastThreeNotes) {
    for (int chroma : {22, 25, 28, 31}) Lektion::AddHistory(chroma);
    EXPECT_EQ(Lektion::History, (std::array<int, 3>{25, 28, 31}));
    makeCurrent({22});
    EXPECT_EQ(Lektion::History, (std::array<int, 3>{0, 0, 0}));
}

}  // namespace
