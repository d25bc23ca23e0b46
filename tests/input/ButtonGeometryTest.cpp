// Where the note-name button field answers: its zones in picture pixels, against the
// picture itself, and clicks through the event loop.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "data/Daten.h"
#include "input/InputFixture.h"

namespace {

using T = TastenFeldTyp;

// The cap face of button i, as the field draws its highlight: 74 x 57 pixels.
struct Face {
    int left, top, right, bottom;  // inclusive
};
Face faceOf(int i) {
    const int r = i / 3, c = i % 3;
    const int left = 96 * c + 20, top = 605 - 80 * r - 20 * c;
    return {left, top, left + 73, top + 56};
}

TEST(ButtonZones, EveryPixelOfAFaceAnswersAndNoPixelBesideIt) {
    for (int i = 0; i < 21; ++i) {
        SCOPED_TRACE("button " + std::to_string(i));
        const Face f = faceOf(i);
        for (int x = f.left; x <= f.right; ++x) {
            EXPECT_EQ(T::ZoneAt(x, f.top), i);
            EXPECT_EQ(T::ZoneAt(x, f.bottom), i);
            EXPECT_EQ(T::ZoneAt(x, f.top - 1), -1);
            EXPECT_EQ(T::ZoneAt(x, f.bottom + 1), -1);
        }
        for (int y = f.top; y <= f.bottom; ++y) {
            EXPECT_EQ(T::ZoneAt(f.left, y), i);
            EXPECT_EQ(T::ZoneAt(f.right, y), i);
            EXPECT_EQ(T::ZoneAt(f.left - 1, y), -1);
            EXPECT_EQ(T::ZoneAt(f.right + 1, y), -1);
        }
    }
}

struct ZoneCase {
    const char* what;
    int x, y;  // picture pixels
    int zone;
};

class ZoneTable : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(ZoneTable, FindsTheZoneUnderAPoint) {
    const ZoneCase& c = GetParam();
    EXPECT_EQ(T::ZoneAt(c.x, c.y), c.zone) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ZoneTable,
    ::testing::Values(
        ZoneCase{"middle of C flat", 57, 633, 0}, ZoneCase{"middle of C", 153, 613, 1},
        ZoneCase{"middle of C sharp", 249, 593, 2}, ZoneCase{"middle of D", 153, 533, 4},
        ZoneCase{"middle of B", 153, 153, 19}, ZoneCase{"middle of B sharp", 249, 113, 20},
        ZoneCase{"lower edge of the C flat cap", 57, 660, 0},
        ZoneCase{"20 pixels above the C flat cap", 57, 585, -1},
        ZoneCase{"20 pixels above the B sharp cap", 249, 65, -1},
        ZoneCase{"between C flat and D flat", 57, 590, -1},
        ZoneCase{"between the flat and natural columns", 105, 500, -1},
        ZoneCase{"between the natural and sharp columns", 201, 500, -1},
        ZoneCase{"octave plate", 55, 73, T::kZoneOktave},
        ZoneCase{"octave plate, lowest ring", 24, 88, T::kZoneOktave},
        ZoneCase{"size button", 154, 52, T::kZoneGroesse},
        ZoneCase{"size button, lower edge", 154, 61, T::kZoneGroesse},
        ZoneCase{"empty zone 23", 249, 40, 23}, ZoneCase{"right strip", 330, 300, -1},
        ZoneCase{"column signs below the caps", 57, 690, -1},
        ZoneCase{"left of the picture", -1, 633, -1}, ZoneCase{"above the picture", 57, -1, -1},
        ZoneCase{"right of the picture", 370, 300, -1},
        ZoneCase{"below the picture", 57, 723, -1}));

// The live zones lie on the caps of the picture: every pixel of a live rectangle is part
// of a light key cap, and the panel shows 6 pixels beyond it on every side.
class ButtonPicture : public FreshProgramTest {};

TEST_F(ButtonPicture, TheLiveZonesLieOnTheCapsOfThePicture) {
    ::testing::internal::CaptureStdout();
    auto bild = LadeBild("Tastenfeld.png");
    ::testing::internal::GetCapturedStdout();
    ASSERT_TRUE(bild);
    ASSERT_EQ(bild->width(), 370);
    ASSERT_EQ(bild->height(), 723);
    auto luma = [&](int x, int y) {
        const uint8_t* p = &bild->rgba()[(static_cast<size_t>(y) * bild->width() + x) * 4];
        return (299 * p[0] + 587 * p[1] + 114 * p[2]) / 1000;
    };
    for (int i = 0; i < 21; ++i) {
        SCOPED_TRACE("button " + std::to_string(i));
        const Face f = faceOf(i);
        int darkest = 255;
        for (int x = f.left; x <= f.right; ++x)
            for (int y = f.top; y <= f.bottom; ++y) darkest = std::min(darkest, luma(x, y));
        EXPECT_GE(darkest, 140);
        const int midX = (f.left + f.right) / 2, midY = (f.top + f.bottom) / 2;
        EXPECT_LT(luma(f.left - 6, midY), 110);
        EXPECT_LT(luma(f.right + 6, midY), 110);
        EXPECT_LT(luma(midX, f.top - 6), 110);
        EXPECT_LT(luma(midX, f.bottom + 6), 110);
    }
}

class ButtonClicks : public InputTest {
  protected:
    void SetUp() override {
        InputTest::SetUp();
        useLesson("22|25|28");
        menu(MDI::MENU_SINGLE);
        ASSERT_EQ(Spiel::AktivInstrument, Spiel::Tastenfeld);
    }
};

TEST_F(ButtonClicks, AClickInTheMiddleOfEachButtonPressesIt) {
    for (int i = 0; i < 21; ++i) {
        pressAt(middleX(i), middleY(i));
        EXPECT_EQ(T::Pressed, i);
        release();
        EXPECT_EQ(T::Pressed, -1);
    }
}

struct MissCase {
    const char* what;
    int x, y;  // picture pixels
};

class ClickMisses : public ButtonClicks, public ::testing::WithParamInterface<MissCase> {};

TEST_P(ClickMisses, PressNothingSoundNothingAndChangeNothing) {
    const MissCase& c = GetParam();
    const float scale = T::Scale;
    const int oktave = T::Oktave;
    pressAt(c.x, c.y);
    EXPECT_EQ(T::Pressed, -1) << c.what;
    EXPECT_TRUE(SoundTyp::SoundListe.empty()) << c.what;
    EXPECT_EQ(Spiel::SpielerRichtig + Spiel::SpielerFalsch, 0) << c.what;
    EXPECT_EQ(T::Scale, scale) << c.what;
    EXPECT_EQ(T::Oktave, oktave) << c.what;
    EXPECT_EQ(Maus::DragWer, Maus::Keiner) << c.what;
    release();
}

INSTANTIATE_TEST_SUITE_P(Cases, ClickMisses,
                         ::testing::Values(MissCase{"between C flat and D flat", 57, 590},
                                           MissCase{"between two columns", 105, 450},
                                           MissCase{"right strip", 330, 300},
                                           MissCase{"below the caps", 150, 700},
                                           MissCase{"left of the picture", -20, 600},
                                           MissCase{"right of the picture", 400, 600},
                                           MissCase{"below the picture", 150, 760},
                                           MissCase{"empty zone 23", 249, 45}));

}  // namespace
