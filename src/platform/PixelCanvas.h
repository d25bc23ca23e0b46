#pragma once
// A canvas drawn into a picture in memory, without a screen or a toolkit: for pictures
// the program writes to files (the lesson preview's staff) and for pixel tests. It draws
// like the Qt canvas: rectangles and lines unsmoothed, ovals smoothed, pictures and text
// tinted by the drawing colour and stretched smoothly by the scale.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Canvas.h"

class PixelCanvas : public Canvas {
  public:
    PixelCanvas(int width, int height);

    int width() const override { return width_; }
    int height() const override { return height_; }
    void clear(Colour colour) override;
    void rect(float x, float y, float width, float height) override;
    void oval(float x, float y, float width, float height) override;
    void line(float x1, float y1, float x2, float y2) override;
    void image(const Image* image, float x, float y, int cell = 0) override;
    void imagePart(const Image* image, float x, float y, float width, float height, int sourceX,
                   int sourceY, int sourceWidth, int sourceHeight) override;
    void text(const std::string& text, float x, float y) override;

    // The colour at a pixel (black outside the picture).
    Colour pixel(int x, int y) const;
    // The picture drawn so far, as an image another canvas can draw.
    std::shared_ptr<Image> picture(const std::string& name) const;
    // The picture as PNG bytes; empty when encoding fails (said on stdout).
    std::string png() const;

  private:
    // Lays a premultiplied source pixel over (x, y) by the current blend, within the clip.
    void put(int x, int y, float red, float green, float blue, float alpha);
    bool insideClip(int x, int y) const;
    std::vector<uint8_t> straightRgba() const;  // RGBA bytes, not premultiplied
    float opacity() const;
    // Stretches a block of premultiplied RGBA floats over a target rectangle.
    void stretch(const std::vector<float>& source, int sourceWidth, int sourceHeight, float x,
                 float y, float width, float height);

    int width_, height_;
    std::vector<float> pixels_;  // premultiplied RGBA, 0..1
};
