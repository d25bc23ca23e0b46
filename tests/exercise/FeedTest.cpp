#include <gtest/gtest.h>

#include <cmath>

#include "exercise/ExerciseFixture.h"
#include "state/Maus.h"

namespace {

class NoteFeed : public ExerciseTest {
  protected:
    void noteLang(const std::string& value) {
        IniClass::Schreiben("", "Allgemein", "NoteLang", value);
    }
    std::vector<std::shared_ptr<Note>> fill(int method, int notes) {
        menu(method);
        for (int i = 0; i < 400 && static_cast<int>(SpielFenster::Haupt->Liste.size()) < notes;
             ++i) {
            SpielFenster::AddNeueZufallNoten();
        }
        return {SpielFenster::Haupt->Liste.begin(), SpielFenster::Haupt->Liste.end()};
    }
};

TEST_F(NoteFeed, EighthsOnlyMakeBarsOfEightInPairs) {
    useLesson({"22|25|28|31|34"});
    noteLang("1");
    auto notes = fill(MDI::MENU_FLOATING, 16);
    ASSERT_GE(notes.size(), 16u);
    for (size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(notes[i]->Lang, 1);
        EXPECT_EQ(notes[i]->TaktPos, static_cast<int>(i % 8));
    }
}

// "abc|||-5|99999" holds no pitch: the lesson is empty, every method asks nothing and
// the staff's headline says why.
struct EmptyLessonCase {
    int method;
    int zweiHand;
};

class EmptyLesson : public NoteFeed, public ::testing::WithParamInterface<EmptyLessonCase> {};

TEST_P(EmptyLesson, AsksNothingAndSaysSo) {
    ::testing::internal::CaptureStdout();
    useLesson({"abc|||-5|99999", 1, GetParam().zweiHand});
    menu(GetParam().method);
    for (int i = 0; i < 20; ++i) SpielFenster::AddNeueZufallNoten();
    ticksFor(3000);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(Lektion::AktLektion->Anzahl, 0);
    EXPECT_TRUE(SpielFenster::Haupt->Liste.empty());
    EXPECT_EQ(asked(), nullptr);
    EXPECT_EQ(NotenFenster::HeadLine, "The lesson has no notes");
}

INSTANTIATE_TEST_SUITE_P(Methods, EmptyLesson,
                         ::testing::Values(EmptyLessonCase{MDI::MENU_SINGLE, 0},
                                           EmptyLessonCase{MDI::MENU_FLOATING, 0},
                                           EmptyLessonCase{MDI::MENU_FLOATING, 1}));

TEST_F(NoteFeed, SingleNotesNeverUseEighths) {
    useLesson({"22|25|28|31|34"});
    noteLang("1");
    auto notes = fill(MDI::MENU_SINGLE, 8);
    for (const auto& note : notes) EXPECT_EQ(note->Lang, 2);
}

struct LengthCase {
    const char* noteLang;
    int taktSumme;
    int method;
    std::vector<int> lengths;  // drawn one after another
};

class BarLengths : public NoteFeed, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(BarLengths, AlwaysCompleteTheBar) {
    useLesson({"22|25|28"});
    menu(GetParam().method);
    noteLang(GetParam().noteLang);
    TaktSumme = GetParam().taktSumme;
    std::vector<int> drawn;
    for (size_t i = 0; i < GetParam().lengths.size(); ++i) drawn.push_back(ZufallNotenlang(22));
    EXPECT_EQ(drawn, GetParam().lengths);
    EXPECT_EQ(TaktSumme, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BarLengths,
    ::testing::Values(LengthCase{"8|1", 4, MDI::MENU_FLOATING, {1, 1, 1, 1}},
                      LengthCase{
                          "8", 2, MDI::MENU_FLOATING, {4, 2}},  // nothing fits: longest that does
                      LengthCase{"8", 0, MDI::MENU_FLOATING, {8}},
                      LengthCase{"4", 0, MDI::MENU_SINGLE, {4, 4}},
                      LengthCase{"1", 0, MDI::MENU_SINGLE, {2, 2, 2, 2}}));

TEST_F(NoteFeed, AnEmptyLengthListBecomesHalfAndQuarter) {
    useLesson({"22|25|28"});
    menu(MDI::MENU_FLOATING);
    noteLang("");
    int lang = ZufallNotenlang(22);
    EXPECT_TRUE(lang == 4 || lang == 2);
    IniClass::UpdateIniFile("");
    EXPECT_EQ(IniClass::Lesen("", "Allgemein", "NoteLang"), "4|2");
}

TEST_F(NoteFeed, LearnAndSeeShowsEveryNoteAsAQuarter) {
    useLesson({"22|25|28|31"});
    noteLang("8");
    menu(MDI::MENU_LEARN);
    auto& liste = SpielFenster::Haupt->Liste;
    ASSERT_EQ(liste.size(), 4u);
    for (const auto& note : liste) EXPECT_EQ(note->Lang, 2);
}

TEST_F(NoteFeed, ScrollingPracticeKeepsTheStaffFilled) {
    useLesson({"22|25|28|31|34"});
    menu(MDI::MENU_FLOATING);
    ticksFor(500);
    EXPECT_GE(SpielFenster::Haupt->Liste.size(), 6u);
    int sum = 0;
    for (const auto& note : SpielFenster::Haupt->Liste) sum += note->Lang;
    EXPECT_EQ((sum - TaktSumme) % 8, 0) << "the notes fill whole bars";
}

TEST_F(NoteFeed, ANoteAnsweredBeforeItComesToRestDoesNotStopTheStaff) {
    useLesson({"22|25|28"});
    menu(MDI::MENU_SINGLE);
    for (int round = 0; round < 5; ++round) {
        Note* note = waitForNote();
        ASSERT_NE(note, nullptr) << "round " << round;
        SpielFenster::EmpfangeNote(note->EchtMidi, 2);  // at once, still moving in
    }
    EXPECT_EQ(Spiel::SpielerRichtig, 5);
}

TEST_F(NoteFeed, TwoHandBarsPlaceTheLowerPartUnderTheUpper) {
    useLesson({"22|25|28|143|146|149", 3, 1});
    noteLang("4");
    menu(MDI::MENU_FLOATING);
    auto& haupt = *SpielFenster::Haupt;
    float start = std::floor(haupt.SchreibX) + 30;
    SpielFenster::AddEinenGanzenTakt();
    std::vector<std::shared_ptr<Note>> notes(haupt.Liste.begin(), haupt.Liste.end());
    ASSERT_EQ(notes.size(), 4u);
    const float n = static_cast<float>(haupt.NotenBreit);
    float second = std::floor(start + 1.4f * n);
    std::vector<float> expected = {start, start, second, second};
    for (size_t i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(notes[i]->X, expected[i]) << i;
    EXPECT_EQ(notes[0]->System, 0);
    EXPECT_EQ(notes[1]->System, 1);
    EXPECT_FLOAT_EQ(haupt.SchreibX, second + 1.4f * n);
}

TEST_F(NoteFeed, TheStaffIsDraggedByItsGripAndKeptInside) {
    useLesson({"22|25|28"});
    menu(MDI::MENU_FLOATING);
    auto& haupt = *SpielFenster::Haupt;
    int x = haupt.FensterX, y = haupt.FensterY;
    auto mouse = [&](EventId id, int mx, int my) {
        Programm::HandleEvent({id, MDI::Canvas, 1, mx, my});
    };
    mouse(EventId::MouseMove, x + 100, y + 20);
    mouse(EventId::MouseDown, x + 100, y + 20);
    tick();
    EXPECT_EQ(Maus::DragWer, Maus::Notenblatt);
    mouse(EventId::MouseMove, x + 150, y + 120);  // far outside the grip: the drag goes on
    tick();
    EXPECT_EQ(haupt.FensterX, x + 50);
    EXPECT_EQ(haupt.FensterY, y + 100);
    mouse(EventId::MouseMove, -500, y + 120);
    tick();
    EXPECT_EQ(haupt.FensterX, 10);
    mouse(EventId::MouseUp, 0, 0);
    EXPECT_EQ(Maus::DragWer, Maus::Keiner);
    mouse(EventId::MouseMove, 600, 600);
    tick();
    EXPECT_EQ(haupt.FensterX, 10);
}

}  // namespace
