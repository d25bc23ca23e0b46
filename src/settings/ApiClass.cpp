#include "settings/ApiClass.h"

#include <climits>
#include <cstdlib>

#include "data/Files.h"

std::string ApiClass::Slash = "/";
std::string AppTitle = "Lesmora";

namespace {
std::string homeFolder() {
    const char* home = std::getenv("HOME");
    return home && *home ? home : ".";
}

// The platform's per-user application-data folder (XDG), without a final slash.
std::string userDataFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data == '/') return data;
    return homeFolder() + "/.local/share";
}

std::string documentsFolder() {
    const char* documents = std::getenv("XDG_DOCUMENTS_DIR");
    if (documents && *documents == '/') return documents;
    return homeFolder() + "/Documents";
}
}  // namespace

std::string ApiClass::CorvelloPfad() {
    return userDataFolder() + Slash + "Corvello" + Slash;
}

std::string ApiClass::AppPfad() {
    return CorvelloPfad() + AppTitle + Slash;
}

std::string ApiClass::EigeneDateien() {
    return documentsFolder() + Slash;
}

int ApiClass::FileExists(const std::string& pfad) {
    return Files::exists(pfad) ? 1 : 0;
}

int ApiClass::_FileExists(const std::string& pfad) {
    return FileExists(pfad);
}

void ApiClass::SetzeStartwerte() {
    Slash = "/";
    AppTitle = "Lesmora";
}

int FileExists(const std::string& pfad) {
    return ApiClass::FileExists(pfad);
}

int LenientInt(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' ||
                               text[i] == '\n' || text[i] == '\v' || text[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$')
        base = 16, ++i;
    else if (i < text.size() && text[i] == '%')
        base = 2, ++i;
    long long value = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        int digit = c >= '0' && c <= '9'   ? c - '0'
                    : c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                           : 99;
        if (digit >= base) break;
        value = value * base + digit;
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(value);
}
