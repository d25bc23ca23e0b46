// The road of an examination to the teacher, end to end: the learner passes an
// examination in the program, its line reaches the real result server, and the teacher's
// dashboard, loaded by headless Chromium, shows the learner's row.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "exercise/Bewertung.h"
#include "exercise/ExerciseFixture.h"
#include "platform/Net.h"
#include "platform/net/SocketNetClient.h"
#include "server/HeadlessChromium.h"
#include "server/ServerProcess.h"

namespace {

class ExaminationToTeacher : public ExerciseTest {
  protected:
    void SetUp() override {
        chromium = chromiumPath();
        if (chromium.empty())
            GTEST_SKIP() << "chromium is not installed (scripts/install-deps.sh installs it)";
        char pattern[] = "/tmp/lesmora-teacher-road-XXXXXX";
        folder = mkdtemp(pattern);
        if (browse("about:blank").find("<body") == std::string::npos)
            GTEST_SKIP() << "chromium is installed but cannot run headless here";
        ExerciseTest::SetUp();
        SocketNetClient::install();
        server = std::make_unique<ServerProcess>(folder + "/results.sqlite");
        ASSERT_TRUE(server->running()) << server->output();
        IniClass::Schreiben("", "Allgemein", "CodeServer",
                            "127.0.0.1:" + std::to_string(server->port()));
    }
    void TearDown() override {
        server.reset();
        NetPlatform::install(nullptr);
        if (!chromium.empty()) ExerciseTest::TearDown();
        if (!folder.empty()) std::filesystem::remove_all(folder);
    }
    std::string browse(const std::string& url) {
        return runHeadlessChromium(chromium, folder + "/profile", "--dump-dom", url);
    }
    std::string chromium, folder;
    std::unique_ptr<ServerProcess> server;
};

TEST_F(ExaminationToTeacher, APassedExaminationAppearsOnTheTeachersDashboard) {
    IniClass::Schreiben("", "Allgemein", "User", "Henrike");
    IniClass::Schreiben("", "Allgemein", "Lehrer", "17");
    startExamination({"22", 1, 0, 60, 2, 3});
    answer(true);
    answer(true);
    for (int i = 0; i < 200 && Spiel::SpielMode != Spiel::KeinSpiel; ++i) tick();
    ASSERT_GE(Bewertung, 100);

    std::string page =
        browse("http://127.0.0.1:" + std::to_string(server->port()) + "/?lang=en&teacher=17");
    EXPECT_NE(page.find("<td class=\"learner\">Henrike</td>"), std::string::npos) << page;
    EXPECT_NE(page.find("<td class=\"num\">" + std::to_string(Bewertung) + " %</td>"),
              std::string::npos)
        << "the rating of the examination just passed\n"
        << page;
}

}  // namespace
