#pragma once
// A ZIP archive read from memory. Member names are matched without regard to ASCII
// letter case; an index built once at opening makes each lookup a map search.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class ZipArchive {
  public:
    // Opens the archive in [data, data + size); the bytes must outlive the archive.
    // Returns no archive (and says why on stdout) for data that is not a ZIP archive.
    static std::unique_ptr<ZipArchive> open(const void* data, size_t size, std::string name);
    ~ZipArchive();

    const std::string& name() const { return name_; }
    bool contains(const std::string& member) const;
    std::optional<std::string> read(const std::string& member) const;
    // Member names as stored (folders end in "/").
    std::vector<std::string> members() const;

    // The archives registered by name ("DATEN.ZIP"), found without regard to case.
    static void registerArchive(std::unique_ptr<ZipArchive> archive);
    static const ZipArchive* registered(const std::string& name);
    static void unregisterAll();

    struct Memory;  // the buffer the archive reads from

  private:
    struct Entry {
        std::string storedName;
        unsigned long posInDirectory = 0, numFile = 0;
    };
    ZipArchive() = default;
    std::string name_;
    std::unique_ptr<Memory> memory_;
    void* zip_ = nullptr;
    std::map<std::string, Entry> index_;  // lower-case name -> position
};

std::string asciiLower(std::string text);
std::string asciiUpper(std::string text);
