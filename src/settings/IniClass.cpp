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

// Where the section body starts (the header's "]") and ends (the next "[" or the end).
bool findSection(const std::string& text, const std::string& sektion, size_t& bodyStart,
                 size_t& bodyEnd) {
    size_t header = text.find("[" + sektion + "]");
    if (header == npos) return false;
    bodyStart = text.find(']', header);
    bodyEnd = text.find('[', bodyStart);
    if (bodyEnd == npos) bodyEnd = text.size();
    return true;
}

// The line of the key inside the body: the position of its LF, or npos.
size_t findKeyLine(const std::string& text, const std::string& key, size_t bodyStart,
                   size_t bodyEnd) {
    size_t line = text.find("\n" + key + "=", bodyStart);
    return line != npos && line < bodyEnd ? line : npos;
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
    if (auto bytes = Files::readBytes(datei)) entry->Text = decodeStoredText(*bytes);
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
    const std::string newLine = key + "=" + wert + "\r\n";
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
    Text.replace(valueStart, valueEnd - valueStart, wert);
}

bool IniClass::Speichern() const {
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

void IniClass::Reset() {
    Liste.clear();
}
