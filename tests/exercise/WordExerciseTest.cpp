// The word exercise in the whole program: the menu, the staff, the keys and the paper.

#include <gtest/gtest.h>

#include <string>

#include "exercise/ExerciseFixture.h"
#include "lessons/Worte.h"
#include "notation/NotenPapier.h"
#include "platform/Events.h"
#include "platform/Ui.h"

namespace {

const std::string kNaturals = "22|25|28|31|34|37|40";  // C D E F G A H

class WordExercise : public ExerciseTest {
  protected:
    void key(int code) {
        Programm::HandleEvent({EventId::KeyDown, nullptr, code});
        Programm::HandleEvent({EventId::KeyUp, nullptr, code});
    }
    // Runs the feed until the asked word has all of its notes on the staff.
    void untilWordIsShown() {
        for (int i = 0; i < 60 && Lektion::WordDone != 99; ++i) tick();
    }
    size_t partsOnStaff() const { return SpielFenster::Haupt->Liste.size(); }
};

TEST_F(WordExercise, TypingTheShownWordWithReturnBeginsTheNextWord) {
    useLesson({kNaturals});
    menu(MDI::MENU_WORDS);
    ASSERT_EQ(Spiel::SpielMode, Spiel::Woerter);
    ASSERT_GE(Worte::LektionsListe.size(), 50u) << "the shipped list has words for the naturals";
    untilWordIsShown();
    ASSERT_TRUE(Worte::AktFrageWort);
    const Worte erstes = *Worte::AktFrageWort;
    EXPECT_EQ(partsOnStaff(), erstes.WortTeil.size());
    for (const auto& note : SpielFenster::Haupt->Liste) {
        const bool rest = note->ChromaPos >= 91 && note->ChromaPos <= 99;
        EXPECT_EQ(rest, note->ChromaEcht == 95);
    }

    for (char letter : erstes.EchtWort) key(letter);
    EXPECT_EQ(LosungWort, erstes.EchtWort);
    key(Key::Return);
    EXPECT_EQ(LosungWort, "");
    EXPECT_EQ(Lektion::WordDone, 0);
    EXPECT_TRUE(SpielFenster::Haupt->Liste.empty()) << "the staff is cleared";

    untilWordIsShown();
    EXPECT_EQ(partsOnStaff(), Worte::AktFrageWort->WortTeil.size()) << "the next word begins";
    EXPECT_EQ(Spiel::SpielerRichtig, 0) << "a guessed word counts nothing";
    EXPECT_EQ(Spiel::SpielerFalsch, 0);
}

TEST_F(WordExercise, AWrongWordStaysToBeCorrected) {
    useLesson({kNaturals});
    menu(MDI::MENU_WORDS);
    untilWordIsShown();
    const size_t shown = partsOnStaff();
    const std::string wort = Worte::AktFrageWort->EchtWort;
    for (char letter : wort.substr(0, wort.size() - 1)) key(letter);
    key('Q');
    key(Key::Return);
    EXPECT_EQ(partsOnStaff(), shown);
    EXPECT_EQ(Worte::AktFrageWort->EchtWort, wort);
    EXPECT_TRUE(Worte::Bild()->Falsch);
    key(Key::Backspace);
    key(wort.back());
    key(Key::Return);
    EXPECT_EQ(Lektion::WordDone, 0);
    EXPECT_EQ(Spiel::SpielerRichtig + Spiel::SpielerFalsch, 0);
}

TEST_F(WordExercise, TheStaffFitsBesideTheCountersAndAboveThePaper) {
    for (int system : {1, 2, 3}) {
        useLesson({kNaturals, system});
        menu(MDI::MENU_WORDS);
        const NotenFenster& staff = *SpielFenster::Haupt;
        const int breite = Ui::mainWindowWidth(), hoehe = Ui::mainWindowHeight();
        EXPECT_LE(staff.FensterX + staff.EchtFensterB, breite - 300) << "left of the counters";
        // A grand staff may cover the paper's margin, not its text (30 pixels in).
        EXPECT_LE(staff.FensterY + staff.FensterH, hoehe - 220 + (system == 3 ? 30 : 0))
            << "above the note paper";
        EXPECT_EQ(staff.MitGruen, 0);
    }
}

TEST_F(WordExercise, LongNotesOfALongWordStayOnThePaper) {
    IniClass::Schreiben("", "Allgemein", "NoteLang", "8");
    useLesson({kNaturals});
    menu(MDI::MENU_WORDS);
    Worte::LektionsListe = Worte::Gueltige({"Gehege"}, "C|D|E|F|G|A|H");
    SpielFenster::Reset();
    untilWordIsShown();
    const NotenFenster& staff = *SpielFenster::Haupt;
    ASSERT_EQ(partsOnStaff(), 6u);
    EXPECT_LE(staff.Liste.back()->X, staff.FensterB / staff.Scale - 60);
    float vorher = -1;
    for (const auto& note : staff.Liste) {
        EXPECT_GT(note->X, vorher + 40) << "the notes stay apart";
        vorher = note->X;
    }
}

TEST_F(WordExercise, ALessonWithoutWordsAsksNothingAndThePaperSaysSo) {
    const std::string vorher = NotenPapier::PapierText;
    useLesson({"22"});  // only C
    ::testing::internal::CaptureStdout();
    menu(MDI::MENU_WORDS);
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("no word to ask"), std::string::npos) << out;
    EXPECT_NE(NotenPapier::PapierText.find("Wörter zum Raten"), std::string::npos)
        << NotenPapier::PapierText;
    ticksFor(500);
    EXPECT_TRUE(SpielFenster::Haupt->Liste.empty());
    EXPECT_EQ(Lektion::WordDone, 0);
    key('C');
    key(Key::Return);
    EXPECT_TRUE(SpielFenster::Haupt->Liste.empty());

    menu(MDI::MENU_FLOATING);
    EXPECT_EQ(NotenPapier::PapierText, vorher) << "another method puts the paper back";
}

TEST_F(WordExercise, LoadingAnotherLessonAsksItsOwnWords) {
    useLesson({"22"});
    menu(MDI::MENU_WORDS);
    ASSERT_TRUE(Worte::LektionsListe.empty());
    useLesson({"22|31|40"});  // C F H
    EXPECT_FALSE(Worte::LektionsListe.empty());
    for (const Worte& wort : Worte::LektionsListe)
        for (const std::string& teil : wort.WortTeil)
            if (teil[0] >= '0' && teil[0] <= '9')
                EXPECT_TRUE(teil == "1" || teil == "10" || teil == "19") << wort.EchtWort;
    EXPECT_EQ(NotenPapier::PapierText.find("Wörter zum Raten"), std::string::npos);
    untilWordIsShown();
    EXPECT_EQ(partsOnStaff(), Worte::AktFrageWort->WortTeil.size());
}

TEST_F(WordExercise, WithoutAWordListNothingIsAsked) {
    Worte::GesamtListe.clear();
    useLesson({kNaturals});
    ::testing::internal::CaptureStdout();
    menu(MDI::MENU_WORDS);
    ::testing::internal::GetCapturedStdout();
    ticksFor(300);
    EXPECT_TRUE(SpielFenster::Haupt->Liste.empty());
    EXPECT_NE(NotenPapier::PapierText.find("Wörter zum Raten"), std::string::npos);
}

TEST_F(WordExercise, ABassStaffShowsTheLettersAsRestsOnTheLowerStaff) {
    useLesson({"122|125|128|131|134|137|140", 2});
    menu(MDI::MENU_WORDS);
    Worte::LektionsListe = Worte::Gueltige({"Abgas"}, "C|D|E|F|G|A|H");
    SpielFenster::Reset();
    untilWordIsShown();
    ASSERT_EQ(partsOnStaff(), 5u);
    auto note = SpielFenster::Haupt->Liste.begin();
    EXPECT_EQ((*std::next(note, 1))->ChromaEcht, 195);
    EXPECT_EQ((*std::next(note, 4))->ChromaEcht, 195);
    EXPECT_EQ((*std::next(note, 2))->ChromaPos % 21, 13);
}

}  // namespace
