// The frame recorder on canvases that keep their last frame: a frame equal to the last one
// is skipped, and a changed frame drawn again only where it changed shows exactly what
// drawing it whole shows, on the memory canvas and on the Qt canvas.

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/FrameRecorder.h"
#include "platform/PixelCanvas.h"
#include "platform/QtPlatform.h"
#include "platform/qt/QtCanvas.h"

namespace {

// A memory canvas that keeps its last frame, as the screen's canvas does.
class KeptPixelCanvas : public PixelCanvas {
  public:
    using PixelCanvas::PixelCanvas;
    bool keepsLastFrame() const override { return true; }
    void show() override { ++wholeShows; }
    void showParts(const std::vector<ClipRect>& parts) override { shownParts.push_back(parts); }
    int wholeShows = 0;
    std::vector<std::vector<ClipRect>> shownParts;
};

std::string ReadFile(const char* path) {
    std::string bytes;
    if (FILE* file = std::fopen(path, "rb")) {
        char buffer[65536];
        size_t count;
        while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            bytes.append(buffer, count);
        std::fclose(file);
    }
    return bytes;
}

const ImageFont* Font() {
    static auto font = ImageFont::fromBytes(
        ReadFile("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"), "sans", 18,
        true);
    return font.get();
}

std::shared_ptr<Image> Picture() {
    std::vector<uint8_t> rgba;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 24; ++x)
            rgba.insert(rgba.end(), {uint8_t(x * 10), uint8_t(y * 20), 200, uint8_t(255 - x * 8)});
    return Image::fromPixels(24, 12, rgba, "gradient");
}

// Frame k of a small window: a background, a fixed panel, notes that scroll by fractional
// pixels, a marker that jumps, a counter that changes every third frame, a clipped and scaled
// picture that moves, two overlapping squares whose drawing order swaps, and a line.
void Scene(Canvas& canvas, int k, const Image* picture) {
    canvas.setAlpha(1.0f);
    canvas.setBlend(Blend::Solid);
    canvas.setColour(255, 255, 255);
    canvas.setScale(1.0f, 1.0f);
    canvas.setOrigin(0, 0);
    canvas.resetClip();
    canvas.clear({44, 55, 88});
    canvas.setColour(230, 220, 200);
    canvas.rect(10, 10, 140, 60);  // the paper, still
    canvas.setColour(20, 20, 20);
    for (int line = 0; line < 5; ++line) canvas.line(10, 20.0f + 8 * line, 150, 20.0f + 8 * line);
    canvas.setColour(200, 0, 0);
    canvas.rect(20.0f + 40 * (k % 3), 2, 6, 6);  // a marker that jumps: its old place shows paper
    canvas.setBlend(Blend::Alpha);
    for (int note = 0; note < 4; ++note)  // the scrolling notes
        canvas.oval(140 - 1.7f * k + 35 * note - 35, 22.0f + 5 * note, 9, 7);
    canvas.setFont(Font());
    canvas.setColour(255, 255, 0);
    canvas.text("Zeit " + std::to_string(k / 3), 160, 10);
    canvas.setClip(160, 40, 30, 30);
    canvas.setScale(1.5f, 1.5f);
    canvas.image(picture, 150.0f + k, 45);
    canvas.resetClip();
    canvas.setScale(1.0f, 1.0f);
    canvas.setBlend(Blend::Shade);
    const bool redFirst = k % 4 < 2;
    for (int square = 0; square < 2; ++square) {
        const bool red = (square == 0) == redFirst;
        canvas.setColour(red ? 255 : 80, red ? 60 : 200, 90);
        canvas.rect(red ? 20 : 26, 80, 12, 12);
    }
}

TEST(FrameRecorder, AFrameLikeTheLastIsNeitherDrawnNorShown) {
    auto picture = Picture();
    KeptPixelCanvas canvas(200, 100);
    FrameRecorder recorder;
    for (int round = 0; round < 3; ++round) {
        recorder.begin(canvas);
        Scene(recorder, 6, picture.get());
        recorder.finish();
    }
    EXPECT_EQ(recorder.framesDrawn, 1);
    EXPECT_EQ(recorder.framesSkipped, 2);
    EXPECT_EQ(canvas.wholeShows, 1);
    EXPECT_TRUE(canvas.shownParts.empty());
}

TEST(FrameRecorder, FramesDrawnInPartsShowWhatWholeFramesShow) {
    ASSERT_NE(Font(), nullptr);
    auto picture = Picture();
    KeptPixelCanvas kept(200, 100);
    FrameRecorder recorder;
    for (int k = 0; k < 24; ++k) {
        SCOPED_TRACE("frame " + std::to_string(k));
        recorder.begin(kept);
        Scene(recorder, k, picture.get());
        recorder.finish();
        PixelCanvas whole(200, 100);
        Scene(whole, k, picture.get());
        int wrong = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 200; ++x)
                if (!(kept.pixel(x, y) == whole.pixel(x, y)) && wrong++ < 3)
                    ADD_FAILURE() << "pixel " << x << ", " << y;
        EXPECT_EQ(wrong, 0);
    }
    EXPECT_EQ(kept.wholeShows, 1) << "only the first frame is drawn whole";
    EXPECT_EQ(recorder.framesDrawnInParts, 23);
    // The still paper's middle is never drawn again.
    for (const auto& parts : kept.shownParts)
        for (const ClipRect& part : parts)
            EXPECT_FALSE(part.x <= 60 && part.x + part.width > 60 && part.y <= 15 &&
                         part.y + part.height > 15)
                << part.x << ", " << part.y << " " << part.width << " x " << part.height;
}

TEST(FrameRecorder, ANewBackgroundOrSizeIsDrawnWhole) {
    auto picture = Picture();
    KeptPixelCanvas small(200, 100), large(300, 120);
    FrameRecorder recorder;
    recorder.begin(small);
    Scene(recorder, 0, picture.get());
    recorder.finish();
    recorder.begin(small);
    Scene(recorder, 0, picture.get());
    recorder.clear({0, 0, 0});  // everything changes
    recorder.finish();
    EXPECT_EQ(small.wholeShows, 2);
    recorder.begin(large);  // another canvas does not show the last frame
    Scene(recorder, 0, picture.get());
    recorder.finish();
    EXPECT_EQ(large.wholeShows, 1);
    EXPECT_EQ(recorder.framesDrawnInParts, 0);
}

// The same on the screen's canvas: one canvas fed by the recorder, one drawn whole.
TEST(FrameRecorder, OnTheQtCanvasFramesDrawnInPartsShowWhatWholeFramesShow) {
    ASSERT_NE(Font(), nullptr);
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    auto gui = makeQtGui(argc, argv);
    Gadget* window = gui->createWindow("test", 0, 0, 200, 200, nullptr, WindowStyle::Hidden);
    auto* kept = static_cast<QtCanvas*>(gui->canvasOf(gui->createCanvas(0, 0, 200, 100, window)));
    auto* whole =
        static_cast<QtCanvas*>(gui->canvasOf(gui->createCanvas(0, 100, 200, 100, window)));
    ASSERT_TRUE(kept && whole);
    auto picture = Picture();
    FrameRecorder recorder;
    for (int k = 0; k < 16; ++k) {
        SCOPED_TRACE("frame " + std::to_string(k));
        recorder.begin(*kept);
        Scene(recorder, k, picture.get());
        recorder.finish();
        Scene(*whole, k, picture.get());
        whole->show();
        EXPECT_EQ(kept->frame(), whole->frame());
    }
    EXPECT_EQ(recorder.framesDrawnInParts, 15);
}

}  // namespace
