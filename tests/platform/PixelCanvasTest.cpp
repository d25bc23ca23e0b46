// The canvas that draws into memory: where its primitives put their pixels, how they
// blend, and the PNG it writes.

#include <gtest/gtest.h>

#include "platform/Image.h"
#include "platform/PixelCanvas.h"

namespace {

TEST(PixelCanvas, RectanglesLieAtOriginPlusPositionWithScaledSize) {
    PixelCanvas canvas(40, 30);
    canvas.clear({255, 255, 255});
    canvas.setColour(200, 0, 0);
    canvas.setOrigin(10, 5);
    canvas.setScale(2, 3);
    canvas.rect(1, 1, 4, 2);  // x 11 to 18, y 6 to 11
    struct Row {
        int x, y;
        bool red;
        const char* what;
    };
    const Row rows[] = {{11, 6, true, "top left"},    {18, 11, true, "bottom right"},
                        {10, 6, false, "left of it"}, {19, 6, false, "right of it"},
                        {11, 12, false, "below it"},  {11, 5, false, "above it"}};
    for (const Row& row : rows)
        EXPECT_EQ(canvas.pixel(row.x, row.y) == (Colour{200, 0, 0}), row.red) << row.what;
}

TEST(PixelCanvas, ClipAlphaAndTintDecideWhatReachesThePicture) {
    PixelCanvas canvas(20, 20);
    canvas.clear({0, 0, 255});
    canvas.setClip(0, 0, 10, 20);
    canvas.setColour(255, 0, 0);
    canvas.setBlend(Blend::Alpha);
    canvas.setAlpha(0.5f);
    canvas.rect(0, 0, 20, 5);
    EXPECT_EQ(canvas.pixel(2, 2), (Colour{128, 0, 128})) << "half red over blue";
    EXPECT_EQ(canvas.pixel(12, 2), (Colour{0, 0, 255})) << "outside the clip nothing changes";

    canvas.resetClip();
    canvas.setAlpha(1);
    canvas.setColour(255, 128, 0);  // tints a white picture orange
    auto white = Image::fromPixels(2, 2, std::vector<uint8_t>(16, 255), "white");
    canvas.setScale(2, 2);
    canvas.image(white.get(), 10, 10);
    EXPECT_EQ(canvas.pixel(13, 13), (Colour{255, 128, 0})) << "a 2 x 2 picture at scale 2";
    EXPECT_EQ(canvas.pixel(14, 14), (Colour{0, 0, 255}));
}

TEST(PixelCanvas, AShrunkPictureAveragesItsPixels) {
    std::vector<uint8_t> stripes;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) {
            uint8_t v = x == 0 ? 0 : 255;
            stripes.insert(stripes.end(), {v, v, v, 255});
        }
    auto picture = Image::fromPixels(2, 2, stripes, "stripes");
    PixelCanvas canvas(4, 4);
    canvas.setScale(0.5f, 0.5f);
    canvas.image(picture.get(), 0, 0);
    EXPECT_EQ(canvas.pixel(0, 0), (Colour{128, 128, 128}));
}

TEST(PixelCanvas, ALongLineHasNoGaps) {
    PixelCanvas canvas(760, 20);
    canvas.clear({255, 255, 255});
    canvas.setColour(0, 0, 0);
    canvas.setOrigin(21, 0);
    canvas.line(0, 10, 738, 10);
    int inked = 0;
    for (int x = 0; x < 760; ++x) inked += canvas.pixel(x, 10) == (Colour{0, 0, 0}) ? 1 : 0;
    EXPECT_EQ(inked, 739) << "x 21 to 759, both ends included";
    EXPECT_EQ(canvas.pixel(20, 10), (Colour{255, 255, 255}));
    canvas.line(0, 0, 10, 10);  // a diagonal: one pixel per row
    for (int step = 0; step <= 10; ++step)
        EXPECT_EQ(canvas.pixel(21 + step, step), (Colour{0, 0, 0})) << step;
}

TEST(PixelCanvas, ItsPngReadsBackAsTheSamePicture) {
    PixelCanvas canvas(7, 5);
    canvas.clear({10, 20, 30});
    canvas.setColour(250, 240, 230);
    canvas.line(0, 4, 6, 4);
    auto back = Image::fromPng(canvas.png(), "roundtrip");
    ASSERT_TRUE(back);
    ASSERT_EQ(back->width(), 7);
    ASSERT_EQ(back->height(), 5);
    const auto& rgba = back->rgba();
    EXPECT_EQ(rgba[0], 10);
    EXPECT_EQ(rgba[2], 30);
    const size_t lastRow = 4 * 7 * 4;
    EXPECT_EQ(rgba[lastRow + 6 * 4], 250) << "the line reaches its end point";
    EXPECT_EQ(rgba[lastRow + 6 * 4 + 3], 255);
}

}  // namespace
