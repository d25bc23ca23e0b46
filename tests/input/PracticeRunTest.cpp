// A whole practice of single notes answered through the real event loop, by typed letters
// and by clicks on the note-name buttons, with wrong tries on the way.

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <string>

#include "input/InputFixture.h"

namespace {

using T = TastenFeldTyp;

class PracticeRun : public InputTest {
  protected:
    // Answers with spelling s: a click on its button, or its letter typed.
    void answer(int s, bool mitMaus) {
        if (mitMaus) {
            clickButton(s);
        } else {
            static const char letters[] = "?C??D??E??F??G??A??H?";
            key(letters[s]);
            tick();
        }
    }

    // The colours of the 21 names in the frame just shown.
    std::array<Colour, 21> drawnNameColours() {
        std::array<Colour, 21> farben{};
        const auto& calls = HeadlessGui::record(MDI::Canvas)->canvas->calls;
        size_t k = 0;
        while (k < calls.size() && !(calls[k].kind == DrawCall::Image && isField(calls[k]))) ++k;
        EXPECT_LT(k, calls.size()) << "the field is drawn";
        for (int i = 0; i < 21 && k < calls.size(); ++k)
            if (calls[k].kind == DrawCall::Text) farben[i++] = calls[k].state.colour;
        return farben;
    }
    static bool isField(const DrawCall& call) {
        std::string name = call.imageName;
        for (char& ch : name) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        return name.find("tastenfeld") != std::string::npos;
    }
};

const Colour kPlain{1, 1, 1}, kRot{255, 0, 0}, kGruen{0, 155, 0}, kGrau{151, 151, 151};

TEST_F(PracticeRun, LettersAndButtonsAnswerToTheEnd) {
    useLesson("22|25|28|31|34");  // C D E F G
    menu(MDI::MENU_SINGLE);
    ASSERT_EQ(Spiel::SpielMode, Spiel::EinzelNoten);
    ASSERT_EQ(Spiel::AktGrade, Spiel::Ueben);
    const int64_t beginn = Spiel::SpielerZeit;
    const int kNoten = 12;
    int falscheNoten = 0, klicks = 0;

    for (int n = 0; n < kNoten; ++n) {
        SCOPED_TRACE("note " + std::to_string(n));
        auto note = waitForNote();
        ASSERT_NE(note, nullptr);
        const int richtig = note->ChromaPos % 21;
        const bool mitMaus = n % 2 == 1;

        if (n % 3 == 0) {
            const int falsch = richtig == 1 ? 4 : 1;  // C, or D when C is asked
            answer(falsch, mitMaus);
            EXPECT_EQ(Spiel::SpielerFalsch, falscheNoten + 1);
            EXPECT_EQ(note->ErrorCheck, 1);
            std::array<Colour, 21> farben = drawnNameColours();
            EXPECT_EQ(farben[falsch], kRot);
            EXPECT_EQ(farben[richtig], kPlain);

            answer(falsch, mitMaus);
            EXPECT_EQ(Spiel::SpielerFalsch, falscheNoten + 1) << "one mistake per note";
            farben = drawnNameColours();
            EXPECT_EQ(farben[falsch], kRot);
            EXPECT_EQ(farben[richtig], kGruen);
            ++falscheNoten;
        }

        const int64_t zeit = Spiel::SpielerZeit;
        answer(richtig, mitMaus);
        EXPECT_EQ(Spiel::SpielerRichtig, n + 1);
        EXPECT_EQ(note->Aktiv, 0);
        EXPECT_EQ(Spiel::SpielerZeit - zeit, mitMaus ? 300 : 0) << "time credit";
        if (mitMaus) ++klicks;
        EXPECT_EQ(T::WieOftFalsch, 0);
        EXPECT_EQ(T::ShowAsRichtig, -1);
        const std::array<Colour, 21> farben = drawnNameColours();
        for (int s : {1, 4, 7, 10, 13}) EXPECT_EQ(farben[s], kPlain) << "marks cleared";
        EXPECT_EQ(farben[16], kGrau) << "A is not in the lesson";
    }

    EXPECT_EQ(Spiel::SpielerRichtig, kNoten);
    EXPECT_EQ(Spiel::SpielerFalsch, falscheNoten);
    EXPECT_EQ(falscheNoten, 4);
    EXPECT_EQ(klicks, kNoten / 2);
    // The clock shows the time used, less 300 ms for every right click.
    EXPECT_EQ(clock.now - Spiel::SpielerZeit, clock.now - beginn - 300 * klicks);
}

}  // namespace
