#include "platform/PixelCanvas.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iostream>

namespace {
int rounded(float value) {
    return static_cast<int>(std::lround(value));
}

// The premultiplied pixels of a picture's part, tinted by a colour.
std::vector<float> tintedPart(const Image& picture, int sourceX, int sourceY, int width, int height,
                              const Colour& colour) {
    std::vector<float> part(static_cast<size_t>(width) * height * 4, 0.0f);
    const std::vector<uint8_t>& rgba = picture.rgba();
    const float tint[3] = {colour.r / 255.0f, colour.g / 255.0f, colour.b / 255.0f};
    for (int y = 0; y < height; ++y) {
        const int from_y = sourceY + y;
        if (from_y < 0 || from_y >= picture.height()) continue;
        for (int x = 0; x < width; ++x) {
            const int from_x = sourceX + x;
            if (from_x < 0 || from_x >= picture.width()) continue;
            const uint8_t* in = &rgba[(static_cast<size_t>(from_y) * picture.width() + from_x) * 4];
            float* out = &part[(static_cast<size_t>(y) * width + x) * 4];
            const float alpha = in[3] / 255.0f;
            for (int c = 0; c < 3; ++c) out[c] = in[c] / 255.0f * tint[c] * alpha;
            out[3] = alpha;
        }
    }
    return part;
}
}  // namespace

PixelCanvas::PixelCanvas(int width, int height)
    : width_(std::max(1, width)),
      height_(std::max(1, height)),
      pixels_(static_cast<size_t>(width_) * height_ * 4, 0.0f) {
    clear({0, 0, 0});
}

void PixelCanvas::clear(Colour colour) {
    for (size_t i = 0; i < pixels_.size(); i += 4) {
        pixels_[i] = colour.r / 255.0f;
        pixels_[i + 1] = colour.g / 255.0f;
        pixels_[i + 2] = colour.b / 255.0f;
        pixels_[i + 3] = 1.0f;
    }
}

float PixelCanvas::opacity() const {
    return state_.blend == Blend::Solid ? 1.0f : state_.alpha;
}

bool PixelCanvas::insideClip(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
    const ClipRect& clip = state_.clip;
    if (clip.width < 0) return true;
    return x >= clip.x && y >= clip.y && x < clip.x + clip.width && y < clip.y + clip.height;
}

void PixelCanvas::put(int x, int y, float red, float green, float blue, float alpha) {
    if (!insideClip(x, y)) return;
    const float o = opacity();
    red *= o, green *= o, blue *= o, alpha *= o;
    if (alpha <= 0) return;
    float* d = &pixels_[(static_cast<size_t>(y) * width_ + x) * 4];
    const float source[4] = {red, green, blue, alpha};
    for (int c = 0; c < 4; ++c) {
        float result;
        switch (state_.blend) {
            case Blend::Light:  // added light
                result = d[c] + source[c];
                break;
            case Blend::Shade:  // multiplied, as paint over paint
                result = source[c] * d[c] + source[c] * (1 - d[3]) + d[c] * (1 - alpha);
                break;
            default:  // laid over
                result = source[c] + d[c] * (1 - alpha);
                break;
        }
        d[c] = std::clamp(result, 0.0f, 1.0f);
    }
}

void PixelCanvas::rect(float x, float y, float width, float height) {
    const float left = state_.originX + x, top = state_.originY + y;
    const int x0 = rounded(left), x1 = rounded(left + width * state_.scaleX);
    const int y0 = rounded(top), y1 = rounded(top + height * state_.scaleY);
    const Colour& c = state_.colour;
    for (int py = std::min(y0, y1); py < std::max(y0, y1); ++py)
        for (int px = std::min(x0, x1); px < std::max(x0, x1); ++px)
            put(px, py, c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, 1.0f);
}

void PixelCanvas::oval(float x, float y, float width, float height) {
    const float left = state_.originX + x, top = state_.originY + y;
    const float w = width * state_.scaleX, h = height * state_.scaleY;
    if (w <= 0 || h <= 0) return;
    const float cx = left + w / 2, cy = top + h / 2, rx = w / 2, ry = h / 2;
    const Colour& c = state_.colour;
    constexpr int kSamples = 4;  // per axis, for smooth edges
    for (int py = static_cast<int>(std::floor(top)); py < std::ceil(top + h); ++py) {
        for (int px = static_cast<int>(std::floor(left)); px < std::ceil(left + w); ++px) {
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx) {
                    const float dx = (px + (sx + 0.5f) / kSamples - cx) / rx;
                    const float dy = (py + (sy + 0.5f) / kSamples - cy) / ry;
                    if (dx * dx + dy * dy <= 1) ++inside;
                }
            const float cover = static_cast<float>(inside) / (kSamples * kSamples);
            if (cover > 0)
                put(px, py, c.r / 255.0f * cover, c.g / 255.0f * cover, c.b / 255.0f * cover,
                    cover);
        }
    }
}

void PixelCanvas::line(float x1, float y1, float x2, float y2) {
    const float startX = state_.originX + x1, startY = state_.originY + y1;
    int x = static_cast<int>(std::floor(startX)), y = static_cast<int>(std::floor(startY));
    const int endX = static_cast<int>(std::floor(startX + (x2 - x1) * state_.scaleX));
    const int endY = static_cast<int>(std::floor(startY + (y2 - y1) * state_.scaleY));
    const Colour& c = state_.colour;
    // Bresenham: one pixel per step along the longer axis, both end points included.
    const int dx = std::abs(endX - x), dy = -std::abs(endY - y);
    const int stepX = x < endX ? 1 : -1, stepY = y < endY ? 1 : -1;
    int error = dx + dy;
    while (true) {
        put(x, y, c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, 1.0f);
        if (x == endX && y == endY) break;
        const int twice = 2 * error;
        if (twice >= dy) error += dy, x += stepX;
        if (twice <= dx) error += dx, y += stepY;
    }
}

void PixelCanvas::image(const Image* picture, float x, float y, int cell) {
    if (!picture) return;
    int sourceX, sourceY;
    picture->cellOrigin(cell, sourceX, sourceY);
    imagePart(picture, x, y, static_cast<float>(picture->cellWidth()),
              static_cast<float>(picture->cellHeight()), sourceX, sourceY, picture->cellWidth(),
              picture->cellHeight());
}

void PixelCanvas::imagePart(const Image* picture, float x, float y, float width, float height,
                            int sourceX, int sourceY, int sourceWidth, int sourceHeight) {
    if (!picture || sourceWidth <= 0 || sourceHeight <= 0) return;
    stretch(tintedPart(*picture, sourceX, sourceY, sourceWidth, sourceHeight, state_.colour),
            sourceWidth, sourceHeight, state_.originX + x, state_.originY + y,
            width * state_.scaleX, height * state_.scaleY);
}

void PixelCanvas::stretch(const std::vector<float>& source, int sourceWidth, int sourceHeight,
                          float x, float y, float width, float height) {
    const int atX = rounded(x), atY = rounded(y);
    const int targetWidth = rounded(width), targetHeight = rounded(height);
    if (targetWidth <= 0 || targetHeight <= 0) return;
    const float stepX = static_cast<float>(sourceWidth) / targetWidth;
    const float stepY = static_cast<float>(sourceHeight) / targetHeight;
    // Each target pixel averages the source area it covers (a box filter).
    for (int ty = 0; ty < targetHeight; ++ty) {
        const float fromY = ty * stepY, toY = fromY + stepY;
        for (int tx = 0; tx < targetWidth; ++tx) {
            if (!insideClip(atX + tx, atY + ty)) continue;
            const float fromX = tx * stepX, toX = fromX + stepX;
            float sum[4] = {0, 0, 0, 0};
            float weights = 0;
            for (int sy = static_cast<int>(fromY); sy < std::ceil(toY) && sy < sourceHeight; ++sy) {
                const float wy = std::min(toY, sy + 1.0f) - std::max(fromY, static_cast<float>(sy));
                for (int sx = static_cast<int>(fromX); sx < std::ceil(toX) && sx < sourceWidth;
                     ++sx) {
                    const float wx =
                        std::min(toX, sx + 1.0f) - std::max(fromX, static_cast<float>(sx));
                    const float weight = wx * wy;
                    const float* s = &source[(static_cast<size_t>(sy) * sourceWidth + sx) * 4];
                    for (int c = 0; c < 4; ++c) sum[c] += s[c] * weight;
                    weights += weight;
                }
            }
            if (weights <= 0) continue;
            put(atX + tx, atY + ty, sum[0] / weights, sum[1] / weights, sum[2] / weights,
                sum[3] / weights);
        }
    }
}

void PixelCanvas::text(const std::string& text, float x, float y) {
    const ImageFont* font = state_.font;
    if (!font) return;
    float penX = state_.originX + x;
    const float top = state_.originY + y;
    const Colour& c = state_.colour;
    for (char32_t code : decodeUtf8(text)) {
        const ImageFont::Glyph& glyph = font->glyph(code);
        if (glyph.width > 0 && glyph.height > 0) {
            std::vector<float> ink(static_cast<size_t>(glyph.width) * glyph.height * 4);
            for (size_t i = 0; i < glyph.coverage.size(); ++i) {
                const float cover = glyph.coverage[i] / 255.0f;
                ink[i * 4] = c.r / 255.0f * cover;
                ink[i * 4 + 1] = c.g / 255.0f * cover;
                ink[i * 4 + 2] = c.b / 255.0f * cover;
                ink[i * 4 + 3] = cover;
            }
            stretch(ink, glyph.width, glyph.height, penX + glyph.left * state_.scaleX,
                    top + glyph.top * state_.scaleY, glyph.width * state_.scaleX,
                    glyph.height * state_.scaleY);
        }
        penX += glyph.advance * state_.scaleX;
    }
}

Colour PixelCanvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {0, 0, 0};
    const float* p = &pixels_[(static_cast<size_t>(y) * width_ + x) * 4];
    auto channel = [&](int c) { return p[3] > 0 ? rounded(p[c] / p[3] * 255) : 0; };
    return {channel(0), channel(1), channel(2)};
}

std::shared_ptr<Image> PixelCanvas::picture(const std::string& name) const {
    return Image::fromPixels(width_, height_, straightRgba(), name);
}

std::vector<uint8_t> PixelCanvas::straightRgba() const {
    std::vector<uint8_t> rgba(pixels_.size());
    for (size_t i = 0; i < pixels_.size(); i += 4) {
        const float alpha = pixels_[i + 3];
        for (int c = 0; c < 3; ++c)
            rgba[i + c] =
                static_cast<uint8_t>(alpha > 0 ? rounded(pixels_[i + c] / alpha * 255) : 0);
        rgba[i + 3] = static_cast<uint8_t>(rounded(alpha * 255));
    }
    return rgba;
}

std::string PixelCanvas::png() const {
    std::vector<uint8_t> rgba = straightRgba();
    png_image picture;
    std::memset(&picture, 0, sizeof picture);
    picture.version = PNG_IMAGE_VERSION;
    picture.width = static_cast<png_uint_32>(width_);
    picture.height = static_cast<png_uint_32>(height_);
    picture.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&picture, nullptr, &size, 0, rgba.data(), 0, nullptr)) {
        std::cout << "image: cannot encode a PNG: " << picture.message << std::endl;
        return "";
    }
    std::string bytes(size, '\0');
    if (!png_image_write_to_memory(&picture, bytes.data(), &size, 0, rgba.data(), 0, nullptr)) {
        std::cout << "image: cannot encode a PNG: " << picture.message << std::endl;
        return "";
    }
    bytes.resize(size);
    return bytes;
}
