#include <gtest/gtest.h>

#include <climits>

#include "music/Tonart.h"
#include "support/TestSupport.h"

namespace {

using Flags = std::array<int, 12>;
using Record = std::array<int, 9>;

struct SignatureCase {
    int key;
    Record record;  // C D E F G A B, width, kind
};

class Signatures : public ::testing::TestWithParam<SignatureCase> {};

TEST_P(Signatures, GiveLettersWidthAndKind) {
    EXPECT_EQ(VorzeichenFeld(GetParam().key), GetParam().record) << "key " << GetParam().key;
}

const SignatureCase kSignatureCases[] = {
    {0, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {1, {0, 1, 1, 0, 1, 1, 1, 100, 2}},
    {2, {1, 0, 0, 1, 0, 0, 0, 40, 1}},
    {3, {0, 0, 1, 0, 0, 1, 1, 60, 2}},
    {4, {1, 1, 0, 1, 1, 0, 0, 80, 1}},
    {5, {0, 0, 0, 0, 0, 0, 1, 20, 2}},
    {7, {0, 0, 0, 1, 0, 0, 0, 20, 1}},
    {8, {0, 1, 1, 0, 0, 1, 1, 80, 2}},
    {9, {1, 0, 0, 1, 1, 0, 0, 60, 1}},
    {10, {0, 0, 1, 0, 0, 0, 1, 40, 2}},
    {11, {1, 1, 0, 1, 1, 1, 0, 100, 1}},
    {6, {}},
    {12, {}},
    {-1, {}},
    {INT_MIN, {}},
    {INT_MAX, {}},
};
INSTANTIATE_TEST_SUITE_P(Cases, Signatures, ::testing::ValuesIn(kSignatureCases));

TEST(SignatureWidth, IsTwentyPixelsPerAccidental) {
    for (int key = 0; key < 12; ++key) {
        Record record = VorzeichenFeld(key);
        int altered = 0;
        for (int letter = 0; letter < 7; ++letter) altered += record[letter];
        EXPECT_EQ(record[7], 20 * altered) << "key " << key;
        EXPECT_EQ(record[8] == 0, altered == 0) << "key " << key;
    }
}

struct ScaleCase {
    int key;
    Flags altered;  // HatVorzeichen
    Flags inScale;  // IstAktivBeiTonart
};

class ScaleTables : public FreshProgramTest, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(ScaleTables, LoadTheRowsOfTheKey) {
    HatVorzeichenSetzen(GetParam().key);
    EXPECT_EQ(HatVorzeichen, GetParam().altered);
    EXPECT_EQ(IstAktivBeiTonart, GetParam().inScale);
}

const ScaleCase kScaleCases[] = {
    {0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {1, 0, 1, 0, 1, 1, 0, 1, 0, 1, 0, 1}},
    {1, {0, 0, 1, 0, 1, 0, 0, 1, 0, 1, 0, 1}, {1, 1, 0, 1, 0, 1, 1, 0, 1, 0, 1, 0}},
    {2, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}, {0, 1, 1, 0, 1, 0, 1, 1, 0, 1, 0, 1}},
    {5, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, {1, 0, 1, 0, 1, 1, 0, 1, 0, 1, 1, 0}},
    {11, {1, 0, 1, 0, 0, 1, 0, 1, 0, 1, 0, 0}, {0, 1, 0, 1, 1, 0, 1, 0, 1, 0, 1, 1}},
};
INSTANTIATE_TEST_SUITE_P(Cases, ScaleTables, ::testing::ValuesIn(kScaleCases));

// Every shipped key: the scale has seven notes, and a natural is altered exactly when it
// is left out of the scale while the signature names its letter.
class KeyScales : public FreshProgramTest {};

TEST_F(KeyScales, RowsAgreeWithTheSignatures) {
    const int letterOfNatural[12] = {0, -1, 1, -1, 2, 3, -1, 4, -1, 5, -1, 6};
    for (int key : {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11}) {
        HatVorzeichenSetzen(key);
        Record signature = VorzeichenFeld(key);
        int notes = 0;
        for (int pc = 0; pc < 12; ++pc) {
            notes += IstAktivBeiTonart[pc];
            int letter = letterOfNatural[pc];
            int expected = letter >= 0 ? signature[letter] : 0;
            EXPECT_EQ(HatVorzeichen[pc], expected) << "key " << key << " pitch class " << pc;
            if (HatVorzeichen[pc]) {
                EXPECT_EQ(IstAktivBeiTonart[pc], 0) << "key " << key << " pitch class " << pc;
            }
        }
        EXPECT_EQ(notes, 7) << "key " << key;
    }
}

TEST_F(KeyScales, KeysWithoutARowClearTheTables) {
    HatVorzeichenSetzen(2);
    ::testing::internal::CaptureStdout();
    for (int key : {6, 12, -1, INT_MIN}) {
        HatVorzeichenSetzen(key);
        EXPECT_EQ(HatVorzeichen, Flags{}) << key;
        EXPECT_EQ(IstAktivBeiTonart, Flags{}) << key;
    }
    std::string diagnostics = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(diagnostics.find("HatVorzeichen row 6 has 0 of 12"), std::string::npos)
        << diagnostics;
}

TEST(ScaleTablesAtStart, AreEmpty) {
    HatVorzeichen.fill(1);
    IstAktivBeiTonart.fill(1);
    SetzeStartwerteTonart();
    EXPECT_EQ(HatVorzeichen, Flags{});
    EXPECT_EQ(IstAktivBeiTonart, Flags{});
}

}  // namespace
