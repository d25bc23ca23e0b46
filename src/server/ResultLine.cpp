#include "server/ResultLine.h"

#include <array>
#include <cstdio>
#include <vector>

namespace resultline {

namespace {

const std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t bar; (bar = line.find('|', start)) != std::string::npos; start = bar + 1)
        parts.push_back(line.substr(start, bar - start));
    parts.push_back(line.substr(start));
    return parts;
}

// A decimal int as the program writes it: an optional "-" and one to nine digits.
bool isNumber(const std::string& text) {
    size_t digits = text.size() - (text.starts_with('-') ? 1 : 0);
    if (digits < 1 || digits > 9) return false;
    for (size_t i = text.size() - digits; i < text.size(); ++i)
        if (!isDigit(text[i])) return false;
    return true;
}

bool isValidUtf8(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        auto byte = static_cast<unsigned char>(text[i]);
        size_t length = byte < 0x80         ? 1
                        : (byte >> 5) == 6  ? 2
                        : (byte >> 4) == 14 ? 3
                        : (byte >> 3) == 30 ? 4
                                            : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

std::string codeRefusal(const std::vector<std::string>& parts) {
    if (parts.size() != 11)
        return "a CODE line has 11 fields, this one " + std::to_string(parts.size());
    if (IsoDate(parts[1]).empty()) return "the date is not of the form '05 Mar 2026'";
    static const char* kNumberFields[] = {"",       "",         "",    "",      "lesson", "seconds",
                                          "rating", "mistakes", "key", "staff", "teacher"};
    for (size_t k = 4; k < parts.size(); ++k)
        if (!isNumber(parts[k])) return std::string("the ") + kNumberFields[k] + " is not a number";
    return "";
}

std::string mouseRefusal(const std::vector<std::string>& parts) {
    if (parts.size() != 4)
        return "a MAUS line has 4 fields, this one " + std::to_string(parts.size());
    if (!parts[1].empty()) return "the second field of a MAUS line must be empty";
    if (!isNumber(parts[3])) return "the mouse time is not a number";
    return "";
}

}  // namespace

std::string PercentDecode(const std::string& text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            decoded += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

std::string IsoDate(const std::string& date) {
    if (date.size() != 11 || date[2] != ' ' || date[6] != ' ') return "";
    if (!isDigit(date[0]) || !isDigit(date[1])) return "";
    for (size_t i = 7; i < 11; ++i)
        if (!isDigit(date[i])) return "";
    int day = (date[0] - '0') * 10 + (date[1] - '0');
    if (day < 1 || day > 31) return "";
    for (size_t m = 0; m < kMonths.size(); ++m) {
        if (date.compare(3, 3, kMonths[m]) != 0) continue;
        char iso[16];
        std::snprintf(iso, sizeof iso, "%s-%02zu-%02d", date.substr(7).c_str(), m + 1, day);
        return iso;
    }
    return "";
}

std::string Refusal(const std::string& line) {
    if (line.empty()) return "the line is empty";
    if (line.size() > kMaxLineBytes) return "the line is longer than 512 bytes";
    for (char c : line)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return "the line holds a control character";
    if (!isValidUtf8(line)) return "the line is not UTF-8";
    std::vector<std::string> parts = fields(line);
    if (parts[0] == "CODE") return codeRefusal(parts);
    if (parts[0] == "MAUS") return mouseRefusal(parts);
    return "the line is neither a CODE nor a MAUS line";
}

Checked FromReportTarget(const std::string& rawTarget) {
    size_t query = rawTarget.find('?');
    if (query == std::string::npos || rawTarget.compare(query + 1, 5, "code=") != 0)
        return {std::nullopt, "the report has no code= parameter"};
    std::string raw = rawTarget.substr(query + 6);
    // Three bytes per encoded byte at most: a longer target cannot decode to a taken line.
    if (raw.size() > 3 * kMaxLineBytes) return {std::nullopt, "the line is longer than 512 bytes"};
    std::string line = PercentDecode(raw);
    std::string reason = Refusal(line);
    if (!reason.empty()) return {std::nullopt, reason};
    return {line, ""};
}

}  // namespace resultline
