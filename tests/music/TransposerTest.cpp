#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "app/Programm.h"
#include "data/Daten.h"
#include "music/ChromaTyp.h"
#include "music/Tonart.h"
#include "music/Transposer.h"
#include "support/TestSupport.h"

namespace {

class Transposing : public FreshProgramTest {
  protected:
    void SetUp() override {
        FreshProgramTest::SetUp();
        ChromaTyp::StartUp();
        Transposer::LoadDefinitions();
    }
};

struct MoveCase {
    int chroma;
    int amount;
    int expected;
};

class Moves : public Transposing, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(Moves, LandOnTheSpellingAndBlockOfTheTable) {
    const MoveCase& c = GetParam();
    EXPECT_EQ(Transposer::Umrechnen(c.chroma, c.amount), c.expected);
}

const MoveCase kMoveCases[] = {
    {22, 2, 25},    // middle C up a whole tone: D of the same block
    {40, 2, 44},    // B of block 1 up a whole tone: C# of block 2
    {22, 9, 16},    // C down to the A below
    {1, 11, 19},    // C of block 0 cannot go below block 0: the B above
    {3, 11, 1},     // Db of block 0 down a semitone stays in block 0
    {122, 2, 125},  // a bass note stays in the bass clef
    {24, 7, 36},    // Db up a fifth: Ab of block 1
    {21, 7, 32},    // Cb up a fifth: written F#
    {29, 7, 43},    // E# up a fifth: C
    {22, 1, 24},    // C up a semitone in Db: Db, not C#
    {22, 5, 31},    // C up a fourth: F
    {40, 10, 37},   // B down a whole tone: A
    {90, 8, 82},    // Eb up to a B beyond block 4: the B an octave lower
    {85, 11, 82},   // C of block 4 down a semitone: B of block 3
    {190, 8, 182},  // the same in the bass clef
    {84, 1, 85},    // Cb of block 4 up a semitone: C, still inside the range
};
INSTANTIATE_TEST_SUITE_P(Cases, Moves, ::testing::ValuesIn(kMoveCases));

// Every pitch moved by every key amount sounds the right distance away and keeps its clef;
// block 0 is the floor and block 4 the ceiling.
TEST_F(Transposing, EveryMoveKeepsTheClefAndTheDistance) {
    struct Move {
        int amount, from, treble, bass;
    };
    std::vector<Move> moves;
    ::testing::internal::CaptureStdout();  // the moves past block 4 say so
    for (int amount : {1, 2, 3, 4, 5, 7, 8, 9, 10, 11}) {
        for (int c = 0; c <= 90; ++c)
            moves.push_back({amount, c, Transposer::Umrechnen(c, amount),
                             c > 0 ? Transposer::Umrechnen(c + 100, amount) : 0});
    }
    ::testing::internal::GetCapturedStdout();
    for (const Move& m : moves) {
        ASSERT_TRUE(ChromaTyp::isPitch(m.treble)) << m.from << " by " << m.amount;
        EXPECT_LE(m.treble, 90) << m.from << " by " << m.amount;
        if (m.from > 0) {
            EXPECT_EQ(m.bass, m.treble + 100) << m.from << " by " << m.amount;
        }
        int distance = ChromaTyp::Midi(m.treble) - ChromaTyp::Midi(m.from);
        bool up = m.amount <= 8;
        int usual = up ? m.amount : m.amount - 12;
        int other = up ? m.amount - 12 : m.amount;
        bool atTheEdge = up ? m.from >= 70 : m.from < 21;
        EXPECT_TRUE(distance == usual || (atTheEdge && distance == other))
            << m.from << " by " << m.amount << " moved " << distance;
    }
}

TEST_F(Transposing, NoMoveSpellsCbEsharpFbOrBsharp) {
    for (int amount : {1, 2, 3, 4, 5, 7, 8, 9, 10, 11}) {
        for (int s = 0; s < 21; ++s) {
            int spelling = ChromaTyp::spelling(Transposer::Umrechnen(21 + s, amount));
            EXPECT_NE(spelling, 0) << s << " by " << amount;
            EXPECT_NE(spelling, 8) << s << " by " << amount;
            EXPECT_NE(spelling, 9) << s << " by " << amount;
            EXPECT_NE(spelling, 20) << s << " by " << amount;
        }
    }
}

// The C major scale moved to a key is written with exactly that key's signature.
TEST_F(Transposing, MovedScaleAgreesWithTheKeySignature) {
    const int cMajor[] = {22, 25, 28, 31, 34, 37, 40};
    for (int key : {1, 2, 3, 4, 5, 7, 8, 9, 10, 11}) {
        std::array<int, 9> signature = VorzeichenFeld(key);
        for (int note : cMajor) {
            int moved = Transposer::Umrechnen(note, key);
            int letter = ChromaTyp::Chroma[ChromaTyp::spelling(moved)]._Y;
            int expected = signature[letter] ? signature[8] : 0;
            EXPECT_EQ(ChromaTyp::Vorzeichen(moved), expected)
                << "key " << key << ": " << note << " became " << moved;
        }
    }
}

TEST_F(Transposing, AmountZeroLeavesEveryValueAlone) {
    for (int chroma = -50; chroma <= 250; ++chroma)
        EXPECT_EQ(Transposer::Umrechnen(chroma, 0), chroma);
    EXPECT_EQ(Transposer::Umrechnen(INT_MIN, 0), INT_MIN);
}

TEST_F(Transposing, AmountsWithoutATableLeaveTheNote) {
    ::testing::internal::CaptureStdout();
    for (int amount : {6, -1, -11, 12, 13, 21, 100, INT_MIN, INT_MAX}) {
        for (int chroma : {0, 22, 90, 101, 164, 190})
            EXPECT_EQ(Transposer::Umrechnen(chroma, amount), chroma) << chroma << " by " << amount;
    }
    std::string diagnostics = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(diagnostics.find("chroma 22 is not moved by 6"), std::string::npos) << diagnostics;
}

TEST_F(Transposing, ValuesThatAreNoPitchStayAsTheyAre) {
    ::testing::internal::CaptureStdout();
    for (int chroma : {-1, -22, INT_MIN, 91, 95, 100, 191, 195, INT_MAX})
        EXPECT_EQ(Transposer::Umrechnen(chroma, 7), chroma) << chroma;
    ::testing::internal::GetCapturedStdout();
}

TEST_F(Transposing, TablesHoldSpellingIndicesAndAmountSixStaysEmpty) {
    EXPECT_EQ(Transposer::Tonart[0], nullptr);
    ASSERT_NE(Transposer::Tonart[6], nullptr);
    EXPECT_TRUE(Transposer::Tonart[6]->isEmpty());
    ASSERT_NE(Transposer::Tonart[7], nullptr);
    EXPECT_EQ(Transposer::Tonart[7]->werte[1], 13);    // C to G
    EXPECT_EQ(Transposer::Tonart[7]->werte[11], 2);    // F# to C#
    EXPECT_EQ(Transposer::Tonart[7]->werte[0], 11);    // Cb to F#
    EXPECT_EQ(Transposer::Tonart[7]->werte[8], 1);     // E# to C
    EXPECT_EQ(Transposer::Tonart[11]->werte[19], 17);  // B to A#
}

TEST(TransposerState, StartsAtNoChoiceAndWithoutTables) {
    Transposer::Transpose = 9;
    Transposer::SetzeStartwerte();
    EXPECT_EQ(Transposer::Transpose, 0);
    for (const auto& table : Transposer::Tonart) EXPECT_EQ(table, nullptr);
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(Transposer::Umrechnen(22, 2), 22);  // before the tables are loaded
    ::testing::internal::GetCapturedStdout();
}

class ProgramStart : public FreshProgramTest {};

TEST_F(ProgramStart, DataLoadingBuildsTheTablesAndTheStartValuesClearThem) {
    Programm::LadeStartDaten();
    ASSERT_NE(Transposer::Tonart[7], nullptr);
    EXPECT_EQ(Transposer::Umrechnen(22, 7), 34);
    ChromaTyp::StartUp();
    HatVorzeichenSetzen(2);
    OktavName = 2;
    Transposer::Transpose = 4;

    Programm::SetzeStartwerte();
    EXPECT_EQ(Transposer::Tonart[7], nullptr);
    EXPECT_EQ(Transposer::Transpose, 0);
    EXPECT_EQ(OktavName, 0);
    EXPECT_EQ(ChromaTyp::Chroma[1]._Name, "");
    EXPECT_EQ(HatVorzeichen, (std::array<int, 12>{}));
}

}  // namespace
