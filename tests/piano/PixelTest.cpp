// The keyboard as the screen shows it, through the Qt canvas: the long keyboard and a
// fitting one, each with greyed keys and a pressed key, at scale 1 and 1.5. With
// LESMORA_SHOTS set to a folder, each frame is also saved there as a PNG file.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>

#include <cstdlib>

#include "PianoFixture.h"
#include "platform/QtPlatform.h"
#include "platform/qt/QtCanvas.h"

namespace {

using namespace KeyboardPicture;

struct ShotCase {
    const char* file;
    bool kurz;
    float scale;
    int octaves;
};

class Pixels : public PianoTest, public ::testing::WithParamInterface<ShotCase> {
  protected:
    // Renders the piano alone on the program's background colour.
    QImage render(int width, int height) {
        static int argc = 1;
        static char name[] = "piano_tests";
        static char* argv[] = {name, nullptr};
        if (!qt) qt = makeQtGui(argc, argv);
        Gadget* window =
            qt->createWindow("piano", 0, 0, width, height, nullptr, WindowStyle::Hidden);
        Gadget* gadget = qt->createCanvas(0, 0, width, height, window);
        auto* canvas = static_cast<QtCanvas*>(qt->canvasOf(gadget));
        canvas->setAlpha(1);
        canvas->setColour(255, 255, 255);
        canvas->setScale(1, 1);
        canvas->clear({44, 55, 88});
        KlavierTyp::Draw(*canvas);
        canvas->show();
        QImage frame = canvas->frame().copy();
        qt->freeGadget(window);
        return frame;
    }
    // The pixel at key point (a, b).
    static QColor at(const QImage& frame, float a, float b) {
        const float s = KlavierTyp::Scale;
        return frame.pixelColor(static_cast<int>(KlavierTyp::TastaturX + a * s),
                                static_cast<int>(KlavierTyp::TastaturY + b * s));
    }
    // The middle of a white key's lower part, and of a black key.
    static std::pair<float, float> middle(int midi) {
        const KlavierTyp* taste = key(midi);
        if (taste->Typ == 2)
            return {float(WHITE_W * taste->X + taste->Xadd + BLACK_LEFT + BLACK_W / 2),
                    float(KEYS_TOP + BLACK_LENGTH / 2)};
        return {float(WHITE_W * taste->X + WHITE_LEFT + WHITE_W / 2),
                (BLACK_END + keyY(WHITE_BOTTOM)) / 2.0f};
    }
    static int brightness(const QColor& c) { return (c.red() + c.green() + c.blue()) / 3; }

    std::unique_ptr<Gui> qt;
};

TEST_P(Pixels, GreyedPressedAndPlainKeysLookApart) {
    const ShotCase& c = GetParam();
    lesson("25|28|31|34|37", c.kurz);  // D4 to A4
    menu(MDI::MENU_FLOATING);
    ASSERT_EQ(KlavierTyp::Oktaven, c.octaves);
    KlavierTyp::Scale = c.scale;
    KlavierTyp::TastaturX = 12 + static_cast<int>(ORIGIN_X * c.scale);
    KlavierTyp::TastaturY = 12;
    const int width = static_cast<int>((KlavierTyp::TastaturB + 85) * c.scale) + 30;
    const int height = static_cast<int>(250 * c.scale) + 20;

    // A press on C#4, which the lesson does not use, then E4 held down.
    click(61);
    mouseTo(pointOn(64));
    down();
    tick();
    ASSERT_EQ(key(64)->On, 1);
    clock.advance(1000);  // the greyed keys inside the span are at full strength
    const QImage pressed = render(width, height);
    if (const char* folder = std::getenv("LESMORA_SHOTS")) {
        QDir().mkpath(folder);
        pressed.save(QString(folder) + "/" + c.file);
    }

    // Keys of the lesson are plain ivory.
    for (int midi : {62, 65, 69})
        EXPECT_GT(brightness(at(pressed, middle(midi).first, middle(midi).second)), 225) << midi;
    // Greyed keys and veils: the veil's grey over ivory or black.
    for (int midi : {60, 71, KlavierTyp::Liste.front().Midi, KlavierTyp::Liste.back().Midi}) {
        const QColor grey = at(pressed, middle(midi).first, middle(midi).second);
        EXPECT_NEAR(brightness(grey), 174, 14) << midi;
    }
    for (int midi : {61, 63, 70}) {  // black keys greyed for good or on request
        const QColor grey = at(pressed, middle(midi).first, middle(midi).second);
        EXPECT_NEAR(brightness(grey), 128, 14) << midi;
    }
    // Middle C's dot.
    const QColor dot =
        at(pressed, WHITE_W * KlavierTyp::MiddleC + WHITE_LEFT + MIDDLE_C_DOT_IN_KEY + 2.5f,
           keyY(MIDDLE_C_DOT_TOP) + 2.5f);  // inside the 5-pixel dot
    EXPECT_EQ(dot, QColor(55, 255, 55));

    // Released, the pressed key's shading goes and nothing else changes.
    up();
    tick();
    const QImage released = render(width, height);
    const KlavierTyp* e = key(64);
    int darker = 0, elsewhere = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (pressed.pixel(x, y) == released.pixel(x, y)) continue;
            const float a = (x - KlavierTyp::TastaturX) / c.scale;
            if (a >= WHITE_W * e->X - 2 && a <= WHITE_W * e->X + WHITE_W + 5)
                darker +=
                    brightness(pressed.pixelColor(x, y)) < brightness(released.pixelColor(x, y));
            else
                ++elsewhere;
        }
    EXPECT_GT(darker, 100);
    EXPECT_EQ(elsewhere, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, Pixels,
                         ::testing::Values(ShotCase{"piano6_1.0.png", false, 1.0f, 6},
                                           ShotCase{"piano6_1.5.png", false, 1.5f, 6},
                                           ShotCase{"piano3_1.0.png", true, 1.0f, 3},
                                           ShotCase{"piano3_1.5.png", true, 1.5f, 3}));

}  // namespace
