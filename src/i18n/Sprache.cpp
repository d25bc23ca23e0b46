#include "i18n/Sprache.h"

#include <algorithm>
#include <vector>

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

void ResetSprache() {
    Language = {};
    AktSprache = 1;
    currentLanguage.reset();
}
