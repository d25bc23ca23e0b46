#include <gtest/gtest.h>

#include <filesystem>

#include "settings/ApiClass.h"
#include "settings/IniClass.h"
#include "support/TestSupport.h"

namespace {

struct ReadCase {
    const char* what;
    const char* text;
    const char* section;
    const char* key;
    const char* expected;
};

class IniReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniReading, FindsExactlyWhatTheFormatAllows) {
    IniClass entry;
    entry.Text = GetParam().text;
    EXPECT_EQ(entry.LiesSektion(GetParam().section, GetParam().key), GetParam().expected);
}

const ReadCase kReadCases[] = {
    {"plain value", "[A]\r\nK=v\r\n", "A", "K", "v"},
    {"value holding a further equals sign", "[A]\r\nK=a=b\r\n", "A", "K", "a=b"},
    {"trailing blank kept", "[A]\r\nK=25 \r\n", "A", "K", "25 "},
    {"key case matters", "[A]\r\nKey=1\r\n", "A", "key", ""},
    {"blank before equals hides the entry", "[A]\r\nKey =1\r\n", "A", "Key", ""},
    {"bracket in a value ends the section", "[A]\r\nK=a[b\r\nL=2\r\n", "A", "L", ""},
    {"bracket in a value cuts the value", "[A]\r\nK=a[b\r\nL=2\r\n", "A", "K", "a"},
    {"last line without a line end", "[A]\r\nK=abc", "A", "K", "abc"},
    {"bare line feeds lose nothing", "[A]\nK=abc\nL=x\n", "A", "K", "abc"},
    {"section 1 is not section 10", "[Lesen 10]\r\nK=10\r\n[Lesen 1]\r\nK=1\r\n", "Lesen 1", "K",
     "1"},
    {"a longer key does not match", "[A]\r\nKeyLong=1\r\nKey=2\r\n", "A", "Key", "2"},
    {"first matching line wins", "[A]\r\nK=1\r\nK=2\r\n", "A", "K", "1"},
    {"key of another section", "[A]\r\nX=1\r\n[B]\r\nK=2\r\n", "A", "K", ""},
    {"missing section", "[A]\r\nK=1\r\n", "B", "K", ""},
    {"empty value", "[A]\r\nK=\r\n", "A", "K", ""},
    {"empty text", "", "A", "K", ""},
    {"comment lines are skipped", "[A]\r\n; K=0\r\nno equals here\r\nK=7\r\n", "A", "K", "7"},
};
INSTANTIATE_TEST_SUITE_P(Cases, IniReading, ::testing::ValuesIn(kReadCases));

struct WriteCase {
    const char* what;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

class IniWriting : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniWriting, ChangesOnlyWhatItMust) {
    IniClass entry;
    entry.Text = GetParam().before;
    entry.SchreibeSektion(GetParam().section, GetParam().key, GetParam().value);
    EXPECT_EQ(entry.Text, GetParam().after);
    EXPECT_EQ(entry.LiesSektion(GetParam().section, GetParam().key), GetParam().value);
}

const WriteCase kWriteCases[] = {
    {"into an empty text", "", "A", "K", "v", "[A]\r\nK=v\r\n"},
    {"new key into the last section", "[A]\r\nX=1\r\n", "A", "K", "v", "[A]\r\nX=1\r\nK=v\r\n"},
    {"new key before the next section", "[A]\r\nX=1\r\n\r\n[B]\r\nY=2\r\n", "A", "K", "v",
     "[A]\r\nX=1\r\n\r\nK=v\r\n[B]\r\nY=2\r\n"},
    {"changed value only", "[A]\r\nK=old\r\nL=1\r\n", "A", "K", "new", "[A]\r\nK=new\r\nL=1\r\n"},
    {"empty new value", "[A]\r\nK=old\r\n", "A", "K", "", "[A]\r\nK=\r\n"},
    {"unterminated last line changed", "[A]\r\nK=abc", "A", "K", "xy", "[A]\r\nK=xy"},
    {"key after an unterminated last line", "[A]\r\nK=abc", "A", "L", "1",
     "[A]\r\nK=abc\r\nL=1\r\n"},
    {"section after an unterminated last line", "[A]\r\nK=abc", "B", "L", "1",
     "[A]\r\nK=abc\r\n[B]\r\nL=1\r\n"},
    {"same key in a later section untouched", "[A]\r\nX=1\r\n[B]\r\nK=2\r\n", "A", "K", "3",
     "[A]\r\nX=1\r\nK=3\r\n[B]\r\nK=2\r\n"},
    {"new section at the end", "[A]\r\nX=1\r\n", "B", "K", "v", "[A]\r\nX=1\r\n[B]\r\nK=v\r\n"},
    {"bare line feed kept", "[A]\nK=old\n", "A", "K", "new", "[A]\nK=new\n"},
};
INSTANTIATE_TEST_SUITE_P(Cases, IniWriting, ::testing::ValuesIn(kWriteCases));

struct NumberCase {
    const char* text;
    int expected;
};

class LenientNumbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(LenientNumbers, ConvertLikeTheFilesExpect) {
    EXPECT_EQ(LenientInt(GetParam().text), GetParam().expected) << GetParam().text;
}

const NumberCase kNumberCases[] = {
    {"25", 25},
    {"25 ", 25},
    {"  -7", -7},
    {"+3", 3},
    {"12abc", 12},
    {"abc", 0},
    {"", 0},
    {"$1F", 31},
    {"%101", 5},
    {"-$10", -16},
    {"\t42", 42},
    {"- 4", 0},
    {"99999999999", 2147483647},
    {"-99999999999", -2147483647 - 1},
};
INSTANTIATE_TEST_SUITE_P(Cases, LenientNumbers, ::testing::ValuesIn(kNumberCases));

class IniFiles : public FreshProgramTest {};

TEST_F(IniFiles, MissingFileReadsEmptyAndTheFirstWriteCreatesIt) {
    std::string file = root + "/new.ini";
    EXPECT_EQ(IniClass::Lesen(file, "A", "K"), "");
    EXPECT_EQ(IniClass::Value(file, "A", "K"), 0);
    IniClass::Schreiben(file, "A", "K", "v");
    EXPECT_EQ(readFile(file), "[A]\r\nK=v\r\n");
}

TEST_F(IniFiles, EachWriteSavesTheWholeFile) {
    std::string file = root + "/two.ini";
    IniClass::Schreiben(file, "A", "K", "1");
    IniClass::Schreiben(file, "B", "L", "2");
    EXPECT_EQ(readFile(file), "[A]\r\nK=1\r\n[B]\r\nL=2\r\n");
}

TEST_F(IniFiles, CachedTextWinsUntilUpdatedByTheSameName) {
    std::string file = root + "/cached.ini";
    writeFile(file, "[A]\r\nK=old\r\n");
    EXPECT_EQ(IniClass::Lesen(file, "A", "K"), "old");
    writeFile(file, "[A]\r\nK=new\r\n");
    EXPECT_EQ(IniClass::Lesen(file, "A", "K"), "old");
    IniClass::UpdateIniFile(root + "//cached.ini");  // another spelling of the name
    EXPECT_EQ(IniClass::Lesen(file, "A", "K"), "old");
    IniClass::UpdateIniFile(file);
    EXPECT_EQ(IniClass::Lesen(file, "A", "K"), "new");
}

TEST_F(IniFiles, EmptyNameMeansTheSettingsFile) {
    IniClass::Schreiben("", "Allgemein", "User", "Anna");
    EXPECT_EQ(readFile(ApiClass::AppPfad() + "Lesmora.Ini"), "[Allgemein]\r\nUser=Anna\r\n");
    EXPECT_EQ(IniClass::Lesen("", "Allgemein", "User"), "Anna");
    EXPECT_EQ(IniClass::SettingsFile(), root + "/data/Corvello/Lesmora/Lesmora.Ini");
}

TEST_F(IniFiles, UnderscoreReadTakesTheSettingsNameInTheCurrentFolder) {
    writeFile(root + "/cwd/Lesmora.Ini", "[Allgemein]\r\nUser=Here\r\n");
    auto previous = std::filesystem::current_path();
    std::filesystem::current_path(root + "/cwd");
    EXPECT_EQ(IniClass::_Lesen("", "Allgemein", "User"), "Here");
    std::filesystem::current_path(previous);
}

TEST_F(IniFiles, SingleByteTextReadsAsItsCharacters) {
    std::string file = root + "/latin.ini";
    writeFile(file,
              "[A]\r\nName=Gr\xF6\xDF"
              "e \x80\r\n");
    EXPECT_EQ(IniClass::Lesen(file, "A", "Name"), "Größe €");
}

TEST_F(IniFiles, Utf16WithByteOrderMarkIsRead) {
    std::string file = root + "/wide.ini";
    std::string bytes = "\xFF\xFE";
    for (char c : std::string("[A]\r\nK=\xE4\r\n")) bytes += std::string{c, '\0'};
    writeFile(file, bytes);
    EXPECT_EQ(IniClass::Lesen(file, "A", "K"), "ä");
}

struct RoundTripCase {
    const char* text;
    const char* storedValue;  // the bytes of the value in the saved file
};

class IniRoundTrip : public FreshProgramTest,
                     public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(IniRoundTrip, SavedTextReadsBackAsTyped) {
    std::string file = root + "/lesson.ini";
    IniClass::Schreiben(file, "Lektion 1", "Beschreibung", GetParam().text);
    EXPECT_EQ(readFile(file),
              std::string("[Lektion 1]\r\nBeschreibung=") + GetParam().storedValue + "\r\n");
    IniClass::UpdateIniFile(file);
    EXPECT_EQ(IniClass::Lesen(file, "Lektion 1", "Beschreibung"), GetParam().text);
}

// Text that one byte per character can hold is saved so; anything else as UTF-8.
INSTANTIATE_TEST_SUITE_P(Cases, IniRoundTrip,
                         ::testing::Values(RoundTripCase{"Noten \u00fcber \u20ac 5",
                                                         "Noten \xFC"
                                                         "ber \x80 5"},
                                           RoundTripCase{"\u010ce\u0161tina a \u00e4",
                                                         "\xC4\x8C"
                                                         "e\xC5\xA1tina a \xC3\xA4"},
                                           RoundTripCase{"plain", "plain"}));

TEST_F(IniFiles, FailedSaveKeepsTheChangeAndSaysSo) {
    std::string file = root + "/missing-folder/settings.ini";
    ::testing::internal::CaptureStdout();
    IniClass::Schreiben(file, "A", "K", "kept");
    std::string said = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(said.find("saving"), std::string::npos) << said;
    EXPECT_EQ(IniClass::Lesen(file, "A", "K"), "kept");
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(IniFiles, SaveLeavesNoTemporaryFileBehind) {
    std::string file = root + "/clean.ini";
    IniClass::Schreiben(file, "A", "K", "1");
    IniClass::Schreiben(file, "A", "K", "2");
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(root))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 1);
    EXPECT_EQ(readFile(file), "[A]\r\nK=2\r\n");
}

TEST_F(IniFiles, ArchiveFilesAreNeverWritten) {
    IniClass::Schreiben("ZIP::Incbin::DATEN.ZIP//Setup.Lst", "A", "K", "v");
    EXPECT_EQ(IniClass::Lesen("ZIP::Incbin::DATEN.ZIP//Setup.Lst", "A", "K"), "v");
    IniClass::UpdateIniFile("ZIP::Incbin::DATEN.ZIP//Setup.Lst");
    EXPECT_EQ(IniClass::Lesen("ZIP::Incbin::DATEN.ZIP//Setup.Lst", "A", "K"), "");
}

}  // namespace
