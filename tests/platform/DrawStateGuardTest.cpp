#include <gtest/gtest.h>

#include <memory>

#include "platform/Canvas.h"
#include "platform/FrameRecorder.h"
#include "platform/PixelCanvas.h"
#include "platform/QtPlatform.h"
#include "platform/RecordingCanvas.h"
#include "platform/qt/QtCanvas.h"

namespace {

// A drawing state unlike the start state in every field.
void changeEverything(Canvas& canvas) {
    // The guard keeps the font by its address; this one is never drawn with.
    const ImageFont* someFont = reinterpret_cast<const ImageFont*>(&canvas);
    canvas.setColour(10, 20, 30);
    canvas.setAlpha(0.25f);
    canvas.setBlend(Blend::Shade);
    canvas.setScale(2.5f, 0.5f);
    canvas.setOrigin(40, 50);
    canvas.setClip(1, 2, 3, 4);
    canvas.setFont(someFont);
}

void changeSome(Canvas& canvas) {
    canvas.setColour(200, 0, 0);
    canvas.setScale(3, 3);
    canvas.resetClip();
}

struct CanvasCase {
    const char* what;
    Canvas* (*make)();  // each test runs in a process of its own: the canvases are static
};

Canvas* recordingCanvas() {
    static RecordingCanvas canvas;
    return &canvas;
}

Canvas* pixelCanvas() {
    static PixelCanvas canvas(32, 32);
    return &canvas;
}

Canvas* frameRecorder() {
    static FrameRecorder canvas;
    return &canvas;
}

Canvas* qtCanvas() {
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<Gui> gui = makeQtGui(argc, argv);
    Gadget* window = gui->createWindow("test", 0, 0, 64, 64, nullptr, WindowStyle::Hidden);
    return gui->canvasOf(gui->createCanvas(0, 0, 64, 64, window));
}

class DrawStateGuards : public ::testing::TestWithParam<CanvasCase> {
  protected:
    void SetUp() override { canvas = GetParam().make(); }
    Canvas* canvas = nullptr;
};

TEST_P(DrawStateGuards, PutEveryFieldBackAtTheEndOfTheScope) {
    canvas->setColour(1, 2, 3);
    canvas->setBlend(Blend::Alpha);
    const DrawState before = canvas->state();
    {
        DrawStateGuard guard(*canvas);
        changeEverything(*canvas);
        ASSERT_NE(canvas->state(), before) << GetParam().what;
    }
    EXPECT_EQ(canvas->state(), before) << GetParam().what;
    EXPECT_EQ(canvas->savedStates(), 0u) << GetParam().what;
}

TEST_P(DrawStateGuards, NestPuttingBackTheStateOfTheirOwnStart) {
    const DrawState start = canvas->state();
    {
        DrawStateGuard outer(*canvas);
        changeEverything(*canvas);
        const DrawState outerState = canvas->state();
        {
            DrawStateGuard inner(*canvas);
            changeSome(*canvas);
            EXPECT_EQ(canvas->savedStates(), 2u) << GetParam().what;
        }
        EXPECT_EQ(canvas->state(), outerState) << GetParam().what << ": the inner guard";
        canvas->setAlpha(0.75f);
    }
    EXPECT_EQ(canvas->state(), start) << GetParam().what << ": the outer guard";
}

TEST_P(DrawStateGuards, RestoreWithoutSaveChangesNothing) {
    changeSome(*canvas);
    const DrawState before = canvas->state();
    canvas->restore();
    EXPECT_EQ(canvas->state(), before) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Canvases, DrawStateGuards,
                         ::testing::Values(CanvasCase{"the recording canvas", recordingCanvas},
                                           CanvasCase{"the pixel canvas", pixelCanvas},
                                           CanvasCase{"the frame recorder", frameRecorder},
                                           CanvasCase{"the Qt canvas", qtCanvas}),
                         [](const auto& info) { return "canvas" + std::to_string(info.index); });

TEST(DrawStateGuard, DrawingAfterTheScopeUsesTheStateFromBefore) {
    RecordingCanvas canvas;
    canvas.setColour(0, 0, 255);
    {
        DrawStateGuard guard(canvas);
        canvas.setColour(255, 0, 0);
        canvas.setScale(2, 2);
        canvas.rect(0, 0, 10, 10);
    }
    canvas.rect(0, 0, 10, 10);
    ASSERT_EQ(canvas.calls.size(), 2u);
    EXPECT_EQ(canvas.calls[0].state.colour, (Colour{255, 0, 0}));
    EXPECT_EQ(canvas.calls[0].state.scaleX, 2.0f);
    EXPECT_EQ(canvas.calls[1].state.colour, (Colour{0, 0, 255}));
    EXPECT_EQ(canvas.calls[1].state.scaleX, 1.0f);
}

TEST(DrawStateGuard, PixelsAfterTheScopeAreDrawnInTheStateFromBefore) {
    PixelCanvas canvas(20, 10);
    canvas.clear({0, 0, 0});
    canvas.setColour(0, 255, 0);
    {
        DrawStateGuard guard(canvas);
        canvas.setColour(255, 0, 0);
        canvas.setOrigin(10, 0);
        canvas.rect(0, 0, 5, 5);
    }
    canvas.rect(0, 0, 5, 5);
    EXPECT_EQ(canvas.pixel(12, 2), (Colour{255, 0, 0}));
    EXPECT_EQ(canvas.pixel(2, 2), (Colour{0, 255, 0})) << "the origin and colour are back";
}

}  // namespace
