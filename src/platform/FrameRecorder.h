#pragma once
// Records one frame's drawing calls and hands them to the real canvas at the end. A
// frame drawn exactly like the last one on a canvas that still shows it is neither
// rastered nor shown again, so an idle window costs next to nothing; on every other
// canvas (the recording canvas of the tests) each frame is drawn and shown as it was.

#include <string>
#include <vector>

#include "platform/Canvas.h"

class FrameRecorder : public Canvas {
  public:
    // Starts a frame for `target`, with its size and drawing state.
    void begin(Canvas& target);
    // Draws the frame on the target and shows it, unless the target still shows it; the
    // target keeps the frame's last drawing state.
    void finish();

    int framesDrawn = 0, framesSkipped = 0;

    int width() const override { return width_; }
    int height() const override { return height_; }
    void clear(Colour colour) override;
    void rect(float x, float y, float width, float height) override;
    void oval(float x, float y, float width, float height) override;
    void line(float x1, float y1, float x2, float y2) override;
    void image(const Image* image, float x, float y, int cell) override;
    void imagePart(const Image* image, float x, float y, float width, float height, int sourceX,
                   int sourceY, int sourceWidth, int sourceHeight) override;
    void text(const std::string& text, float x, float y) override;

  private:
    struct Call {
        enum Kind { Clear, Rect, Oval, Line, Image, ImagePart, Text } kind;
        float x, y, width, height;  // Line: from (x, y) to (width, height)
        const ::Image* image;
        int cell, sourceX, sourceY, sourceWidth, sourceHeight;
        std::string text;
        DrawState state;
        bool operator==(const Call&) const = default;
    };
    void add(Call call);
    void replay(const Call& call);

    Canvas* target_ = nullptr;
    const Canvas* shownOn_ = nullptr;  // the canvas that shows `last_`
    int width_ = 0, height_ = 0, shownWidth_ = 0, shownHeight_ = 0;
    std::vector<Call> calls_, last_;
};
