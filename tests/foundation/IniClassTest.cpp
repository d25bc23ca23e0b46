#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "data/Daten.h"
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
    {"bracket in a value keeps the section going", "[A]\r\nK=a[b\r\nL=2\r\n", "A", "L", "2"},
    {"bracket in a value reads as written", "[A]\r\nK=a[b\r\nL=2\r\n", "A", "K", "a[b"},
    {"a header inside a value is no header", "[A]\r\nK=x[B]y\r\n[B]\r\nK=2\r\n", "B", "K", "2"},
    {"a line starting with a bracket ends the section", "[A]\r\n[junk\r\nK=1\r\n", "A", "K", ""},
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
    {"new key after a value holding a port number in brackets",
     "[MIDI]\r\nMidiOutDevice=a2j:Midi Through [14] (playback)\r\n", "MIDI", "MidiInstrument", "5",
     "[MIDI]\r\nMidiOutDevice=a2j:Midi Through [14] (playback)\r\nMidiInstrument=5\r\n"},
    {"new key before the next section after a bracketed value",
     "[MIDI]\r\nMidiOutDevice=Through [14]\r\n[U]\r\nX=1\r\n", "MIDI", "MidiInstrument", "5",
     "[MIDI]\r\nMidiOutDevice=Through [14]\r\nMidiInstrument=5\r\n[U]\r\nX=1\r\n"},
    {"value holding a bracket written", "[A]\r\nK=1\r\n", "A", "K", "Port [2]",
     "[A]\r\nK=Port [2]\r\n"},
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
    const char* mark = "";    // the byte-order mark the saved file starts with
};

class IniRoundTrip : public FreshProgramTest,
                     public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(IniRoundTrip, SavedTextReadsBackAsTyped) {
    std::string file = root + "/lesson.ini";
    IniClass::Schreiben(file, "Lektion 1", "Beschreibung", GetParam().text);
    EXPECT_EQ(readFile(file), std::string(GetParam().mark) +
                                  "[Lektion 1]\r\nBeschreibung=" + GetParam().storedValue + "\r\n");
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
                                                         "e\xC5\xA1tina a \xC3\xA4",
                                                         "\xEF\xBB\xBF"},
                                           RoundTripCase{"plain", "plain"}));

TEST_F(IniFiles, LineBreaksInAValueAreSaidAndKeepTheEntryOnOneLine) {
    std::string file = root + "/lines.ini";
    ::testing::internal::CaptureStdout();
    IniClass::Schreiben(file, "A", "K", "one\r\nL=two");
    std::string said = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(said.find("line breaks"), std::string::npos) << said;
    EXPECT_EQ(IniClass::Lesen(file, "A", "L"), "");
    EXPECT_EQ(IniClass::Lesen(file, "A", "K"), "one  L=two");
}

TEST_F(IniFiles, KeysTheFormatCannotHoldAreNotWritten) {
    std::string file = root + "/keys.ini";
    IniClass::Schreiben(file, "A", "K", "1");
    for (const char* key : {"", "a=b", "[B]", "x\ny", "\xFF\xFFrt"})
        IniClass::Schreiben(file, "A", key, "v");
    IniClass::Schreiben(file, "A]", "K", "v");
    EXPECT_EQ(readFile(file), "[A]\r\nK=1\r\n");
}

// Texts whose single-byte form reads back as something else: UTF-8 sequences, a UTF-16
// or UTF-8 byte-order mark, characters that need UTF-8 beside characters that do not.
class IniTextIdentity : public FreshProgramTest,
                        public ::testing::WithParamInterface<const char*> {};

TEST_P(IniTextIdentity, SaveThenReadGivesTheSameText) {
    std::string file = root + "/identity.ini";
    IniClass::Schreiben(file, "A", "Before", "Stra\u00dfe");
    IniClass::Schreiben(file, "A", "K", GetParam());
    IniClass::Schreiben(file, "A", "After", "\u00c3\u0153be");
    IniClass::UpdateIniFile(file);
    EXPECT_EQ(IniClass::Lesen(file, "A", "K"), GetParam());
    EXPECT_EQ(IniClass::Lesen(file, "A", "Before"), "Stra\u00dfe");
    EXPECT_EQ(IniClass::Lesen(file, "A", "After"), "\u00c3\u0153be");
}

INSTANTIATE_TEST_SUITE_P(Cases, IniTextIdentity,
                         ::testing::Values("\u00c3\u00a9", "Stra\u00df\u201c", "\u00ff\u00feabc",
                                           "\u00ef\u00bb\u00bfabc", "\ufeffabc", "\u00c3\u0153be",
                                           "\u00fe\u00ff", "Gr\u00f6\u00dfe \u20ac",
                                           "\u010ce\u0161tina"));

TEST_F(IniFiles, WritingOneValueDoesNotChangeAnotherThroughTheEncoding) {
    std::string file = root + "/switch.ini";
    IniClass::Schreiben(file, "A", "Word", "\u00c3\u0153be");  // reads as "Übe" in single bytes
    IniClass::Schreiben(file, "A", "Name", "\u010cech");       // needs UTF-8
    IniClass::Schreiben(file, "A", "Name", "Anna");            // single bytes would do again
    IniClass::UpdateIniFile(file);
    EXPECT_EQ(IniClass::Lesen(file, "A", "Word"), "\u00c3\u0153be");
    EXPECT_EQ(IniClass::Lesen(file, "A", "Name"), "Anna");
}

// Root reads every file; an unprivileged user finds the mode-000 file unreadable. The
// scenario runs in a child process under that user when the tests run as root.
TEST_F(IniFiles, UnreadableSettingsFileIsNeverSavedOver) {
    const std::string settings = IniClass::SettingsFile();
    const std::string stored = "[Allgemein]\r\nUser=Anna\r\n[Anna]\r\nMausZeit=312\r\n";
    writeFile(settings, stored);
    std::filesystem::permissions(settings, std::filesystem::perms::none);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0) {
            for (const std::string path :
                 {root, root + "/data", root + "/data/Corvello", AppPfad, settings})
                if (chown(path.c_str(), 65534, 65534) != 0) _exit(3);
            if (setgid(65534) != 0 || setuid(65534) != 0) _exit(3);
        }
        ::testing::internal::CaptureStdout();
        IniClass::Schreiben("", "Allgemein", "LastStart", "11 Dec 2026 10:00");
        IniClass::Schreiben("", "Allgemein", "Sprache", "1");
        std::string said = ::testing::internal::GetCapturedStdout();
        bool inMemory = IniClass::Lesen("", "Allgemein", "Sprache") == "1";
        bool told = said.find("cannot be read") != std::string::npos;
        _exit(inMemory && told ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: not kept in memory or not said; 3: no user change";
    std::filesystem::permissions(settings, std::filesystem::perms::owner_read);
    EXPECT_EQ(readFile(settings), stored);
    for (const auto& entry : std::filesystem::directory_iterator(AppPfad))
        EXPECT_EQ(entry.path().filename(), "Lesmora.Ini");
}

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
