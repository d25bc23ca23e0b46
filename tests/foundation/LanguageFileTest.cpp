#include <gtest/gtest.h>

#include "data/Daten.h"
#include "i18n/Sprache.h"
#include "support/TestSupport.h"
#include "support/ZipWriter.h"

namespace {

std::shared_ptr<LanguageTable> parse(const std::string& body) {
    return LeseSprachDatei(
        "; file comment\r\nstray = before the section\r\n[LanguageDefinition]\r\n"
        "LanguageId=Test\r\n" +
        body);
}

struct EntryCase {
    const char* what;
    const char* line;
    const char* key;
    const char* expected;  // nullptr: the key stays undefined
};

class LanguageEntries : public ::testing::TestWithParam<EntryCase> {};

TEST_P(LanguageEntries, ReadAsTheFormatSays) {
    auto table = parse(std::string(GetParam().line) + "\r\n");
    ASSERT_TRUE(table);
    const std::string* text = table->find(GetParam().key);
    if (!GetParam().expected) {
        EXPECT_EQ(text, nullptr) << GetParam().what;
    } else {
        ASSERT_NE(text, nullptr) << GetParam().what;
        EXPECT_EQ(*text, GetParam().expected) << GetParam().what;
    }
}

const EntryCase kEntryCases[] = {
    {"plain", "Back=Zur\u00fcck", "Back", "Zur\u00fcck"},
    {"key without regard to case", "Back=Zur\u00fcck", "BACK", "Zur\u00fcck"},
    {"blanks trimmed", "  Analyse Student Code= Sch\u00fclercode auswerten\t",
     "Analyse Student Code", "Sch\u00fclercode auswerten"},
    {"quotes keep blanks", "Seconds = \" Sekunden\"", "Seconds", " Sekunden"},
    {"quoted key", "\"Key \" = x", "Key ", "x"},
    {"comment cut", "Time=Zeit ; the clock", "Time", "Zeit"},
    {"semicolon inside quotes", "List=\"a;b\" ; comment", "List", "a;b"},
    {"escaped semicolon", "List=a\\;b", "List", "a;b"},
    {"escapes", "E=1\\n2\\t3\\\\4\\#5\\:6\\r", "E", "1\n2\t3\\4#5:6\r"},
    {"unknown escape kept", "E=a\\qb", "E", "a\\qb"},
    {"further equals signs", "E=a=b", "E", "a=b"},
    {"line starting with equals", "=orphan", "", nullptr},
    {"line without equals", "Octave Names", "Octave Names", nullptr},
    {"comment line", "; Back=Nope", "Back", nullptr},
    {"empty text", "Empty=", "Empty", ""},
    {"bars and tokens kept", "P=*{{Phrase30}} |(x)", "P", "*{{Phrase30}} |(x)"},
};
INSTANTIATE_TEST_SUITE_P(Cases, LanguageEntries, ::testing::ValuesIn(kEntryCases));

TEST(LanguageFile, NeedsTheDefinitionLineAndAnId) {
    EXPECT_EQ(LeseSprachDatei("LanguageId=X\r\nBack=Zur\u00fcck\r\n"), nullptr);
    EXPECT_EQ(LeseSprachDatei("[LanguageDefinition]\r\nBack=Zur\u00fcck\r\n"), nullptr);
    auto table = LeseSprachDatei("[LanguageDefinition]\nLanguageId=Deutsch\n");
    ASSERT_TRUE(table);
    EXPECT_EQ(table->Name, "Deutsch");
}

TEST(LanguageFile, EntriesEndAtTheNextSectionAndLaterOnesWin) {
    auto table = parse("Back=first\r\nOctave Names\r\nBack=second\r\n  [Other]\r\nLives=Leben\r\n");
    ASSERT_TRUE(table);
    EXPECT_EQ(*table->find("back"), "second");
    EXPECT_EQ(table->find("Lives"), nullptr);
}

class ShippedLanguages : public FreshProgramTest {
  protected:
    void SetUp() override {
        FreshProgramTest::SetUp();
        ::testing::internal::CaptureStdout();
        SprachLoader(0, "english");
        SprachLoader(1, "deutsch");
        ::testing::internal::GetCapturedStdout();
    }
};

struct ShippedCase {
    int slot;
    const char* text;
    const char* expected;
};

class ShippedTexts : public ShippedLanguages, public ::testing::WithParamInterface<ShippedCase> {};

TEST_P(ShippedTexts, ReplaceAsTheLearnerSeesThem) {
    SetCurrentLanguage(Language[GetParam().slot]);  // slot 2 stays empty: keys show as written
    EXPECT_EQ(Lokalisiere(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShippedTexts,
    ::testing::Values(
        ShippedCase{1, "{{Seconds}}", " Sekunden"},
        ShippedCase{1, "{{Analyse Student Code}}", "Sch\u00fclercode auswerten"},
        ShippedCase{1, "{{back}}", "Zur\u00fcck"}, ShippedCase{1, "{{BACK}}", "Zur\u00fcck"},
        ShippedCase{1, "{{Treble}}", "Violin"}, ShippedCase{1, "{{Practice}}", "Training"},
        ShippedCase{1, "{{Input Name}}", "Vorname eingeben"}, ShippedCase{1, "{{Stopp}}", "Stopp"},
        ShippedCase{1, "{{Right}}", "Richtig"},
        ShippedCase{0, "{{Phrase34}}",
                    "DEFINE BASS-NOTES ||Switch Notes on/off: |(Display semitones with #)"},
        ShippedCase{0, "{{Right}}", "Right"},
        ShippedCase{0, "{{Phrase58}}", "Please enter your first name first..."},
        ShippedCase{2, "{{Right}}", "Right"}));

TEST_F(ShippedLanguages, AUserLanguageFileFillsSlotTwo) {
    writeFile(AppPfad + "english.ini",
              "\xEF\xBB\xBF[LanguageDefinition]\nLanguageId=Mine\nRight=Correct\n");
    SprachLoader(0, "english");
    ASSERT_TRUE(Language[2]);
    EXPECT_EQ(Language[2]->Name, "Mine");
    ASSERT_TRUE(Language[0]);
    EXPECT_EQ(Language[0]->Name, "English");
}

TEST_F(ShippedLanguages, InfoPageIsWrittenInTheCurrentLanguage) {
    registerFixtureArchive(
        makeZip({{"info.html", "\xEF\xBB\xBF<h1>{{Back}}</h1>\r\n<p>{{Lives}}</p>\r\n"}}));
    SetCurrentLanguage(Language[1]);
    TranslateInfo();
    EXPECT_EQ(readFile(AppPfad + "Info.html"), "<h1>Zur\u00fcck</h1>\n<p>Leben</p>\n");
}

}  // namespace
