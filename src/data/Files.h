#pragma once
// Reading and writing files by the program's path names. A path that starts with an
// archive prefix ("ZIP::Incbin::DATEN.ZIP//") names a member of a registered archive;
// a leading "utf8::" says the text is UTF-8. Other paths are files on disk, whose last
// component is matched without regard to letter case.

#include <optional>
#include <string>
#include <vector>

namespace Files {

constexpr const char* kUtf8Prefix = "utf8::";
constexpr const char* kArchivePrefix = "ZIP::Incbin::";

// The bytes of a file or archive member; none if it cannot be read.
std::optional<std::string> readBytes(const std::string& path);
// Text as UTF-8: "utf8::" paths as UTF-8, others by the stored-text rules.
std::optional<std::string> readText(const std::string& path);
// Splits text into lines at LF, dropping a CR before it; a last line without a line
// end counts, an empty text has no lines.
std::vector<std::string> lines(const std::string& text);

// Writes the whole file through a temporary file beside it ("<file>.saving-<pid>"),
// flushed to the disk before it is renamed over the file and the folder after, so that
// neither a failed save nor a power loss leaves it half written. Archive paths are never
// written. False on failure (said on stdout).
bool writeBytes(const std::string& path, const std::string& bytes);
// Removes the temporary files that saves of processes no longer running left in a
// folder (killed during a save); returns how many.
int removeStaleSaves(const std::string& folder);
// Whether a file of that name (any letter case) is on disk, readable or not.
bool isPresentOnDisk(const std::string& path);
bool exists(const std::string& path);
bool makeFolders(const std::string& folder);
// Copies a file; a target that already holds the same bytes is left as it is.
bool copy(const std::string& from, const std::string& to);

// The path of an existing file whose name differs only in letter case, else the path.
std::string resolveCase(const std::string& path);
bool isArchivePath(const std::string& path);

}  // namespace Files
