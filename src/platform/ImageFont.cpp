#include "platform/ImageFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <iostream>

std::u32string decodeUtf8(const std::string& utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        auto byte = static_cast<unsigned char>(utf8[i]);
        int extra = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC0 ? 1 : 0;
        char32_t code = extra == 0 ? byte : byte & (0x3F >> extra);
        bool valid = byte < 0x80 || (byte >= 0xC2 && byte <= 0xF4);
        for (int k = 1; valid && k <= extra; ++k) {
            if (i + k >= utf8.size()) {
                valid = false;
                break;
            }
            auto next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) valid = false;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid) {
            out.push_back(byte);
            ++i;
            continue;
        }
        out.push_back(code);
        i += extra + 1;
    }
    return out;
}

std::shared_ptr<ImageFont> ImageFont::fromBytes(std::string bytes, const std::string& name,
                                                int pixelSize, bool smoothed) {
    std::shared_ptr<ImageFont> font(new ImageFont());
    font->name_ = name;
    font->bytes_ = std::move(bytes);
    font->pixelSize_ = pixelSize;
    font->smoothed_ = smoothed;
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        std::cout << "font: FreeType does not start" << std::endl;
        return nullptr;
    }
    font->library_ = library;
    FT_Face face = nullptr;
    if (font->bytes_.empty() ||
        FT_New_Memory_Face(library, reinterpret_cast<const FT_Byte*>(font->bytes_.data()),
                           static_cast<FT_Long>(font->bytes_.size()), 0, &face) != 0) {
        std::cout << "font: '" << name << "' is not a font" << std::endl;
        return nullptr;
    }
    font->face_ = face;
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize));
    font->ascent_ = static_cast<int>(face->size->metrics.ascender >> 6);
    font->lineHeight_ = static_cast<int>(face->size->metrics.height >> 6);
    return font;
}

ImageFont::~ImageFont() {
    if (face_) FT_Done_Face(static_cast<FT_Face>(face_));
    if (library_) FT_Done_FreeType(static_cast<FT_Library>(library_));
}

const ImageFont::Glyph& ImageFont::glyph(char32_t code) const {
    auto found = glyphs_.find(code);
    if (found != glyphs_.end()) return found->second;
    Glyph& glyph = glyphs_[code];
    auto face = static_cast<FT_Face>(face_);
    FT_Int32 flags = FT_LOAD_RENDER | (smoothed_ ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO);
    if (FT_Load_Char(face, code, flags) != 0) return glyph;
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.left = face->glyph->bitmap_left;
    glyph.top = ascent_ - face->glyph->bitmap_top;
    glyph.advance = static_cast<int>(face->glyph->advance.x >> 6);
    glyph.coverage.resize(static_cast<size_t>(glyph.width) * glyph.height);
    for (int row = 0; row < glyph.height; ++row) {
        const unsigned char* source = bitmap.buffer + row * bitmap.pitch;
        for (int column = 0; column < glyph.width; ++column) {
            uint8_t value = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                ? ((source[column >> 3] >> (7 - (column & 7))) & 1) * 255
                                : source[column];
            glyph.coverage[static_cast<size_t>(row) * glyph.width + column] = value;
        }
    }
    return glyph;
}

int ImageFont::textWidth(const std::string& utf8) const {
    int width = 0;
    for (char32_t code : decodeUtf8(utf8)) width += glyph(code).advance;
    return width;
}

int ImageFont::textHeight(const std::string&) const {
    return lineHeight_;
}
