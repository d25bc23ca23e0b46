#include "data/Files.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

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

}  // namespace

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
    std::ifstream in(resolveCase(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
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
    std::string temporary = target + ".saving-" + std::to_string(getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::cout << "files: cannot write '" << target << "'" << std::endl;
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error) {
        std::cout << "files: cannot replace '" << target << "': " << error.message() << std::endl;
        fs::remove(temporary, error);
        return false;
    }
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
