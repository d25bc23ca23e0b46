#pragma once
// Records one frame's drawing calls and hands them to the real canvas at the end. On a
// canvas that still shows the last frame, only what changed is drawn again: the calls of
// the two frames are compared in order, the places of the calls that differ make the
// changed parts, and only those parts are rastered (every call that reaches into them,
// clipped to them) and shown. A frame drawn exactly like the last one is neither rastered
// nor shown, so an idle window costs next to nothing, and a scrolling staff costs its own
// strip of the window, not the whole window. On every other canvas (the recording canvas
// of the tests) each frame is drawn and shown whole, as it was recorded.

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
    int framesDrawnInParts = 0;  // of framesDrawn: those drawn again only where they changed
    // The parts drawn again in the last frame drawn in parts.
    const std::vector<ClipRect>& lastParts() const { return parts_; }

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
    // The canvas pixels a call may touch, as [x0, x1) × [y0, y1); empty when x0 >= x1.
    struct Box {
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        bool empty() const { return x0 >= x1 || y0 >= y1; }
        long area() const { return empty() ? 0 : long(x1 - x0) * (y1 - y0); }
    };
    static Box unite(const Box& a, const Box& b);
    static Box intersect(const Box& a, const Box& b);
    Box bounds(const Call& call) const;
    // The parts where this frame differs from the last one shown.
    std::vector<Box> changedParts() const;
    void addPart(std::vector<Box>& parts, Box box) const;
    void drawWhole();
    void drawParts(const std::vector<Box>& parts);
    void add(Call call);
    void replay(const Call& call);

    Canvas* target_ = nullptr;
    const Canvas* shownOn_ = nullptr;  // the canvas that shows `last_`
    int width_ = 0, height_ = 0, shownWidth_ = 0, shownHeight_ = 0;
    std::vector<Call> calls_, last_;
    std::vector<Box> callBounds_, lastBounds_;  // bounds() of each call in calls_, last_
    std::vector<ClipRect> parts_;
};
