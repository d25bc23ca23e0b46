#pragma once
// Shared by the fuzz targets: a scratch folder (on tmpfs where there is one, since every
// save is flushed to the disk), quiet diagnostics, the data archive and its tables, and a
// check that stops the run with a message when an invariant breaks.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "data/Daten.h"

#define FUZZ_CHECK(condition, what)                                                           \
    do {                                                                                      \
        if (!(condition)) {                                                                   \
            std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", what, __FILE__, __LINE__); \
            std::abort();                                                                     \
        }                                                                                     \
    } while (0)

// The folder for this process's files, ending in "/". LESMORA_FUZZ_SCRATCH names its
// parent (scripts/fuzz.sh makes and removes it).
inline const std::string& scratchFolder() {
    // Kept to the very end of the process: the exit handler below still needs it.
    static const std::string* folder = [] {
        const char* parent = std::getenv("LESMORA_FUZZ_SCRATCH");
        std::string base = parent && *parent                           ? parent
                           : std::filesystem::is_directory("/dev/shm") ? "/dev/shm"
                                                                       : "/tmp";
        auto* path = new std::string(base + "/lesmora-fuzz-" + std::to_string(getpid()) + "/");
        std::filesystem::create_directories(*path);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(scratchFolder(), ignored);
        });
        return path;
    }();
    return *folder;
}

inline void writeRaw(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The program's diagnostics go to standard output; the fuzzer reports on standard error.
inline void quietDiagnostics() {
    if (!std::freopen("/dev/null", "w", stdout)) std::perror("stdout");
}

// The embedded archive as the program registers it, and the user folder in the scratch.
inline void useArchiveAndScratch() {
    RegistriereDatenArchiv();
    DatenPfad = "ZIP::Incbin::DATEN.ZIP//";
    AppPfad = scratchFolder();
}
