// Loading lessons from the working lesson file: clef choices, transposition with range
// keeping, the learner's key choices, damaged files, and what loading changes.

#include <gtest/gtest.h>

#include "exercise/SpielFenster.h"
#include "lessons/LessonFixture.h"
#include "notation/Note.h"
#include "notation/NotenFenster.h"

namespace {

struct NotesCase {
    const char* noten;
    int wahl;
    std::vector<int> chroma;
    std::vector<int> midi;  // empty: not checked
};

class NotesFromText : public LessonTest, public ::testing::WithParamInterface<NotesCase> {};

TEST_P(NotesFromText, FollowTheStaffChoice) {
    const NotesCase& c = GetParam();
    Lektion lektion;
    lektion.NotenFeldAusString(c.noten, c.wahl);
    EXPECT_EQ(notesOf(lektion), c.chroma);
    if (!c.midi.empty()) {
        EXPECT_EQ(midiOf(lektion), c.midi);
    }
    EXPECT_EQ(lektion.Chroma[lektion.Anzahl], 0);  // the list is closed by a 0
}

INSTANTIATE_TEST_SUITE_P(
    Lessons, NotesFromText,
    ::testing::Values(NotesCase{"22|25|28", 0, {22, 25, 28}, {60, 62, 64}},
                      NotesCase{"22|25|28", 2, {122, 125, 128}, {36, 38, 40}},
                      NotesCase{"22|25|28", 3, {22, 25, 28, 122, 125, 128}, {}},
                      NotesCase{"5|22", 2, {105, 122}, {}},
                      NotesCase{"122|125", 1, {22, 25}, {60, 62}},
                      NotesCase{"122|25", 0, {122, 25}, {36, 62}},
                      NotesCase{"100|22|143", 3, {22, 143, 122, 43}, {}},  // 100 is a rest
                      NotesCase{"22||25|", 0, {22, 25}, {}},               // empty elements
                      NotesCase{"22|x|25", 0, {22, 25}, {}},               // no number: out
                      NotesCase{"abc|||-5|99999", 0, {}, {}},              // no pitch at all
                      NotesCase{"0|22|91|99|100|191|-22|190", 0, {22, 190}, {}},
                      NotesCase{"95|90", 2, {190}, {}},  // a rest stays out in the bass
                      NotesCase{"", 0, {}, {}},          // no notes at all
                      NotesCase{" 28 |31", 0, {28, 31}, {64, 65}}));  // lenient numbers

TEST_F(LessonTest, ElementsThatAreNoPitchAreLeftOutAndSaid) {
    Lektion lektion;
    ::testing::internal::CaptureStdout();
    lektion.NotenFeldAusString("abc|||-5|99999", 0);
    std::string said = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(lektion.Anzahl, 0);
    for (const char* element : {"'abc'", "'-5'", "'99999'"})
        EXPECT_NE(said.find(element), std::string::npos) << said;
    lektion.FindExtrema();
    EXPECT_EQ(lektion.MinimumMidi, 999);  // an empty lesson has no range
    EXPECT_EQ(lektion.MaximumMidi, 0);
}

TEST_F(LessonTest, ALessonKeepsItsFirst149NotesAfterTheClefCopies) {
    std::string noten;
    for (int i = 0; i < 100; ++i) noten += std::to_string(1 + i % 90) + "|";
    Lektion lektion;
    lektion.NotenFeldAusString(noten, 3);  // 200 notes after the copies
    ASSERT_EQ(lektion.Anzahl, Lektion::kMaxNoten);
    EXPECT_EQ(lektion.Chroma[99], 10);    // the last given note
    EXPECT_EQ(lektion.Chroma[100], 101);  // the first copy in the bass
    EXPECT_EQ(lektion.Chroma[148], 149);  // the 49th copy
    EXPECT_EQ(lektion.Chroma[149], 0);    // the closing 0 in the last slot
}

struct TransposeCase {
    const char* noten;
    int transpose;
    std::vector<int> expected;
};

class TransposedNotes : public LessonTest, public ::testing::WithParamInterface<TransposeCase> {};

TEST_P(TransposedNotes, KeepTheRangeOfTheirClef) {
    const TransposeCase& c = GetParam();
    Lektion lektion;
    lektion.Transpose = c.transpose;
    lektion.NotenFeldAusString(c.noten, 0);
    EXPECT_EQ(notesOf(lektion), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lessons, TransposedNotes,
    ::testing::Values(
        // C4 to B4 up a fifth: G, A, B stay; C5 is not above C4, the lowest note, so it
        // goes to the next block; D5, E5, F#5 come down to D4, E4, F#4.
        TransposeCase{"22|25|28|31|34|37|40", 7, {34, 37, 40, 43, 25, 28, 32}},
        // down a minor third (9): A3 and B3 lie below C4 and stay in the block below D4
        TransposeCase{"22|25|28", 9, {16, 19, 23}},
        // the bass keeps its own range: D4 comes down to D3
        TransposeCase{"143|146|149|152|155", 7, {155, 158, 161, 164, 146}},
        TransposeCase{"22|25|28", 0, {22, 25, 28}},
        // an amount without a table moves nothing
        TransposeCase{"22|25|28", 6, {22, 25, 28}}));

TEST_F(LessonTest, ARangeKeptNoteIsSoundedAtItsNewPlace) {
    Lektion lektion;
    lektion.Transpose = 7;
    lektion.NotenFeldAusString("22|40", 0);
    EXPECT_EQ(midiOf(lektion), (std::vector<int>{67, 66}));  // G4 and F#4
}

struct ChoiceCase {
    const char* tonart;
    const char* transpose;
    int gewaehlt;  // the learner's choice on the circle of fifths
    int tonartErwartet;
    int transposeErwartet;
};

class KeyChoices : public LessonTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(KeyChoices, ResolveQuestionMarksAndT) {
    const ChoiceCase& c = GetParam();
    writeLessons(sectionText(1, "22|25|28", {{"Tonart", c.tonart}, {"Transpose", c.transpose}}));
    Transposer::Transpose = c.gewaehlt;
    WechsleLektion(1, 0);
    ASSERT_TRUE(Lektion::AktLektion);
    EXPECT_EQ(Lektion::AktLektion->Tonart, c.tonartErwartet);
    EXPECT_EQ(Lektion::AktLektion->Transpose, c.transposeErwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Lessons, KeyChoices,
    ::testing::Values(ChoiceCase{"?", "T", 9, 9, 9}, ChoiceCase{"?", "4", 9, 9, 4},
                      ChoiceCase{"2", "?", 5, 2, 5}, ChoiceCase{"3", "T", 5, 3, 0},
                      ChoiceCase{"2", "0", 7, 2, 0}, ChoiceCase{"0", "2", 7, 0, 2},
                      ChoiceCase{"?", "?", 10, 10, 10}));

TEST_F(LessonTest, TheChosenKeyMovesTheNotesOfAQuestionMarkLesson) {
    writeLessons(sectionText(1, "22|25|28", {{"Tonart", "?"}, {"Transpose", "T"}}));
    Transposer::Transpose = 9;
    WechsleLektion(1, 0);
    EXPECT_EQ(notesOf(*Lektion::AktLektion), (std::vector<int>{16, 19, 23}));
}

TEST_F(LessonTest, AQuestionMarkStaffIsTheBrowsersChoice) {
    writeLessons(sectionText(4, "22|25|143", {{"System", "?"}}));
    struct Wahl {
        int wahl;
        int system;
        std::vector<int> noten;
    };
    for (const Wahl& w : {Wahl{0, 0, {22, 25, 143}}, Wahl{1, 1, {22, 25, 43}},
                          Wahl{2, 2, {122, 125, 143}}, Wahl{3, 3, {22, 25, 143, 122, 125, 43}}}) {
        WechsleLektion(4, w.wahl);
        EXPECT_EQ(Lektion::AktLektion->System, w.system) << "choice " << w.wahl;
        EXPECT_EQ(notesOf(*Lektion::AktLektion), w.noten) << "choice " << w.wahl;
    }
}

TEST_F(LessonTest, LoadingReadsEveryFieldOfTheSection) {
    writeLessons(sectionText(1, "22|25") + sectionText(7, "143|146|164",
                                                       {{"Name", "Linke Hand: Tonleiter"},
                                                        {"System", "2"},
                                                        {"Tonart", "5"},
                                                        {"Intervall", "8"},
                                                        {"ZweiHand", "0"},
                                                        {"SpielZeit", "90"},
                                                        {"MaxRichtig", "25"},
                                                        {"MaxFalsch", "3"},
                                                        {"Level", "4"}}));
    WechsleLektion(7, 0);
    const Lektion& l = *Lektion::AktLektion;
    EXPECT_EQ(Lektion::AktLektionNr, 7);
    EXPECT_EQ(l.Name, "Linke Hand: Tonleiter");
    EXPECT_EQ(l.System, 2);
    EXPECT_EQ(l.Tonart, 5);
    EXPECT_EQ(l.MaxIntervall, 8);
    EXPECT_EQ(l.AlsZweiHand, 0);
    EXPECT_EQ(l.SpielZeit, 90);
    EXPECT_EQ(l.MaxRichtig, 25);
    EXPECT_EQ(l.MaxFalsch, 3);
    EXPECT_EQ(l.Level, 4);
    EXPECT_EQ(l.Transpose, 0);
    EXPECT_EQ(l.MinimumMidi, 48);
    EXPECT_EQ(l.MaximumMidi, 60);
    EXPECT_EQ(l.GeheimCode, "");
}

TEST_F(LessonTest, AMissingSectionLoadsAsALessonWithoutNotes) {
    writeLessons(sectionText(1, "22|25"));
    WechsleLektion(42, 0);
    const Lektion& l = *Lektion::AktLektion;
    EXPECT_EQ(l.Anzahl, 0);
    EXPECT_EQ(l.System, 0);
    EXPECT_EQ(l.MaxRichtig + l.MaxFalsch + l.SpielZeit + l.Level + l.MaxIntervall, 0);
    EXPECT_EQ(l.MinimumMidi, 999);
    EXPECT_EQ(l.MaximumMidi, 0);
    EXPECT_EQ(Lektion::ZufallAnzahl, 0);
    EXPECT_EQ(Lektion::GetZufallnote(0, 0), -1);  // the feed adds nothing
    WechsleLektion(42, 2);
    EXPECT_EQ(Lektion::AktLektion->System, 2);  // a forced staff set still counts
}

TEST_F(LessonTest, AMissingFileAndMissingKeysReadAsZero) {
    WechsleLektion(1, 0);  // no lesson file at all
    EXPECT_EQ(Lektion::AktLektion->Anzahl, 0);
    writeLessons(sectionText(1, "22|25",
                             {{"Intervall", "<absent>"},
                              {"Level", "<absent>"},
                              {"Tonart", "<absent>"},
                              {"Transpose", "<absent>"}}));
    WechsleLektion(1, 0);
    EXPECT_EQ(Lektion::AktLektion->Anzahl, 2);
    EXPECT_EQ(Lektion::AktLektion->MaxIntervall, 0);
    EXPECT_EQ(Lektion::AktLektion->Level, 0);
    EXPECT_EQ(Lektion::AktLektion->Tonart, 0);
}

// What the menu was told by the last lesson loaded.
int shownMenu = -1;

TEST_F(LessonTest, ATwoHandLessonRunsScrollingNotes) {
    ZweiHandMenu = [](int zweiHand) { shownMenu = zweiHand; };
    writeLessons(sectionText(1, "22|25", {{"ZweiHand", "1"}, {"System", "3"}}) +
                 sectionText(2, "22|25"));
    Spiel::SpielMode = Spiel::EinzelNoten;
    WechsleLektion(1, 0);
    EXPECT_EQ(shownMenu, 1);
    EXPECT_EQ(Spiel::SpielMode, Spiel::LaufendeNoten);
    ASSERT_TRUE(Note::ZweiHandLektion);
    EXPECT_TRUE(Note::ZweiHandLektion());

    Spiel::SpielMode = Spiel::Woerter;
    WechsleLektion(2, 0);
    EXPECT_EQ(shownMenu, 0);
    EXPECT_EQ(Spiel::SpielMode, Spiel::Woerter);  // a one-hand lesson keeps the method
    EXPECT_FALSE(Note::ZweiHandLektion());
}

TEST_F(LessonTest, TheMainStaffTakesTheLessonsStaffSetAndKey) {
    SpielFenster::CreateIt(10, 10);
    NotenFenster& haupt = *SpielFenster::Haupt;
    int x = haupt.FensterX, y = haupt.FensterY, b = haupt.FensterB;
    writeLessons(sectionText(1, "143|146", {{"System", "2"}, {"Tonart", "2"}}));
    WechsleLektion(1, 0);
    EXPECT_EQ(haupt.Systeme, 2);
    EXPECT_EQ(haupt.Tonart, 2);
    EXPECT_EQ(haupt.FensterX, x);  // the geometry stays
    EXPECT_EQ(haupt.FensterY, y);
    EXPECT_EQ(haupt.FensterB, b);
}

TEST_F(LessonTest, MakingALessonCurrentBuildsItsPool) {
    makeCurrent({22, 25, 28});
    Lektion::History = {22, 25, 28};
    Lektion::ZufallAnpassen(64, 25, -1);
    makeCurrent({31, 34});
    EXPECT_EQ(pool(), (std::vector<int>{31, 34, 31, 34, 31, 34}));
    EXPECT_EQ(Lektion::History, (std::array<int, 3>{0, 0, 0}));
    for (int i = Lektion::ZufallAnzahl; i < Lektion::kPoolGroesse; ++i)
        ASSERT_EQ(Lektion::ZufallChroma[i], 0) << "entry " << i;
}

}  // namespace
