// What the rest of the program asks of a lesson, and saving the wizard's lessons.

#include <gtest/gtest.h>

#include "data/Files.h"
#include "exercise/SpielFenster.h"
#include "lessons/LessonFixture.h"
#include "notation/NotenFenster.h"

namespace {

Lektion lessonOf(const std::string& noten) {
    Lektion lektion;
    lektion.NotenFeldAusString(noten, 0);
    lektion.FindExtrema();
    return lektion;
}

struct InLessonCase {
    int midi, chroma, modulo, expected;
};

class InLesson : public LessonTest, public ::testing::WithParamInterface<InLessonCase> {};

TEST_P(InLesson, AsksByPitchSpellingOrLetter) {
    const InLessonCase& c = GetParam();
    Lektion lektion = lessonOf("22|27|143");  // C4, Eb4, C3 in the bass
    EXPECT_EQ(lektion.IstInLektion(c.midi, c.chroma, c.modulo), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Lessons, InLesson,
                         ::testing::Values(InLessonCase{60, 0, 0, 1},    // C4 sounds
                                           InLessonCase{63, 0, 0, 1},    // Eb4 sounds
                                           InLessonCase{48, 0, 0, 1},    // C3 sounds
                                           InLessonCase{61, 22, 1, 0},   // MIDI rules alone
                                           InLessonCase{0, 22, 0, 1},    // written as 22
                                           InLessonCase{0, 143, 0, 1},   // written as 143
                                           InLessonCase{0, 1, 0, 0},     // not written as 1
                                           InLessonCase{0, 1, 1, 1},     // 22 mod 21 is 1
                                           InLessonCase{0, 6, 1, 1},     // Eb by its letter
                                           InLessonCase{0, 5, 1, 0},     // no D#
                                           InLessonCase{0, 122, 0, 0},   // C4 in the bass
                                           InLessonCase{0, 43, 1, 0}));  // no spelling 43

TEST_F(LessonTest, AnEmptyLessonHoldsNothing) {
    Lektion lektion;
    EXPECT_EQ(lektion.IstInLektion(60, 0, 0), 0);
    EXPECT_EQ(lektion.IstInLektion(0, 0, 1), 0);
}

struct LettersCase {
    const char* noten;
    const char* expected;
};

class Letters : public LessonTest, public ::testing::WithParamInterface<LettersCase> {};

TEST_P(Letters, NameEachSpellingOnce) {
    EXPECT_EQ(lessonOf(GetParam().noten).AlleBuchstaben(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Lessons, Letters,
                         ::testing::Values(LettersCase{"22|25|28", "C|D|E"},
                                           LettersCase{"27|28", "ES"},  // E lies inside ES
                                           LettersCase{"28|27", "E|ES"},
                                           LettersCase{"22|23|25", "C|CIS|D"},
                                           LettersCase{"22|122|43", "C"},  // one per letter
                                           LettersCase{"39|40|41", "B|H|HIS"},
                                           LettersCase{"21|30|29", "CES|FES|EIS"},
                                           LettersCase{"", ""}));

TEST_F(LessonTest, AccidentalsAreFoundInEitherClef) {
    EXPECT_EQ(lessonOf("22|25|28").EnthaeltVorZeichen(), 0);
    EXPECT_EQ(lessonOf("22|23").EnthaeltVorZeichen(), 1);    // C#
    EXPECT_EQ(lessonOf("22|24").EnthaeltVorZeichen(), 1);    // Db
    EXPECT_EQ(lessonOf("122|138").EnthaeltVorZeichen(), 1);  // bass A#
    EXPECT_EQ(lessonOf("22|95").EnthaeltVorZeichen(), 0);    // a rest is no note
}

TEST_F(LessonTest, ExtremaAreTheLowestAndHighestPitch) {
    Lektion lektion = lessonOf("28|143|46|101");
    EXPECT_EQ(lektion.MinimumMidi, 24);
    EXPECT_EQ(lektion.MaximumMidi, 74);
}

TEST_F(LessonTest, ASpellingOfAPitchIsDrawnAmongTheFirstSix) {
    // Six C4 and then B#3, the same pitch: only the first six spellings count.
    Lektion lektion = lessonOf("22|22|22|22|22|22|20|25");
    ScriptedRandom highest([](int, int high) { return high; });
    useDice(highest);
    EXPECT_EQ(lektion.ChromaAusLektion(60), 22);

    Lektion zwei = lessonOf("23|25|24");  // C#4 and Db4
    ScriptedRandom lowest([](int low, int) { return low; });
    useDice(lowest);
    EXPECT_EQ(zwei.ChromaAusLektion(61), 23);
    useDice(highest);
    EXPECT_EQ(zwei.ChromaAusLektion(61), 24);
    EXPECT_EQ(zwei.ChromaAusLektion(70), -1);  // nothing to return
}

TEST_F(LessonTest, ANoteOfASpellingComesFromEitherClefAndAnyOctave) {
    Lektion lektion = lessonOf("22|25|43|164");
    ScriptedRandom dice = answersInTurn({0, 1, 2, 0});
    useDice(dice);
    std::vector<int> gezogen;
    for (int i = 0; i < 3; ++i) gezogen.push_back(lektion.ChromaAusModulo(1));
    EXPECT_EQ(gezogen, (std::vector<int>{22, 43, 164}));
    EXPECT_EQ(lektion.ChromaAusModulo(22), 22);  // 22 mod 21 is the spelling 1 again
    EXPECT_EQ(lektion.ChromaAusModulo(4), 25);
    EXPECT_EQ(lektion.ChromaAusModulo(7), -1);
}

TEST_F(LessonTest, AllNotesGoOnTheMainStaffAsQuarters) {
    SpielFenster::CreateIt(10, 10);
    Lektion lektion = lessonOf("22|25|143");
    TaktSumme = 5;
    lektion.SendeAlle(SpielFenster::Haupt.get());
    ASSERT_EQ(SpielFenster::Haupt->Liste.size(), 3u);
    std::vector<int> geschrieben;
    for (const auto& note : SpielFenster::Haupt->Liste) {
        EXPECT_EQ(note->Lang, 2);
        EXPECT_EQ(note->TaktPos, 2);
        geschrieben.push_back(note->ChromaEcht);
    }
    EXPECT_EQ(geschrieben, (std::vector<int>{22, 25, 143}));
    EXPECT_EQ(NotenFenster::VorTaktpos, 2);
    EXPECT_EQ(TaktSumme, 0);
}

TEST_F(LessonTest, ShowingAllNotesWithoutAStaffOnlyResetsTheBar) {
    TaktSumme = 5;
    lessonOf("22").SendeAlle(nullptr);
    EXPECT_EQ(TaktSumme, 0);
}

TEST_F(LessonTest, TheFirstSectionWithoutANameIsFree) {
    std::string sechzehn;
    for (int n = 1; n <= 16; ++n) sechzehn += sectionText(n, "22");
    writeLessons(sechzehn);
    EXPECT_EQ(FindeFreiINILektion(), 17);

    writeLessons(sectionText(1, "22") + sectionText(2, "22", {{"Name", "<absent>"}}) +
                 sectionText(3, "22"));
    EXPECT_EQ(FindeFreiINILektion(), 2);

    writeLessons("");
    EXPECT_EQ(FindeFreiINILektion(), 1);

    std::string alle;
    for (int n = 1; n <= 99; ++n) alle += sectionText(n, "22");
    writeLessons(alle);
    EXPECT_EQ(FindeFreiINILektion(), 99);
}

LektionsEntwurf draft() {
    LektionsEntwurf e;
    e.Name = "Übung für 5 € – äöü";
    e.Noten = "22|25|28|31|143";
    e.Tonart = 7;
    e.System = 3;
    e.Intervall = 999;
    e.MaxRichtig = 30;
    e.MaxFalsch = 10;
    e.SpielZeit = 60;
    e.Level = 3;
    e.ZweiHand = 1;
    e.Beschreibung = "Ein Preis von 3 €, größer = schöner";
    return e;
}

TEST_F(LessonTest, ASavedLessonComesBackFromTheFileUnchanged) {
    writeLessons(sectionText(1, "22") + sectionText(2, "25"));
    int nummer = FindeFreiINILektion();
    ASSERT_EQ(nummer, 3);
    SaveLektion(nummer, draft());
    IniClass::UpdateIniFile(lessonFile());  // read the file, not the cache

    const std::string s = "Lesen 3";
    EXPECT_EQ(IniClass::Lesen(lessonFile(), s, "Name"), draft().Name);
    EXPECT_EQ(IniClass::Lesen(lessonFile(), s, "Beschreibung"), draft().Beschreibung);
    EXPECT_EQ(IniClass::Lesen(lessonFile(), s, "Oktave"), "0");
    EXPECT_EQ(IniClass::Lesen(lessonFile(), s, "-"), std::string(53, '*'));
    EXPECT_EQ(IniClass::Lesen(lessonFile(), "Lesen 2", "Noten"), "25");  // others stay

    WechsleLektion(nummer, 0);
    const Lektion& l = *Lektion::AktLektion;
    EXPECT_EQ(l.Name, draft().Name);
    EXPECT_EQ(notesOf(l), (std::vector<int>{22, 25, 28, 31, 143}));
    EXPECT_EQ(l.Tonart, 7);
    EXPECT_EQ(l.System, 3);
    EXPECT_EQ(l.MaxIntervall, 999);
    EXPECT_EQ(l.MaxRichtig, 30);
    EXPECT_EQ(l.MaxFalsch, 10);
    EXPECT_EQ(l.SpielZeit, 60);
    EXPECT_EQ(l.Level, 3);
    EXPECT_EQ(l.AlsZweiHand, 1);
    EXPECT_EQ(FindeFreiINILektion(), 4);
}

TEST_F(LessonTest, SavingWritesTheKeysInTheirOrder) {
    SaveLektion(5, draft());
    std::string text = *Files::readText(lessonFile());
    size_t vorher = text.find("[Lesen 5]\r\n");
    ASSERT_NE(vorher, std::string::npos);
    for (const char* key :
         {"Name=", "Noten=", "Tonart=", "Oktave=", "System=", "Intervall=", "MaxRichtig=",
          "MaxFalsch=", "SpielZeit=", "Level=", "ZweiHand=", "Beschreibung=", "-="}) {
        size_t stelle = text.find(std::string("\r\n") + key, vorher);
        ASSERT_NE(stelle, std::string::npos) << key;
        EXPECT_GT(stelle, vorher) << key;
        vorher = stelle;
    }
}

TEST_F(LessonTest, SavedTextsStayOnOneLineAndInTheirSection) {
    writeLessons(sectionText(1, "22"));
    LektionsEntwurf e = draft();
    e.Name = "Teil [2]";
    e.Beschreibung = "erste Zeile\r\nzweite Zeile";
    SaveLektion(2, e);
    IniClass::UpdateIniFile(lessonFile());
    EXPECT_EQ(IniClass::Lesen(lessonFile(), "Lesen 2", "Name"), "Teil (2]");
    EXPECT_EQ(IniClass::Lesen(lessonFile(), "Lesen 2", "Beschreibung"),
              "erste Zeile  zweite Zeile");
    EXPECT_EQ(IniClass::Lesen(lessonFile(), "Lesen 2", "Level"), "3");  // not cut off
}

TEST_F(LessonTest, ALessonSavedOverAnotherDropsItsTransposition) {
    writeLessons(sectionText(99, "22|25", {{"Tonart", "2"}, {"Transpose", "?"}}));
    Transposer::Transpose = 7;
    SaveLektion(99, draft());
    WechsleLektion(99, 0);
    EXPECT_EQ(Lektion::AktLektion->Transpose, 0);
    EXPECT_EQ(notesOf(*Lektion::AktLektion), (std::vector<int>{22, 25, 28, 31, 143}));
}

}  // namespace
