#pragma once
// The language the user's system speaks, for the first start of the program.

#include <optional>
#include <string>

namespace SystemLanguage {

// The language code of the messages locale in lower case ("de", "en"), from LC_ALL,
// LC_MESSAGES and LANG, the first one set; empty when none is set or it is "C"/"POSIX".
std::string code();
// Fixes the answer of code() (tests); none returns to the system's.
void override(std::optional<std::string> code);

}  // namespace SystemLanguage
