#include "data/ZipArchive.h"

#include <unzip.h>

#include <algorithm>
#include <cstring>
#include <iostream>

std::string asciiLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string asciiUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// minizip reads through these callbacks from a buffer instead of a file.
struct ZipArchive::Memory {
    const char* data = nullptr;
    size_t size = 0;
    size_t position = 0;
};

namespace {
voidpf memoryOpen(voidpf opaque, const char*, int) {
    return opaque;
}

uLong memoryRead(voidpf, voidpf stream, void* buffer, uLong size) {
    auto* memory = static_cast<ZipArchive::Memory*>(stream);
    size_t available = memory->size - std::min(memory->position, memory->size);
    size_t count = std::min<size_t>(size, available);
    std::memcpy(buffer, memory->data + memory->position, count);
    memory->position += count;
    return static_cast<uLong>(count);
}

uLong memoryWrite(voidpf, voidpf, const void*, uLong) {
    return 0;
}

long memoryTell(voidpf, voidpf stream) {
    return static_cast<long>(static_cast<ZipArchive::Memory*>(stream)->position);
}

long memorySeek(voidpf, voidpf stream, uLong offset, int origin) {
    auto* memory = static_cast<ZipArchive::Memory*>(stream);
    size_t base = origin == ZLIB_FILEFUNC_SEEK_CUR   ? memory->position
                  : origin == ZLIB_FILEFUNC_SEEK_END ? memory->size
                                                     : 0;
    if (base + offset > memory->size) return -1;
    memory->position = base + offset;
    return 0;
}

int memoryClose(voidpf, voidpf) {
    return 0;
}
int memoryError(voidpf, voidpf) {
    return 0;
}

std::vector<std::unique_ptr<ZipArchive>>& archives() {
    static std::vector<std::unique_ptr<ZipArchive>> list;
    return list;
}
}  // namespace

std::unique_ptr<ZipArchive> ZipArchive::open(const void* data, size_t size, std::string name) {
    std::unique_ptr<ZipArchive> archive(new ZipArchive());
    archive->name_ = std::move(name);
    archive->memory_ = std::make_unique<Memory>();
    archive->memory_->data = static_cast<const char*>(data);
    archive->memory_->size = size;
    zlib_filefunc_def functions{};
    functions.zopen_file = memoryOpen;
    functions.zread_file = memoryRead;
    functions.zwrite_file = memoryWrite;
    functions.ztell_file = memoryTell;
    functions.zseek_file = memorySeek;
    functions.zclose_file = memoryClose;
    functions.zerror_file = memoryError;
    functions.opaque = archive->memory_.get();
    archive->zip_ = unzOpen2(archive->name_.c_str(), &functions);
    if (!archive->zip_) {
        std::cout << "archive: '" << archive->name_ << "' is not a ZIP archive" << std::endl;
        return nullptr;
    }
    for (int status = unzGoToFirstFile(archive->zip_); status == UNZ_OK;
         status = unzGoToNextFile(archive->zip_)) {
        char member[1024];
        unz_file_info info;  // minizip writes it whether asked or not
        if (unzGetCurrentFileInfo(archive->zip_, &info, member, sizeof member, nullptr, 0, nullptr,
                                  0) != UNZ_OK)
            continue;
        unz_file_pos position;
        unzGetFilePos(archive->zip_, &position);
        archive->index_.emplace(asciiLower(member),
                                Entry{member, position.pos_in_zip_directory, position.num_of_file});
    }
    return archive;
}

ZipArchive::~ZipArchive() {
    if (zip_) unzClose(zip_);
}

bool ZipArchive::contains(const std::string& member) const {
    return index_.count(asciiLower(member)) > 0;
}

std::optional<std::string> ZipArchive::read(const std::string& member) const {
    auto found = index_.find(asciiLower(member));
    if (found == index_.end() || found->second.storedName.ends_with("/")) return std::nullopt;
    unz_file_pos position{found->second.posInDirectory, found->second.numFile};
    unz_file_info info;
    if (unzGoToFilePos(zip_, &position) != UNZ_OK ||
        unzGetCurrentFileInfo(zip_, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK ||
        unzOpenCurrentFile(zip_) != UNZ_OK) {
        std::cout << "archive: cannot open member '" << member << "'" << std::endl;
        return std::nullopt;
    }
    std::string bytes(info.uncompressed_size, '\0');
    int count = bytes.empty()
                    ? 0
                    : unzReadCurrentFile(zip_, bytes.data(), static_cast<unsigned>(bytes.size()));
    unzCloseCurrentFile(zip_);
    if (count != static_cast<int>(bytes.size())) {
        std::cout << "archive: member '" << member << "' is damaged" << std::endl;
        return std::nullopt;
    }
    return bytes;
}

std::vector<std::string> ZipArchive::members() const {
    std::vector<std::string> names;
    for (const auto& [lower, entry] : index_) names.push_back(entry.storedName);
    return names;
}

void ZipArchive::registerArchive(std::unique_ptr<ZipArchive> archive) {
    if (!archive) return;
    std::erase_if(archives(), [&](const auto& known) {
        return asciiLower(known->name()) == asciiLower(archive->name());
    });
    archives().push_back(std::move(archive));
}

const ZipArchive* ZipArchive::registered(const std::string& name) {
    for (const auto& archive : archives())
        if (asciiLower(archive->name()) == asciiLower(name)) return archive.get();
    return nullptr;
}

void ZipArchive::unregisterAll() {
    archives().clear();
}
