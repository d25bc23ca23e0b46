#include "platform/SystemLanguage.h"

#include <cctype>
#include <cstdlib>

namespace SystemLanguage {

namespace {
std::optional<std::string> fixed;

// "de_AT.UTF-8@euro" -> "de"
std::string languageOf(const std::string& locale) {
    std::string language;
    for (char c : locale) {
        if (!std::isalpha(static_cast<unsigned char>(c))) break;
        language += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return language == "c" || language == "posix" ? "" : language;
}
}  // namespace

std::string code() {
    if (fixed) return *fixed;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return languageOf(value);
    }
    return "";
}

void override(std::optional<std::string> code) {
    fixed = std::move(code);
}

}  // namespace SystemLanguage
