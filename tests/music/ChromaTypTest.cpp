#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "i18n/Sprache.h"
#include "music/ChromaTyp.h"
#include "settings/IniClass.h"
#include "support/TestSupport.h"

namespace {

// The real tables of the embedded archive, loaded as at start-up.
class Pitches : public FreshProgramTest {
  protected:
    void SetUp() override {
        FreshProgramTest::SetUp();
        ChromaTyp::StartUp();
    }
};

struct PitchCase {
    int chroma;
    int midi;
    int y;
    int accidental;
};

class PitchTable : public Pitches, public ::testing::WithParamInterface<PitchCase> {};

TEST_P(PitchTable, GivesMidiStepAndAccidental) {
    const PitchCase& c = GetParam();
    EXPECT_EQ(ChromaTyp::Midi(c.chroma), c.midi) << "chroma " << c.chroma;
    EXPECT_EQ(ChromaTyp::Y(c.chroma), c.y) << "chroma " << c.chroma;
    EXPECT_EQ(ChromaTyp::Vorzeichen(c.chroma), c.accidental) << "chroma " << c.chroma;
}

const PitchCase kPitchCases[] = {
    {0, 47, 0, 2},     // treble Cb of block 0
    {1, 48, 0, 0},     // treble C3
    {2, 49, 0, 1},     // C# ...
    {3, 49, 1, 2},     // ... and Db sound alike
    {20, 60, 6, 1},    // B# of block 0
    {21, 59, 7, 2},    // Cb of block 1
    {22, 60, 7, 0},    // middle C, below the treble staff
    {28, 64, 9, 0},    // E4 on the bottom treble line
    {37, 69, 12, 0},   // A4
    {52, 77, 17, 0},   // F5 on the top treble line
    {90, 99, 30, 2},   // Eb of block 4, the highest treble value
    {101, 24, -2, 0},  // the lowest bass value
    {134, 43, 9, 0},   // G2 on the bottom bass line
    {158, 57, 17, 0},  // A3 on the top bass line
    {164, 60, 19, 0},  // middle C in the bass clef
    {190, 75, 28, 2},  // Eb of bass block 4
};
INSTANTIATE_TEST_SUITE_P(Cases, PitchTable, ::testing::ValuesIn(kPitchCases));

TEST_F(Pitches, OctaveBlocksAndClefsKeepTheirDistances) {
    for (int c = 0; c <= 90; ++c) {
        if (c >= 21) {
            EXPECT_EQ(ChromaTyp::Midi(c) - ChromaTyp::Midi(c - 21), 12) << c;
            EXPECT_EQ(ChromaTyp::Y(c) - ChromaTyp::Y(c - 21), 7) << c;
        }
        if (c == 0) continue;  // 100 is no bass value
        // The same spelling in the bass clef sounds two octaves lower, two steps lower.
        EXPECT_EQ(ChromaTyp::Midi(c) - ChromaTyp::Midi(c + 100), 24) << c;
        EXPECT_EQ(ChromaTyp::Y(c) - ChromaTyp::Y(c + 100), 2) << c;
        EXPECT_EQ(ChromaTyp::Vorzeichen(c), ChromaTyp::Vorzeichen(c + 100)) << c;
    }
}

TEST_F(Pitches, TableRowsBeyondTheSpellingsAreFillerAndSlot24Empty) {
    for (int slot : {21, 22, 23}) {
        EXPECT_EQ(ChromaTyp::Chroma[slot]._Y, 6) << slot;
        EXPECT_EQ(ChromaTyp::Chroma[slot]._VorZeichen, 0) << slot;
        EXPECT_EQ(ChromaTyp::Chroma[slot]._Midi, 0) << slot;
        EXPECT_EQ(ChromaTyp::Chroma[slot]._Name, "") << slot;
    }
    EXPECT_EQ(ChromaTyp::Chroma[24]._Y, 0);
    EXPECT_EQ(ChromaTyp::Chroma[24]._Name, "");
}

TEST_F(Pitches, ValuesThatAreNoPitchGiveNeutralAnswers) {
    for (int chroma : {-1, -21, -100, INT_MIN, 91, 95, 99, 100, 191, 195, 290, 1000, INT_MAX}) {
        EXPECT_FALSE(ChromaTyp::isPitch(chroma)) << chroma;
        EXPECT_EQ(ChromaTyp::spelling(chroma), -1) << chroma;
        EXPECT_EQ(ChromaTyp::Midi(chroma), 0) << chroma;
        EXPECT_EQ(ChromaTyp::Y(chroma), 30) << chroma;
        EXPECT_EQ(ChromaTyp::Vorzeichen(chroma), 0) << chroma;
        EXPECT_EQ(ChromaTyp::Name(chroma), "") << chroma;
    }
    EXPECT_EQ(ChromaTyp::spelling(164), 1);
    EXPECT_EQ(ChromaTyp::spelling(90), 6);
}

TEST(ChromaBeforeStartUp, AnswersWithoutATable) {
    ChromaTyp::SetzeStartwerte();
    EXPECT_EQ(ChromaTyp::Midi(22), 60);  // the table is empty: no semitones added
    EXPECT_EQ(ChromaTyp::Name(22), "");  // no octave mark without a name
}

TEST(ChromaEntry, NewOneHoldsWhatItWasGiven) {
    ChromaTyp entry = ChromaTyp::NewOne(4, 1, 8, "G#");
    EXPECT_EQ(entry._Y, 4);
    EXPECT_EQ(entry._VorZeichen, 1);
    EXPECT_EQ(entry._Midi, 8);
    EXPECT_EQ(entry._Name, "G#");
}

struct NameCase {
    int nameSet;  // the setting "NotenNamen"
    int style;    // OktavName
    int chroma;
    const char* expected;
};

class Naming : public FreshProgramTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(Naming, AppendsTheOctaveMarkOfTheStyle) {
    const NameCase& c = GetParam();
    IniClass::Schreiben("", "Allgemein", "NotenNamen", std::to_string(c.nameSet));
    ChromaTyp::StartUp();
    OktavName = c.style;
    EXPECT_EQ(ChromaTyp::Name(c.chroma), c.expected);
}

const NameCase kNameCases[] = {
    // style 0: C, c, c', c''; an octave below the great one is marked with "'"
    {0, 0, 101, "C'"},
    {0, 0, 122, "C"},
    {0, 0, 1, "c"},
    {0, 0, 143, "c"},
    {0, 0, 22, "c'"},
    {0, 0, 43, "c''"},
    {0, 0, 90, "eb''''"},
    {0, 0, 2, "c#"},
    // style 1: numbers instead of strokes
    {0, 1, 101, "C1"},
    {0, 1, 122, "C"},
    {0, 1, 1, "c"},
    {0, 1, 22, "c1"},
    {0, 1, 64, "c3"},
    // style 2: scientific octave numbers, the name as it stands
    {0, 2, 101, "C1"},
    {0, 2, 122, "C2"},
    {0, 2, 1, "C3"},
    {0, 2, 22, "C4"},
    {0, 2, 24, "Db4"},
    {0, 2, 85, "C7"},
    // any other style: no mark at all
    {0, 3, 22, "C"},
    {0, -1, 101, "C"},
    // German names, the whole name in lower case
    {1, 0, 21, "ces'"},
    {1, 0, 19, "h"},
    {1, 0, 2, "cis"},
    {1, 1, 40, "h1"},
    {1, 0, 18, "bb"},
    {1, 2, 121, "Ces2"},
    // solmization names, taken as the data has them
    {2, 0, 23, "do#'"},
    {2, 0, 0, "db"},
    {2, 2, 34, "Sol4"},
};
INSTANTIATE_TEST_SUITE_P(Cases, Naming, ::testing::ValuesIn(kNameCases));

class NameSets : public FreshProgramTest {
  protected:
    void choose(const std::string& set, const std::string& ownNames = "") {
        IniClass::Schreiben("", "Allgemein", "NotenNamen", set);
        if (!ownNames.empty()) IniClass::Schreiben("", "Allgemein", "Notennamen_X" + set, ownNames);
        ::testing::internal::CaptureStdout();
        ChromaTyp::StartUp();
        diagnostics = ::testing::internal::GetCapturedStdout();
    }
    std::vector<std::string> names() const {
        std::vector<std::string> all;
        for (int s = 0; s < 21; ++s) all.push_back(ChromaTyp::Chroma[s]._Name);
        return all;
    }
    std::string diagnostics;
    const std::vector<std::string> typ0 = {"Cb", "C",  "C#", "Db", "D",  "D#", "Eb",
                                           "E",  "E#", "Fb", "F",  "F#", "Gb", "G",
                                           "G#", "Ab", "A",  "A#", "Bb", "B",  "B#"};
};

TEST_F(NameSets, AbsentSettingMeansTheFirstSet) {
    ChromaTyp::StartUp();
    EXPECT_EQ(names(), typ0);
}

TEST_F(NameSets, UserNamesOfTheSettingsFile) {
    choose("3", "a0|a1|a2|a3|a4|a5|a6|a7|a8|a9|a10|a11|a12|a13|a14|a15|a16|a17|a18|a19|a20");
    for (int s = 0; s < 21; ++s) EXPECT_EQ(ChromaTyp::Chroma[s]._Name, "a" + std::to_string(s));
    EXPECT_EQ(diagnostics, "");
}

TEST_F(NameSets, ShortUserListKeepsItsNamesAndFallsBackToTheFirstSet) {
    choose("3", "Ut|Ut#|Utb");
    std::vector<std::string> expected = typ0;
    expected[0] = "Ut";
    expected[1] = "Ut#";
    expected[2] = "Utb";
    EXPECT_EQ(names(), expected);
    EXPECT_NE(diagnostics.find("3 of 21"), std::string::npos) << diagnostics;
}

TEST_F(NameSets, SetsWithoutAListFallBackEntirely) {
    for (const char* set : {"-1", "5", "3"}) {  // "3" here has no user list
        choose(set);
        EXPECT_EQ(names(), typ0) << "set " << set;
        EXPECT_NE(diagnostics.find("0 of 21"), std::string::npos) << diagnostics;
    }
}

TEST_F(NameSets, SwitchingRelabelsWithoutReloadingTheTable) {
    choose("0");
    OktavName = 0;
    EXPECT_EQ(ChromaTyp::Name(40), "b'");
    IniClass::Schreiben("", "Allgemein", "NotenNamen", "1");
    ChromaTyp::SwitchNotenNamen();
    EXPECT_EQ(ChromaTyp::Name(40), "h'");
    EXPECT_EQ(ChromaTyp::Midi(40), 71);
}

TEST_F(NameSets, LowerCaseReachesLatinCapitals) {
    // U+00C4 and U+00D8, typed by a user; U+00D7 is a sign, not a letter, and stays.
    std::string own = "\xC3\x84s|\xC3\x98|\xC3\x97";
    choose("3", own);
    OktavName = 0;
    EXPECT_EQ(ChromaTyp::Name(21), "\xC3\xA4s'");
    EXPECT_EQ(ChromaTyp::Name(22), "\xC3\xB8'");
    EXPECT_EQ(ChromaTyp::Name(23), "\xC3\x97'");
    EXPECT_EQ(ChromaTyp::Name(122), "\xC3\x98");
}

struct KeyNameCase {
    int key;
    int style;
    const char* expected;
};

class KeyNames : public Pitches, public ::testing::WithParamInterface<KeyNameCase> {};

TEST_P(KeyNames, NameTheTonicAndMajor) {
    auto german = std::make_shared<LanguageTable>();
    german->set("Major", "Dur");
    SetCurrentLanguage(german);
    OktavName = GetParam().style;
    EXPECT_EQ(ChromaTyp::NameDerTonArt(GetParam().key), GetParam().expected);
}

const KeyNameCase kKeyNameCases[] = {
    {0, 0, "C-Dur"},   {1, 0, "Db-Dur"},   {6, 0, "F#-Dur"}, {10, 0, "Bb-Dur"},
    {11, 1, "B-Dur"},  {13, 0, "Db-Dur"},  {24, 0, "C-Dur"}, {-12, 0, "C-Dur"},
    {-1, 0, "cb-Dur"}, {-13, 1, "cb-Dur"}, {0, 2, "C2-Dur"}, {INT_MIN, 0, "cb-Dur"},
};
INSTANTIATE_TEST_SUITE_P(Cases, KeyNames, ::testing::ValuesIn(kKeyNameCases));

}  // namespace
