// The settings survive a kill at any moment of a save: a writer of settings is started
// and killed with SIGKILL at random moments 200 times; the file always parses and keeps
// its marker, and the next start leaves no temporary file of a killed save behind.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "data/Daten.h"
#include "data/TextEncoding.h"
#include "settings/ApiClass.h"
#include "settings/IniClass.h"
#include "support/TestSupport.h"

namespace {

constexpr int kKills = 200;
const std::string kFiller(512 * 1024, 'x');  // makes each save long enough to be hit

pid_t startWriter(const char* mode) {
    pid_t child = fork();
    if (child == 0) {
        if (!freopen("/dev/null", "w", stdout)) _exit(126);
        execl(SETTINGS_WRITER, SETTINGS_WRITER, mode, static_cast<char*>(nullptr));
        _exit(127);
    }
    return child;
}

int temporaryFiles(const std::string& folder) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        count += entry.path().filename().string().find(".saving-") != std::string::npos;
    return count;
}

class KilledSaves : public FreshProgramTest {};

TEST_F(KilledSaves, NeverCostTheSettingsNorLeaveLitter) {
    // On tmpfs, where there is one, the start-up copy is quick and most of the writer's
    // time goes into saves, so most kills land inside one.
    std::string base = root;
    if (std::filesystem::is_directory("/dev/shm")) {
        char pattern[] = "/dev/shm/lesmora-kill-XXXXXX";
        if (mkdtemp(pattern)) base = pattern;
    }
    setenv("XDG_DATA_HOME", (base + "/data").c_str(), 1);
    const std::string folder = ApiClass::AppPfad(), settings = folder + "Lesmora.Ini";
    writeFile(settings, "[Allgemein]\r\nMarker=kept\r\nCounter=0\r\n[Filler]\r\nData=" + kFiller +
                            "\r\n[Anna]\r\nMausZeit=312\r\n");
    std::mt19937 moments(14);  // the same moments in every run
    std::uniform_int_distribution<int> microseconds(0, 60000);
    int killedDuringSave = 0, counterMoved = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        pid_t writer = startWriter("write");
        ASSERT_GT(writer, 0);
        usleep(static_cast<useconds_t>(microseconds(moments)));
        ::kill(writer, SIGKILL);
        int status = 0;
        waitpid(writer, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended by itself at kill " << kill;
        killedDuringSave += temporaryFiles(folder) > 0;

        IniClass file;
        file.Text = decodeStoredText(readFile(settings));
        ASSERT_EQ(file.LiesSektion("Allgemein", "Marker"), "kept") << "kill " << kill;
        ASSERT_EQ(file.LiesSektion("Filler", "Data").size(), kFiller.size()) << "kill " << kill;
        ASSERT_FALSE(file.LiesSektion("Anna", "MausZeit").empty()) << "kill " << kill;
        counterMoved += file.LiesSektion("Allgemein", "Counter") != "0";
    }
    pid_t next = startWriter("start");
    int status = 0;
    waitpid(next, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(temporaryFiles(folder), 0);
    std::cout << kKills << " kills, " << killedDuringSave << " left a temporary file, "
              << counterMoved << " after the writer had saved" << std::endl;
    std::error_code ignored;
    if (base != root) std::filesystem::remove_all(base, ignored);
}

}  // namespace
