// The keyboard chosen for a lesson, its keys, and the lesson's span with the greyed keys.
#include <gtest/gtest.h>

#include <set>

#include "PianoFixture.h"

namespace {

struct ChoiceCase {
    const char* what;
    const char* kurz;  // the short-keyboard setting; nullptr: absent
    int minMidi, maxMidi;
    int octaves;
    const char* startsWith;
    int lowest, highest;
};

class KeyboardChoice : public PianoTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(KeyboardChoice, HoldsTheLessonWithRoom) {
    const ChoiceCase& c = GetParam();
    if (c.kurz) IniClass::Schreiben("", "Allgemein", "KurzesKlavier", c.kurz);
    // A window large enough for every keyboard at 1.5, so that the rebuild keeps it there.
    gui.setShape(MDI::Window, 0, 0, 1800, 900);
    Programm::HandleEvent({EventId::WindowSize, MDI::Window});
    KlavierTyp::Scale = 1.5f;  // the scale survives a rebuild
    KlavierTyp::TastaturX = 345;
    KlavierTyp::PassendeTastatur(c.minMidi, c.maxMidi);
    EXPECT_EQ(KlavierTyp::Oktaven, c.octaves);
    EXPECT_EQ(KlavierTyp::KeyboardTyp, c.startsWith);
    ASSERT_EQ(KlavierTyp::Liste.size(), size_t(12 * c.octaves + 1));
    EXPECT_EQ(KlavierTyp::Liste.front().Midi, c.lowest);
    EXPECT_EQ(KlavierTyp::Liste.back().Midi, c.highest);
    EXPECT_EQ(KlavierTyp::Letzt, &KlavierTyp::Liste.back());
    EXPECT_EQ(KlavierTyp::TastaturB, KeyboardPicture::width(c.octaves));
    EXPECT_EQ(KlavierTyp::TastaturX, 200);
    EXPECT_EQ(KlavierTyp::TastaturY, 500);
    EXPECT_EQ(KlavierTyp::Scale, 1.5f);
    EXPECT_EQ(KlavierTyp::FirstLeft, nullptr);  // computed at the next draw
    EXPECT_FALSE(KlavierTyp::SpanneBerechnet);
    // Keys ascend by a semitone; the white ones take one column each.
    int midi = c.lowest - 1, column = -1;
    for (const KlavierTyp& taste : KlavierTyp::Liste) {
        EXPECT_EQ(taste.Midi, ++midi);
        if (taste.Typ != 2) EXPECT_EQ(taste.X, ++column) << taste.Midi;
        if (taste.Typ == 2) EXPECT_EQ(taste.X, column) << taste.Midi;
    }
    EXPECT_EQ(column, 7 * c.octaves);
    EXPECT_EQ(key(60)->X, KlavierTyp::MiddleC);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyboardChoice,
    ::testing::Values(ChoiceCase{"short keyboard off", "0", 60, 67, 6, "C", 24, 96},
                      ChoiceCase{"setting absent", nullptr, 36, 84, 6, "C", 24, 96},
                      ChoiceCase{"60 to 67: three octaves from F2", "1", 60, 67, 3, "F", 41, 77},
                      ChoiceCase{"55 to 72: three octaves just hold it", "1", 55, 72, 3, "F", 41,
                                 77},
                      ChoiceCase{"48 to 79: four octaves from C2", "1", 48, 79, 4, "C", 36, 84},
                      ChoiceCase{"57 to 78: four octaves from C3", "1", 57, 78, 4, "C", 48, 96},
                      ChoiceCase{"36 to 84: five octaves F1 to F6", "1", 36, 84, 5, "F", 29, 89},
                      ChoiceCase{"beyond every shape", "1", 10, 110, 5, "F", 29, 89},
                      ChoiceCase{"a lesson without notes", "1", 999, 0, 3, "F", 41, 77},
                      ChoiceCase{"any other value is on", "2", 60, 67, 3, "F", 41, 77}));

TEST_F(PianoTest, KeysFollowTheKeyTableOnBothKindsOfKeyboard) {
    struct Row {
        int midi, X, Xadd, Typ;
        const char* name;
    };
    // A "C" keyboard of four octaves from C2 (36): C3 is column 7.
    auto expectKeys = [this](const auto& rows) {
        for (const Row& r : rows) {
            const KlavierTyp* taste = key(r.midi);
            ASSERT_NE(taste, nullptr) << r.midi;
            EXPECT_EQ(taste->X, r.X) << r.midi;
            EXPECT_EQ(taste->Xadd, r.Xadd) << r.midi;
            EXPECT_EQ(taste->Typ, r.Typ) << r.midi;
            EXPECT_EQ(taste->Name, r.name) << r.midi;
        }
    };
    KlavierTyp::Create(4, 36);
    const Row c[] = {{48, 7, 1, 0, "C-H#"},    {49, 7, 13, 2, "C#-Db"},  {50, 8, -2, 1, "D-D"},
                     {51, 8, 15, 2, "D#-Eb"},  {52, 9, 0, 1, "E-Fb"},    {53, 10, 1, 0, "F-E#"},
                     {54, 10, 13, 2, "F#-Gb"}, {55, 11, -2, 1, "G-G"},   {56, 11, 14, 2, "G#-Ab"},
                     {57, 12, -1, 1, "A-A"},   {58, 12, 15, 2, "A#-Bb"}, {59, 13, 0, 1, "H-Cb"},
                     {84, 28, 1, 0, "C-H#"}};
    expectKeys(c);
    // An "F" keyboard of three octaves from F2 (41): C3 is column 4.
    KlavierTyp::Create(3, 36);
    const Row f[] = {{41, 0, 1, 0, "F-E#"}, {42, 0, 13, 2, "F#-Gb"}, {44, 1, 14, 2, "G#-Ab"},
                     {47, 3, 0, 1, "H-Cb"}, {48, 4, 1, 0, "C-H#"},   {49, 4, 13, 2, "C#-Db"},
                     {52, 6, 0, 1, "E-Fb"}, {53, 7, 1, 0, "F-E#"},   {77, 21, 1, 0, "C-H#"}};
    expectKeys(f);
    // A pattern below C1 starts at C1.
    KlavierTyp::Create(4, 12);
    EXPECT_EQ(KlavierTyp::OktavTranspose, 24);
    EXPECT_EQ(KlavierTyp::Liste.front().Midi, 24);
}

struct SpanCase {
    const char* what;
    const char* noten;
    bool kurz;
    int firstLeft, firstRight;
    std::set<int> forGood;    // greyed for the whole lesson
    std::set<int> onRequest;  // greyed only after a press on an unused key
};

class Span : public PianoTest, public ::testing::WithParamInterface<SpanCase> {};

TEST_P(Span, GreysTheKeysTheLessonDoesNotUse) {
    const SpanCase& c = GetParam();
    lesson(c.noten, c.kurz);
    KlavierTyp::FindeErlaubte();
    ASSERT_NE(KlavierTyp::FirstLeft, nullptr);
    ASSERT_NE(KlavierTyp::FirstRight, nullptr);
    EXPECT_EQ(KlavierTyp::FirstLeft->Midi, c.firstLeft);
    EXPECT_EQ(KlavierTyp::FirstRight->Midi, c.firstRight);
    std::set<int> forGood, onRequest;
    for (const KlavierTyp* taste : KlavierTyp::VerbotenListe)
        (taste->PermanentAus ? forGood : onRequest).insert(taste->Midi);
    EXPECT_EQ(forGood, c.forGood);
    EXPECT_EQ(onRequest, c.onRequest);
    // Keys outside the span are left to the veils.
    for (const KlavierTyp& taste : KlavierTyp::Liste)
        if (taste.Midi < c.firstLeft || taste.Midi > c.firstRight)
            EXPECT_EQ(taste.PermanentAus, 0) << taste.Midi;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Span,
    ::testing::Values(
        // D4 E4 F4 G4 A4: the span runs from C4 to B4.
        SpanCase{"D4 to A4", "25|28|31|34|37", true, 60, 71, {60, 61, 70, 71}, {63, 66, 68}},
        // C4 D4 E4: the E closes the span itself.
        SpanCase{"C4 to E4", "22|25|28", true, 60, 64, {}, {61, 63}},
        // F#4 and B4: the F opens the span, the B closes it.
        SpanCase{"F#4 and B4", "32|40", true, 65, 71, {65}, {67, 68, 69, 70}},
        // C6 and the top key C7 of the long keyboard: no key above it is greyed.
        SpanCase{"up to the top key",
                 "64|85",
                 false,
                 84,
                 96,
                 {},
                 {85, 86, 87, 88, 89, 90, 91, 92, 93, 94, 95}}));

TEST_F(PianoTest, ALessonWithoutAKeyOnTheKeyboardHasNoSpan) {
    for (const char* noten : {"", "86|88"}) {  // no notes; C#7 and D7 above the keyboards
        for (bool kurz : {false, true}) {
            SCOPED_TRACE(std::string("notes '") + noten + "', short " + (kurz ? "on" : "off"));
            lesson(noten, kurz);
            KlavierTyp::FindeErlaubte();
            EXPECT_EQ(KlavierTyp::FirstLeft, nullptr);
            EXPECT_EQ(KlavierTyp::FirstRight, nullptr);
            EXPECT_TRUE(KlavierTyp::VerbotenListe.empty());
            EXPECT_TRUE(KlavierTyp::SpanneBerechnet);
            // Every key then plays.
            EXPECT_TRUE(KlavierTyp::Erlaubt(61));
            EXPECT_TRUE(KlavierTyp::Erlaubt(KlavierTyp::Liste.front().Midi));
        }
    }
}

TEST_F(PianoTest, EveryLessonLoadRebuildsTheKeyboard) {
    lesson("25|28|31|34|37");
    KlavierTyp::FindeErlaubte();
    KlavierTyp::TastaturX = 400;
    KlavierTyp::TastaturY = 300;
    lesson("22|85");  // C4 to C7 on the short keyboard: five octaves
    EXPECT_EQ(KlavierTyp::Oktaven, 5);
    EXPECT_EQ(KlavierTyp::TastaturX, 200);
    EXPECT_EQ(KlavierTyp::TastaturY, 500);
    EXPECT_FALSE(KlavierTyp::SpanneBerechnet);
    EXPECT_TRUE(KlavierTyp::VerbotenListe.empty());
}

}  // namespace
