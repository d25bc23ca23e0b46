// Every judged answer of the exercise reaches the answer history, with its device, method
// and the time from the note becoming the one to answer.

#include <gtest/gtest.h>

#include "exercise/ExerciseFixture.h"
#include "history/Verlauf.h"
#include "lessons/Worte.h"
#include "music/ChromaTyp.h"
#include "platform/Events.h"

namespace {

constexpr int A4 = 37, B4 = 40;

struct Device {
    const char* what;
    int method;  // menu tag
    int quelle;  // 1 mouse or screen, 2 MIDI, 3 computer keyboard
    bool byMidi;
    bool byButton;  // the note-name buttons stand for the bass block's octave
};

class HistoryRecords : public ExerciseTest, public ::testing::WithParamInterface<Device> {
  protected:
    void SetUp() override {
        ExerciseTest::SetUp();
        IniClass::Schreiben("", "Allgemein", "User", "Anna");
    }
    void answer(int chroma) {
        const Device& d = GetParam();
        if (d.byMidi)
            SpielFenster::EmpfangeNote(ChromaTyp::Midi(chroma), d.quelle);
        else
            SpielFenster::EmpfangeChroma(d.byButton ? 100 + chroma : chroma, d.quelle);
    }
};

TEST_P(HistoryRecords, AWrongAndARightAnswerAreBothRemembered) {
    const Device& d = GetParam();
    useLesson({"37|40"});
    menu(MDI::MENU_PRACTICE);
    menu(d.method);
    Note* note = waitForNote();
    ASSERT_TRUE(note) << d.what;
    const int gefragt = note->ChromaPos;
    const int anderer = gefragt == A4 ? B4 : A4;
    clock.advance(500);
    answer(anderer);
    clock.advance(734);
    answer(gefragt);
    Verlauf::Schreibe();

    auto rows = Verlauf::Antworten("Anna");
    ASSERT_EQ(rows.size(), 2u) << d.what;
    EXPECT_EQ(rows[0].Richtig, 0) << d.what;
    EXPECT_EQ(rows[0].Millis, 500) << d.what;
    EXPECT_EQ(rows[1].Richtig, 1) << d.what;
    EXPECT_EQ(rows[1].Millis, 1234) << d.what << ": from the note's arrival, not the mistake";
    EXPECT_EQ(rows[1].Gefragt, gefragt == A4 ? "A4" : "B4") << d.what;
    EXPECT_EQ(rows[1].Chroma, gefragt);
    for (const auto& row : rows) {
        EXPECT_EQ(row.Geraet, d.quelle) << d.what;
        EXPECT_EQ(row.Methode, d.method == MDI::MENU_SINGLE ? 1 : 2) << d.what;
        EXPECT_EQ(row.Arbeitsschritt, 2) << d.what;
        EXPECT_EQ(row.Lektion, 1) << d.what;
        EXPECT_EQ(row.User, "Anna");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HistoryRecords,
    ::testing::Values(Device{"single notes, name buttons", MDI::MENU_SINGLE, 1, false, true},
                      Device{"single notes, computer keys", MDI::MENU_SINGLE, 3, false, false},
                      Device{"single notes, MIDI keyboard", MDI::MENU_SINGLE, 2, true, false},
                      Device{"scrolling notes, screen piano", MDI::MENU_FLOATING, 1, true, false},
                      Device{"scrolling notes, MIDI keyboard", MDI::MENU_FLOATING, 2, true, false},
                      Device{"scrolling notes, computer keys", MDI::MENU_FLOATING, 3, false,
                             false}));

class HistoryOfWords : public ExerciseTest {};

TEST_F(HistoryOfWords, AGuessedWordLeavesNoRecord) {
    IniClass::Schreiben("", "Allgemein", "User", "Anna");
    useLesson({"22|25|28|31|34|37|40"});
    menu(MDI::MENU_WORDS);
    for (int i = 0; i < 60 && Lektion::WordDone != 99; ++i) tick();
    ASSERT_TRUE(Worte::AktFrageWort);
    for (char letter : Worte::AktFrageWort->EchtWort) {
        Programm::HandleEvent({EventId::KeyDown, nullptr, letter});
        Programm::HandleEvent({EventId::KeyUp, nullptr, letter});
    }
    Programm::HandleEvent({EventId::KeyDown, nullptr, Key::Return});
    SpielFenster::EmpfangeChroma(A4, 3);
    SpielFenster::EmpfangeNote(69, 2);
    Verlauf::Schreibe();
    EXPECT_TRUE(Verlauf::Antworten("Anna").empty());
}

TEST_F(HistoryOfWords, ABrokenHistoryFileIsSaidAndThePracticeGoesOn) {
    IniClass::Schreiben("", "Allgemein", "User", "Anna");
    writeFile(AppPfad + "Verlauf.sqlite", std::string(2048, '#'));
    useLesson({"37"});
    menu(MDI::MENU_PRACTICE);
    menu(MDI::MENU_SINGLE);
    ::testing::internal::CaptureStdout();
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(waitForNote());
        SpielFenster::EmpfangeChroma(A4, 3);
        Verlauf::Schreibe();
    }
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(Spiel::SpielerRichtig, 3) << "the exercise counts on";
    EXPECT_NE(out.find("history: "), std::string::npos);
    EXPECT_EQ(out.find("history: ", out.find("history: ") + 1), std::string::npos) << out;
}

TEST_F(HistoryOfWords, SpelledPitchesNameLetterAccidentalAndOctave) {
    struct Case {
        const char* what;
        int chroma;
        const char* name;
    } cases[] = {
        {"middle C", 22, "C4"},
        {"A above it", 37, "A4"},
        {"A sharp", 38, "A#4"},
        {"B flat", 39, "Bb4"},
        {"C flat belongs to C's octave", 21, "Cb4"},
        {"B sharp to B's", 41, "B#4"},
        {"bass middle C", 164, "C4"},
        {"bass C3", 143, "C3"},
        {"a rest", 95, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Verlauf::Buchstabiert(c.chroma), c.name) << c.what;
}

}  // namespace
