#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

#include "data/Daten.h"
#include "i18n/Sprache.h"
#include "music/ChromaTyp.h"
#include "platform/Clock.h"
#include "resultcode/CodeServer.h"
#include "resultcode/Geheim.h"
#include "settings/IniClass.h"
#include "support/TestSupport.h"

namespace {

// The shipped books, German texts, and a fixed day: 5 March 2026.
class ResultCode : public FreshProgramTest {
  protected:
    void SetUp() override {
        FreshProgramTest::SetUp();
        Geheim::SetzeStartwerte();
        SprachLoader(0, "english");
        SprachLoader(1, "deutsch");
        AktSprache = 1;
        SetCurrentLanguage(Language[1]);
        ChromaTyp::StartUp();
        Geheim::today = [this] { return today; };
        Geheim::Senden = [](const std::string&, const std::string&, const std::string&) {
            return 0;
        };
        Runtime::random = &dice;
    }
    void TearDown() override {
        Runtime::random = &defaultDice;
        Geheim::SetzeStartwerte();
        FreshProgramTest::TearDown();
    }
    CalendarDay today{5, 3, 2026};
    MersenneRandom dice;
    MersenneRandom defaultDice;
};

// The analysis as key -> the text between <b> and </b> of its line.
std::map<std::string, std::string> fieldsOf(const std::string& analysis) {
    std::map<std::string, std::string> fields;
    std::regex line("([^=<>]+) = <b>(.*?)</b>");
    for (std::sregex_iterator it(analysis.begin(), analysis.end(), line), end; it != end; ++it) {
        std::string key = (*it)[1];
        while (!key.empty() && key.front() == ' ') key.erase(0, 1);
        fields[key] = (*it)[2];
    }
    return fields;
}

std::string ungrouped(std::string code) {
    std::erase(code, '-');
    return code;
}

struct EdgeCase {
    const char* what;
    std::string actual;
    std::string expected;
};

TEST_F(ResultCode, EdgeCasesOfTheCode) {
    auto hand = [](int rating, int seconds) {
        return Geheim::handCode("Anna", "A", 3, seconds, rating, 1, 0, 1);
    };
    auto decoded = [](const std::string& code, const char* field) {
        return fieldsOf(Geheim::AnalyseHandCode(code))[field];
    };
    today = {1, 1, 2026};
    std::string firstOfJanuary = hand(100, 60).substr(2, 2);
    today = {31, 12, 2026};
    std::string lastOfDecember = hand(100, 60).substr(2, 2);
    today = {5, 3, 2026};
    const EdgeCase cases[] = {
        {"the check letter of ABC is X", Geheim::PruefSumme("ABC"), "X"},
        {"the check letter of nothing is A", Geheim::PruefSumme(""), "A"},
        {"5 March packs to FA", Geheim::ZweiByteCode(5 + 40 * 3), "FA"},
        {"FA decodes to 5.3", Geheim::CodeInDatum("FA"), "5.3"},
        {"the date of the code is today's", hand(100, 60).substr(2, 2), "FA"},
        {"the analysis appends .202? to the day", decoded(hand(100, 60), "Datum"), "5.3.202?"},
        {"1 January gives BQ", firstOfJanuary, "BQ"},
        {"31 December gives UL", lastOfDecember, "UL"},
        {"a rating of 100 gives K", hand(100, 60).substr(0, 1), "K"},
        {"K decodes to 100", decoded(hand(100, 60), "Leistung"), "100% "},
        {"a rating of 95 gives J", hand(95, 60).substr(0, 1), "J"},
        {"J decodes to 90", decoded(hand(95, 60), "Leistung"), "90% "},
        {"130 seconds give FF", hand(100, 130).substr(8, 2), "FF"},
        {"FF decodes to 130", Geheim::CodeInWert("FF"), "130"},
        {"the analysis shows 130 seconds", decoded(hand(100, 130), "Benötigte Zeit"), "130sec "},
        {"a pair holds at most YY", Geheim::ZweiByteCode(700), "YY"},
        {"the name moves forward by the shift and back again",
         Geheim::CodeInName(Geheim::NameInCrypt("anna")), "ANN"},
        {"a name letter past Z continues at A", Geheim::CodeInName(Geheim::NameInCrypt("Zoe")),
         "ZOE"},
        {"a name of two letters is padded", Geheim::CodeInName(Geheim::NameInCrypt("Al")), "ALX"},
        {"an empty name is all padding", Geheim::CodeInName(Geheim::NameInCrypt("")), "XXX"},
        {"accents are dropped", Geheim::CodeInName(Geheim::NameInCrypt("Jürgen")), "JUR"},
        {"Czech letters lose their marks", Geheim::CodeInName(Geheim::NameInCrypt("Čeněk")), "CEN"},
        {"signs between letters are skipped", Geheim::CodeInName(Geheim::NameInCrypt("J.-P. X")),
         "JPX"},
        {"a server line with staff 3 shows both staves",
         fieldsOf(Geheim::AnalyseAutoCode("CODE|05 Mar 2026|Anna|A|1|60|100|0|0|3|0"))["System"],
         "'Violin & Bass'"},
        {"a hand code with staff letter D shows both staves",
         decoded(Geheim::handCode("Anna", "A", 1, 60, 100, 0, 0, 3), "System"), "'Violin & Bass'"},
        {"staff letter of a treble lesson",
         Geheim::handCode("Anna", "A", 1, 60, 100, 0, 0, 1).substr(10, 1), "B"},
        {"the key shows as its major scale",
         decoded(Geheim::handCode("Anna", "A", 1, 60, 100, 0, 7, 1), "Scale"), "'G-Dur'"},
        {"the book letter names the book", decoded(hand(100, 60), "Buch"), "'Violinschlüssel'"},
        {"the lesson comes from the book's lesson file", decoded(hand(100, 60), "Übung"),
         "'" + IniClass::Lesen(DatenPfad + "ViolinLektionen.ini.de", "Lesen 3", "Name") + "'"},
        {"a book letter no book has gives empty names",
         fieldsOf(Geheim::AnalyseAutoCode("CODE|05 Mar 2026|Anna|Q|1|60|100|0|0|1|0"))["Buch"],
         "''"},
        {"a right check letter is valid", decoded(hand(100, 60), "Prüfsumme"), "Gültig"},
    };
    for (const EdgeCase& c : cases) EXPECT_EQ(c.actual, c.expected) << c.what;
}

TEST_F(ResultCode, TheHandCodeOfAKnownResult) {
    // rating 127 -> M, lesson 3 -> D, 5 March -> FA, key 2 -> C, "Ben" + 7 -> ILU,
    // 47 s -> BW, staff 2 -> C, book B, 1 mistake -> B; the letters add up to 933,
    // 933 mod 25 = 8 -> I.
    EXPECT_EQ(Geheim::handCode("Ben", "B", 3, 47, 127, 1, 2, 2), "MDFACILUBWCBBI");
}

TEST_F(ResultCode, GroupsFollowTheDrawnLengths) {
    struct Case {
        const char* what;
        std::vector<int> lengths;
        const char* expected;
    };
    const Case cases[] = {
        {"all fours leave a pair", {4}, "ABCD-EFGH-IJKL-MN"},
        {"all threes", {3}, "ABC-DEF-GHI-JKL-MN"},
        {"all twos", {2}, "AB-CD-EF-GH-IJ-KL-MN"},
        {"a draw longer than the rest stops", {2, 4, 4, 4}, "AB-CDEF-GHIJ-KLMN"},
        {"a draw equal to the rest stops", {4, 4, 3, 4}, "ABCD-EFGH-IJK-LMN"},
        {"a trailing dash is dropped", {4, 4, 2, 4}, "ABCD-EFGH-IJ-KLMN"},
    };
    for (const Case& c : cases) {
        size_t next = 0;
        ScriptedRandom scripted([&](int low, int high) {
            EXPECT_EQ(low, 2);
            EXPECT_EQ(high, 4);
            int length = c.lengths[std::min(next, c.lengths.size() - 1)];
            ++next;
            return length;
        });
        Runtime::random = &scripted;
        EXPECT_EQ(Geheim::group("ABCDEFGHIJKLMN"), c.expected) << c.what;
    }
}

TEST_F(ResultCode, RegroupedCodesDecodeTheSame) {
    std::string code = Geheim::handCode("Clara", "C", 12, 95, 140, 2, 9, 3);
    std::string expected = Geheim::AnalyseHandCode(code);
    const std::string variants[] = {
        code.substr(0, 3) + "-" + code.substr(3, 5) + "-" + code.substr(8), "-" + code + "-",
        Geheim::group(code), Geheim::group(code)};
    for (const std::string& variant : variants) {
        EXPECT_EQ(Geheim::AnalyseHandCode(variant), expected) << variant;
        EXPECT_EQ(Geheim::ReturnCode, variant);
        EXPECT_EQ(Geheim::PruefSummeOk, 1) << variant;
    }
}

TEST_F(ResultCode, WrongOrIncompleteCodesAreMarkedInvalid) {
    std::string code = Geheim::handCode("Clara", "C", 12, 95, 140, 2, 9, 3);
    struct Case {
        const char* what;
        std::string code;
    };
    std::string changed = code;
    changed[5] = changed[5] == 'A' ? 'B' : 'A';
    const Case cases[] = {
        {"a changed name letter", changed},
        {"a missing letter", code.substr(0, 13)},
        {"the thirteen letters of a code whose check letter happens to fit",
         code.substr(0, 12) + Geheim::PruefSumme(code.substr(0, 12))},
        {"an empty code", ""},
    };
    for (const Case& c : cases) {
        std::string analysis = Geheim::AnalyseHandCode(c.code);
        EXPECT_EQ(Geheim::PruefSummeOk, 0) << c.what;
        EXPECT_NE(analysis.find("Prüfsumme = <b>Ungültig</b>"), std::string::npos) << c.what;
        EXPECT_EQ(Geheim::ReturnAnalyse, analysis);
    }
}

TEST_F(ResultCode, NoBookChosenUsesTheBookOfTheDefaultLessonFile) {
    ASSERT_EQ(IniClass::Lesen("", "Allgemein", "Buch"), "");
    EXPECT_EQ(Geheim::defaultBookLetter(), "D");
    EXPECT_EQ(Geheim::currentBookLetter(), "D");
    std::string code = Geheim::handCode("Anna", "", 1, 60, 100, 0, 0, 1);
    EXPECT_EQ(code.size(), 14u);
    EXPECT_EQ(code[11], 'D');
    EXPECT_EQ(fieldsOf(Geheim::AnalyseHandCode(code))["Buch"], "'Grundkurs'");
    EXPECT_EQ(Geheim::PruefSummeOk, 1);
    EXPECT_NE(Geheim::serverLine("Anna", "", 1, 60, 100, 0, 0, 1).find("|Anna|D|1|"),
              std::string::npos);

    IniClass::Schreiben("", "Allgemein", "Buch", "DE 2");
    EXPECT_EQ(Geheim::currentBookLetter(), "B");
}

TEST_F(ResultCode, TheServerLineCarriesTheExactValues) {
    IniClass::Schreiben("", "Allgemein", "Lehrer", "42");
    EXPECT_EQ(Geheim::serverLine("Anna", "A", 30, 700, 260, 31, 7, 2),
              "CODE|05 Mar 2026|Anna|A|30|700|260|31|7|2|42");
    IniClass::Schreiben("", "Allgemein", "Lehrer", "Frau Berg");
    EXPECT_EQ(Geheim::serverLine("Anna", "A", 1, 2, 3, 4, 5, 1),
              "CODE|05 Mar 2026|Anna|A|1|2|3|4|5|1|0");
    EXPECT_EQ(Geheim::serverLine("A|B", "C", 1, 2, 3, 4, 5, 1),
              "CODE|05 Mar 2026|A/B|C|1|2|3|4|5|1|0")
        << "a bar in the name would shift every later field";
    today = {31, 12, 2025};
    EXPECT_EQ(Geheim::dateText(today), "31 Dec 2025");
}

TEST_F(ResultCode, ValuesBeyondTheLettersAreClampedAndSaidSo) {
    std::string code = Geheim::handCode("Anna", "A", 30, 700, 300, 31, 0, 1);
    for (char c : code) EXPECT_TRUE(c >= 'A' && c <= 'Z') << code;
    auto fields = fieldsOf(Geheim::AnalyseHandCode(code));
    EXPECT_EQ(Geheim::PruefSummeOk, 1);
    EXPECT_EQ(fields["Übung"], "'Lektion 25 oder mehr'");
    EXPECT_EQ(fields["Benötigte Zeit"], "624sec oder mehr");
    EXPECT_EQ(fields["Leistung"], "250% oder mehr");
    EXPECT_EQ(fields["Gemachte Fehler"], "25 oder mehr");

    // The server line's exact values are shown as they are.
    auto exact = fieldsOf(Geheim::AnalyseAutoCode("CODE|05 Mar 2026|Anna|A|3|700|300|31|0|1|0"));
    EXPECT_EQ(exact["Benötigte Zeit"], "700sec ");
    EXPECT_EQ(exact["Leistung"], "300% ");
    EXPECT_EQ(exact["Gemachte Fehler"], "31");

    AktSprache = 0;
    SetCurrentLanguage(Language[0]);
    EXPECT_EQ(fieldsOf(Geheim::AnalyseHandCode(code))["Mistakes made"], "25 or more");
}

TEST_F(ResultCode, TheAnalysisShowsNamesAsText) {
    struct Case {
        const char* what;
        const char* name;
        const char* shown;
    };
    const Case cases[] = {
        {"markup", "<b>Eve</b>", "&lt;b&gt;Eve&lt;/b&gt;"},
        {"a page placeholder", "{ANLY}", "&#123;ANLY&#125;"},
        {"a language token", "{{Major}}", "&#123;&#123;Major&#125;&#125;"},
        {"quotes and ampersand", "O'Neil & \"Co\"", "O&#39;Neil &amp; &quot;Co&quot;"},
    };
    for (const Case& c : cases) {
        std::string line = std::string("CODE|05 Mar 2026|") + c.name + "|A|1|60|100|0|0|1|0";
        EXPECT_EQ(fieldsOf(Geheim::AnalyseAutoCode(line))["Schüler"], c.shown) << c.what;
    }
    auto fields = fieldsOf(Geheim::AnalyseAutoCode("CODE|<i>x</i>|Eve|A|<s>|1|2|3|0|<u>|0"));
    EXPECT_EQ(fields["Datum"], "&lt;i&gt;x&lt;/i&gt;");
    EXPECT_EQ(fields["Benötigte Zeit"], "1sec ");
    EXPECT_EQ(fields["System"], "'&lt;u&gt;'");
}

TEST_F(ResultCode, ServerLinesOtherThanResultsGiveNoAnalysis) {
    Geheim::AnalyseAutoCode("CODE|05 Mar 2026|Anna|A|1|60|100|0|0|1|0");
    std::string before = Geheim::ReturnAnalyse;
    EXPECT_EQ(Geheim::AnalyseAutoCode("MAUS||Anna|312"), "");
    EXPECT_EQ(Geheim::ReturnAnalyse, before);
    EXPECT_EQ(Geheim::ReturnCode, "(direct from server)");
    EXPECT_EQ(Geheim::PruefSummeOk, 1);
    EXPECT_EQ(Geheim::AnalyseAutoCode(""), "");
}

TEST_F(ResultCode, CryptCodeReportsFirstAndShowsTheCodeOnlyWhenThatFailed) {
    std::vector<std::string> sent;
    int answer = 1;
    Geheim::Senden = [&](const std::string& server, const std::string& path,
                         const std::string& line) {
        EXPECT_EQ(server, CodeServerName);
        EXPECT_EQ(path, "/code/code.php?code=");
        sent.push_back(line);
        return answer;
    };
    EXPECT_EQ(Geheim::CryptCode("Anna", "A", 3, 47, 127, 1, 2, 1),
              "(wurde bereits an deinen Lehrer gesendet)");
    answer = 0;
    std::string shown = Geheim::CryptCode("Anna", "A", 3, 47, 127, 1, 2, 1);
    EXPECT_EQ(ungrouped(shown), Geheim::handCode("Anna", "A", 3, 47, 127, 1, 2, 1));
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], "CODE|05 Mar 2026|Anna|A|3|47|127|1|2|1|0");
    EXPECT_EQ(sent[1], sent[0]);

    // Until the network client is built, nothing goes out and the code is shown.
    Geheim::SetzeStartwerte();
    Geheim::today = [this] { return today; };
    EXPECT_EQ(SendeProtokoll(CodeServerName, CodeServerPfad, "x"), 0);
    EXPECT_EQ(ungrouped(Geheim::CryptCode("Anna", "A", 3, 47, 127, 1, 2, 1)).size(), 14u);
}

// A generated result of every book, lesson, key, staff and a wide range of values.
struct Result {
    std::string name, book;
    int lesson, seconds, rating, mistakes, key, staff;
};

Result randomResult(RandomSource& dice, const std::vector<std::string>& books) {
    static const char* kLetters[] = {"a", "n", "E", "z", "Z", "ö", "ß", "Č", "y", "M", "-", " "};
    Result r;
    int length = dice.rand(0, 12);
    for (int i = 0; i < length; ++i) r.name += kLetters[dice.rand(0, 11)];
    r.book = books[dice.rand(0, static_cast<int>(books.size()) - 1)];
    r.lesson = dice.rand(1, 30);
    r.seconds = dice.rand(1, 700);
    r.rating = dice.rand(0, 300);
    r.mistakes = dice.rand(0, 30);
    r.key = dice.rand(0, 11);
    r.staff = dice.rand(1, 3);
    return r;
}

std::vector<std::string> shippedBooks() {
    std::vector<std::string> books;
    for (int n = 1; n <= 99; ++n) {
        std::string kurz =
            IniClass::Lesen(DatenPfad + "Buch.ini", "DE " + std::to_string(n), "Kurz");
        if (!kurz.empty()) books.push_back(kurz);
    }
    return books;
}

std::string clampedText(int value, int largest, const std::string& unit) {
    return value >= largest ? std::to_string(largest) + unit + "oder mehr"
                            : std::to_string(value) + unit;
}

TEST_F(ResultCode, EveryResultRoundTripsThroughItsHandCode) {
    std::vector<std::string> books = shippedBooks();
    ASSERT_EQ(books.size(), 4u);
    const std::regex grouping("([A-Z]{2,4}-)*[A-Z]{1,4}");
    for (int i = 0; i < 1500; ++i) {
        Result r = randomResult(dice, books);
        std::string what = "result " + std::to_string(i) + " of " + r.name;
        std::string shown = Geheim::CryptCode(r.name, r.book, r.lesson, r.seconds, r.rating,
                                              r.mistakes, r.key, r.staff);
        ASSERT_TRUE(std::regex_match(shown, grouping)) << shown << " " << what;
        std::string code = ungrouped(shown);
        ASSERT_EQ(code.size(), 14u) << what;

        auto fields = fieldsOf(Geheim::AnalyseHandCode(shown));
        ASSERT_EQ(fields.size(), 10u) << Geheim::ReturnAnalyse;
        EXPECT_EQ(Geheim::PruefSummeOk, 1) << what;
        EXPECT_EQ(fields["Datum"], "5.3.202?");
        EXPECT_EQ(fields["Schüler"], Geheim::CodeInName(Geheim::NameInCrypt(r.name)));
        EXPECT_EQ(fields["Buch"], "'" + Geheim::bookName(r.book) + "'") << what;
        std::string lesson = r.lesson >= 25 ? "Lektion 25 oder mehr"
                                            : Geheim::lessonName(r.book, std::to_string(r.lesson));
        EXPECT_EQ(fields["Übung"], "'" + lesson + "'") << what;
        EXPECT_EQ(fields["Scale"], "'" + ChromaTyp::NameDerTonArt(r.key) + "'") << what;
        EXPECT_EQ(fields["Benötigte Zeit"], clampedText(r.seconds, 624, "sec ")) << what;
        EXPECT_EQ(fields["Leistung"], clampedText(r.rating / 10 * 10, 250, "% ")) << what;
        EXPECT_EQ(fields["Gemachte Fehler"],
                  r.mistakes >= 25 ? "25 oder mehr" : std::to_string(r.mistakes))
            << what;

        // Any changed letter among the first thirteen breaks the check, unless it moves
        // the sum by a multiple of 25.
        for (size_t p = 0; p < 13; ++p) {
            std::string changed = code;
            changed[p] = static_cast<char>('A' + dice.rand(0, 25));
            if (changed[p] == code[p]) continue;
            bool sumKept = (changed[p] - code[p]) % 25 == 0;
            EXPECT_EQ(Geheim::PruefSummeCheck(changed), sumKept ? 1 : 0) << changed << " " << what;
        }
    }
}

// The date of a hand-code analysis ("5.3.202?") and of a server line ("05 Mar 2026") as
// day and month.
std::pair<int, int> dayAndMonth(const std::string& date) {
    static const std::string kMonths = "JanFebMarAprMayJunJulAugSepOctNovDec";
    if (date.find('.') != std::string::npos)
        return {std::stoi(date), std::stoi(date.substr(date.find('.') + 1))};
    return {std::stoi(date), static_cast<int>(kMonths.find(date.substr(3, 3)) / 3 + 1)};
}

TEST_F(ResultCode, TheServerLineAndTheHandCodeTellTheSameResult) {
    std::vector<std::string> books = shippedBooks();
    for (int i = 0; i < 600; ++i) {
        Result r = randomResult(dice, books);
        r.lesson = dice.rand(1, 24);
        r.seconds = dice.rand(1, 623);
        r.mistakes = dice.rand(0, 24);
        r.rating = dice.rand(0, 249);
        today = {dice.rand(1, 28), dice.rand(1, 12), 2026};
        std::string what = "result " + std::to_string(i) + " of '" + r.name + "'";
        auto server = fieldsOf(Geheim::AnalyseAutoCode(Geheim::serverLine(
            r.name, r.book, r.lesson, r.seconds, r.rating, r.mistakes, r.key, r.staff)));
        auto hand = fieldsOf(Geheim::AnalyseHandCode(Geheim::CryptCode(
            r.name, r.book, r.lesson, r.seconds, r.rating, r.mistakes, r.key, r.staff)));
        ASSERT_EQ(hand.size(), 10u) << Geheim::ReturnAnalyse;
        ASSERT_EQ(server.size(), 10u);

        EXPECT_EQ(hand["Schüler"], Geheim::CodeInName(Geheim::NameInCrypt(server["Schüler"])))
            << what;
        for (const char* same :
             {"Buch", "Übung", "Scale", "System", "Benötigte Zeit", "Gemachte Fehler"})
            EXPECT_EQ(hand[same], server[same]) << same << " " << what;
        EXPECT_EQ(hand["Leistung"], std::to_string(std::stoi(server["Leistung"]) / 10 * 10) + "% ")
            << what;
        EXPECT_EQ(dayAndMonth(hand["Datum"]), dayAndMonth(server["Datum"])) << what;
        EXPECT_EQ(hand["Prüfsumme"], "Gültig");
        EXPECT_EQ(server["Prüfsumme"], "Gültig");
    }
    // Names of plain letters agree on their first three letters as typed.
    EXPECT_EQ(fieldsOf(Geheim::AnalyseHandCode(
                  Geheim::handCode("Marlene", "A", 1, 60, 100, 0, 0, 1)))["Schüler"],
              "MAR");
}

}  // namespace
