// Two weeks of scripted practice under the program's clock, then the progress page: the
// notes coloured by their accuracy, the weekly points, the page in both languages, and
// clearing after the question.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "dialogs/Fortschritt.h"
#include "dialogs/InfoFenster.h"
#include "exercise/ExerciseFixture.h"
#include "history/Verlauf.h"
#include "music/ChromaTyp.h"
#include "platform/Image.h"

namespace {

constexpr int A4 = 37, B4 = 40;
constexpr int64_t kDay = 24LL * 3600 * 1000;
constexpr int64_t kEpoch = 1790000000000LL;  // the wall time the manual clock starts at

int medianOf(std::vector<int> v) {
    std::sort(v.begin(), v.end());
    if (v.empty()) return 0;
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

struct Week {
    int asked = 0, right = 0;
    std::vector<int> times;
};

class ProgressPage : public ExerciseTest {
  protected:
    void SetUp() override {
        ExerciseTest::SetUp();
        Verlauf::Jetzt = [this] { return kEpoch + clock.now; };
        IniClass::Schreiben("", "Allgemein", "User", "Mia");
    }

    // A4 is always right after a second. B4 is first missed, then found half a second
    // later, in the first week; in the second week it is right after two seconds.
    void practiseTwoWeeks() {
        useLesson({"37|40"});
        for (int day = 0; day < 14; ++day) {
            clock.advance(kDay);
            Week& week = weeks[day < 7 ? 0 : 1];
            menu(MDI::MENU_PRACTICE);
            menu(MDI::MENU_SINGLE);
            for (int question = 0; question < 8; ++question) {
                Note* note = waitForNote();
                ASSERT_TRUE(note);
                const int asked = note->ChromaPos;
                (asked == A4 ? a4 : b4).asked += 1;
                if (asked == B4 && day < 7) {
                    clock.advance(1000);
                    SpielFenster::EmpfangeChroma(A4, 3);
                    clock.advance(500);
                    SpielFenster::EmpfangeChroma(B4, 3);
                    week.asked += 2;
                    week.right += 1;
                    week.times.push_back(1500);
                    b4.asked += 1;
                    b4.right += 1;
                } else {
                    const int ms = asked == A4 ? 1000 : 2000;
                    clock.advance(ms);
                    SpielFenster::EmpfangeChroma(asked, 3);
                    week.asked += 1;
                    week.right += 1;
                    week.times.push_back(ms);
                    (asked == A4 ? a4 : b4).right += 1;
                }
                tick();
            }
        }
        Verlauf::Schreibe();
    }

    std::string page() { return gui.record(InfoFenster::HtmlView)->pageText; }

    Week weeks[2];
    struct {
        int asked = 0, right = 0;
    } a4, b4;
};

TEST_F(ProgressPage, TwoWeeksOfPracticeGiveTheirColoursAndWeeklyPoints) {
    practiseTwoWeeks();
    ASSERT_GT(b4.asked, 0) << "the random pool asked both notes";
    const FortschrittsDaten d =
        WerteVerlaufAus(Verlauf::Antworten("Mia"), Verlauf::Pruefungen("Mia"), Verlauf::Jetzt());

    auto stand = [&](int chroma) {
        auto it = std::find_if(d.Noten.begin(), d.Noten.end(),
                               [chroma](const NotenStand& n) { return n.Chroma == chroma; });
        return it == d.Noten.end() ? NotenStand{} : *it;
    };
    EXPECT_EQ(stand(A4).Gefragt, a4.asked);
    EXPECT_EQ(stand(A4).Richtig, a4.asked);
    EXPECT_EQ(stand(A4).MedianMs, 1000);
    EXPECT_EQ(FarbeFuerTreffer(Treffer(stand(A4).Gefragt, stand(A4).Richtig)),
              FarbeFuerTreffer(100))
        << "always right is green";
    EXPECT_EQ(stand(B4).Gefragt, b4.asked);
    EXPECT_EQ(stand(B4).Richtig, b4.right);
    const int b4Percent = Treffer(b4.asked, b4.right);
    EXPECT_LT(b4Percent, 90);
    EXPECT_NE(FarbeFuerTreffer(b4Percent), FarbeFuerTreffer(100)) << "missed notes are not green";

    // The two weeks are the last two of the chart; the weeks before hold nothing.
    const WochenStand& older = d.Wochen[kFortschrittWochen - 2];
    const WochenStand& newer = d.Wochen[kFortschrittWochen - 1];
    EXPECT_EQ(older.Gefragt, weeks[0].asked);
    EXPECT_EQ(older.Richtig, weeks[0].right);
    EXPECT_EQ(older.MedianMs, medianOf(weeks[0].times));
    EXPECT_EQ(newer.Gefragt, weeks[1].asked);
    EXPECT_EQ(newer.Richtig, weeks[1].right);
    EXPECT_EQ(newer.MedianMs, medianOf(weeks[1].times));
    EXPECT_EQ(newer.Richtig, newer.Gefragt) << "no mistakes in the second week";
    for (int w = 0; w < kFortschrittWochen - 2; ++w) EXPECT_EQ(d.Wochen[w].Gefragt, 0) << w;
}

// Pixels of the notes picture in the colour of an accuracy laid over the staff's paper.
int pixelsTintedFor(const Image& picture, int percent) {
    const Colour tint = FarbeFuerTreffer(percent), paper = {255, 245, 235};
    auto mix = [](int t, int p) { return 0.45 * t + 0.55 * p; };
    int count = 0;
    const auto& px = picture.rgba();
    for (size_t i = 0; i + 3 < px.size(); i += 4)
        if (std::abs(px[i] - mix(tint.r, paper.r)) < 8 &&
            std::abs(px[i + 1] - mix(tint.g, paper.g)) < 8 &&
            std::abs(px[i + 2] - mix(tint.b, paper.b)) < 8)
            ++count;
    return count;
}

TEST_F(ProgressPage, ThePictureShowsEachNoteInTheColourOfItsAccuracy) {
    practiseTwoWeeks();
    menu(MDI::MENU_FORTSCHRITT);
    auto picture = Image::fromPng(readFile(AppPfad + "FortschrittNoten.png"), "notes");
    ASSERT_TRUE(picture);
    const int b4Percent = Treffer(b4.asked, b4.right);
    ASSERT_NE(FarbeFuerTreffer(b4Percent), FarbeFuerTreffer(100));
    EXPECT_GT(pixelsTintedFor(*picture, 100), 500) << "A4's column is green";
    EXPECT_GT(pixelsTintedFor(*picture, b4Percent), 500) << "B4's column, " << b4Percent << "%";
    EXPECT_LT(pixelsTintedFor(*picture, 20), 50) << "no note below half is shown";
}

TEST_F(ProgressPage, OpensFromTheMenuInBothLanguagesWithItsPictures) {
    practiseTwoWeeks();
    for (int sprache : {1, 0}) {
        MDI::SwitchSprache(sprache);
        menu(MDI::MENU_FORTSCHRITT);
        ASSERT_TRUE(gui.isShown(InfoFenster::Window));
        EXPECT_NE(gui.currentPage(InfoFenster::HtmlView).find("Fortschritt.html"),
                  std::string::npos);
        const std::string text = page();
        EXPECT_NE(text.find(sprache == 1 ? "Fortschritt: Mia" : "Progress: Mia"), std::string::npos)
            << text;
        EXPECT_NE(text.find(sprache == 1 ? "Übe diese Noten" : "Practise these notes"),
                  std::string::npos);
        EXPECT_NE(text.find(ChromaTyp::Name(B4) + " ("), std::string::npos) << "B4 to practise";
        EXPECT_EQ(text.find(ChromaTyp::Name(A4) + " ("), std::string::npos) << "A4 is read well";
        for (const char* bild :
             {"FortschrittNoten.png", "FortschrittWochen.png", "FortschrittPruefungen.png"}) {
            EXPECT_NE(text.find(bild), std::string::npos);
            EXPECT_GT(std::filesystem::file_size(AppPfad + bild), 1000u) << bild;
        }
        EXPECT_NE(readFile(AppPfad + "Verlauf.csv").find("answer,"), std::string::npos);
        ASSERT_TRUE(gui.clickCloseBox(InfoFenster::Window));
        Programm::EventLoop();
    }
}

TEST_F(ProgressPage, TheHistoryIsClearedOnlyAfterTheQuestion) {
    practiseTwoWeeks();
    const size_t rows = Verlauf::Antworten("Mia").size();
    menu(MDI::MENU_FORTSCHRITT);
    Gadget* clear = InfoFenster::Button[InfoFenster::BUT_BACK];
    ASSERT_TRUE(gui.isShown(clear));
    ASSERT_TRUE(gui.click(clear));
    Programm::EventLoop();
    EXPECT_NE(page().find("noch einmal „Verlauf löschen“"), std::string::npos) << page();
    EXPECT_NE(page().find(std::to_string(rows) + " Antworten"), std::string::npos);
    EXPECT_EQ(Verlauf::Antworten("Mia").size(), rows) << "asking clears nothing";
    ASSERT_TRUE(gui.click(clear));
    Programm::EventLoop();
    EXPECT_TRUE(Verlauf::Antworten("Mia").empty());
    EXPECT_NE(page().find("Noch keine Antworten"), std::string::npos);
}

TEST_F(ProgressPage, AFinishedExaminationIsRemembered) {
    useLesson({"37", 1, 0, 60, 3, 3});
    menu(MDI::MENU_SINGLE);
    menu(MDI::MENU_COMPETITION);
    ticksFor(6500);
    for (int i = 0; i < 3 && Spiel::SpielMode != Spiel::KeinSpiel; ++i) {
        ASSERT_TRUE(waitForNote());
        SpielFenster::EmpfangeChroma(A4, 3);
        ticksFor(100);
    }
    ticksFor(1200);
    Verlauf::Schreibe();
    auto exams = Verlauf::Pruefungen("Mia");
    ASSERT_EQ(exams.size(), 1u);
    EXPECT_EQ(exams[0].Lektion, 1);
    EXPECT_EQ(exams[0].Gespielt, 3);
    EXPECT_EQ(exams[0].Fehler, 0);
    EXPECT_EQ(exams[0].Methode, 1) << "single notes";
    EXPECT_GT(exams[0].Bewertung, 100) << "all right, quickly";
    auto answers = Verlauf::Antworten("Mia");
    ASSERT_EQ(answers.size(), 3u);
    EXPECT_EQ(answers[0].Arbeitsschritt, 3);
}

}  // namespace
