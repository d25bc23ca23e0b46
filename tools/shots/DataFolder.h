#pragma once
// The per-user folder of one screenshot run: empty at the start, of this run alone (another
// run at the same time must not wipe it), and the program's through XDG_DATA_HOME.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

inline std::filesystem::path useFreshDataFolder(const std::string& tool) {
    auto data = std::filesystem::temp_directory_path() /
                ("lesmora-" + tool + "-" + std::to_string(getpid()));
    std::filesystem::remove_all(data);
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    return data;
}
