#include "i18n/Sprache.h"

#include <algorithm>
#include <vector>

#include <iostream>

#include "data/Daten.h"
#include "data/Files.h"
#include "data/ZipArchive.h"

std::array<std::shared_ptr<LanguageTable>, 9> Language;
int AktSprache = 1;

namespace {
std::shared_ptr<LanguageTable> currentLanguage;

// Bounds of one localization: texts nest at most this deep, and at most this many
// characters of replacement texts are read. A token past either bound, like one that
// leads back to itself, becomes "!ERROR!", so a file of doubling or endless chains
// can neither hang the program nor exhaust its stack.
constexpr size_t kMaxNesting = 32;
constexpr size_t kMaxReplacementChars = 16384;
const char* const kError = "!ERROR!";

struct Localization {
    std::vector<const std::string*> beingReplaced;  // the texts of the table, outermost first
    size_t charsLeft = kMaxReplacementChars;
};

std::string localize(const std::string& text, Localization& state);

std::string replaceToken(const std::string& key, Localization& state) {
    const std::string* replacement = currentLanguage ? currentLanguage->find(key) : nullptr;
    if (!replacement) return key;
    const auto& open = state.beingReplaced;
    if (std::find(open.begin(), open.end(), replacement) != open.end()) return kError;
    if (open.size() >= kMaxNesting || replacement->size() > state.charsLeft) return kError;
    state.charsLeft -= replacement->size();
    state.beingReplaced.push_back(replacement);
    std::string result = localize(*replacement, state);
    state.beingReplaced.pop_back();
    return result;
}

std::string localize(const std::string& text, Localization& state) {
    // The result grows in one string; each open token remembers where its key starts,
    // and "}}" replaces the key of the token opened last. A token never closed stays.
    std::string out;
    std::vector<size_t> keyStarts;
    for (size_t i = 0; i < text.size();) {
        if (text.compare(i, 2, "{{") == 0) {
            out += "{{";
            keyStarts.push_back(out.size());
            i += 2;
        } else if (text.compare(i, 2, "}}") == 0 && !keyStarts.empty()) {
            size_t keyStart = keyStarts.back();
            keyStarts.pop_back();
            std::string key = out.substr(keyStart);
            out.resize(keyStart - 2);
            out += replaceToken(key, state);
            i += 2;
        } else {
            out += text[i++];
        }
    }
    return out;
}
}  // namespace

const std::string* LanguageTable::find(const std::string& key) const {
    auto found = texts.find(asciiLower(key));
    return found == texts.end() ? nullptr : &found->second;
}

void LanguageTable::set(const std::string& key, const std::string& text) {
    texts[asciiLower(key)] = text;
}

std::shared_ptr<LanguageTable> SprachTabelle(int sprache) {
    if (sprache < 0 || sprache >= static_cast<int>(Language.size())) return nullptr;
    return Language[sprache];
}

void SetCurrentLanguage(std::shared_ptr<LanguageTable> table) {
    currentLanguage = std::move(table);
}

const LanguageTable* CurrentLanguage() {
    return currentLanguage.get();
}

std::string Lokalisiere(const std::string& text) {
    Localization state;
    return localize(text, state);
}

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string trimmed(const std::string& text) {
    size_t start = 0, end = text.size();
    while (start < end && isBlank(text[start])) ++start;
    while (end > start && (isBlank(text[end - 1]) || text[end - 1] == '\r')) --end;
    return text.substr(start, end - start);
}

std::string withoutQuotes(const std::string& text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

std::string unescaped(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (char next = text[++i]) {
            case '\\':
                out += '\\';
                break;
            case 'r':
                out += '\r';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case ';':
            case '#':
            case ':':
                out += next;
                break;
            default:
                out += '\\';
                out += next;
        }
    }
    return out;
}

// Cuts a line at its comment: a ";" that is not written "\;" and does not stand inside
// the double-quoted text of the entry (after an opening quote, before a later quote).
std::string withoutComment(const std::string& line) {
    size_t equals = line.find('=');
    int quotes = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\') {
            ++i;
            continue;
        }
        bool inText = equals != std::string::npos && i > equals;
        if (line[i] == '"' && inText) ++quotes;
        if (line[i] != ';') continue;
        bool quoted = inText && quotes % 2 == 1 && line.find('"', i + 1) != std::string::npos;
        if (!quoted) return line.substr(0, i);
    }
    return line;
}
}  // namespace

std::shared_ptr<LanguageTable> LeseSprachDatei(const std::string& text) {
    auto table = std::make_shared<LanguageTable>();
    bool inDefinition = false, hasId = false;
    for (const std::string& rawLine : Files::lines(text)) {
        std::string line = trimmed(rawLine);
        if (!inDefinition) {
            inDefinition = line == "[LanguageDefinition]";
            continue;
        }
        if (!line.empty() && line.front() == '[') break;
        line = withoutComment(line);
        size_t equals = line.find('=');
        if (equals == std::string::npos || equals == 0) continue;
        std::string key = unescaped(withoutQuotes(trimmed(line.substr(0, equals))));
        std::string value = unescaped(withoutQuotes(trimmed(line.substr(equals + 1))));
        if (key.empty()) continue;
        table->set(key, value);
        if (asciiLower(key) == "languageid") {
            table->Name = value;
            hasId = true;
        }
    }
    if (!hasId) return nullptr;
    return table;
}

void SprachLoader(int index, const std::string& name) {
    if (index < 0 || index >= static_cast<int>(Language.size())) return;
    if (auto text = Files::readText(Files::kUtf8Prefix + DatenPfad + name + ".ini")) {
        Language[index] = LeseSprachDatei(*text);
        if (!Language[index])
            std::cout << "language: '" << name << ".ini' is no language file" << std::endl;
    } else {
        std::cout << "language: '" << name << ".ini' is missing from the archive" << std::endl;
    }
    if (auto own = Files::readText(Files::kUtf8Prefix + AppPfad + name + ".ini")) {
        if (auto table = LeseSprachDatei(*own)) Language[2] = table;
    }
}

void TranslateInfo() {
    auto source = Files::readText(Files::kUtf8Prefix + DatenPfad + "Info.html");
    if (!source) {
        std::cout << "language: the info page is missing" << std::endl;
        return;
    }
    std::string page;
    for (const std::string& line : Files::lines(*source)) page += Lokalisiere(line) + "\n";
    Files::writeBytes(AppPfad + "Info.html", page);
}

void SetzeStartwerteSprache() {
    Language = {};
    AktSprache = 1;
    currentLanguage.reset();
}
