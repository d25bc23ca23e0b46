#include <gtest/gtest.h>

#include "data/Daten.h"
#include "data/Files.h"
#include "music/ChromaTyp.h"
#include "music/Tonart.h"
#include "music/Transposer.h"
#include "settings/IniClass.h"
#include "support/TestSupport.h"
#include "support/ZipWriter.h"

namespace {

class TableFile : public FreshProgramTest {
  protected:
    std::string read(const std::string& section, const std::string& key) {
        return IniClass::Lesen(DatenPfad + "Listen.ini", section, key);
    }
};

TEST_F(TableFile, IsSingleByteTextWithCarriageReturnLineFeeds) {
    std::string bytes = Files::readBytes(DatenPfad + "Listen.ini").value_or("");
    ASSERT_FALSE(bytes.empty());
    EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
        }
        if (bytes[i] == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at " << i;
        }
    }
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

TEST_F(TableFile, GeneralMidiNamesRunFromZeroTo87) {
    EXPECT_EQ(read("GM", "0"), "Acoustic Grand Piano");
    EXPECT_EQ(read("GM", "24"), "Acoustic Guitar");
    EXPECT_EQ(read("GM", "40"), "Violin");
    EXPECT_EQ(read("GM", "82"), "Calliope Lead ");  // the trailing blank belongs to it
    EXPECT_EQ(read("GM", "87"), "Lead and Bass");
    EXPECT_EQ(read("GM", "88"), "");
    for (int key = 0; key <= 87; ++key)
        EXPECT_FALSE(read("GM", std::to_string(key)).empty()) << "GM " << key;
}

TEST_F(TableFile, RowsTheProgramDoesNotUseAreAbsent) {
    EXPECT_EQ(read("Transposer", "Einfach6"), "");
    EXPECT_EQ(read("HatVorzeichen", "6"), "");
    EXPECT_EQ(read("TonartAktiv", "6"), "");
    EXPECT_EQ(read("NotenScroll", "24"), "");
    EXPECT_EQ(read("NotenScroll", "0"), "0|2|-1|{{TON_0}}");
}

// A hand-edited or damaged table never makes the program index outside its arrays.
TEST_F(TableFile, BrokenRowsAreReadAsFarAsTheyGoAndReported) {
    registerFixtureArchive(makeZip({{"Listen.ini",
                                     "[NotenScroll]\r\n0=0|2|-1|x\r\n1=0|0\r\n2=abc\r\n"
                                     "[NotenNamen]\r\nTyp0=Cb|C\r\n"
                                     "[Transposer]\r\nEinfach2=-20|25|-1\r\nEinfach3=999999|x\r\n"
                                     "[HatVorzeichen]\r\n2=1|0|0\r\n"}}));
    ::testing::internal::CaptureStdout();
    ChromaTyp::StartUp();
    Transposer::LoadDefinitions();
    HatVorzeichenSetzen(2);
    std::string diagnostics = ::testing::internal::GetCapturedStdout();

    EXPECT_EQ(ChromaTyp::Midi(0), 47);
    EXPECT_EQ(ChromaTyp::Midi(1), 48);  // the missing semitones read as 0
    EXPECT_EQ(ChromaTyp::Y(2), 0);
    EXPECT_EQ(ChromaTyp::Name(1), "c");
    EXPECT_EQ(ChromaTyp::Name(20), "");  // no list names B#

    for (int s = 0; s < 21; ++s) {
        for (int amount = 1; amount <= 11; ++amount) {
            int w = Transposer::Tonart[amount]->werte[s];
            EXPECT_TRUE(w >= 0 && w < 21) << amount << " " << s << " " << w;
        }
    }
    EXPECT_EQ(Transposer::Tonart[2]->werte[0], 1);   // -20 folds back to C
    EXPECT_EQ(Transposer::Tonart[2]->werte[2], 20);  // -1 folds back to B#
    EXPECT_EQ(Transposer::Umrechnen(22, 2), 25);
    EXPECT_EQ(Transposer::Umrechnen(22, 5), 22);  // no row: the note stays

    EXPECT_EQ(HatVorzeichen, (std::array<int, 12>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(IstAktivBeiTonart, (std::array<int, 12>{}));

    for (const char* said :
         {"NotenScroll row 1 has 2 of 3", "NotenScroll row 23 has 0 of 3",
          "note-name set 0 has 2 of 21", "row Einfach2 has 3 of 21", "row Einfach5 is missing",
          "HatVorzeichen row 2 has 3 of 12", "TonartAktiv row 2 has 0 of 12"})
        EXPECT_NE(diagnostics.find(said), std::string::npos) << said << "\n" << diagnostics;
}

}  // namespace
