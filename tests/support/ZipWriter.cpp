#include "support/ZipWriter.h"

#include <zlib.h>

#include <cstdint>

namespace {
void put16(std::string& out, uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}
void put32(std::string& out, uint32_t value) {
    put16(out, static_cast<uint16_t>(value & 0xFFFF));
    put16(out, static_cast<uint16_t>(value >> 16));
}
}  // namespace

std::string makeZip(const std::vector<std::pair<std::string, std::string>>& members) {
    std::string archive, directory;
    for (const auto& [name, data] : members) {
        uint32_t crc = static_cast<uint32_t>(
            crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
        uint32_t offset = static_cast<uint32_t>(archive.size());
        put32(archive, 0x04034b50);
        put16(archive, 10), put16(archive, 0), put16(archive, 0);  // version, flags, stored
        put16(archive, 0), put16(archive, 0x21);                   // time, date
        put32(archive, crc), put32(archive, static_cast<uint32_t>(data.size()));
        put32(archive, static_cast<uint32_t>(data.size()));
        put16(archive, static_cast<uint16_t>(name.size())), put16(archive, 0);
        archive += name + data;

        put32(directory, 0x02014b50);
        put16(directory, 20), put16(directory, 10), put16(directory, 0), put16(directory, 0);
        put16(directory, 0), put16(directory, 0x21);
        put32(directory, crc), put32(directory, static_cast<uint32_t>(data.size()));
        put32(directory, static_cast<uint32_t>(data.size()));
        put16(directory, static_cast<uint16_t>(name.size()));
        put16(directory, 0), put16(directory, 0), put16(directory, 0), put16(directory, 0);
        put32(directory, 0), put32(directory, offset);
        directory += name;
    }
    uint32_t directoryOffset = static_cast<uint32_t>(archive.size());
    archive += directory;
    put32(archive, 0x06054b50);
    put16(archive, 0), put16(archive, 0);
    put16(archive, static_cast<uint16_t>(members.size()));
    put16(archive, static_cast<uint16_t>(members.size()));
    put32(archive, static_cast<uint32_t>(directory.size())), put32(archive, directoryOffset);
    put16(archive, 0);
    return archive;
}
