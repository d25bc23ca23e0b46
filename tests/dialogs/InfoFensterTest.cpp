// The information window in the whole program: the result page at the end of an
// examination, the way back to a fresh examination, the manual and the info page.

#include <gtest/gtest.h>

#include <set>

#include "data/Files.h"
#include "dialogs/InfoFenster.h"
#include "exercise/Bewertung.h"
#include "exercise/ExerciseFixture.h"
#include "i18n/Sprache.h"
#include "sound/SoundTyp.h"

namespace {
using I = InfoFenster;

class InformationWindow : public ExerciseTest {
  protected:
    // Ticks until the examination has ended, then keeps the chord that was scheduled.
    void tickUntilTheEnd() {
        SoundTyp::SoundListe.clear();
        for (int i = 0; i < 200 && Spiel::SpielMode != Spiel::KeinSpiel; ++i) tick();
        ASSERT_EQ(Spiel::SpielMode, Spiel::KeinSpiel);
        for (const auto& sound : SoundTyp::SoundListe)
            if (sound.Volume > 0) chord.insert(sound.Ton);
    }
    void run() { Programm::EventLoop(); }
    std::string page() { return gui.record(I::HtmlView)->pageText; }
    std::string shownFile() {
        std::string shown = gui.currentPage(I::HtmlView);
        return shown.substr(shown.rfind('/') + 1);
    }
    std::set<int> chord;
    const std::set<int> rising{48, 60, 64, 67, 72};
    const std::set<int> falling{48, 60, 47, 46, 45, 32, 44, 43, 42, 41};
};

TEST_F(InformationWindow, AnExaminationEndedByItsQuestionsOpensAPassedResultPage) {
    startExamination({"22", 1, 0, 60, 2, 3});
    answer(true);
    answer(true);
    tickUntilTheEnd();
    EXPECT_TRUE(gui.isShown(I::Window));
    EXPECT_FALSE(gui.record(MDI::Window)->enabled);
    EXPECT_EQ(shownFile(), "Bewertung.html");
    EXPECT_GE(Bewertung, 100);
    EXPECT_NE(page().find(Lokalisiere("{{Phrase48}}")), std::string::npos);
    EXPECT_NE(page().find("SmilyLacht.png"), std::string::npos);
    EXPECT_FALSE(gui.isShown(I::Button[I::BUT_BACK]));
    EXPECT_FALSE(gui.isShown(I::Button[I::BUT_FORWARD]));
    EXPECT_EQ(chord, rising);
}

TEST_F(InformationWindow, AnExaminationEndedByItsLivesOpensAFailedResultPage) {
    startExamination({"22", 1, 0, 60, 10, 2});
    answer(false);
    answer(true);  // a note takes one life at most
    answer(false);
    tickUntilTheEnd();
    EXPECT_TRUE(gui.isShown(I::Window));
    EXPECT_EQ(Bewertung, 10);
    EXPECT_NE(page().find(Lokalisiere("{{Very poor/fail}}")), std::string::npos);
    EXPECT_NE(page().find(Lokalisiere("{{Phrase49}}")), std::string::npos);
    EXPECT_NE(page().find("SmilyTraurig.png"), std::string::npos);
    EXPECT_EQ(chord, falling);
}

TEST_F(InformationWindow, AnExaminationEndedByItsTimeOpensTheResultPageOfItsRating) {
    startExamination({"22", 1, 0, 5, 10, 3});  // 5 s allowed, 6 s used: 83
    ticksFor(5000);
    tickUntilTheEnd();
    EXPECT_TRUE(gui.isShown(I::Window));
    EXPECT_EQ(Bewertung, 83);
    EXPECT_NE(page().find(Lokalisiere("{{Respectable}}")), std::string::npos);
    EXPECT_NE(page().find(Lokalisiere("{{Phrase57}}")), std::string::npos);
    EXPECT_EQ(chord, rising) << "above 30 the chord rises though the test is failed";
}

TEST_F(InformationWindow, OkOnTheResultPageStartsAFreshExaminationWithTheCountdown) {
    startExamination({"22", 1, 0, 60, 2, 3});
    answer(true);
    answer(true);
    tickUntilTheEnd();
    ASSERT_TRUE(gui.click(I::Button[I::BUT_OK]));
    run();
    EXPECT_FALSE(gui.isShown(I::Window));
    EXPECT_TRUE(gui.record(MDI::Window)->enabled);
    EXPECT_EQ(gui.focusedGadget(), MDI::Canvas);
    EXPECT_EQ(Spiel::SpielMode, Spiel::EinzelNoten) << "the ticked method";
    EXPECT_EQ(Spiel::CountdownZeit, 1);
    ticksFor(6500);
    EXPECT_EQ(Spiel::AktGrade, Spiel::Pruefung);
    EXPECT_EQ(Spiel::SpielerRichtig, 2) << "all questions again";
}

TEST_F(InformationWindow, TheCloseBoxOfTheResultPageStartsNothing) {
    startExamination({"22", 1, 0, 60, 2, 3});
    answer(true);
    answer(true);
    tickUntilTheEnd();
    ASSERT_TRUE(gui.clickCloseBox(I::Window));
    run();
    EXPECT_FALSE(gui.isShown(I::Window));
    EXPECT_TRUE(gui.record(MDI::Window)->enabled);
    EXPECT_EQ(Spiel::SpielMode, Spiel::KeinSpiel);
    EXPECT_EQ(Spiel::CountdownZeit, 0);
    ticksFor(7000);
    EXPECT_EQ(Spiel::SpielMode, Spiel::KeinSpiel);
}

TEST_F(InformationWindow, OkOnAnotherPageOnlyCloses) {
    menu(MDI::MENU_ABOUT);
    ASSERT_TRUE(gui.click(I::Button[I::BUT_OK]));
    run();
    EXPECT_FALSE(gui.isShown(I::Window));
    EXPECT_EQ(Spiel::CountdownZeit, 0);
}

TEST_F(InformationWindow, TheManualsInPageLinkAndBackReturnToItsTop) {
    menu(MDI::MENU_HELP);
    EXPECT_TRUE(gui.isShown(I::Window));
    EXPECT_TRUE(gui.isShown(I::Button[I::BUT_BACK]));
    EXPECT_EQ(shownFile(), "Anleitung.html");
    std::string text = page();
    auto link = text.find("href=\"#");
    ASSERT_NE(link, std::string::npos) << "the table of contents links into the page";
    std::string anchor = text.substr(link + 6, text.find('"', link + 6) - (link + 6));
    ASSERT_TRUE(gui.clickLink(I::HtmlView, anchor));
    EXPECT_EQ(shownFile(), "Anleitung.html" + anchor);
    ASSERT_TRUE(gui.click(I::Button[I::BUT_BACK]));
    run();
    EXPECT_EQ(shownFile(), "Anleitung.html");
    ASSERT_TRUE(gui.click(I::Button[I::BUT_BACK]));
    run();
    EXPECT_EQ(shownFile(), "info.html") << "every opening begins with the info page";
    ASSERT_TRUE(gui.click(I::Button[I::BUT_FORWARD]));
    run();
    EXPECT_EQ(shownFile(), "Anleitung.html");
}

TEST_F(InformationWindow, EveryAnchorOfTheManualsTableOfContentsExists) {
    for (int sprache : {1, 0}) {
        MDI::SwitchSprache(sprache);
        I::ShowAs(I::SHOW_ANLEITUNG, "anleitung");
        std::string text = page();
        int links = 0;
        for (auto at = text.find("href=\"#"); at != std::string::npos;
             at = text.find("href=\"#", at + 1)) {
            std::string name = text.substr(at + 7, text.find('"', at + 7) - (at + 7));
            EXPECT_NE(text.find("name=\"" + name + "\""), std::string::npos)
                << name << " in language " << sprache;
            ++links;
        }
        EXPECT_GE(links, 10) << "language " << sprache;
    }
}

TEST_F(InformationWindow, EveryPictureAndStyleSheetOfTheShippedPagesLiesBesideThem) {
    TranslateInfo();
    for (const char* name : {"Anleitung.html", "Anleitung.en.html", "info.html"}) {
        auto text = Files::readText(Files::resolveCase(AppPfad + name));
        ASSERT_TRUE(text) << name;
        int found = 0;
        for (const char* attribute : {"src=\"", "href=\""}) {
            for (auto at = text->find(attribute); at != std::string::npos;
                 at = text->find(attribute, at + 1)) {
                size_t start = at + std::string(attribute).size();
                std::string file = text->substr(start, text->find('"', start) - start);
                if (file.empty() || file[0] == '#') continue;
                EXPECT_TRUE(Files::exists(AppPfad + file)) << file << " of " << name;
                ++found;
            }
        }
        EXPECT_GE(found, 2) << name;
    }
}

TEST_F(InformationWindow, TheManualFollowsALanguageChange) {
    menu(MDI::MENU_HELP);
    EXPECT_NE(page().find("lang=\"de\""), std::string::npos);
    MDI::SwitchSprache(0);
    menu(MDI::MENU_HELP);
    EXPECT_EQ(shownFile(), "Anleitung.en.html");
    EXPECT_NE(page().find("lang=\"en\""), std::string::npos);
}

TEST_F(InformationWindow, TheInfoPageFollowsALanguageChange) {
    menu(MDI::MENU_ABOUT);
    EXPECT_FALSE(gui.isShown(I::Button[I::BUT_BACK]));
    EXPECT_NE(page().find("Notenlese-Training Version"), std::string::npos);
    MDI::SwitchSprache(0);
    menu(MDI::MENU_ABOUT);
    EXPECT_NE(page().find("Sight Read training Version"), std::string::npos);
    EXPECT_EQ(page().find("Notenlese-Training"), std::string::npos);
    EXPECT_EQ(page().find("{{"), std::string::npos) << "every token is replaced";
}

TEST_F(InformationWindow, APageThatDoesNotExistLeavesTheViewOnTheInfoPage) {
    I::ShowAs(I::SHOW_DATEI, "nothing.html");
    EXPECT_EQ(shownFile(), "info.html");
    I::HtmlAusCode = nullptr;  // without the code module there is no code page
    I::ShowAs(I::SHOW_CODE, "");
    EXPECT_EQ(shownFile(), "info.html");
}

TEST_F(InformationWindow, TheCodePageStepsThroughTheServerLinesWithBackAndForward) {
    static std::vector<int> steps;
    steps.clear();
    I::HtmlAusCode = [](int schritt) {
        steps.push_back(schritt);
        writeFile(AppPfad + "Code.html", "<p>line</p>");
    };
    I::ShowAs(I::SHOW_CODE, "");
    EXPECT_EQ(shownFile(), "Code.html");
    EXPECT_TRUE(gui.isShown(I::Button[I::BUT_BACK]));
    gui.click(I::Button[I::BUT_BACK]);
    gui.click(I::Button[I::BUT_FORWARD]);
    run();
    EXPECT_EQ(steps, (std::vector<int>{0, 1, -1}));
    EXPECT_EQ(shownFile(), "Code.html");
}

}  // namespace
