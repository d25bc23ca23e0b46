#pragma once
// A TrueType font rendered at one pixel size into glyph bitmaps ("image font").
// Glyphs are rendered on first use, so loading a font costs almost nothing.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class ImageFont {
  public:
    struct Glyph {
        int width = 0, height = 0;  // bitmap size
        int left = 0, top = 0;      // bitmap offset from the pen; top counts down from the ascent
        int advance = 0;
        std::vector<uint8_t> coverage;  // width*height values 0..255
        mutable std::shared_ptr<void> backendCache;
    };

    // Returns no font (and says why on stdout) when the bytes are not a font.
    static std::shared_ptr<ImageFont> fromBytes(std::string bytes, const std::string& name,
                                                int pixelSize, bool smoothed);
    ~ImageFont();

    const std::string& name() const { return name_; }
    int pixelSize() const { return pixelSize_; }
    bool smoothed() const { return smoothed_; }
    int lineHeight() const { return lineHeight_; }
    int ascent() const { return ascent_; }
    const Glyph& glyph(char32_t code) const;
    int textWidth(const std::string& utf8) const;
    int textHeight(const std::string& utf8) const;

  private:
    ImageFont() = default;
    std::string name_;
    std::string bytes_;  // FreeType reads the face from this buffer for the font's whole life
    void* library_ = nullptr;
    void* face_ = nullptr;
    int pixelSize_ = 0;
    bool smoothed_ = true;
    int lineHeight_ = 0;
    int ascent_ = 0;
    mutable std::map<char32_t, Glyph> glyphs_;
};

// Splits UTF-8 text into code points; a broken byte stands for itself (Latin-1).
std::u32string decodeUtf8(const std::string& utf8);
