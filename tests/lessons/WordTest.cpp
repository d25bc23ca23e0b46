// The word exercise: which words a lesson asks, how their notes reach the feed, and the
// typed answer.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lessons/LessonFixture.h"
#include "lessons/Worte.h"
#include "platform/Events.h"
#include "support/ZipWriter.h"

namespace {

using Parts = std::vector<std::string>;

// Treble notes of one octave: C D E F G A H.
const std::vector<int> kNaturals = {22, 25, 28, 31, 34, 37, 40};
const std::string kNaturalNames = "C|D|E|F|G|A|H";

struct SplitCase {
    const char* what;
    std::string names;  // as the lesson gives them
    std::string word;
    bool valid;
    Parts parts;
    int mitVorzeichen;
};

class WordSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(WordSplit, CoversTheWordWithTheLessonsNames) {
    const SplitCase& c = GetParam();
    std::vector<Worte> found = Worte::Gueltige({c.word}, c.names);
    ASSERT_EQ(found.size(), c.valid ? 1u : 0u) << c.what;
    if (!c.valid) return;
    EXPECT_EQ(found[0].WortTeil, c.parts) << c.what;
    EXPECT_EQ(found[0].IstMitVorzeichen, c.mitVorzeichen) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WordSplit,
    ::testing::Values(
        SplitCase{"five letters with two uncovered are valid (4 is less than 5)",
                  kNaturalNames,
                  "Dampf",
                  true,
                  {"4", "16", "M", "P", "10"},
                  0},
        SplitCase{"six letters with three uncovered are not (6 is not less than 6)",
                  kNaturalNames,
                  "Garten",
                  false,
                  {},
                  0},
        SplitCase{"with the seven naturals B is no name: Abgas",
                  kNaturalNames,
                  "Abgas",
                  true,
                  {"16", "B", "13", "16", "S"},
                  0},
        SplitCase{"Fisch with FIS, C and H", "FIS|C|H", "Fisch", true, {"11", "1", "19"}, 1},
        SplitCase{"a sharp or flat name is matched whole before its letter",
                  "A|AS",
                  "Aas",
                  true,
                  {"16", "15"},
                  1},
        SplitCase{"ES alone: an E not followed by S stays a letter",
                  "ES|C|H",
                  "Esche",
                  true,
                  {"6", "1", "19", "E"},
                  1},
        SplitCase{"E and ES: both are names", "E|ES|C|H", "Esche", true, {"6", "1", "19", "7"}, 1},
        SplitCase{
            "letter case does not matter", kNaturalNames, "fade", true, {"10", "16", "4", "7"}, 0},
        SplitCase{"every occurrence of a name is covered",
                  "G|E|H",
                  "Gehege",
                  true,
                  {"13", "7", "19", "7", "13", "7"},
                  0},
        SplitCase{"a lesson without notes covers nothing", "", "Fade", false, {}, 0}));

TEST_F(LessonTest, ANameThatTheLessonLeavesOutCoversNothing) {
    Lektion esVorE;
    esVorE.NotenFeldAusString("27|28|22|40", 0);  // E flat before E, then C and H
    ASSERT_EQ(esVorE.AlleBuchstaben(), "ES|C|H");
    std::vector<Worte> found = Worte::Gueltige({"Esche", "Ehe", "Echo"}, esVorE.AlleBuchstaben());
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].WortTeil, (Parts{"6", "1", "19", "E"}));
    Lektion eVorEs;
    eVorEs.NotenFeldAusString("28|27|22|40", 0);
    ASSERT_EQ(eVorEs.AlleBuchstaben(), "E|ES|C|H");
    EXPECT_EQ(Worte::Gueltige({"Esche", "Ehe", "Echo"}, eVorEs.AlleBuchstaben()).size(), 3u);
}

// Words of a given length, all valid with the naturals (only A and C).
std::vector<Worte> wordsOf(const std::vector<std::pair<int, int>>& lengthAndFlag) {
    std::vector<Worte> liste;
    for (auto [laenge, flag] : lengthAndFlag) liste.push_back({std::string(laenge, 'A'), {}, flag});
    return liste;
}

struct ThinCase {
    const char* what;
    std::vector<std::pair<int, int>> words;  // (letters, with sharp or flat) for each word
    size_t left;                             // words after thinning
    size_t shortestPlainWord;                // letters of the shortest word without one left
};

class Thinning : public ::testing::TestWithParam<ThinCase> {};

std::vector<std::pair<int, int>> repeat(int count, int laenge, int flag) {
    return std::vector<std::pair<int, int>>(static_cast<size_t>(count), {laenge, flag});
}

std::vector<std::pair<int, int>> join(std::vector<std::pair<int, int>> a,
                                      const std::vector<std::pair<int, int>>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_P(Thinning, KeepsSharpAndFlatWordsAndTheLongest) {
    const ThinCase& c = GetParam();
    std::vector<Worte> liste = wordsOf(c.words);
    const size_t flagged =
        std::count_if(c.words.begin(), c.words.end(), [](const auto& w) { return w.second == 1; });
    Worte::Ausduennen(liste);
    EXPECT_EQ(liste.size(), c.left) << c.what;
    EXPECT_EQ(std::count_if(liste.begin(), liste.end(),
                            [](const Worte& w) { return w.IstMitVorzeichen == 1; }),
              static_cast<long>(flagged))
        << c.what << ": no word with a sharp or flat name is removed";
    size_t shortest = 999;
    for (const Worte& w : liste)
        if (w.IstMitVorzeichen == 0) shortest = std::min(shortest, w.EchtWort.size());
    EXPECT_EQ(shortest, c.shortestPlainWord) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Thinning,
    ::testing::Values(
        ThinCase{"exactly 100 words are all kept", join(repeat(50, 3, 0), repeat(50, 5, 0)), 100,
                 3},
        ThinCase{"101 words are thinned to at most 99",
                 join(join(repeat(40, 3, 0), repeat(40, 4, 0)), repeat(21, 5, 0)), 61, 4},
        ThinCase{"each pass raises the bound by one", join(repeat(60, 3, 0), repeat(60, 6, 0)), 60,
                 6},
        ThinCase{"short words with sharp or flat names stay",
                 join(repeat(10, 2, 1), join(repeat(60, 3, 0), repeat(40, 4, 0))), 50, 4},
        ThinCase{"more than 99 with sharp or flat: the passes end after the longest word",
                 join(repeat(120, 4, 1), repeat(30, 7, 0)), 120, 999}));

class WordFeed : public LessonTest {
  protected:
    void SetUp() override {
        LessonTest::SetUp();
        useDice(dice);
        makeCurrent(kNaturals);
        Worte::LektionsListe = Worte::Gueltige({"Abgas"}, kNaturalNames);
    }
    MersenneRandom dice;
};

TEST_F(WordFeed, TheChoiceGivesNothingThenEachPartThenNothingUntilAnswered) {
    std::vector<int> fed;
    for (int i = 0; i < 9; ++i) fed.push_back(Lektion::GetWortNote());
    EXPECT_EQ(fed, (std::vector<int>{-1, 37, 95, 34, 37, 95, -1, -1, -1}));
    EXPECT_EQ(Lektion::AktWort, "37|95|34|37|95");
    EXPECT_EQ(Lektion::WordDone, 99);
    ASSERT_TRUE(Worte::AktFrageWort);
    EXPECT_EQ(Worte::AktFrageWort->EchtWort, "ABGAS");
}

TEST_F(WordFeed, ChoosingAWordStartsABarAndClearsTheAnswer) {
    TaktSumme = 5;
    NotenFenster::VorTaktpos = 3;
    LosungWort = "XY";
    EXPECT_EQ(Lektion::GetWortNote(), -1);
    EXPECT_EQ(Lektion::WordDone, 1);
    EXPECT_EQ(TaktSumme, 0);
    EXPECT_EQ(NotenFenster::VorTaktpos, 0);
    EXPECT_EQ(LosungWort, "");
}

TEST_F(WordFeed, EveryNameDrawsItsOwnOctave) {
    makeCurrent({37, 58, 79, 34});  // A in three octaves, G
    Worte::LektionsListe = Worte::Gueltige({"Gaga"}, "A|G");
    // The dice answer 0, 1, 2, ... in turn, wrapped into each range.
    ScriptedRandom dice(
        [n = 0](int low, int high) mutable { return low + n++ % (high - low + 1); });
    useDice(dice);
    Lektion::GetWortNote();
    EXPECT_EQ(Lektion::AktWort, "34|79|34|58");
}

TEST_F(WordFeed, NoWordToAskGivesNothingAndChoosesNothing) {
    Worte::LektionsListe.clear();
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Lektion::GetWortNote(), -1);
    EXPECT_EQ(Lektion::WordDone, 0);
    EXPECT_FALSE(Worte::AktFrageWort);
    EXPECT_FALSE(Worte::Bild()) << "the staff shows no word";
}

struct TypingCase {
    const char* what;
    int handedOut;          // feed calls before typing: 1 chooses the word, 6 gives all parts
    std::vector<int> keys;  // key codes
    std::string answer;     // the answer afterwards
    bool accepted;          // the next word begins
    bool wrongSign;         // the staff shows the sign of a wrong answer
};

class Typing : public WordFeed, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(Typing, EditsAndChecksTheAnswer) {
    const TypingCase& c = GetParam();
    for (int i = 0; i < c.handedOut; ++i) Lektion::GetWortNote();
    const int vorher = Lektion::WordDone;
    const std::string aktWort = Lektion::AktWort;
    for (int key : c.keys) ScanWorte(key);
    EXPECT_EQ(LosungWort, c.answer) << c.what;
    if (c.accepted) {
        EXPECT_EQ(Lektion::WordDone, 0) << c.what;
        EXPECT_EQ(Lektion::AktWort, "") << c.what;
    } else {
        EXPECT_EQ(Lektion::WordDone, vorher) << c.what;
        EXPECT_EQ(Lektion::AktWort, aktWort) << c.what;
    }
    auto bild = Worte::Bild();
    EXPECT_EQ(bild && bild->Falsch, c.wrongSign) << c.what;
    EXPECT_EQ(Spiel::SpielerRichtig + Spiel::SpielerFalsch, 0) << c.what << ": nothing counts";
}

constexpr int R = Key::Return, BS = Key::Backspace;

INSTANTIATE_TEST_SUITE_P(
    Cases, Typing,
    ::testing::Values(
        TypingCase{"letters are added", 6, {'A', 'B', 'G'}, "ABG", false, false},
        TypingCase{
            "Return with a partly typed word changes nothing", 6, {'A', 'B', R}, "AB", false, true},
        TypingCase{"Return with a misspelled word changes nothing",
                   6,
                   {'A', 'B', 'G', 'A', 'X', R},
                   "ABGAX",
                   false,
                   true},
        TypingCase{"the right word is accepted", 6, {'A', 'B', 'G', 'A', 'S', R}, "", true, false},
        TypingCase{"the right word typed before all its notes appeared is accepted",
                   2,
                   {'A', 'B', 'G', 'A', 'S', R},
                   "",
                   true,
                   false},
        TypingCase{
            "Backspace takes the last letter back", 6, {'A', 'B', 'X', BS}, "AB", false, false},
        TypingCase{
            "Backspace on an empty answer leaves it empty", 6, {BS, BS, 'A'}, "A", false, false},
        TypingCase{"a corrected answer is accepted",
                   6,
                   {'A', 'B', 'G', 'A', 'X', R, BS, 'S', R},
                   "",
                   true,
                   false},
        TypingCase{"Return on an empty answer shows no sign", 6, {R}, "", false, false},
        TypingCase{"digits are typed", 6, {Key::Digit0 + 7}, "7", false, false},
        TypingCase{"Shift, Control, Escape, Tab, Space, arrows and Delete type nothing",
                   6,
                   {Key::Shift, Key::Control, Key::Escape, Key::Tab, Key::Space, Key::Left,
                    Key::Right, Key::Delete, 'A'},
                   "A",
                   false,
                   false},
        TypingCase{
            "Return before any word was chosen changes nothing", 0, {'A', R}, "A", false, false}));

TEST_F(WordFeed, TheSignOfAWrongAnswerFadesAfterAMoment) {
    for (int i = 0; i < 6; ++i) Lektion::GetWortNote();
    for (int key : {int{'X'}, R}) ScanWorte(key);
    ASSERT_TRUE(Worte::Bild()->Falsch);
    clock.advance(Worte::kFalschZeichenMs + 1);
    EXPECT_FALSE(Worte::Bild()->Falsch);
    EXPECT_EQ(Worte::Bild()->Loesung, "X");
}

struct ListCase {
    const char* what;
    std::string text;
    std::vector<std::string> words;
    bool saysSo;  // a line on standard output
};

class WordListText : public ::testing::TestWithParam<ListCase> {};

TEST_P(WordListText, ReadsOneWordALine) {
    const ListCase& c = GetParam();
    ::testing::internal::CaptureStdout();
    std::vector<std::string> words = WortListeAusText(c.text);
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(words, c.words) << c.what;
    EXPECT_EQ(!out.empty(), c.saysSo) << c.what << ": " << out;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WordListText,
    ::testing::Values(
        ListCase{"CR LF lines", "Dach\r\nFach\r\n", {"Dach", "Fach"}, false},
        ListCase{"a last line without a line end counts", "Dach\r\nFach", {"Dach", "Fach"}, false},
        ListCase{"comments and blank lines are skipped",
                 "' Woerter\r\n\r\n   \r\nDach\r\n",
                 {"Dach"},
                 false},
        ListCase{"a digit skips the line", "Dach\r\nF4ch\r\nHase\r\n", {"Dach", "Hase"}, true},
        ListCase{"a blank inside or after a word skips the line",
                 "Dach \r\nFa ch\r\nHase\r\n",
                 {"Hase"},
                 true},
        ListCase{"an umlaut skips the line",
                 "K\xC3\xA4"
                 "fer\r\nKaefer\r\n",
                 {"Kaefer"},
                 true},
        ListCase{"an empty text has no words", "", {}, false}));

TEST_F(LessonTest, AMissingWordListGivesNoWordsAndSaysSo) {
    registerFixtureArchive(makeZip({{"Listen.ini", ""}}));
    ::testing::internal::CaptureStdout();
    EXPECT_TRUE(LadeWortListe().empty());
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("worte_D.Lst"), std::string::npos) << out;
}

TEST_F(LessonTest, AnEmptyWordListGivesNoWordsAndSaysSo) {
    registerFixtureArchive(makeZip({{"worte_D.lst", "' nothing but a comment\r\n"}}));
    ::testing::internal::CaptureStdout();
    EXPECT_TRUE(LadeWortListe().empty());
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("no word"), std::string::npos) << out;
}

TEST_F(LessonTest, TheShippedListIsFoundWhateverTheCaseOfItsName) {
    std::vector<std::string> words = LadeWortListe();
    EXPECT_GE(words.size(), 420u);
    EXPECT_NE(std::find(words.begin(), words.end(), "Fisch"), words.end());
}

}  // namespace
