// Stored text: any bytes decode to UTF-8, and saving a text then reading it back gives the
// same text, whichever form (single bytes or UTF-8 with its mark) the save chose.

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "data/TextEncoding.h"

namespace {
void checkSaveThenRead(const std::string& text) {
    std::string stored = encodeStoredText(text);
    FUZZ_CHECK(decodeStoredText(stored) == text, "save then read gives another text");
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::string text = decodeStoredText(bytes);
    FUZZ_CHECK(isValidUtf8(text), "decoded text is not UTF-8");
    checkSaveThenRead(text);
    std::string utf8 = decodeUtf8Text(bytes);
    FUZZ_CHECK(isValidUtf8(utf8), "a UTF-8 stream decodes to something else");
    checkSaveThenRead(utf8);
    if (isValidUtf8(bytes)) checkSaveThenRead(bytes);  // a text the program typed itself
    return 0;
}
