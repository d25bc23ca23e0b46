// Note letters typed on the computer keyboard, through the event loop.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "input/InputFixture.h"
#include "input/TastaturEingabe.h"
#include "lessons/Worte.h"

namespace {

using Step = std::pair<EventId, int>;
constexpr EventId Down = EventId::KeyDown, Up = EventId::KeyUp, Repeat = EventId::KeyRepeat;

struct KeyCase {
    const char* what;
    std::vector<Step> steps;
    std::vector<int> spellings;  // the named notes, in order
};

// Learn and see with a lesson holding every spelling once: each named note is written on
// the staff, so the staff shows which spelling arrived.
class KeyEntry : public InputTest, public ::testing::WithParamInterface<KeyCase> {
  protected:
    void SetUp() override {
        InputTest::SetUp();
        std::string noten;
        for (int chroma = 21; chroma <= 41; ++chroma)
            noten += (noten.empty() ? "" : "|") + std::to_string(chroma);
        useLesson(noten);
        menu(MDI::MENU_LEARN);
    }
};

TEST_P(KeyEntry, NamesTheSpelling) {
    const KeyCase& c = GetParam();
    ASSERT_EQ(Spiel::AktGrade, Spiel::Lernen);
    auto& liste = SpielFenster::Haupt->Liste;
    const size_t before = liste.size();
    for (const Step& step : c.steps) post(step.first, step.second);
    ASSERT_EQ(liste.size(), before + c.spellings.size()) << c.what;
    auto note = std::next(liste.begin(), static_cast<long>(before));
    for (int spelling : c.spellings) EXPECT_EQ((*note++)->ChromaPos % 21, spelling) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyEntry,
    ::testing::Values(
        KeyCase{"C", {{Down, 'C'}}, {1}}, KeyCase{"D", {{Down, 'D'}}, {4}},
        KeyCase{"E", {{Down, 'E'}}, {7}}, KeyCase{"F", {{Down, 'F'}}, {10}},
        KeyCase{"G", {{Down, 'G'}}, {13}}, KeyCase{"A", {{Down, 'A'}}, {16}},
        KeyCase{"H", {{Down, 'H'}}, {19}}, KeyCase{"B is H as well", {{Down, 'B'}}, {19}},
        KeyCase{"up arrow held, D", {{Down, Key::Up}, {Down, 'D'}}, {5}},
        KeyCase{"down arrow held, D", {{Down, Key::Down}, {Down, 'D'}}, {3}},
        KeyCase{"up arrow held, C", {{Down, Key::Up}, {Down, 'C'}}, {2}},
        KeyCase{"up arrow held, E", {{Down, Key::Up}, {Down, 'E'}}, {8}},
        KeyCase{"down arrow held, H", {{Down, Key::Down}, {Down, 'H'}}, {18}},
        KeyCase{"down arrow held, C", {{Down, Key::Down}, {Down, 'C'}}, {0}},
        KeyCase{"up arrow released", {{Down, Key::Up}, {Up, Key::Up}, {Down, 'D'}}, {4}},
        KeyCase{
            "the arrow pressed last wins", {{Down, Key::Down}, {Down, Key::Up}, {Down, 'D'}}, {5}},
        KeyCase{"down held, up pressed and released: neither",
                {{Down, Key::Down}, {Down, Key::Up}, {Up, Key::Up}, {Down, 'D'}},
                {4}},
        KeyCase{"releasing a letter keeps the sharp",
                {{Down, Key::Up}, {Down, 'F'}, {Up, 'F'}, {Down, 'G'}},
                {11, 14}},
        KeyCase{"a held letter answers once", {{Down, 'D'}, {Repeat, 'D'}, {Repeat, 'D'}}, {4}},
        KeyCase{"a key-down repeated without a key-up answers once",
                {{Down, 'D'}, {Down, 'D'}, {Down, 'D'}},
                {4}},
        KeyCase{"a held letter does not hold back the next one",
                {{Down, 'D'}, {Down, 'E'}, {Down, 'D'}, {Down, 'E'}},
                {4, 7}},
        KeyCase{"a held letter answers again once let go",
                {{Down, 'D'}, {Down, 'D'}, {Up, 'D'}, {Down, 'D'}},
                {4, 4}},
        KeyCase{"typed twice", {{Down, 'D'}, {Up, 'D'}, {Down, 'D'}}, {4, 4}},
        KeyCase{"a digit", {{Down, Key::Digit0 + 1}}, {}},
        KeyCase{"the space bar", {{Down, Key::Space}}, {}},
        KeyCase{"letters outside the table", {{Down, 'I'}, {Down, 'X'}, {Down, 'Z'}}, {}},
        KeyCase{"key characters", {{EventId::KeyChar, 'd'}}, {}}));

TEST_F(InputTest, TypedLettersCountInPracticeWithoutTimeCredit) {
    useLesson("22|25|28");
    menu(MDI::MENU_SINGLE);
    auto note = waitForNote();
    ASSERT_NE(note, nullptr);
    const char letters[] = {'?', 'C', '?', '?', 'D', '?', '?', 'E'};
    const int64_t zeit = Spiel::SpielerZeit;
    key(letters[note->ChromaPos % 21]);
    EXPECT_EQ(Spiel::SpielerRichtig, 1);
    EXPECT_EQ(Spiel::SpielerZeit, zeit);
}

// Holding the right letter through the platform's key repeat (key-downs with no key-up,
// as some platforms send them) counts one right answer, never a wrong one for the next
// note.
TEST_F(InputTest, AHeldLetterAnswersOnceInPractice) {
    useLesson("22|25|28");
    menu(MDI::MENU_SINGLE);
    auto note = waitForNote();
    ASSERT_NE(note, nullptr);
    const char letters[] = {'?', 'C', '?', '?', 'D', '?', '?', 'E'};
    const int letter = letters[note->ChromaPos % 21];
    post(EventId::KeyDown, letter);
    for (int i = 0; i < 90; ++i) {  // 1.5 s of ticks with a repeat on each
        tick();
        post(EventId::KeyDown, letter);
    }
    EXPECT_EQ(Spiel::SpielerRichtig, 1);
    EXPECT_EQ(Spiel::SpielerFalsch, 0);
    post(EventId::KeyUp, letter);
}

TEST_F(InputTest, InTheWordExerciseLettersGoToTheWordEntry) {
    useLesson("22|25|28");
    menu(MDI::MENU_WORDS);
    ASSERT_EQ(Spiel::SpielMode, Spiel::Woerter);
    for (int letter : {'C', 'D', 'E', 'H'}) key(letter);
    EXPECT_EQ(Spiel::SpielerRichtig + Spiel::SpielerFalsch, 0);
    EXPECT_EQ(TastenFeldTyp::WieOftFalsch, 0);
    EXPECT_EQ(LosungWort, "CDEH");
    post(EventId::KeyDown, Key::Down);
    EXPECT_EQ(TastaturEingabe::MitBee, 1) << "the arrows are still kept";
    EXPECT_EQ(LosungWort, "CDEH") << "the arrows type nothing";
}

TEST(KeyLetters, FollowGermanUsage) {
    const std::string letters = "CDEFGAHB";
    const int spellings[] = {1, 4, 7, 10, 13, 16, 19, 19};
    for (int k = 0; k < 8; ++k) EXPECT_EQ(TastaturEingabe::Buchstabe(letters[k]), spellings[k]);
    for (int other :
         {int{'I'}, int{'J'}, int{'Z'}, int{'0'}, Key::Space, Key::Up, Key::Down, int{'b'}})
        EXPECT_EQ(TastaturEingabe::Buchstabe(other), -1);
}

}  // namespace
