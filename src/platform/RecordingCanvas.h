#pragma once
// A canvas that records what is drawn, with the drawing state of each call, so that
// geometry can be tested without pixels.

#include <string>
#include <vector>

#include "platform/Canvas.h"

struct DrawCall {
    enum Kind { Clear, Rect, Oval, Line, Image, ImagePart, Text, Show } kind;
    float x = 0, y = 0, width = 0, height = 0;  // Line: x, y to width, height as (x2, y2)
    int cell = 0;
    int sourceX = 0, sourceY = 0, sourceWidth = 0, sourceHeight = 0;
    std::string imageName;  // or the text drawn
    DrawState state;
};

class RecordingCanvas : public Canvas {
  public:
    RecordingCanvas(int width = 1120, int height = 700) : width_(width), height_(height) {}

    int width() const override { return width_; }
    int height() const override { return height_; }
    void resize(int width, int height) { width_ = width, height_ = height; }
    void clear(Colour colour) override;
    void rect(float x, float y, float width, float height) override;
    void oval(float x, float y, float width, float height) override;
    void line(float x1, float y1, float x2, float y2) override;
    void image(const ::Image* image, float x, float y, int cell) override;
    void imagePart(const ::Image* image, float x, float y, float width, float height, int sourceX,
                   int sourceY, int sourceWidth, int sourceHeight) override;
    void text(const std::string& text, float x, float y) override;
    void show() override;

    std::vector<DrawCall> calls;
    int framesShown = 0;

  private:
    DrawCall& add(DrawCall::Kind kind, float x, float y, float width, float height);
    int width_, height_;
};
