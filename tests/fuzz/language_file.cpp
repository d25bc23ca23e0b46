// Language files and the token replacement on any text: a file reads or is refused, a
// text without tokens localizes to itself, and no file, however its texts nest, makes a
// localization run away in time, stack or length.

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "data/TextEncoding.h"
#include "i18n/Sprache.h"

namespace {
constexpr size_t kMaxTexts = 8;  // texts localized per input, to keep each run short
constexpr size_t kReplacementBound = 16384;

bool hasTokenMarks(const std::string& text) {
    return text.find("{{") != std::string::npos || text.find("}}") != std::string::npos;
}

// "{{" + key + "}}" names exactly that key only when the key holds no brace: a key
// ending in "}" would close its token one character early.
bool hasBraces(const std::string& key) {
    return key.find_first_of("{}") != std::string::npos;
}

// A result holds the text's own characters, at most the bound of replacement texts
// and an "!ERROR!" for each token.
void checkBounded(const std::string& text, const std::string& result) {
    FUZZ_CHECK(result.size() <= 2 * (text.size() + kReplacementBound), "a result ran away");
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    quietDiagnostics();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = decodeUtf8Text(std::string(reinterpret_cast<const char*>(data), size));
    auto table = LeseSprachDatei(text);
    if (!table) return 0;
    FUZZ_CHECK(table->find("LanguageId") && *table->find("LanguageId") == table->Name,
               "the language's name is not its LanguageId");
    SetCurrentLanguage(table);
    size_t checked = 0;
    for (const auto& [key, value] : table->texts) {
        if (++checked > kMaxTexts) break;
        std::string token = "{{" + key + "}}";
        std::string result = Lokalisiere(token);
        checkBounded(token, result);
        if (!hasBraces(key) && value.find("{{") == std::string::npos)
            FUZZ_CHECK(result == value, "a text without tokens localizes to another text");
        checkBounded(value, Lokalisiere(value));
    }
    checkBounded(text, Lokalisiere(text));
    SetCurrentLanguage(nullptr);
    if (!hasTokenMarks(text)) FUZZ_CHECK(Lokalisiere(text) == text, "no tokens, yet changed");
    return 0;
}
