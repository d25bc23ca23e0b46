#include "data/TextEncoding.h"

#include "platform/ImageFont.h"

namespace {
// Windows-1252 characters 0x80 to 0x9F; the five unassigned bytes keep their value.
const char16_t kHighControls[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t windows1252Char(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

// The Windows-1252 byte of a code point, or -1 when it has none.
int windows1252Byte(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<int>(code);
    for (int index = 0; index < 32; ++index)
        if (kHighControls[index] == code) return 0x80 + index;
    return -1;
}

std::string utf16ToUtf8(const std::string& bytes, bool bigEndian) {
    std::string out;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        auto unit = [&](size_t at) -> char32_t {
            auto hi = static_cast<unsigned char>(bytes[at + (bigEndian ? 0 : 1)]);
            auto lo = static_cast<unsigned char>(bytes[at + (bigEndian ? 1 : 0)]);
            return (hi << 8) | lo;
        };
        char32_t code = unit(i);
        if (code >= 0xD800 && code < 0xDC00 && i + 3 < bytes.size()) {
            char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        appendUtf8(out, code);
    }
    return out;
}
}  // namespace

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool isValidUtf8(const std::string& bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        auto byte = static_cast<unsigned char>(bytes[i]);
        size_t extra = 0;
        if (byte < 0x80)
            extra = 0;
        else if (byte >= 0xC2 && byte <= 0xDF)
            extra = 1;
        else if (byte >= 0xE0 && byte <= 0xEF)
            extra = 2;
        else if (byte >= 0xF0 && byte <= 0xF4)
            extra = 3;
        else
            return false;
        if (i + extra >= bytes.size() && extra > 0) return false;
        for (size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        i += extra + 1;
    }
    return true;
}

std::string windows1252ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char byte : bytes) appendUtf8(out, windows1252Char(static_cast<unsigned char>(byte)));
    return out;
}

namespace {
// UTF-8 after its byte-order mark: valid UTF-8 stays, a stray byte is Windows-1252.
std::string lenientUtf8(const std::string& text) {
    if (isValidUtf8(text)) return text;
    std::string out;
    for (char32_t code : decodeUtf8(text))
        appendUtf8(out, code < 0x100 ? windows1252Char(static_cast<unsigned char>(code)) : code);
    return out;
}

const char kUtf8Mark[] = "\xEF\xBB\xBF";
}  // namespace

std::string decodeStoredText(const std::string& bytes) {
    if (bytes.rfind(kUtf8Mark, 0) == 0) return lenientUtf8(bytes.substr(3));
    if (bytes.rfind("\xFF\xFE", 0) == 0) return utf16ToUtf8(bytes.substr(2), false);
    if (bytes.rfind("\xFE\xFF", 0) == 0) return utf16ToUtf8(bytes.substr(2), true);
    if (isValidUtf8(bytes)) return bytes;
    return windows1252ToUtf8(bytes);
}

std::string decodeUtf8Text(const std::string& bytes) {
    return lenientUtf8(bytes.rfind(kUtf8Mark, 0) == 0 ? bytes.substr(3) : bytes);
}

std::string encodeStoredText(const std::string& utf8) {
    std::string single;
    single.reserve(utf8.size());
    for (char32_t code : decodeUtf8(utf8)) {
        int byte = windows1252Byte(code);
        if (byte < 0) break;  // a character one byte cannot hold
        single += static_cast<char>(byte);
    }
    // Single bytes only when they read back as exactly this text: "\xC3\xA9" as single
    // bytes would read as UTF-8, a leading "\xFF\xFE" as UTF-16, "\xEF\xBB\xBF" as a mark.
    if (decodeStoredText(single) == utf8) return single;
    return kUtf8Mark + utf8;
}

std::string encodeWindows1252Html(const std::string& utf8) {
    std::string single;
    for (char32_t code : decodeUtf8(utf8)) {
        int byte = windows1252Byte(code);
        if (byte < 0)
            single += "&#" + std::to_string(static_cast<uint32_t>(code)) + ";";
        else
            single += static_cast<char>(byte);
    }
    return single;
}
