#include "data/Files.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "data/TextEncoding.h"
#include "data/ZipArchive.h"

namespace fs = std::filesystem;

namespace Files {
namespace {

std::string withoutUtf8Prefix(const std::string& path) {
    return path.rfind(kUtf8Prefix, 0) == 0 ? path.substr(std::string(kUtf8Prefix).size()) : path;
}

// Splits "ZIP::Incbin::NAME//member" into the archive and the member name.
bool splitArchivePath(const std::string& path, std::string& archive, std::string& member) {
    if (path.rfind(kArchivePrefix, 0) != 0) return false;
    std::string rest = path.substr(std::string(kArchivePrefix).size());
    size_t slashes = rest.find("//");
    if (slashes == std::string::npos) return false;
    archive = rest.substr(0, slashes);
    member = rest.substr(slashes + 2);
    return true;
}

// The whole file, or none when it cannot be opened or read to its end (a folder, no
// permission, an I/O error).
std::optional<std::string> readDiskFile(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    for (;;) {
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            ::close(fd);
            if (got < 0) return std::nullopt;
            return bytes;
        }
        bytes.append(buffer, static_cast<size_t>(got));
    }
}

bool writeAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        done += static_cast<size_t>(put);
    }
    return true;
}

// Writes the temporary file and flushes it to the disk, so that the rename that follows
// never puts an empty or half-written file in place after a power loss.
bool writeDurably(const std::string& temporary, const std::string& bytes) {
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    return ::close(fd) == 0 && written;
}

// Flushes a folder's entries (the rename) to the disk.
void syncFolder(const fs::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    if (::fsync(fd) != 0)
        std::cout << "files: cannot flush folder '" << folder.string() << "'" << std::endl;
    ::close(fd);
}

constexpr const char* kSavingMark = ".saving-";

// The process id of a temporary save file "<file>.saving-<pid>", or 0.
pid_t savingProcess(const std::string& name) {
    size_t mark = name.rfind(kSavingMark);
    if (mark == std::string::npos || mark == 0) return 0;
    std::string digits = name.substr(mark + std::string(kSavingMark).size());
    if (digits.empty() || digits.size() > 9 ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return static_cast<pid_t>(std::stol(digits));
}

bool processRuns(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

}  // namespace

bool isPresentOnDisk(const std::string& rawPath) {
    std::string path = withoutUtf8Prefix(rawPath);
    if (isArchivePath(path)) return false;
    std::error_code error;
    return fs::exists(fs::symlink_status(resolveCase(path), error));
}

int removeStaleSaves(const std::string& folder) {
    int removed = 0;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        std::string name = entry.path().filename().string();
        pid_t pid = savingProcess(name);
        if (pid == 0 || (pid != ::getpid() && processRuns(pid))) continue;
        std::error_code failed;
        if (fs::remove(entry.path(), failed)) {
            std::cout << "files: removed '" << name << "', left by an interrupted save"
                      << std::endl;
            ++removed;
        } else if (failed) {
            std::cout << "files: cannot remove '" << name << "': " << failed.message() << std::endl;
        }
    }
    return removed;
}

bool isArchivePath(const std::string& path) {
    return withoutUtf8Prefix(path).rfind(kArchivePrefix, 0) == 0;
}

std::string resolveCase(const std::string& path) {
    std::error_code error;
    if (path.empty() || fs::exists(path, error)) return path;
    fs::path wanted(path);
    fs::path folder = wanted.has_parent_path() ? wanted.parent_path() : fs::path(".");
    std::string lowerName = asciiLower(wanted.filename().string());
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (asciiLower(entry.path().filename().string()) == lowerName)
            return (wanted.has_parent_path() ? folder / entry.path().filename()
                                             : entry.path().filename())
                .string();
    }
    return path;
}

std::optional<std::string> readBytes(const std::string& rawPath) {
    std::string path = withoutUtf8Prefix(rawPath);
    std::string archiveName, member;
    if (splitArchivePath(path, archiveName, member)) {
        const ZipArchive* archive = ZipArchive::registered(archiveName);
        if (!archive) return std::nullopt;
        return archive->read(member);
    }
    return readDiskFile(resolveCase(path));
}

std::optional<std::string> readText(const std::string& path) {
    auto bytes = readBytes(path);
    if (!bytes) return std::nullopt;
    return path.rfind(kUtf8Prefix, 0) == 0 ? decodeUtf8Text(*bytes) : decodeStoredText(*bytes);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        result.push_back(std::move(line));
        start = end + 1;
    }
    return result;
}

bool writeBytes(const std::string& rawPath, const std::string& bytes) {
    std::string path = withoutUtf8Prefix(rawPath);
    if (isArchivePath(path)) {
        std::cout << "files: the data archive is never written ('" << path << "')" << std::endl;
        return false;
    }
    std::string target = resolveCase(path);
    std::string temporary = target + kSavingMark + std::to_string(getpid());
    std::error_code error;
    if (!writeDurably(temporary, bytes)) {
        std::cout << "files: cannot write '" << target << "'" << std::endl;
        fs::remove(temporary, error);
        return false;
    }
    fs::rename(temporary, target, error);
    if (error) {
        std::cout << "files: cannot replace '" << target << "': " << error.message() << std::endl;
        fs::remove(temporary, error);
        return false;
    }
    syncFolder(fs::path(target).parent_path());
    return true;
}

bool exists(const std::string& rawPath) {
    std::string path = withoutUtf8Prefix(rawPath);
    std::string archiveName, member;
    if (splitArchivePath(path, archiveName, member)) {
        const ZipArchive* archive = ZipArchive::registered(archiveName);
        return archive && archive->contains(member);
    }
    std::ifstream in(resolveCase(path), std::ios::binary);
    std::error_code error;
    return in.good() && !fs::is_directory(resolveCase(path), error);
}

bool makeFolders(const std::string& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        std::cout << "files: cannot create '" << folder << "': " << error.message() << std::endl;
    return !error;
}

bool copy(const std::string& from, const std::string& to) {
    auto bytes = readBytes(from);
    if (!bytes) return false;
    if (readBytes(to) == bytes) return true;  // already the same: spare the disk a write
    return writeBytes(to, *bytes);
}

}  // namespace Files
