// How a save reaches the disk: flushed before the rename and the folder after it; what
// killed saves leave behind goes at the next start.

#include <dlfcn.h>
#include <limits.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "data/Daten.h"
#include "data/Files.h"
#include "settings/IniClass.h"
#include "support/TestSupport.h"

namespace {
bool recording = false;
std::vector<std::string> events;  // "fsync <path>", "rename <from> <to>"

std::string pathOf(int fd) {
    char target[PATH_MAX] = {};
    std::string link = "/proc/self/fd/" + std::to_string(fd);
    ssize_t length = readlink(link.c_str(), target, sizeof target - 1);
    return length > 0 ? std::string(target, static_cast<size_t>(length)) : "?";
}
}  // namespace

// This binary's own fsync and rename record each call and pass it on to the C library,
// so the test sees the order in which a save reaches the disk.
extern "C" int fsync(int fd) {
    if (recording) events.push_back("fsync " + pathOf(fd));
    static auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    return real(fd);
}

extern "C" int rename(const char* from, const char* to) noexcept {
    if (recording) events.push_back(std::string("rename ") + from + " " + to);
    static auto real =
        reinterpret_cast<int (*)(const char*, const char*)>(dlsym(RTLD_NEXT, "rename"));
    return real(from, to);
}

namespace {

class Saving : public FreshProgramTest {};

TEST_F(Saving, TheFileIsFlushedBeforeTheRenameAndTheFolderAfter) {
    std::string file = std::filesystem::canonical(root).string() + "/durable.ini";
    std::string temporary = file + ".saving-" + std::to_string(getpid());
    events.clear();
    recording = true;
    IniClass::Schreiben(file, "A", "K", "v");
    recording = false;
    std::vector<std::string> expected = {
        "fsync " + temporary, "rename " + temporary + " " + file,
        "fsync " + std::filesystem::path(file).parent_path().string()};
    EXPECT_EQ(events, expected);
    EXPECT_EQ(readFile(file), "[A]\r\nK=v\r\n");
}

// The id of a process that has ended.
pid_t endedProcess() {
    pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

TEST_F(Saving, StartUpRemovesWhatInterruptedSavesLeft) {
    std::string dead = std::to_string(endedProcess());
    std::string running = std::to_string(getppid());  // the test runner: still running
    const std::vector<std::string> stale = {"Lesmora.Ini.saving-" + dead,
                                            "Lektionen.ini.saving-" + std::to_string(getpid())};
    const std::vector<std::string> kept = {"Lesmora.Ini", "Lesmora.Ini.saving-" + running,
                                           "notes.saving-abc", "plain.saving-"};
    for (const auto& name : stale) writeFile(AppPfad + name, std::string(2000, 'x'));
    for (const auto& name : kept) writeFile(AppPfad + name, "[Allgemein]\r\n");
    ::testing::internal::CaptureStdout();
    KopiereAppDateien();
    std::string said = ::testing::internal::GetCapturedStdout();
    for (const auto& name : stale) {
        EXPECT_FALSE(std::filesystem::exists(AppPfad + name)) << name;
        EXPECT_NE(said.find(name), std::string::npos) << said;
    }
    for (const auto& name : kept) EXPECT_TRUE(std::filesystem::exists(AppPfad + name)) << name;
}

}  // namespace
