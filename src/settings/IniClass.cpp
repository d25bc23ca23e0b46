#include "settings/IniClass.h"

#include <iostream>

#include "data/Files.h"
#include "data/TextEncoding.h"
#include "settings/ApiClass.h"

std::list<std::unique_ptr<IniClass>> IniClass::Liste;

namespace {
constexpr size_t npos = std::string::npos;

std::string orSettingsFile(const std::string& datei) {
    return datei.empty() ? IniClass::SettingsFile() : datei;
}

// The first occurrence of `what` that starts a line, or npos.
size_t findAtLineStart(const std::string& text, const std::string& what, size_t from) {
    for (size_t at = text.find(what, from); at != npos; at = text.find(what, at + 1))
        if (at == 0 || text[at - 1] == '\n') return at;
    return npos;
}

// Where the section body starts (the header's "]") and ends (the next line that starts
// with "[", or the end). Headers and section ends count only at the start of a line, so
// a value holding "[" (JACK names ports "Midi Through [14]") belongs to its line.
bool findSection(const std::string& text, const std::string& sektion, size_t& bodyStart,
                 size_t& bodyEnd) {
    size_t header = findAtLineStart(text, "[" + sektion + "]", 0);
    if (header == npos) return false;
    bodyStart = header + sektion.size() + 1;
    bodyEnd = text.find("\n[", bodyStart);
    bodyEnd = bodyEnd == npos ? text.size() : bodyEnd + 1;
    return true;
}

// A line break inside a value would split its entry: it is saved as a blank.
std::string asOneLine(const std::string& wert) {
    std::string zeile = wert;
    for (char& c : zeile)
        if (c == '\r' || c == '\n') c = ' ';
    if (zeile != wert)
        std::cout << "settings: line breaks in a value are saved as blanks" << std::endl;
    return zeile;
}

// Text inside the program is UTF-8; a value that is not is taken as single-byte text.
std::string asUtf8(const std::string& wert) {
    if (isValidUtf8(wert)) return wert;
    std::cout << "settings: a value that is not UTF-8 is saved as single-byte text" << std::endl;
    return decodeUtf8Text(wert);
}

// The line of the key inside the body: the position of its LF, or npos.
size_t findKeyLine(const std::string& text, const std::string& key, size_t bodyStart,
                   size_t bodyEnd) {
    size_t line = text.find("\n" + key + "=", bodyStart);
    return line != npos && line < bodyEnd ? line : npos;
}

// Names the format cannot hold: a section name with "]" or a line break; a key that is
// empty, holds "=" or a line break, or starts with "[" (it would start a section); and
// names that are not UTF-8, which the saved text could not give back.
bool storable(const std::string& sektion, const std::string& key) {
    bool sectionOk = sektion.find_first_of("]\r\n") == npos && isValidUtf8(sektion);
    bool keyOk = !key.empty() && key.find_first_of("=\r\n") == npos && key.front() != '[' &&
                 isValidUtf8(key);
    if (!sectionOk || !keyOk)
        std::cout << "settings: section '" << sektion << "' key '" << key
                  << "' cannot be stored in an INI text; not written" << std::endl;
    return sectionOk && keyOk;
}

bool endsWithLineEnd(const std::string& text) {
    return text.empty() || text.back() == '\n';
}
}  // namespace

std::string IniClass::AppIniName() {
    return AppTitle + ".Ini";
}

std::string IniClass::SettingsFile() {
    return ApiClass::AppPfad() + AppIniName();
}

IniClass* IniClass::Lade(const std::string& datei) {
    auto entry = std::make_unique<IniClass>();
    entry->Name = datei;
    if (auto bytes = Files::readBytes(datei)) {
        entry->Text = decodeStoredText(*bytes);
    } else if (Files::isPresentOnDisk(datei)) {
        entry->unreadableOnDisk = true;
        std::cout << "settings: '" << datei << "' exists but cannot be read; it is not saved "
                  << "over and its settings live in memory only" << std::endl;
    }
    Liste.push_back(std::move(entry));
    return Liste.back().get();
}

IniClass* IniClass::FindeOderLade(const std::string& datei) {
    for (auto& entry : Liste)
        if (entry->Name == datei) return entry.get();
    return Lade(datei);
}

std::string IniClass::LiesSektion(const std::string& sektion, const std::string& key) const {
    size_t bodyStart, bodyEnd;
    if (!findSection(Text, sektion, bodyStart, bodyEnd)) return "";
    size_t line = findKeyLine(Text, key, bodyStart, bodyEnd);
    if (line == npos) return "";
    size_t valueStart = Text.find('=', line) + 1;
    size_t lineEnd = Text.find('\n', valueStart);
    if (lineEnd == npos || lineEnd > bodyEnd) {
        // A value holding "[" ends the section there; a last line may lack its line end.
        return Text.substr(valueStart, bodyEnd - valueStart);
    }
    size_t valueEnd = lineEnd;
    if (valueEnd > valueStart && Text[valueEnd - 1] == '\r') --valueEnd;
    return Text.substr(valueStart, valueEnd - valueStart);
}

void IniClass::SchreibeSektion(const std::string& sektion, const std::string& key,
                               const std::string& wert) {
    if (!storable(sektion, key)) return;
    const std::string value = asUtf8(asOneLine(wert));
    const std::string newLine = key + "=" + value + "\r\n";
    size_t bodyStart, bodyEnd;
    if (!findSection(Text, sektion, bodyStart, bodyEnd)) {
        if (!endsWithLineEnd(Text)) Text += "\r\n";
        Text += "[" + sektion + "]\r\n" + newLine;
        return;
    }
    size_t line = findKeyLine(Text, key, bodyStart, bodyEnd);
    if (line == npos) {
        if (bodyEnd == Text.size() && !endsWithLineEnd(Text)) {
            Text += "\r\n";
            bodyEnd = Text.size();
        }
        Text.insert(bodyEnd, newLine);
        return;
    }
    size_t valueStart = Text.find('=', line) + 1;
    size_t valueEnd = Text.find('\n', valueStart);
    if (valueEnd == npos) {
        valueEnd = Text.size();
    } else if (valueEnd > valueStart && Text[valueEnd - 1] == '\r') {
        --valueEnd;
    }
    Text.replace(valueStart, valueEnd - valueStart, value);
}

bool IniClass::Speichern() const {
    if (unreadableOnDisk) return false;  // said when it was loaded
    if (Files::isArchivePath(Name)) {
        std::cout << "settings: '" << Name << "' lies in the data archive and is not saved"
                  << std::endl;
        return false;
    }
    if (!Files::writeBytes(Name, encodeStoredText(Text))) {
        std::cout << "settings: saving '" << Name << "' failed; the change stays in memory"
                  << std::endl;
        return false;
    }
    return true;
}

std::string IniClass::_Lesen(const std::string& datei, const std::string& sektion,
                             const std::string& key) {
    return FindeOderLade(datei.empty() ? AppIniName() : datei)->LiesSektion(sektion, key);
}

void IniClass::_Schreiben(const std::string& datei, const std::string& sektion,
                          const std::string& key, const std::string& wert) {
    IniClass* entry = FindeOderLade(datei);
    entry->SchreibeSektion(sektion, key, wert);
    entry->Speichern();
}

void IniClass::_UpdateIniFile(const std::string& datei) {
    Liste.remove_if([&](const auto& entry) { return entry->Name == datei; });
}

std::string IniClass::Lesen(const std::string& datei, const std::string& sektion,
                            const std::string& key) {
    return _Lesen(orSettingsFile(datei), sektion, key);
}

int IniClass::Value(const std::string& datei, const std::string& sektion, const std::string& key) {
    return LenientInt(Lesen(datei, sektion, key));
}

void IniClass::Schreiben(const std::string& datei, const std::string& sektion,
                         const std::string& key, const std::string& wert) {
    _Schreiben(orSettingsFile(datei), sektion, key, wert);
}

void IniClass::UpdateIniFile(const std::string& datei) {
    _UpdateIniFile(orSettingsFile(datei));
}

void IniClass::SetzeStartwerte() {
    Liste.clear();
}
