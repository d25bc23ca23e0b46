// The rating of a finished examination and the filling of the result templates.

#include <gtest/gtest.h>

#include <set>

#include "data/Files.h"
#include "exercise/Bewertung.h"
#include "exercise/ExerciseFixture.h"
#include "i18n/Sprache.h"
#include "sound/SoundTyp.h"

namespace {

struct RatingCase {
    const char* what;
    int questionsLeft, livesLeft, punkte;  // a lesson of 60 s, 10 questions, 3 lives
    const char* zeit;
    int bewertung;
    const char* verdict;
    const char* passLine;
    const char* picture;
    bool showsCode;
    bool risingChord;
};

const RatingCase kCases[] = {
    {"all answered with 30.0 s left: twice the speed", 0, 3, 300, "30.0", 200,
     "{{First class performance}}", "{{Phrase48}}", "SmilyLacht", true, true},
    {"12.3 s left: 47.7 s used, counted as 47 whole seconds", 0, 3, 123, "47.7", 127,
     "{{Very good}}", "{{Phrase48}}", "SmilyLacht", true, true},
    {"time ran out: 61 s used, nearly passed, still a laughing face", 4, 3, -10, "61.0", 98,
     "{{NearlyGood}}", "{{Phrase55}}", "SmilyLacht", false, true},
    {"all lives lost: 10 whatever the time", 5, 0, 300, "30.0", 10, "{{Very poor/fail}}",
     "{{Phrase49}}", "SmilyTraurig", false, false},
    {"no second used (time credits paid for it all): counts as one second", 0, 3, 600, "0.0", 6000,
     "{{First class performance}}", "{{Phrase48}}", "SmilyLacht", true, true},
    {"minus 3 seconds used: counts as one second, shows no time below zero", 0, 3, 630, "0.0", 6000,
     "{{First class performance}}", "{{Phrase48}}", "SmilyLacht", true, true},
    {"one mistake short of all lives: rated by its time", 0, 1, 0, "60.0", 100, "{{Good}}",
     "{{Phrase48}}", "SmilyLacht", true, true},
};

class Rating : public ExerciseTest, public ::testing::WithParamInterface<RatingCase> {
  protected:
    void SetUp() override {
        ExerciseTest::SetUp();
        useLesson({"22|25|28", 1, 0, 60, 10, 3});
        IniClass::Schreiben("", "Allgemein", "User", "Anna");
    }
    void finishWith(int questionsLeft, int livesLeft, int punkte) {
        Spiel::SpielerRichtig = questionsLeft;
        Spiel::SpielerFalsch = livesLeft;
        Spiel::Punkte = punkte;
    }
    std::set<int> scheduledNotes() {
        std::set<int> notes;
        for (const auto& sound : SoundTyp::SoundListe)
            if (sound.Volume > 0) notes.insert(sound.Ton);
        return notes;
    }
};

TEST_P(Rating, GivesTheRatingVerdictPassLinePictureCodeAndChord) {
    const RatingCase& c = GetParam();
    SCOPED_TRACE(c.what);
    ErgebnisCode::CryptCode = [](const std::string&, const std::string&, int, int, int, int, int,
                                 int) -> std::string { return "ABCDEFGHIJKLMNO"; };
    finishWith(c.questionsLeft, c.livesLeft, c.punkte);
    SoundTyp::SoundListe.clear();
    HtmlAusBewertung();
    EXPECT_EQ(Bewertung, c.bewertung);
    EXPECT_EQ(ParseBewertungsZeile("{ZEIT}"), c.zeit);
    EXPECT_EQ(ParseBewertungsZeile("{KOMM}"), Lokalisiere(c.verdict));
    EXPECT_EQ(ParseBewertungsZeile("{BEST}"), Lokalisiere(c.passLine));
    EXPECT_EQ(ParseBewertungsZeile("{BILD}"), c.picture);
    std::string code = ParseBewertungsZeile("{CODE}");
    EXPECT_EQ(code, c.showsCode ? "Geheimcode für Lehrer: ABCDEFGHIJKLMNO" : "");
    auto page = Files::readText(AppPfad + "Bewertung.html");
    ASSERT_TRUE(page);
    EXPECT_NE(page->find(Lokalisiere(c.verdict)), std::string::npos);
    EXPECT_NE(page->find(std::string(c.picture) + ".png"), std::string::npos);
    EXPECT_EQ(page->find("Geheimcode") != std::string::npos, c.showsCode);
    const std::set<int> rising{48, 60, 64, 67, 72};
    const std::set<int> falling{48, 60, 47, 46, 45, 32, 44, 43, 42, 41};
    EXPECT_EQ(scheduledNotes(), c.risingChord ? rising : falling);
}

INSTANTIATE_TEST_SUITE_P(Cases, Rating, ::testing::ValuesIn(kCases));

struct ThresholdCase {
    int bewertung;
    const char* verdict;
    const char* passLine;
};

TEST(RatingTables, EachVerdictAndPassLineStartsAtItsThreshold) {
    const ThresholdCase cases[] = {
        {151, "{{First class performance}}", "{{Phrase48}}"},
        {150, "{{Very good}}", "{{Phrase48}}"},
        {126, "{{Very good}}", "{{Phrase48}}"},
        {125, "{{Good}}", "{{Phrase48}}"},
        {100, "{{Good}}", "{{Phrase48}}"},
        {99, "{{NearlyGood}}", "{{Phrase55}}"},
        {93, "{{NearlyGood}}", "{{Phrase55}}"},
        {92, "{{NearlyGood}}", "{{Phrase56}}"},
        {88, "{{NearlyGood}}", "{{Phrase56}}"},
        {87, "{{Respectable}}", "{{Phrase56}}"},
        {86, "{{Respectable}}", "{{Phrase56}}"},
        {85, "{{Respectable}}", "{{Phrase57}}"},
        {79, "{{Respectable}}", "{{Phrase57}}"},
        {78, "{{Respectable}}", "{{Phrase49}}"},
        {76, "{{Respectable}}", "{{Phrase49}}"},
        {75, "{{NearlyRespectable}}", "{{Phrase49}}"},
        {68, "{{NearlyRespectable}}", "{{Phrase49}}"},
        {67, "{{Satisfactory}}", "{{Phrase49}}"},
        {51, "{{Satisfactory}}", "{{Phrase49}}"},
        {50, "{{NearlySatisfactory}}", "{{Phrase49}}"},
        {38, "{{NearlySatisfactory}}", "{{Phrase49}}"},
        {37, "{{Unsatisfactory}}", "{{Phrase49}}"},
        {26, "{{Unsatisfactory}}", "{{Phrase49}}"},
        {25, "{{Very poor/fail}}", "{{Phrase49}}"},
        {0, "{{Very poor/fail}}", "{{Phrase49}}"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UrteilFuer(c.bewertung), c.verdict) << c.bewertung;
        EXPECT_EQ(BestandenFuer(c.bewertung), c.passLine) << c.bewertung;
    }
}

class ResultTemplate : public Rating {};

TEST_F(ResultTemplate, FillsTwoPlaceholdersOnOneLine) {
    finishWith(0, 3, 123);
    EXPECT_EQ(ParseBewertungsZeile("<td>{ZEIT} von {MAXZ} Sekunden</td>"),
              "<td>47.7 von 60 Sekunden</td>");
    EXPECT_EQ(ParseBewertungsZeile("{ANZA} / {MAXI}, {FALS}"), "10 / 10, 0");
}

TEST_F(ResultTemplate, AnUnknownPlaceholderShowsAsAParserError) {
    EXPECT_EQ(ParseBewertungsZeile("a {XY12} b"), "a !PARSER-ERROR!XY12! b");
    EXPECT_EQ(ParseBewertungsZeile("no placeholder"), "no placeholder");
    EXPECT_EQ(ParseBewertungsZeile("cut {NA"), "cut !PARSER-ERROR!NA!");
}

TEST_F(ResultTemplate, AReplacementWithABraceIsFilledAgainAndALoopEnds) {
    useLesson({"22|25|28", 1, 0, 60, 10, 3});
    Lektion::AktLektion->Name = "Lesson of {MAXZ} s";
    EXPECT_EQ(ParseBewertungsZeile("{NAME}"), "Lesson of 60 s");
    Lektion::AktLektion->Name = "{NAME}";  // brings itself back
    EXPECT_EQ(ParseBewertungsZeile("<p>{NAME}</p>"), "<p>{NAME}</p>");
}

TEST_F(ResultTemplate, TheTemplateWithoutLanguageShowsItsPunkPlaceholderAsAnError) {
    AktSprache = 5;
    finishWith(0, 3, 300);
    HtmlAusBewertung();
    auto page = Files::readText(AppPfad + "Bewertung.html");
    ASSERT_TRUE(page);
    EXPECT_NE(page->find("!PARSER-ERROR!PUNK!"), std::string::npos);
    EXPECT_EQ(Bewertung, 200) << "its {ERGB} still rates";
}

TEST_F(ResultTemplate, EachLanguageHasItsOwnTemplateWithLinesEndingInCrLf) {
    finishWith(0, 3, 300);
    AktSprache = 0;
    SetCurrentLanguage(SprachTabelle(0));
    HtmlAusBewertung();
    auto english = Files::readBytes(AppPfad + "Bewertung.html");
    ASSERT_TRUE(english);
    EXPECT_NE(english->find("Notes right"), std::string::npos);
    EXPECT_NE(english->find("You passed the test!"), std::string::npos);
    EXPECT_NE(english->find("</html>\r\n"), std::string::npos);
    EXPECT_EQ(english->find("{"), std::string::npos) << "every placeholder is filled";
    AktSprache = 1;
    SetCurrentLanguage(SprachTabelle(1));
    HtmlAusBewertung();
    auto german = Files::readText(AppPfad + "Bewertung.html");
    EXPECT_NE(german->find("Richtige Noten"), std::string::npos);
    EXPECT_NE(german->find("Den Test hast Du bestanden!"), std::string::npos);
}

TEST_F(ResultTemplate, TheCodeIsAskedForEveryRatingWithTheResultsFigures) {
    static std::vector<std::string> calls;
    calls.clear();
    ErgebnisCode::CryptCode = [](const std::string& name, const std::string& buch, int lektion,
                                 int sekunden, int bewertung, int fehler, int tonart,
                                 int system) -> std::string {
        calls.push_back(name + "|" + buch + "|" + std::to_string(lektion) + "|" +
                        std::to_string(sekunden) + "|" + std::to_string(bewertung) + "|" +
                        std::to_string(fehler) + "|" + std::to_string(tonart) + "|" +
                        std::to_string(system));
        return "CODE";
    };
    IniClass::Schreiben("", "Allgemein", "Buch", "DE 1");
    std::string kurz = IniClass::Lesen(DatenPfad + "Buch.ini", "DE 1", "Kurz");
    finishWith(5, 2, -10);  // failed: no code on the page, but the result is reported
    EXPECT_EQ(ParseBewertungsZeile("{ERGB}{CODE}"), "");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], "Anna|" + kurz + "|1|61|98|1|0|1");
}

TEST_F(ResultTemplate, WithoutACodeThePassedPageShowsNoCodeLine) {
    ErgebnisCode::SetzeStartwerte();
    finishWith(0, 3, 300);
    EXPECT_EQ(ParseBewertungsZeile("{ERGB}{CODE}"), "");
    EXPECT_EQ(ParseBewertungsZeile("{RTCO}{ANLY}{BIAY}"), "SmilyWut");
}

}  // namespace
