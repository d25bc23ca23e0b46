// The settings store on any file: every entry reads as a plain line-by-line reader finds
// it; writing one entry makes it read back as written, from the cache and from the disk,
// and leaves every other entry and the rest of the text as it was.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "FuzzSupport.h"
#include "data/TextEncoding.h"
#include "settings/IniClass.h"

namespace {
constexpr size_t kMaxEntries = 300;  // entries compared per input, to keep each run short

struct Line {
    std::string text;  // without its LF
    bool terminated;   // ended by LF
};

std::vector<Line> linesOf(const std::string& text) {
    std::vector<Line> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        bool terminated = end != std::string::npos;
        if (!terminated) end = text.size();
        lines.push_back({text.substr(start, end - start), terminated});
        start = end + 1;
    }
    return lines;
}

// The store's format read line by line: the first line starting with "[section]", then
// the lines up to the next one starting with "["; the first of them starting with
// "key=" holds the value after its first "=", without the CR of its line end.
std::string referenceRead(const std::vector<Line>& lines, const std::string& sektion,
                          const std::string& key) {
    size_t i = 0;
    while (i < lines.size() && lines[i].text.rfind("[" + sektion + "]", 0) != 0) ++i;
    for (++i; i < lines.size(); ++i) {
        const std::string& line = lines[i].text;
        if (!line.empty() && line[0] == '[') return "";
        if (line.rfind(key + "=", 0) != 0) continue;
        std::string value = line.substr(line.find('=') + 1);
        if (lines[i].terminated && !value.empty() && value.back() == '\r') value.pop_back();
        return value;
    }
    return "";
}

using Entry = std::pair<std::string, std::string>;  // section, key

// Each entry line of the text with the section it stands in.
std::vector<Entry> entriesOf(const std::vector<Line>& lines) {
    std::vector<Entry> entries;
    std::string sektion;
    for (const Line& line : lines) {
        const std::string& text = line.text;
        if (!text.empty() && text[0] == '[') {
            size_t close = text.find(']');
            sektion = close == std::string::npos ? "" : text.substr(1, close - 1);
            continue;
        }
        size_t equals = text.find('=');
        if (equals == std::string::npos || equals == 0) continue;
        entries.emplace_back(sektion, text.substr(0, equals));
        if (entries.size() == kMaxEntries) break;
    }
    return entries;
}

bool storable(const std::string& sektion, const std::string& key) {
    return sektion.find_first_of("]\r\n") == std::string::npos && !key.empty() &&
           key.find_first_of("=\r\n") == std::string::npos && key[0] != '[' &&
           isValidUtf8(sektion) && isValidUtf8(key);
}

// What the store keeps of a value: one line of UTF-8.
std::string asStored(std::string wert) {
    for (char& c : wert)
        if (c == '\r' || c == '\n') c = ' ';
    return isValidUtf8(wert) ? wert : windows1252ToUtf8(wert);
}

const std::string& cachedText() {
    return IniClass::Liste.back()->Text;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    quietDiagnostics();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    bool existingEntry = input.ConsumeBool();
    std::string sektion = input.ConsumeRandomLengthString(24);
    std::string key = input.ConsumeRandomLengthString(24);
    std::string wert = asStored(input.ConsumeRandomLengthString(64));
    const std::string file = scratchFolder() + "store.ini";
    writeRaw(file, input.ConsumeRemainingBytesAsString());

    IniClass::SetzeStartwerte();
    IniClass::Lesen(file, "", "");
    const std::string before = cachedText();
    const std::vector<Line> lines = linesOf(before);
    std::vector<Entry> entries = entriesOf(lines);
    if (existingEntry && !entries.empty()) {
        const Entry& chosen = entries[key.size() % entries.size()];
        sektion = chosen.first;
        key = chosen.second;
    }
    entries.emplace_back(sektion, key);

    std::vector<std::string> values;
    for (const auto& [s, k] : entries) {
        values.push_back(IniClass::Lesen(file, s, k));
        FUZZ_CHECK(values.back() == referenceRead(lines, s, k), "a value reads otherwise");
    }

    IniClass::Schreiben(file, sektion, key, wert);
    const std::string after = cachedText();
    if (!storable(sektion, key)) {
        FUZZ_CHECK(after == before, "a name the format cannot hold changed the text");
        return 0;
    }
    FUZZ_CHECK(IniClass::Lesen(file, sektion, key) == wert, "written value reads otherwise");
    IniClass::UpdateIniFile(file);
    FUZZ_CHECK(IniClass::Lesen(file, sektion, key) == wert, "saved value reads otherwise");
    FUZZ_CHECK(cachedText() == after, "the saved text reads back as another text");
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] == Entry{sektion, key}) continue;
        FUZZ_CHECK(IniClass::Lesen(file, entries[i].first, entries[i].second) == values[i],
                   "writing one entry changed another");
    }
    return 0;
}
