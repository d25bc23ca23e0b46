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

std::string localize(const std::string& text, std::vector<std::string>& beingReplaced);

std::string replaceToken(const std::string& key, std::vector<std::string>& beingReplaced) {
    const std::string* replacement = currentLanguage ? currentLanguage->find(key) : nullptr;
    if (!replacement) return key;
    std::string lowerKey = asciiLower(key);
    if (std::find(beingReplaced.begin(), beingReplaced.end(), lowerKey) != beingReplaced.end())
        return "!ERROR!";
    beingReplaced.push_back(lowerKey);
    std::string result = localize(*replacement, beingReplaced);
    beingReplaced.pop_back();
    return result;
}

std::string localize(const std::string& text, std::vector<std::string>& beingReplaced) {
    // Each open token collects its key; "}}" closes the token opened last.
    std::vector<std::string> open{""};
    for (size_t i = 0; i < text.size();) {
        if (text.compare(i, 2, "{{") == 0) {
            open.emplace_back();
            i += 2;
        } else if (text.compare(i, 2, "}}") == 0 && open.size() > 1) {
            std::string key = std::move(open.back());
            open.pop_back();
            open.back() += replaceToken(key, beingReplaced);
            i += 2;
        } else {
            open.back() += text[i++];
        }
    }
    while (open.size() > 1) {  // a token never closed stays as written
        std::string rest = "{{" + open.back();
        open.pop_back();
        open.back() += rest;
    }
    return open.front();
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
    std::vector<std::string> beingReplaced;
    return localize(text, beingReplaced);
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

void ResetSprache() {
    Language = {};
    AktSprache = 1;
    currentLanguage.reset();
}
