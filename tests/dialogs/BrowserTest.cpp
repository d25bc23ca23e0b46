// The lesson browser in the whole program on the headless platform: the menu opens it,
// the learner clicks through books, lessons, the level filter, the staff buttons and the
// circle of fifths, and the exercise then runs what was chosen.

#include <gtest/gtest.h>

#include <string>

#include "data/Files.h"
#include "dialogs/LektionenBrowser.h"
#include "exercise/ExerciseFixture.h"
#include "lessons/LektionsBuch.h"
#include "music/Transposer.h"
#include "notation/NotenFenster.h"
#include "platform/Ui.h"

namespace {

using B = LektionenBrowser;

class BrowserTest : public ExerciseTest {
  protected:
    void run() { Programm::EventLoop(); }
    void open(int tag) {
        menu(tag);
        run();
    }
    // The list position of the item for section `nummer`, -1 when it is not listed.
    int position(int nummer) {
        for (int i = 0; i < gui.itemCount(B::ListBox); ++i)
            if (gui.itemData(B::ListBox, i) == std::to_string(nummer)) return i;
        return -1;
    }
    int selected() {
        int index = gui.value(B::ListBox);
        return index < 0 ? 0 : std::stoi(gui.itemData(B::ListBox, index));
    }
    void choose(int nummer) {
        ASSERT_TRUE(gui.choose(B::ListBox, position(nummer))) << "item " << nummer;
        run();
    }
    void click(int knopf) {
        ASSERT_TRUE(gui.click(B::Button[knopf])) << "button " << knopf;
        run();
    }
    void chooseBook(int nummer) {
        open(MDI::MENU_CHANGE);
        choose(nummer);
        click(B::BUT_OK);
    }
    std::string page() { return readFile(AppPfad + "Lektion.html"); }
    bool browserOpen() { return gui.isShown(B::Window); }
    bool circleOpen() { return gui.isShown(B::QuintenWindow); }
};

TEST_F(BrowserTest, WithoutABookSelectExerciseShowsTheBookList) {
    ASSERT_EQ(IniClass::Lesen("", "Allgemein", "Buch"), "");
    open(MDI::MENU_OPEN);
    ASSERT_TRUE(browserOpen());
    EXPECT_FALSE(gui.record(MDI::Window)->enabled) << "the browser is modal";
    EXPECT_EQ(B::ShowMode, B::SHOW_BUECHER);
    EXPECT_EQ(gui.text(B::UberGadget), "{{EXERCISE BOOKS}}");
    EXPECT_EQ(gui.itemCount(B::ListBox), 5) << "four shipped books and the learner's own";
    EXPECT_EQ(gui.itemText(B::ListBox, 1), "• Bassschlüssel");
    EXPECT_EQ(gui.itemText(B::ListBox, 4), "• Eigene Übungen");
    EXPECT_FALSE(gui.isShown(B::Panel)) << "no level filter for books";
    EXPECT_FALSE(gui.isShown(B::SystemPanel));
    EXPECT_EQ(selected(), 1);
    EXPECT_NE(page().find("Violinschl\xFCssel"), std::string::npos);
    EXPECT_EQ(gui.currentPage(B::HtmlView), AppPfad + "Lektion.html");
}

TEST_F(BrowserTest, BookBLessonThreeRunsInTheExercise) {
    chooseBook(2);
    EXPECT_EQ(IniClass::Lesen("", "Allgemein", "Buch"), "DE 2");
    ASSERT_TRUE(browserOpen()) << "the browser now lists the book's lessons";
    EXPECT_EQ(B::ShowMode, B::SHOW_LEKTIONEN);
    EXPECT_EQ(gui.text(B::UberGadget), "Bassschlüssel");
    EXPECT_TRUE(gui.isShown(B::Panel));
    EXPECT_EQ(gui.itemCount(B::ListBox), 20);

    choose(3);
    EXPECT_NE(page().find("Linke Hand in C-Lage"), std::string::npos) << "its preview";
    EXPECT_NE(page().find("LektionNoten.png"), std::string::npos);
    click(B::BUT_OK);

    EXPECT_FALSE(browserOpen());
    EXPECT_TRUE(gui.record(MDI::Window)->enabled);
    EXPECT_EQ(gui.focusedGadget(), MDI::Canvas);
    ASSERT_TRUE(Lektion::AktLektion);
    EXPECT_EQ(Lektion::AktLektionNr, 3);
    EXPECT_EQ(Lektion::AktLektion->Name, "Linke Hand in C-Lage: C bis G");
    EXPECT_EQ(Lektion::AktLektion->System, 2);
    EXPECT_EQ(Spiel::SpielMode, Spiel::LaufendeNoten) << "scrolling notes, as the menu is ticked";
    Note* note = waitForNote();
    ASSERT_TRUE(note);
    EXPECT_EQ(Lektion::AktLektion->IstInLektion(0, note->ChromaEcht, 0), 1);
    EXPECT_GT(note->ChromaEcht, 100) << "a bass note";
}

TEST_F(BrowserTest, FilterBassStaffAndEFlatMajorRunTogether) {
    chooseBook(3);  // the keys book
    click(B::BUT_EXP);
    EXPECT_EQ(B::SuchLevel, 5);
    for (int i = 0; i < gui.itemCount(B::ListBox); ++i) {
        int nummer = std::stoi(gui.itemData(B::ListBox, i));
        int level = IniClass::Value(lessonFile(), lessonSection(nummer), "Level");
        EXPECT_GE(level, 4) << "lesson " << nummer << " is listed among the experts' lessons";
    }
    EXPECT_EQ(position(3), -1) << "a level 2 lesson is not listed";
    ASSERT_NE(position(17), -1);

    choose(17);  // staff and key are the learner's
    ASSERT_TRUE(gui.isShown(B::SystemPanel));
    EXPECT_EQ(gui.value(B::Button[B::BUT_VIOL]), 1);
    click(B::BUT_BASS);
    EXPECT_EQ(B::HtmlSystemWahl, 2);

    click(B::BUT_OK);
    ASSERT_TRUE(circleOpen()) << "the key is chosen on the circle";
    EXPECT_FALSE(gui.record(B::Window)->enabled);
    const std::string before = Lektion::AktLektion->Name;

    ASSERT_TRUE(gui.pressPanel(B::QuintenPanel, 69, 185));  // E flat
    run();
    EXPECT_FALSE(circleOpen());
    EXPECT_FALSE(browserOpen());
    EXPECT_TRUE(gui.record(MDI::Window)->enabled);
    const Lektion& lektion = *Lektion::AktLektion;
    EXPECT_EQ(lektion.Name, "Tonart und Notensystem nach Wahl");
    EXPECT_EQ(lektion.System, 2) << "on the bass staff";
    EXPECT_EQ(lektion.Tonart, 3) << "with the E flat major signature";
    EXPECT_EQ(lektion.Transpose, 3) << "and its notes moved to E flat major";
    EXPECT_EQ((lektion.Chroma[0] - 100) % 21, 15) << "the first note, F, became A flat";
    for (int i = 0; i < lektion.Anzahl; ++i) EXPECT_GT(lektion.Chroma[i], 100);
    ASSERT_TRUE(SpielFenster::Haupt);
    EXPECT_EQ(SpielFenster::Haupt->Systeme, 2);
    EXPECT_EQ(SpielFenster::Haupt->Tonart, 3);
    Note* note = waitForNote();
    ASSERT_TRUE(note);
    EXPECT_EQ(lektion.IstInLektion(0, note->ChromaEcht, 0), 1);
}

TEST_F(BrowserTest, ClosingTheCircleWithoutAClickLoadsNothing) {
    chooseBook(3);
    choose(15);  // key left open, staff fixed
    click(B::BUT_OK);
    ASSERT_TRUE(circleOpen());
    const std::shared_ptr<Lektion> before = Lektion::AktLektion;
    ASSERT_TRUE(gui.pressPanel(B::QuintenPanel, 243, 360));  // the bottom place: no key
    run();
    EXPECT_TRUE(circleOpen()) << "a press outside the boxes does nothing";
    ASSERT_TRUE(gui.clickCloseBox(B::QuintenWindow));
    run();
    EXPECT_FALSE(circleOpen());
    EXPECT_TRUE(browserOpen());
    EXPECT_TRUE(gui.record(B::Window)->enabled);
    EXPECT_FALSE(gui.record(MDI::Window)->enabled) << "the browser is still open";
    EXPECT_EQ(gui.focusedGadget(), B::Window);
    EXPECT_EQ(Lektion::AktLektion, before) << "no lesson was loaded";
}

TEST_F(BrowserTest, AFixedStaffLessonAfterAnOpenOneHidesTheStaffButtons) {
    chooseBook(3);
    choose(17);
    ASSERT_TRUE(gui.isShown(B::SystemPanel));
    click(B::BUT_BEID);
    choose(2);  // G major on the treble staff
    EXPECT_FALSE(gui.isShown(B::SystemPanel));
    EXPECT_EQ(B::HtmlSystemWahl, 0);
    click(B::BUT_OK);
    EXPECT_FALSE(browserOpen()) << "a fixed key needs no circle";
    EXPECT_EQ(Lektion::AktLektion->System, 1) << "the lesson's own staff";
    EXPECT_EQ(Lektion::AktLektion->Tonart, 7);
}

TEST_F(BrowserTest, AChangeOfBookPreselectsTheSameLessonNumber) {
    chooseBook(1);
    choose(5);
    click(B::BUT_OK);
    EXPECT_EQ(B::LastLektionauswahl, 5);
    chooseBook(2);
    EXPECT_EQ(selected(), 5) << "the new book has a lesson 5";
    EXPECT_NE(page().find(IniClass::Lesen(lessonFile(), "Lesen 5", "Name").substr(0, 8)),
              std::string::npos);

    choose(20);
    chooseBook(1);  // 19 lessons
    EXPECT_EQ(selected(), 1) << "the new book lacks lesson 20: its first lesson";
    EXPECT_EQ(B::LastLektionauswahl, 1);
}

TEST_F(BrowserTest, TheFilterKeepsOnlyListedLessonsSelectable) {
    chooseBook(3);
    choose(3);  // level 2
    click(B::BUT_EXP);
    EXPECT_EQ(position(3), -1);
    EXPECT_NE(selected(), 3) << "what OK loads is what the list shows";
    EXPECT_EQ(B::LastLektionauswahl, selected());
    click(B::BUT_ALL);
    EXPECT_EQ(gui.itemCount(B::ListBox), 21);
    EXPECT_EQ(gui.value(B::Button[B::BUT_ALL]), 1);
}

TEST_F(BrowserTest, ALessonWithoutNotesIsNotOfferedForLoading) {
    chooseBook(1);
    writeFile(lessonFile(),
              "[Lesen 1]\r\nName=Leer\r\nNoten=\r\nSystem=1\r\n"
              "[Lesen 2]\r\nName=Voll\r\nNoten=22|25\r\nSystem=1\r\n");
    IniClass::UpdateIniFile(lessonFile());
    open(MDI::MENU_OPEN);
    choose(1);
    EXPECT_FALSE(gui.isReachable(B::Button[B::BUT_OK]));
    EXPECT_NE(page().find("keine Noten zum \xDC"
                          "ben"),
              std::string::npos);
    const std::shared_ptr<Lektion> before = Lektion::AktLektion;
    B::Event(B::Button[B::BUT_OK]);  // even a press that gets through loads nothing
    run();
    EXPECT_EQ(Lektion::AktLektion, before);
    choose(2);
    EXPECT_TRUE(gui.isReachable(B::Button[B::BUT_OK]));
}

TEST_F(BrowserTest, AFilterThatLeavesNoLessonSaysSoAndOffersNothing) {
    chooseBook(1);
    writeFile(lessonFile(), "[Lesen 1]\r\nName=Leicht\r\nNoten=22\r\nLevel=1\r\n");
    IniClass::UpdateIniFile(lessonFile());
    click(B::BUT_EXP);
    EXPECT_EQ(gui.itemCount(B::ListBox), 0);
    EXPECT_FALSE(gui.isReachable(B::Button[B::BUT_OK]));
    EXPECT_NE(page().find("keine Lektion"), std::string::npos);
    click(B::BUT_ANF);
    EXPECT_EQ(selected(), 1);
    EXPECT_TRUE(gui.isReachable(B::Button[B::BUT_OK]));
}

TEST_F(BrowserTest, AnUnusableSavedBookKeepsTheLessonsAndOpensOnTheBooks) {
    struct Row {
        const char* buch;
        const char* what;
    };
    for (const Row& row :
         {Row{"DE 9", "a book Buch.ini lacks"}, Row{"Nonsense", "no book section"}}) {
        IniClass::Schreiben("", "Allgemein", "Buch", row.buch);
        const std::string before = readFile(lessonFile());
        ::testing::internal::CaptureStdout();
        Programm::StartUp(gui);  // a restart
        ::testing::internal::GetCapturedStdout();
        EXPECT_EQ(readFile(lessonFile()), before) << row.what;
        open(MDI::MENU_OPEN);
        EXPECT_EQ(B::ShowMode, B::SHOW_BUECHER) << row.what;
        EXPECT_TRUE(browserOpen()) << row.what;
        EXPECT_EQ(IniClass::Lesen("", "Allgemein", "Buch"), row.buch) << "the setting stays";
        ASSERT_TRUE(gui.clickCloseBox(B::Window));
        run();
    }
}

TEST_F(BrowserTest, TheBookSurvivesARestartTheLessonNumberDoesNot) {
    chooseBook(2);
    choose(3);
    click(B::BUT_OK);
    ASSERT_EQ(Lektion::AktLektionNr, 3);

    ::testing::internal::CaptureStdout();
    Programm::StartUp(gui);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(readFile(lessonFile()), *Files::readBytes(DatenPfad + "BassLektionen.ini.de"))
        << "the start-up copy is replaced by the saved book's lessons";
    EXPECT_EQ(Lektion::AktLektionNr, 1);
    EXPECT_EQ(Lektion::AktLektion->Name, IniClass::Lesen(lessonFile(), "Lesen 1", "Name"));
    EXPECT_EQ(B::LastLektionauswahl, 1);
    open(MDI::MENU_OPEN);
    EXPECT_EQ(B::ShowMode, B::SHOW_LEKTIONEN) << "straight to the saved book's lessons";
    EXPECT_EQ(gui.text(B::UberGadget), "Bassschlüssel");
    EXPECT_EQ(selected(), 1);
    ASSERT_TRUE(gui.clickCloseBox(B::Window));
    run();
    open(MDI::MENU_CHANGE);
    EXPECT_EQ(selected(), 2) << "the book list starts at the saved book";
}

TEST_F(BrowserTest, SelectExerciseStopsTheRunningExercise) {
    menu(MDI::MENU_FLOATING);
    ASSERT_EQ(Spiel::SpielMode, Spiel::LaufendeNoten);
    open(MDI::MENU_OPEN);
    EXPECT_EQ(Spiel::SpielMode, Spiel::KeinSpiel);
    ASSERT_TRUE(gui.clickCloseBox(B::Window));
    run();
    EXPECT_FALSE(browserOpen());
    EXPECT_TRUE(gui.record(MDI::Window)->enabled);
}

}  // namespace
