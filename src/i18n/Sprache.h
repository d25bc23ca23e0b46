#pragma once
// Languages: tables from keys to texts, and the replacement of "{{key}}" tokens.

#include <array>
#include <map>
#include <memory>
#include <string>

struct LanguageTable {
    std::string Name;
    std::map<std::string, std::string> texts;  // keys in ASCII lower case

    // The text of a key (compared without regard to letter case), or nullptr.
    const std::string* find(const std::string& key) const;
    void set(const std::string& key, const std::string& text);
};

extern std::array<std::shared_ptr<LanguageTable>, 9> Language;
extern int AktSprache;  // index of the current language; 1 (German) at start

// The table of a language slot; none for an empty slot or an index outside 0 to 8.
std::shared_ptr<LanguageTable> SprachTabelle(int sprache);

// The table whose texts replace tokens; none means every key shows as itself.
void SetCurrentLanguage(std::shared_ptr<LanguageTable> table);
const LanguageTable* CurrentLanguage();

// Replaces every "{{key}}" by the current language's text, itself localized again, so
// texts may name other keys; a key without a text shows as written; a text that leads
// back to a key already being replaced becomes "!ERROR!", and so does a token nested
// more than 32 deep or one whose text would take the replacement texts read for one
// call past 16,384 characters.
std::string Lokalisiere(const std::string& text);

// Reads a language file (UTF-8 text): entries after "[LanguageDefinition]" up to the
// next section; none when the text is not a language file (no such line, no LanguageId).
std::shared_ptr<LanguageTable> LeseSprachDatei(const std::string& text);

// Loads name + ".ini" from the archive into Language[index], and a file of that name in
// the user folder into Language[2].
void SprachLoader(int index, const std::string& name);

// Writes the info page of the archive, localized line by line, into the user folder.
void TranslateInfo();

void SetzeStartwerteSprache();
