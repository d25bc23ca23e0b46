#pragma once
// The result lines the server takes: "CODE|date|name|book|lesson|seconds|rating|
// mistakes|key|staff|teacher" from an examination and "MAUS||name|milliseconds" from the
// mouse test. Anything else is refused before it reaches the store.

#include <optional>
#include <string>

namespace resultline {

constexpr size_t kMaxLineBytes = 512;

struct Checked {
    std::optional<std::string> line;  // the decoded line when it is taken
    std::string reason;               // why it was refused
};

// The line of a report target "/code/code.php?code=LINE" as the program sends it:
// everything after "code=" ("&" and "=" included), "%XX" decoded, "+" kept as it is.
Checked FromReportTarget(const std::string& rawTarget);

// Checks a decoded line: at most 512 bytes, valid UTF-8 without control characters,
// and the field layout of one of the two kinds. Empty when taken, else the reason.
std::string Refusal(const std::string& line);

// "%XX" decoded; a "%" not followed by two hex digits stays as it is.
std::string PercentDecode(const std::string& text);

// "05 Mar 2026" as "2026-03-05"; empty when the date does not have that form.
std::string IsoDate(const std::string& date);

}  // namespace resultline
