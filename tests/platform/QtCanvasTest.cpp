#include <gtest/gtest.h>

#include "platform/QtPlatform.h"
#include "platform/qt/QtCanvas.h"

namespace {

class QtCanvasPixels : public ::testing::Test {
  protected:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "platform_tests";
        static char* argv[] = {name, nullptr};
        gui = makeQtGui(argc, argv);
        window = gui->createWindow("test", 0, 0, 200, 100, nullptr, WindowStyle::Hidden);
        canvasGadget = gui->createCanvas(0, 0, 200, 100, window);
        canvas = static_cast<QtCanvas*>(gui->canvasOf(canvasGadget));
        canvas->clear({0, 0, 0});
    }
    QColor pixel(int x, int y) {
        canvas->show();
        return canvas->frame().pixelColor(x, y);
    }
    std::shared_ptr<Image> whiteSquare(int size, int cells = 1) {
        std::vector<uint8_t> rgba(static_cast<size_t>(size) * cells * size * 4, 255);
        auto image = Image::fromPixels(size * cells, size, rgba, "square");
        return image;
    }
    std::unique_ptr<Gui> gui;
    Gadget* window = nullptr;
    Gadget* canvasGadget = nullptr;
    QtCanvas* canvas = nullptr;
};

TEST_F(QtCanvasPixels, ClearFillsWithTheColour) {
    canvas->clear({44, 55, 88});
    EXPECT_EQ(pixel(0, 0), QColor(44, 55, 88));
    EXPECT_EQ(pixel(199, 99), QColor(44, 55, 88));
}

TEST_F(QtCanvasPixels, RectangleUsesOriginScaleAndColour) {
    canvas->setColour(255, 0, 0);
    canvas->setOrigin(10, 20);
    canvas->setScale(2, 2);
    canvas->rect(5, 5, 10, 10);  // covers 15..35 x 25..45
    EXPECT_EQ(pixel(16, 26), QColor(255, 0, 0));
    EXPECT_EQ(pixel(34, 44), QColor(255, 0, 0));
    EXPECT_EQ(pixel(36, 26), QColor(0, 0, 0));
    EXPECT_EQ(pixel(14, 26), QColor(0, 0, 0));
}

TEST_F(QtCanvasPixels, AlphaBlendMixesAndSolidIgnoresAlpha) {
    canvas->clear({0, 0, 200});
    canvas->setColour(200, 0, 0);
    canvas->setAlpha(0.5f);
    canvas->setBlend(Blend::Alpha);
    canvas->rect(0, 0, 10, 10);
    QColor mixed = pixel(5, 5);
    EXPECT_NEAR(mixed.red(), 100, 2);
    EXPECT_NEAR(mixed.blue(), 100, 2);
    canvas->setBlend(Blend::Solid);
    canvas->rect(20, 0, 10, 10);
    EXPECT_EQ(pixel(25, 5), QColor(200, 0, 0));
}

TEST_F(QtCanvasPixels, ClipKeepsDrawingInside) {
    canvas->setColour(0, 255, 0);
    canvas->setClip(0, 0, 50, 50);
    canvas->rect(0, 0, 100, 100);
    EXPECT_EQ(pixel(49, 49), QColor(0, 255, 0));
    EXPECT_EQ(pixel(60, 10), QColor(0, 0, 0));
    canvas->resetClip();
    canvas->rect(60, 0, 5, 5);
    EXPECT_EQ(pixel(61, 1), QColor(0, 255, 0));
}

TEST_F(QtCanvasPixels, ImageIsTintedByTheColourAndCutIntoCells) {
    std::vector<uint8_t> rgba(20 * 10 * 4, 255);
    for (int y = 0; y < 10; ++y)
        for (int x = 10; x < 20; ++x) rgba[(y * 20 + x) * 4 + 3] = 0;  // cell 1 transparent
    auto sheet = Image::fromPixels(20, 10, rgba, "sheet");
    auto cells = Image::fromPng("", "none");
    EXPECT_EQ(cells, nullptr);
    canvas->setBlend(Blend::Alpha);
    canvas->setColour(3, 3, 3);
    canvas->image(sheet.get(), 0, 0, 0);
    EXPECT_EQ(pixel(5, 5), QColor(3, 3, 3));
    canvas->setColour(255, 255, 255);
    canvas->image(sheet.get(), 50, 0, 0);
    EXPECT_EQ(pixel(55, 5), QColor(255, 255, 255));
    canvas->imagePart(sheet.get(), 100, 0, 40, 20, 0, 0, 10, 10);  // stretched
    EXPECT_EQ(pixel(138, 18), QColor(255, 255, 255));
    canvas->image(nullptr, 0, 0, 0);  // no picture draws nothing
}

TEST_F(QtCanvasPixels, TextDrawsGlyphsInTheColourWithinItsWidth) {
    std::string fontBytes;
    {
        FILE* file =
            std::fopen("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf", "rb");
        ASSERT_NE(file, nullptr);
        char buffer[65536];
        size_t count;
        while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            fontBytes.append(buffer, count);
        std::fclose(file);
    }
    auto font = ImageFont::fromBytes(fontBytes, "arial.ttf", 24, true);
    ASSERT_TRUE(font);
    canvas->setFont(font.get());
    canvas->setBlend(Blend::Alpha);
    canvas->setColour(255, 255, 0);
    int width = canvas->textWidth("HH");
    EXPECT_GT(width, 20);
    EXPECT_EQ(canvas->textHeight("HH"), font->lineHeight());
    canvas->text("HH", 10, 10);
    canvas->show();
    const QImage& frame = canvas->frame();
    int lit = 0, outside = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) {
            QColor c = frame.pixelColor(x, y);
            if (c.red() > 200 && c.green() > 200 && c.blue() < 50) {
                ++lit;
                if (x < 10 || x > 10 + width) ++outside;
            }
        }
    EXPECT_GT(lit, 50);
    EXPECT_EQ(outside, 0);
}

}  // namespace
