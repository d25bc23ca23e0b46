// The lesson browser's rules without its windows: the circle's click boxes, the lists and
// the level filter, the preview pages, the book change and the preview's staff picture.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/Daten.h"
#include "data/Files.h"
#include "dialogs/LektionenBrowser.h"
#include "dialogs/LektionsBild.h"
#include "i18n/Sprache.h"
#include "lessons/LektionsDatei.h"
#include "music/ChromaTyp.h"
#include "music/Transposer.h"
#include "notation/Note.h"
#include "notation/NotenFenster.h"
#include "platform/Image.h"
#include "settings/IniClass.h"
#include "support/TestSupport.h"
#include "support/ZipWriter.h"

namespace {

using B = LektionenBrowser;

class BrowserLogicTest : public FreshProgramTest {
  protected:
    void SetUp() override {
        FreshProgramTest::SetUp();
        ChromaTyp::StartUp();
        Transposer::LoadDefinitions();
        NotenFenster::NotenBild = LadeBild("Noten.png", 60, 140, 18);
        Note::StartUp();
        SprachLoader(0, "english");
        SprachLoader(1, "deutsch");
    }
    // A working copy of the test's own, with CR LF lines.
    void lessons(const std::string& text) {
        std::string crlf;
        for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        writeFile(lessonFile(), crlf);
        IniClass::UpdateIniFile(lessonFile());
    }
    std::string page() { return readFile(AppPfad + "Lektion.html"); }
};

std::vector<int> numbers(const std::vector<BrowserEintrag>& liste) {
    std::vector<int> n;
    for (const BrowserEintrag& e : liste) n.push_back(e.Nummer);
    return n;
}

// ---- The circle of fifths ----------------------------------------------------------

TEST(CircleOfFifths, ClickBoxesPickTheirKeys) {
    struct Row {
        int x, y, box, transpose;
        const char* what;
    };
    const Row rows[] = {
        {243, 12, 6, 0, "the top of the circle picks C"},
        {330, 336, 1, 11, "the lower right box picks B"},
        {243, 360, 0, -1, "the bottom place, F sharp / G flat, has no box"},
        {200, 340, 0, -1, "between box 11 and the bottom place nothing is picked"},
        {289, 307, 1, 11, "a box's top left corner belongs to it"},
        {371, 365, 1, 11, "a box's bottom right corner belongs to it (83 x 59)"},
        {372, 340, 0, -1, "one pixel right of box 1 is outside"},
        {289, 366, 0, -1, "one pixel below box 1 is outside"},
        {202, -17, 6, 0, "box 6 starts above the picture"},
        {393, 273, 2, 4, "E"},
        {417, 186, 3, 9, "A"},
        {393, 99, 4, 2, "D"},
        {330, 35, 5, 7, "G"},
        {156, 35, 7, 5, "F"},
        {92, 98, 8, 10, "B flat"},
        {69, 185, 9, 3, "E flat"},
        {92, 273, 10, 8, "A flat"},
        {155, 336, 11, 1, "D flat"},
        {243, 186, 0, -1, "the middle of the circle picks nothing"},
        {-1, -1, 0, -1, "a point outside the picture picks nothing"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(B::Quintenwahl(row.x, row.y), row.box) << row.what;
        EXPECT_EQ(B::TransposeWahl(row.x, row.y), row.transpose) << row.what;
    }
}

// ---- Lists and the level filter ------------------------------------------------------

TEST_F(BrowserLogicTest, TheBookListHoldsEveryNamedBookOfTheArchive) {
    std::vector<BrowserEintrag> buecher = B::BuchListe();
    ASSERT_EQ(buecher.size(), 5u);
    EXPECT_EQ(buecher[0], (BrowserEintrag{"• Violinschlüssel", 1}));
    EXPECT_EQ(buecher[1], (BrowserEintrag{"• Bassschlüssel", 2}));
    EXPECT_EQ(buecher[4], (BrowserEintrag{"• " + Lokalisiere("{{My lessons}}"), 100}))
        << "the learner's own book comes last";
    EXPECT_EQ(numbers(buecher), (std::vector<int>{1, 2, 3, 4, 100}));
}

TEST_F(BrowserLogicTest, LevelFiltersListNeighbouringLevels) {
    lessons(
        "[Lesen 1]\nName=One\nLevel=1\nNoten=22\n"
        "[Lesen 2]\nName=Two\nLevel=2\nNoten=22\n"
        "[Lesen 3]\nName=Three\nLevel=3\nNoten=22\n"
        "[Lesen 4]\nName=Four\nLevel=4\nNoten=22\n"
        "[Lesen 5]\nName=Five\nLevel=5\nNoten=22\n"
        "[Lesen 6]\nName=No level\nNoten=22\n"
        "[Lesen 7]\nLevel=3\nNoten=22\n"
        "[Lesen 9]\nName=After a gap\nLevel=5\nNoten=22\n");
    struct Row {
        int suchLevel;
        std::vector<int> listed;
        const char* what;
    };
    const Row rows[] = {
        {0, {1, 2, 3, 4, 5, 6, 9}, "All lists every named lesson, the lesson without level too"},
        {1, {1, 2, 6}, "Beginners: levels 0 to 2, so the lesson without level"},
        {3, {2, 3, 4}, "Moderates: levels 2 to 4, not 1 and 5, not the lesson without level"},
        {5, {4, 5, 9}, "Experts: levels 4 to 6"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(numbers(B::LektionsListe(row.suchLevel)), row.listed) << row.what;
    EXPECT_EQ(B::LektionsListe(0)[0].Text, "• One");
}

TEST_F(BrowserLogicTest, OnlyLessonsWithNotesCanBeLoaded) {
    lessons(
        "[Lesen 1]\nName=Notes\nNoten=22|25\n"
        "[Lesen 2]\nName=Empty\nNoten=\n"
        "[Lesen 3]\nName=Missing\n"
        "[Lesen 4]\nName=Bars only\nNoten=||\n"
        "[Lesen 5]\nName=Zero\nNoten=0\n"
        "[Lesen 6]\nName=Bass\nNoten=|122\n");
    struct Row {
        int nummer;
        bool hatNoten;
        const char* what;
    };
    const Row rows[] = {
        {1, true, "a lesson with notes"},
        {2, false, "an empty Noten"},
        {3, false, "no Noten at all"},
        {4, false, "separators only"},
        {5, false, "0 closes the note list"},
        {6, true, "an empty element before a note"},
        {8, false, "a section that is not there"},
    };
    for (const Row& row : rows) EXPECT_EQ(B::HatNoten(row.nummer), row.hatNoten) << row.what;
}

// ---- Placeholders --------------------------------------------------------------------

TEST_F(BrowserLogicTest, TheFirstPlaceholderOfALineIsFilled) {
    lessons("[Lesen 3]\nName=Thirds & <more>\nBeschreibung=Up and down\n");
    struct Row {
        std::string zeile, sektion, erwartet;
        const char* what;
    };
    const Row rows[] = {
        {"<h1>{001}</h1>", "Lesen 3", "<h1>Thirds &amp; &lt;more&gt;</h1>",
         "the name, with the characters HTML gives a meaning escaped"},
        {"<p>{002}</p>", "Lesen 3", "<p>Up and down</p>", "the description"},
        {"<p>{005}</p>", "Lesen 3", "<p>!PARSER-ERROR!</p>", "a number the templates do not use"},
        {"<p>{001} and {002}</p>", "Lesen 3", "<p>Thirds &amp; &lt;more&gt; and {002}</p>",
         "only the first placeholder of a line is filled"},
        {"{001} stays", "Lesen 3", "{001} stays",
         "a brace at the start of the line is no placeholder"},
        {"no placeholder", "Lesen 3", "no placeholder", "a line without a brace stays"},
        {"<p>{001}</p>", "Lesen 4", "<p></p>", "a missing key gives an empty value"},
        {"<h1>{003}</h1>", "DE 2", "<h1>Bassschlüssel</h1>", "the book's name from Buch.ini"},
        {"x{00", "Lesen 3", "x!PARSER-ERROR!", "a placeholder cut off by the line end"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(B::FuelleZeile(row.zeile, row.sektion), row.erwartet) << row.what;
}

TEST_F(BrowserLogicTest, TheLessonPageTellsKeyStaffAndLimitsInWords) {
    SetCurrentLanguage(nullptr);  // every key shows as its own words
    lessons(
        "[Lesen 1]\nName=D major\nNoten=23|25|28\nSystem=3\nTonart=2\nTranspose=0\nLevel=4\n"
        "ZweiHand=1\nSpielZeit=90\nMaxRichtig=25\nMaxFalsch=8\n"
        "[Lesen 2]\nName=Open\nNoten=22\nSystem=?\nTonart=?\nTranspose=T\n");
    struct Row {
        std::string zeile, erwartet;
        const char* what;
    };
    const Row rows[] = {
        {"<td>{010}</td>", "<td>4</td>", "the level"},
        {"<td>{011}</td>", "<td>D major</td>", "the key of the signature"},
        {"<td>{012}</td>", "<td>Grand staff, both hands</td>", "the staff and both hands"},
        {"<td>{013}</td>", "<td>25</td>", "the questions of the examination"},
        {"<td>{014}</td>", "<td>90 s</td>", "its time"},
        {"<td>{015}</td>", "<td>8</td>", "its lives"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(B::FuelleZeile(row.zeile, "Lesen 1"), row.erwartet) << row.what;
    EXPECT_EQ(B::FuelleZeile("<td>{011}</td>", "Lesen 2"),
              "<td>chosen on the circle of fifths</td>");
    EXPECT_EQ(B::FuelleZeile("<td>{012}</td>", "Lesen 2"),
              "<td>chosen with the buttons below</td>");
    EXPECT_EQ(B::FuelleZeile("<td>{010}</td>", "Lesen 2"), "<td></td>") << "no level, no number";
}

// ---- Preview pages -------------------------------------------------------------------

TEST_F(BrowserLogicTest, TheBookPageIsWindows1252WithCrLf) {
    SetCurrentLanguage(SprachTabelle(1));
    B::ShowMode = B::SHOW_BUECHER;
    B::Sektion = "DE ";
    B::HtmlAusBrowser("1");
    const std::string seite = page();
    EXPECT_NE(seite.find("Violinschl\xFCssel"), std::string::npos) << "ü as the byte 0xFC";
    EXPECT_NE(seite.find("Notenlesen im Violinschl\xFCssel"), std::string::npos);
    EXPECT_EQ(seite.find("{0"), std::string::npos) << "every placeholder filled";
    EXPECT_EQ(seite.find("{{"), std::string::npos) << "every text token localized";
    EXPECT_EQ(seite.find("PARSER-ERROR"), std::string::npos);
    EXPECT_NE(seite.find("Buch.png"), std::string::npos);
    EXPECT_NE(seite.find("</html>\r\n"), std::string::npos);
    EXPECT_EQ(seite.find("\n", 0), seite.find("\r\n") + 1) << "lines end CR LF";
    EXPECT_FALSE(Files::exists(AppPfad + "LektionNoten.png")) << "a book page has no notes";
}

TEST_F(BrowserLogicTest, TheLessonPageShowsItsNotesOnAStaffPicture) {
    SetCurrentLanguage(SprachTabelle(1));
    lessons("[Lesen 2]\nName=Fünf Töne € \xE2\x99\xAA\nNoten=22|25|28|31|34\nSystem=1\nLevel=1\n");
    B::ShowMode = B::SHOW_LEKTIONEN;
    B::Sektion = "Lesen ";
    B::HtmlAusBrowser("2");
    const std::string seite = page();
    EXPECT_NE(seite.find("F\xFCnf T\xF6ne \x80 &#9834;"), std::string::npos)
        << "Windows-1252 bytes, and a reference for a character it lacks";
    EXPECT_NE(seite.find("<img src=\"LektionNoten.png\""), std::string::npos);
    EXPECT_NE(seite.find("Violinschl\xFCssel"), std::string::npos) << "the staff in words";
    EXPECT_EQ(seite.find("keine Noten"), std::string::npos);
    auto bild = Image::fromPng(readFile(AppPfad + "LektionNoten.png"), "preview");
    ASSERT_TRUE(bild);
    EXPECT_EQ(bild->width(), kLektionsBildBreite);
}

TEST_F(BrowserLogicTest, ALessonWithoutNotesSaysWhyOnItsPage) {
    SetCurrentLanguage(SprachTabelle(1));
    lessons("[Lesen 1]\nName=Leer\nNoten=\n");
    B::ShowMode = B::SHOW_LEKTIONEN;
    B::Sektion = "Lesen ";
    B::HtmlAusBrowser("1");
    EXPECT_NE(page().find("keine Noten zum \xDC"
                          "ben"),
              std::string::npos);
    EXPECT_EQ(page().find("<img src=\"LektionNoten"), std::string::npos);
}

// ---- The book change -----------------------------------------------------------------

TEST_F(BrowserLogicTest, ChangingTheBookReplacesTheWorkingCopyAndNamesTheBook) {
    lessons("[Lesen 1]\nName=Old\nNoten=22\n");
    EXPECT_EQ(IniClass::Lesen(lessonFile(), "Lesen 1", "Name"), "Old");
    ASSERT_TRUE(B::WechsleBuch(2));
    EXPECT_EQ(IniClass::Lesen("", "Allgemein", "Buch"), "DE 2");
    EXPECT_EQ(readFile(lessonFile()), *Files::readBytes(DatenPfad + "BassLektionen.ini.de"));
    EXPECT_NE(IniClass::Lesen(lessonFile(), "Lesen 1", "Name"), "Old") << "the cache was dropped";
    EXPECT_EQ(B::GueltigesBuch(), 2);
}

TEST_F(BrowserLogicTest, ABookThatCannotBeUsedChangesNothing) {
    registerFixtureArchive(makeZip({
        {"Buch.ini",
         "[DE 1]\r\nName=Here\r\nDatei=here.ini\r\n"
         "[DE 2]\r\nName=Gone\r\nDatei=gone.ini\r\n[DE 3]\r\nName=No file named\r\n"},
        {"here.ini", "[Lesen 1]\r\nName=Here 1\r\nNoten=22\r\n"},
    }));
    lessons("[Lesen 1]\nName=Old\nNoten=22\n");
    const std::string before = readFile(lessonFile());
    struct Row {
        int nummer;
        const char* what;
    };
    for (const Row& row :
         {Row{2, "the archive lacks the lesson file"}, Row{3, "the book names no lesson file"},
          Row{7, "Buch.ini lacks the book"}}) {
        EXPECT_FALSE(B::WechsleBuch(row.nummer)) << row.what;
        EXPECT_EQ(readFile(lessonFile()), before) << row.what;
        EXPECT_EQ(IniClass::Lesen("", "Allgemein", "Buch"), "") << row.what;
    }
    struct Setting {
        const char* buch;
        int gueltig;
        const char* what;
    };
    const Setting settings[] = {
        {"", 0, "no book chosen yet"},
        {"DE 1", 1, "a book with its lessons"},
        {"DE 2", 0, "a book whose lesson file is missing"},
        {"DE 9", 0, "a book Buch.ini lacks"},
        {"Lesen 1", 0, "not a book's section"},
    };
    for (const Setting& s : settings) {
        IniClass::Schreiben("", "Allgemein", "Buch", s.buch);
        EXPECT_EQ(B::GueltigesBuch(), s.gueltig) << s.what;
    }
}

TEST_F(BrowserLogicTest, TheCircleOpensOnlyForALessonThatLeavesItsKeyOpen) {
    lessons(
        "[Lesen 1]\nName=Fixed\nTonart=2\nTranspose=0\n"
        "[Lesen 2]\nName=Key open\nTonart=?\nTranspose=T\n"
        "[Lesen 3]\nName=Transposition open\nTonart=0\nTranspose= ?\n"
        "[Lesen 4]\nName=Letter T only\nTonart=0\nTranspose=T\n");
    const int expected[] = {0, 1, 1, 0};
    for (int nummer = 1; nummer <= 4; ++nummer) {
        B::LastLektionauswahl = nummer;
        EXPECT_EQ(B::LetzterSchrittTonarten(), expected[nummer - 1]) << "lesson " << nummer;
    }
}

// ---- The staff picture ---------------------------------------------------------------

TEST_F(BrowserLogicTest, TheStaffPictureGrowsARowForEveryLineOfNotes) {
    Lektion wenige;
    wenige.System = 1;
    wenige.NotenFeldAusString("22|25|28|25|22", 0);
    Lektion viele;
    viele.System = 1;
    std::string noten;
    for (int c = 22; c <= 60; c += 1) noten += std::to_string(c) + "|";
    viele.NotenFeldAusString(noten, 0);
    auto klein = ZeichneLektionsNoten(wenige);
    auto gross = ZeichneLektionsNoten(viele);
    ASSERT_TRUE(klein && gross);
    EXPECT_EQ(klein->width(), kLektionsBildBreite);
    EXPECT_GT(gross->height(), 2 * klein->height()) << "39 notes need several rows";
    EXPECT_FALSE(ZeichneLektionsNoten(Lektion{})) << "no notes, no picture";

    // Ink on the paper: a staff line and a note head are darker than the paper.
    int dunkel = 0;
    for (int y = 0; y < klein->height(); ++y)
        for (int x = 0; x < klein->width(); ++x)
            if (klein->pixel(x, y).r < 100) ++dunkel;
    EXPECT_GT(dunkel, 500);
}

TEST_F(BrowserLogicTest, DrawingThePictureLeavesTheMainStaffAlone) {
    NotenFenster::HeadLine = "head";
    NotenFenster::NameText = "C";
    NotenFenster::VorTaktpos = 4;
    bool asked = false;
    Note::HauptFenster = [&asked] {
        asked = true;
        return nullptr;
    };
    Lektion lektion;
    lektion.System = 3;
    lektion.NotenFeldAusString("22|125|27", 0);
    ASSERT_TRUE(ZeichneLektionsNoten(lektion));
    EXPECT_EQ(NotenFenster::HeadLine, "head");
    EXPECT_EQ(NotenFenster::NameText, "C");
    EXPECT_EQ(NotenFenster::VorTaktpos, 4);
    ASSERT_TRUE(Note::HauptFenster);
    Note::HauptFenster();
    EXPECT_TRUE(asked) << "the main staff's finder is back";
}

}  // namespace
