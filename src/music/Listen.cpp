#include "music/Listen.h"

#include "data/Daten.h"
#include "settings/IniClass.h"

namespace ListenIni {

std::string readTable(const std::string& section, const std::string& key) {
    return IniClass::Lesen(DatenPfad + "Listen.ini", section, key);
}

std::vector<std::string> splitBars(const std::string& value) {
    std::vector<std::string> fields;
    if (value.empty()) return fields;
    size_t start = 0;
    for (size_t bar = value.find('|'); bar != std::string::npos; bar = value.find('|', start)) {
        fields.push_back(value.substr(start, bar - start));
        start = bar + 1;
    }
    fields.push_back(value.substr(start));
    return fields;
}

}  // namespace ListenIni
