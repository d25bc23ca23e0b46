// Every lesson of every lesson book in the data archive: it loads with every staff and
// key the browser can choose, its notes are valid in their staff, and the random pool
// serves an exercise from it.

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

#include "data/Files.h"
#include "data/ZipArchive.h"
#include "lessons/LektionsBuch.h"
#include "lessons/LessonFixture.h"
#include "settings/ApiClass.h"

namespace {

const std::vector<int> kAlleTonarten = {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11};

std::vector<std::string> shippedLessonFiles() {
    std::vector<std::string> dateien;
    const ZipArchive* archiv = ZipArchive::registered("DATEN.ZIP");
    if (!archiv) return dateien;
    for (const std::string& member : archiv->members())
        if (asciiLower(member).find("lektionen.ini.") != std::string::npos)
            dateien.push_back(member);
    return dateien;
}

void useAsWorkingCopy(const std::string& member) {
    ASSERT_TRUE(Files::copy(DatenPfad + member, lessonFile())) << member;
    IniClass::UpdateIniFile(lessonFile());
}

std::string field(int nummer, const char* key) {
    return IniClass::Lesen(lessonFile(), lessonSection(nummer), key);
}

bool validInStaff(int chroma, int system) {
    if (!ChromaTyp::isPitch(chroma) || chroma == 0) return false;
    if (system == 1) return chroma <= 90;
    if (system == 2) return chroma >= 101;
    return system == 3;
}

// The choices the browser offers for a lesson: a staff for "?", a key for "?" or "T".
std::vector<std::pair<int, int>> choicesFor(int nummer) {
    std::vector<int> staffs = {0}, keys = {0};
    if (field(nummer, "System") == "?") staffs = {1, 2, 3};
    std::string tonart = field(nummer, "Tonart"), transpose = field(nummer, "Transpose");
    if (tonart == "?" || transpose == "?" || transpose == "T") keys = kAlleTonarten;
    std::vector<std::pair<int, int>> choices;
    for (int staff : staffs)
        for (int key : keys) choices.emplace_back(staff, key);
    return choices;
}

// Draws like the note feed: single notes with eighth pairs now and then, or two-hand
// bars of four quarters a hand, the left hand against the right. Returns the draws.
void drawAnExercise(const Lektion& lektion, CountingRandom& zaehler, const std::string& wo) {
    int gezogen = 0;
    auto ziehe = [&](int wunsch, int andere) {
        zaehler.draws = 0;
        int note = Lektion::GetZufallnote(wunsch, andere);
        ++gezogen;
        EXPECT_LE(zaehler.draws, Lektion::kMaxZuege + 1) << wo;
        EXPECT_EQ(lektion.IstInLektion(0, note, 0), 1) << wo << ": drew " << note;
        return note;
    };
    while (gezogen < 300) {
        if (lektion.AlsZweiHand == 1) {
            std::vector<int> oben;
            Lektion::ResetLektionsZufall();
            for (int i = 0; i < 4; ++i) oben.push_back(ChromaTyp::Midi(ziehe(1, 0)));
            Lektion::ResetLektionsZufall();
            for (int i = 0; i < 4; ++i) ziehe(2, oben[i]);
        } else {
            Lektion::VorherigeWarAchtel = gezogen % 5 == 1 ? 1 : 0;
            ziehe(0, 0);
        }
    }
    Lektion::VorherigeWarAchtel = 0;
}

TEST_F(LessonTest, EveryShippedLessonLoadsAndServesAnExercise) {
    std::vector<std::string> dateien = shippedLessonFiles();
    ASSERT_GE(dateien.size(), 5u);
    MersenneRandom dice;
    dice.seed(2024);
    CountingRandom zaehler(dice);
    useDice(zaehler);
    Spiel::AktGrade = Spiel::Ueben;
    Spiel::SpielerZeit = clock.now;
    for (const std::string& datei : dateien) {
        useAsWorkingCopy(datei);
        int lektionen = 0;
        for (int nummer = 1; nummer <= 99; ++nummer) {
            if (field(nummer, "Name").empty()) continue;
            ++lektionen;
            for (auto [staff, key] : choicesFor(nummer)) {
                std::string wo = datei + " lesson " + std::to_string(nummer) + " staff " +
                                 std::to_string(staff) + " key " + std::to_string(key);
                Transposer::Transpose = key;
                WechsleLektion(nummer, staff);
                const Lektion& l = *Lektion::AktLektion;
                ASSERT_GT(l.Anzahl, 0) << wo;
                ASSERT_LE(l.Anzahl, Lektion::kMaxNoten) << wo;
                ASSERT_TRUE(l.System >= 1 && l.System <= 3) << wo;
                EXPECT_TRUE(l.Level >= 1 && l.Level <= 5) << wo;
                EXPECT_TRUE(l.SpielZeit > 0 && l.MaxRichtig > 0 && l.MaxFalsch > 0) << wo;
                for (int i = 0; i < l.Anzahl; ++i) {
                    EXPECT_TRUE(validInStaff(l.Chroma[i], l.System))
                        << wo << ": note " << l.Chroma[i];
                    EXPECT_EQ(l.Midi[i], ChromaTyp::Midi(l.Chroma[i])) << wo;
                }
                drawAnExercise(l, zaehler, wo);
            }
        }
        EXPECT_GT(lektionen, 0) << datei;
    }
}

std::string pitchName(int midi, const Lektion& l) {
    for (int i = 0; i < l.Anzahl; ++i)
        if (l.Midi[i] == midi) return ChromaTyp::Name(l.Chroma[i]);
    return "-";
}

// The books and their lessons as the loader reads them, for the course overview.
TEST_F(LessonTest, ShippedBooksNameLessonFilesOfTheArchive) {
    OktavName = 2;  // "C4"
    std::vector<LektionsBuch> buecher = LektionsBuch::Alle();
    ASSERT_GE(buecher.size(), 4u);
    for (const LektionsBuch& buch : buecher) {
        EXPECT_FALSE(buch.Kurz.empty()) << buch.Sektion;
        EXPECT_TRUE(FileExists(DatenPfad + buch.Datei)) << buch.Datei;
        std::cout << "BOOK\t" << buch.Sektion << "\t" << buch.Kurz << "\t" << buch.Name << "\t"
                  << buch.Datei << "\t" << buch.Level << std::endl;
        useAsWorkingCopy(buch.Datei);
        int lektionen = 0;
        for (int nummer = 1; nummer <= 99; ++nummer) {
            if (field(nummer, "Name").empty()) continue;
            ++lektionen;
            WechsleLektion(nummer, 0);
            const Lektion& l = *Lektion::AktLektion;
            std::cout << "LESSON\t" << buch.Kurz << "\t" << nummer << "\t" << l.Name << "\t"
                      << l.Level << "\t" << field(nummer, "System") << "\t"
                      << field(nummer, "Tonart") << "/" << field(nummer, "Transpose") << "\t"
                      << pitchName(l.MinimumMidi, l) << "-" << pitchName(l.MaximumMidi, l) << "\t"
                      << l.Anzahl << "\t" << (l.AlsZweiHand == 1 ? "two hands" : "") << std::endl;
        }
        EXPECT_GT(lektionen, 0) << buch.Datei;
    }
    for (const std::string& datei : shippedLessonFiles()) {
        bool inEinemBuch = std::any_of(buecher.begin(), buecher.end(), [&](const LektionsBuch& b) {
            return asciiLower(b.Datei) == asciiLower(datei);
        });
        if (!inEinemBuch) std::cout << "FILE\t" << datei << "\tin no book" << std::endl;
    }
}

TEST_F(LessonTest, TheCurrentBookIsTheOneTheSettingNames) {
    EXPECT_FALSE(LektionsBuch::Aktuelles());  // no book chosen yet
    IniClass::Schreiben("", "Allgemein", "Buch", "DE 2");
    auto buch = LektionsBuch::Aktuelles();
    ASSERT_TRUE(buch);
    EXPECT_EQ(buch->Nummer, 2);
    EXPECT_EQ(buch->Datei, "BassLektionen.ini.de");
    EXPECT_EQ(buch->Kurz, "B");
    IniClass::Schreiben("", "Allgemein", "Buch", "DE 77");
    EXPECT_FALSE(LektionsBuch::Aktuelles());
}

TEST_F(LessonTest, TheStartUpCourseBeginsWithItsFirstLesson) {
    KopiereAppDateien();
    WechsleLektion(1, 0);
    const Lektion& l = *Lektion::AktLektion;
    EXPECT_EQ(Lektion::AktLektionNr, 1);
    EXPECT_GT(l.Anzahl, 0);
    EXPECT_FALSE(l.Name.empty());
    EXPECT_EQ(Lektion::ZufallAnzahl, 3 * l.Anzahl);
}

}  // namespace
