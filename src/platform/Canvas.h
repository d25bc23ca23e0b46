#pragma once
// The drawing surface of the program. The drawing state (colour, alpha, blend, scale,
// origin, clip, font) lives here; the primitives are drawn by an implementation: Qt's
// back-buffer canvas in the program, a recording canvas in tests.
//
// Positions are canvas pixels relative to the origin; the scale stretches sizes (of
// rectangles, ovals, images, text and the extent of a line), not positions.

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "platform/Image.h"
#include "platform/ImageFont.h"

struct Colour {
    int r = 255, g = 255, b = 255;
    bool operator==(const Colour&) const = default;
};

enum class Blend { Solid, Alpha, Light, Shade };

struct ClipRect {
    int x = 0, y = 0, width = -1, height = -1;  // width < 0: the whole canvas
    bool operator==(const ClipRect&) const = default;
};

struct DrawState {
    Colour colour;
    float alpha = 1.0f;
    Blend blend = Blend::Solid;
    float scaleX = 1.0f, scaleY = 1.0f;
    float originX = 0.0f, originY = 0.0f;
    ClipRect clip;
    const ImageFont* font = nullptr;
    bool operator==(const DrawState&) const = default;
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    void setColour(int r, int g, int b) { state_.colour = {r, g, b}; }
    void setAlpha(float alpha) { state_.alpha = alpha < 0 ? 0 : alpha > 1 ? 1 : alpha; }
    void setBlend(Blend blend) { state_.blend = blend; }
    void setScale(float x, float y) { state_.scaleX = x, state_.scaleY = y; }
    void setOrigin(float x, float y) { state_.originX = x, state_.originY = y; }
    void setClip(int x, int y, int width, int height) { state_.clip = {x, y, width, height}; }
    void resetClip() { state_.clip = {}; }
    void setFont(const ImageFont* font) { state_.font = font; }
    const DrawState& state() const { return state_; }

    // Keeps the whole drawing state until the matching restore(); saves nest. Drawing code
    // uses DrawStateGuard rather than calling these by hand.
    void save() { saved_.push_back(state_); }
    void restore() {
        if (saved_.empty()) {
            std::cout << "canvas: restore without a saved drawing state, ignored" << std::endl;
            return;
        }
        state_ = saved_.back();
        saved_.pop_back();
    }
    size_t savedStates() const { return saved_.size(); }

    // Text measures in unscaled pixels of the current font; no font measures 0.
    int textWidth(const std::string& text) const {
        return state_.font ? state_.font->textWidth(text) : 0;
    }
    int textHeight(const std::string& text) const {
        return state_.font ? state_.font->textHeight(text) : 0;
    }

    virtual int width() const = 0;
    virtual int height() const = 0;
    // Fills the whole canvas (ignoring clip, alpha and blend) with one colour.
    virtual void clear(Colour colour) = 0;
    virtual void rect(float x, float y, float width, float height) = 0;
    virtual void oval(float x, float y, float width, float height) = 0;
    virtual void line(float x1, float y1, float x2, float y2) = 0;
    // One cell of an image with its top-left corner at (x, y). No image draws nothing.
    virtual void image(const Image* image, float x, float y, int cell = 0) = 0;
    // The source rectangle of an image stretched to width × height (times the scale).
    virtual void imagePart(const Image* image, float x, float y, float width, float height,
                           int sourceX, int sourceY, int sourceWidth, int sourceHeight) = 0;
    // Text in the current font with its top-left corner at (x, y). No font draws nothing.
    virtual void text(const std::string& text, float x, float y) = 0;
    // Hands the finished frame to the screen without waiting for the display.
    virtual void show() {}
    // The same when only these parts of the frame were drawn again (on a canvas that
    // keeps its last frame); the rest of the screen still shows the last frame.
    virtual void showParts(const std::vector<ClipRect>& parts) {
        (void)parts;
        show();
    }
    // True when the canvas still holds and shows the last frame after show(), so a
    // frame drawn exactly like it need not be drawn again (FrameRecorder).
    virtual bool keepsLastFrame() const { return false; }

  protected:
    DrawState state_;

  private:
    std::vector<DrawState> saved_;
};

// Saves the canvas's drawing state for the length of a scope and puts it back at the end,
// so drawing code may change colour, alpha, blend, scale, origin, clip and font freely.
class DrawStateGuard {
  public:
    explicit DrawStateGuard(Canvas& canvas) : canvas_(canvas) { canvas_.save(); }
    ~DrawStateGuard() { canvas_.restore(); }
    DrawStateGuard(const DrawStateGuard&) = delete;
    DrawStateGuard& operator=(const DrawStateGuard&) = delete;

  private:
    Canvas& canvas_;
};
