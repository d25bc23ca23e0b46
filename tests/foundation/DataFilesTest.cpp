#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "data/Daten.h"
#include "data/Files.h"
#include "i18n/Sprache.h"
#include "settings/ApiClass.h"
#include "settings/IniClass.h"
#include "support/TestSupport.h"
#include "support/ZipWriter.h"

namespace {

class Archive : public FreshProgramTest {};

TEST_F(Archive, EmbeddedMembersAreFoundWithoutRegardToCase) {
    EXPECT_EQ(FileExists(DatenPfad + "Setup.Lst"), 1);
    EXPECT_EQ(FileExists(DatenPfad + "SETUP.LST"), 1);
    EXPECT_EQ(FileExists(DatenPfad + "ARIAL.TTF"), 1);
    EXPECT_EQ(FileExists(DatenPfad + "nothing.png"), 0);
    EXPECT_EQ(Files::readBytes(DatenPfad + "setup.lst"), Files::readBytes(DatenPfad + "Setup.Lst"));
}

TEST_F(Archive, FixtureMembersByAnyCaseAndTheUtf8Prefix) {
    registerFixtureArchive(makeZip({{"tastenfeld.png", "PNG"},
                                    {"info.html", "\xEF\xBB\xBF<p>\xC3\xBC</p>"},
                                    {"Piano/", ""},
                                    {"Piano/Acoustic Grand Piano60.ogg", "OGG"}}));
    EXPECT_EQ(Files::readBytes(DatenPfad + "TASTENFELD.PNG").value_or(""), "PNG");
    EXPECT_EQ(Files::readBytes(DatenPfad + "piano/acoustic grand piano60.OGG").value_or(""), "OGG");
    EXPECT_EQ(Files::readText("utf8::" + DatenPfad + "Info.html").value_or(""), "<p>ü</p>");
    EXPECT_FALSE(Files::readBytes(DatenPfad + "Piano/").has_value());
    EXPECT_FALSE(Files::readBytes("ZIP::Incbin::OTHER.ZIP//tastenfeld.png").has_value());
    EXPECT_EQ(FileExists(DatenPfad + "Info.HTML"), 1);
}

TEST_F(Archive, BrokenArchiveIsRefusedNotCrashedOn) {
    ::testing::internal::CaptureStdout();
    registerFixtureArchive("this is no zip archive");
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(FileExists(DatenPfad + "Setup.Lst"), 1);  // the embedded one stays registered
}

TEST_F(Archive, UserFolderNamesMatchWithoutRegardToCase) {
    Files::makeFolders(AppPfad);
    writeFile(AppPfad + "Lektionen.ini", "[Lektion 1]\r\nName=x\r\n");
    writeFile(AppPfad + "Anleitung.html", "<html>");
    EXPECT_EQ(FileExists(AppPfad + "anleitung.html"), 1);
    EXPECT_EQ(Files::readBytes(AppPfad + "ANLEITUNG.HTML").value_or(""), "<html>");
    IniClass::Schreiben(AppPfad + "Lektionen.Ini", "Lektion 1", "Name", "y");
    EXPECT_EQ(readFile(AppPfad + "Lektionen.ini"), "[Lektion 1]\r\nName=y\r\n");
    int lessonFiles = 0;
    for (const auto& entry : std::filesystem::directory_iterator(AppPfad))
        lessonFiles += entry.path().filename() == "Lektionen.ini" ||
                       entry.path().filename() == "Lektionen.Ini";
    EXPECT_EQ(lessonFiles, 1);
}

class StartupCopy : public FreshProgramTest {
  protected:
    void useArchive(const std::string& list) {
        registerFixtureArchive(makeZip({{"Setup.Lst", list},
                                        {"styles.css", "body{}"},
                                        {"logo.png", "LOGO"},
                                        {"Lektionen.ini.de", "[Lektion 1]\r\nName=Deutsch\r\n"},
                                        {"Lektionen.ini.en", "[Lektion 1]\r\nName=English\r\n"}}));
    }
};

TEST_F(StartupCopy, CopiesEveryListedFileIncludingAnUnterminatedLastLine) {
    useArchive("styles.css\r\nlogo.png");
    KopiereAppDateien();
    EXPECT_EQ(readFile(AppPfad + "styles.css"), "body{}");
    EXPECT_EQ(readFile(AppPfad + "logo.png"), "LOGO");
}

struct LanguageCopyCase {
    int sprache;
    const char* expectedName;  // empty: no lesson file is copied
};

class LanguageCopy : public StartupCopy, public ::testing::WithParamInterface<LanguageCopyCase> {};

TEST_P(LanguageCopy, ChoosesTheVariantOfTheCurrentLanguage) {
    useArchive("Lektionen.ini.XX\r\nstyles.css\r\n");
    AktSprache = GetParam().sprache;
    KopiereAppDateien();
    EXPECT_EQ(IniClass::Lesen(AppPfad + "Lektionen.ini", "Lektion 1", "Name"),
              GetParam().expectedName);
    EXPECT_EQ(readFile(AppPfad + "styles.css"), "body{}");  // the list goes on
}

INSTANTIATE_TEST_SUITE_P(Cases, LanguageCopy,
                         ::testing::Values(LanguageCopyCase{0, "English"},
                                           LanguageCopyCase{1, "Deutsch"},
                                           LanguageCopyCase{2, ""},  // no ".cz" variant
                                           LanguageCopyCase{5, ""}));

TEST_F(StartupCopy, ReplacesTheWorkingCopyAndDropsItsCachedText) {
    useArchive("Lektionen.ini.XX\r\n");
    Files::makeFolders(AppPfad);
    writeFile(AppPfad + "Lektionen.ini", "[Lektion 1]\r\nName=Own\r\n");
    EXPECT_EQ(IniClass::Lesen(AppPfad + "Lektionen.ini", "Lektion 1", "Name"), "Own");
    KopiereAppDateien();
    EXPECT_EQ(IniClass::Lesen(AppPfad + "Lektionen.ini", "Lektion 1", "Name"), "Deutsch");
}

TEST_F(StartupCopy, LeavesACopyThatIsAlreadyTheSameUnwritten) {
    useArchive("styles.css\r\nlogo.png");
    KopiereAppDateien();
    auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    std::filesystem::last_write_time(AppPfad + "styles.css", old);
    writeFile(AppPfad + "logo.png", "CHANGED");
    KopiereAppDateien();
    EXPECT_EQ(std::filesystem::last_write_time(AppPfad + "styles.css"), old);
    EXPECT_EQ(readFile(AppPfad + "logo.png"), "LOGO") << "a changed copy is replaced";
}

TEST_F(StartupCopy, ShippedListCopiesTheGermanLessonsAndPages) {
    KopiereAppDateien();
    EXPECT_TRUE(std::filesystem::exists(AppPfad + "Lektionen.ini"));
    EXPECT_EQ(readFile(AppPfad + "Lektionen.ini"),
              Files::readBytes(DatenPfad + "Lektionen.ini.de").value_or("missing"));
}

struct RepairCase {
    const char* stored;
    const char* afterRepair;
};

class NoteLengthRepair : public FreshProgramTest,
                         public ::testing::WithParamInterface<RepairCase> {};

TEST_P(NoteLengthRepair, ClearsOnlyWhatIsNotAListOfLengths) {
    IniClass::Schreiben("", "Allgemein", "NoteLang", GetParam().stored);
    CheckIniAufUnsinn();
    IniClass::UpdateIniFile("");
    EXPECT_EQ(IniClass::Lesen("", "Allgemein", "NoteLang"), GetParam().afterRepair);
}

INSTANTIATE_TEST_SUITE_P(Cases, NoteLengthRepair,
                         ::testing::Values(RepairCase{"4|4|2|", "4|4|2|"}, RepairCase{"8", "8"},
                                           RepairCase{"4|3", ""}, RepairCase{"8||4", ""},
                                           RepairCase{"2|2|x", ""}, RepairCase{"", ""}));

TEST_F(Archive, RepairWritesNothingForAnEmptyValue) {
    CheckIniAufUnsinn();
    EXPECT_FALSE(std::filesystem::exists(IniClass::SettingsFile()));
}

TEST_F(Archive, DataLoadingGivesFontsAndTheShadowOrEmptyObjects) {
    DatenLaden();
    ASSERT_TRUE(ArialNormal);
    ASSERT_TRUE(Digital);
    EXPECT_EQ(ArialNormal->pixelSize(), 24);
    EXPECT_EQ(ArialRiesig->pixelSize(), 80);
    EXPECT_FALSE(Digital->smoothed());
    EXPECT_GT(ArialNormal->textWidth("Lesmora"), ArialNormal->textWidth("Les"));

    registerFixtureArchive(makeZip({{"arial.ttf", "not a font"}}));
    ::testing::internal::CaptureStdout();
    DatenLaden();
    std::string said = ::testing::internal::GetCapturedStdout();
    EXPECT_FALSE(ArialNormal);
    EXPECT_FALSE(Digital);
    EXPECT_FALSE(Schatten);
    EXPECT_NE(said.find("not a font"), std::string::npos) << said;
}

}  // namespace
