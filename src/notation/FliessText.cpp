#include "notation/FliessText.h"

namespace {

const char* const kWhiteSpace = " \t\r\n";

std::string trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos) return "";
    size_t last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

// One line cut from the front of the text still to draw: the line, and the position of
// the blank or "|" it was cut at (npos: the line is the rest of the text).
struct Cut {
    std::string line;
    size_t at = std::string::npos;
};

// The text before the last blank that still fits. When not even the first word fits,
// that word stands alone, so that every line takes something off the text.
Cut cutAtLastFittingBlank(const Canvas& canvas, const std::string& text, int width) {
    Cut fitting;
    bool anyFits = false;
    size_t blank = 0;
    while (true) {
        size_t at = text.find(' ', blank);
        if (at == std::string::npos) at = text.size();  // the end counts as one more blank
        std::string candidate = text.substr(0, at);
        if (canvas.textWidth(candidate) > width) {
            if (anyFits) return fitting;
            return {candidate, at < text.size() ? at : std::string::npos};
        }
        fitting = {candidate, at};
        anyFits = true;
        if (at >= text.size()) return {text, std::string::npos};
        blank = at + 1;
    }
}

Cut nextLine(const Canvas& canvas, const std::string& text, int width) {
    Cut cut;
    if (canvas.textWidth(text) <= width)
        cut.line = text;
    else
        cut = cutAtLastFittingBlank(canvas, text, width);
    if (cut.line.find('|') != std::string::npos) {
        cut.at = text.find('|');
        cut.line = text.substr(0, cut.at);
    }
    return cut;
}

}  // namespace

std::vector<std::string> FliessZeilen(const Canvas& canvas, const std::string& text, int width) {
    std::vector<std::string> lines;
    std::string rest = text;
    while (true) {
        Cut cut = nextLine(canvas, rest, width);
        lines.push_back(cut.line);
        if (cut.at == std::string::npos) break;
        // Each cut drops at least the blank or "|" it was made at, so the wrap ends.
        rest = trimmed(rest.substr(cut.at + 1));
        if (rest.empty()) break;
    }
    return lines;
}

void FliessText(Canvas& canvas, const std::string& text, float x, float y, int width) {
    const int lineHeight = canvas.textHeight("T");
    for (const std::string& line : FliessZeilen(canvas, text, width)) {
        if (!line.empty()) canvas.text(line, x, y);
        y += static_cast<float>(lineHeight);
    }
}
