#include "history/Verlauf.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/TestSupport.h"

namespace {

int64_t steadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

AntwortEintrag answer(const std::string& user, int nummer, int64_t zeit = 0) {
    AntwortEintrag a;
    a.Zeit = zeit;
    a.User = user;
    a.Buch = "Buch1";
    a.Lektion = nummer;
    a.Methode = 1;
    a.Arbeitsschritt = 2;
    a.Chroma = 37;
    a.Gefragt = "A4";
    a.Antwort = "A4";
    a.Richtig = 1;
    a.Millis = 800;
    a.Geraet = 2;
    return a;
}

// Opens the file apart from the program, as a teacher's tool would.
struct RawDatabase {
    explicit RawDatabase(const std::string& file) { sqlite3_open(file.c_str(), &db); }
    ~RawDatabase() { sqlite3_close(db); }
    std::string single(const char* sql) {
        sqlite3_stmt* stmt = nullptr;
        std::string out = "(error)";
        if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK &&
            sqlite3_step(stmt) == SQLITE_ROW) {
            const unsigned char* t = sqlite3_column_text(stmt, 0);
            out = t ? reinterpret_cast<const char*>(t) : "";
        }
        sqlite3_finalize(stmt);
        return out;
    }
    sqlite3* db = nullptr;
};

class History : public FreshProgramTest {
  protected:
    void SetUp() override {
        FreshProgramTest::SetUp();
        Verlauf::SetzeStartwerte();
        Verlauf::Datei = root + "/Verlauf.sqlite";
    }
    void TearDown() override {
        Verlauf::SetzeStartwerte();
        FreshProgramTest::TearDown();
    }
};

TEST_F(History, RowsComeBackAsQueuedForTheirLearnerOnly) {
    AntwortEintrag a = answer("Anna", 3, 1000);
    a.Gefragt = "F#4";
    a.Antwort = "Gb4";
    a.Richtig = 0;
    Verlauf::Merke(a);
    Verlauf::Merke(answer("Ben", 4, 2000));
    PruefungsEintrag p;
    p.User = "Anna";
    p.Lektion = 3;
    p.Bewertung = 87;
    p.Sekunden = 41;
    Verlauf::Merke(p);
    Verlauf::Schreibe();

    auto rows = Verlauf::Antworten("Anna");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Gefragt, "F#4");
    EXPECT_EQ(rows[0].Antwort, "Gb4");
    EXPECT_EQ(rows[0].Richtig, 0);
    EXPECT_EQ(rows[0].Millis, 800);
    EXPECT_EQ(rows[0].Geraet, 2);
    auto exams = Verlauf::Pruefungen("Anna");
    ASSERT_EQ(exams.size(), 1u);
    EXPECT_EQ(exams[0].Bewertung, 87);
    EXPECT_EQ(exams[0].Sekunden, 41);
    EXPECT_TRUE(Verlauf::Pruefungen("Ben").empty());
    EXPECT_EQ(RawDatabase(Verlauf::Datei).single("PRAGMA journal_mode"), "wal");
}

TEST_F(History, QueuedRecordsReachTheFileWithinAQuarterSecondWithoutBeingAsked) {
    for (int i = 0; i < 2000; ++i) Verlauf::Merke(answer("Anna", i));
    const int64_t start = steadyMs();
    size_t seen = 0;
    while (steadyMs() - start < 2000 && seen < 2000) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        seen = Verlauf::Antworten("Anna").size();
    }
    EXPECT_EQ(seen, 2000u);
    // Written whole batches: in order, none twice.
    auto rows = Verlauf::Antworten("Anna");
    for (size_t i = 0; i < rows.size(); ++i) ASSERT_EQ(rows[i].Lektion, static_cast<int>(i));
}

TEST_F(History, ClearingRemovesOnlyTheLearnersOwnRows) {
    Verlauf::Merke(answer("Anna", 1));
    Verlauf::Merke(answer("Ben", 2));
    PruefungsEintrag p;
    p.User = "Anna";
    Verlauf::Merke(p);
    EXPECT_TRUE(Verlauf::Loesche("Anna"));
    EXPECT_TRUE(Verlauf::Antworten("Anna").empty());
    EXPECT_TRUE(Verlauf::Pruefungen("Anna").empty());
    EXPECT_EQ(Verlauf::Antworten("Ben").size(), 1u);
}

// A child queues answers without pause, numbered, and is killed; what it queued more than
// a second before its death is in the file, without a gap, and the file is sound.
TEST_F(History, AKilledWriterLosesAtMostTheLastSecondAndLeavesASoundFile) {
    const std::string file = Verlauf::Datei;
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        for (int i = 0;; ++i) {
            Verlauf::Merke(answer("Anna", i, steadyMs()));
            if (i % 20 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    kill(child, SIGKILL);
    const int64_t killedAt = steadyMs();
    waitpid(child, nullptr, 0);

    RawDatabase db(file);
    EXPECT_EQ(db.single("PRAGMA integrity_check"), "ok");
    const int rows = std::stoi(db.single("SELECT count(*) FROM antworten"));
    ASSERT_GT(rows, 0);
    EXPECT_EQ(db.single("SELECT max(lektion) FROM antworten"), std::to_string(rows - 1));
    const int64_t lastWritten = std::stoll(db.single("SELECT max(zeit) FROM antworten"));
    EXPECT_GE(lastWritten, killedAt - 1000) << "more than a second of answers lost";
}

TEST_F(History, AFileBusyForAWhileGetsItsAnswersWhenItIsFree) {
    Verlauf::Merke(answer("Anna", 0));
    Verlauf::Schreibe();
    RawDatabase other(Verlauf::Datei);
    ASSERT_EQ(sqlite3_exec(other.db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    ::testing::internal::CaptureStdout();
    for (int i = 1; i <= 50; ++i) Verlauf::Merke(answer("Anna", i));
    std::this_thread::sleep_for(std::chrono::milliseconds(2600));  // longer than one wait
    sqlite3_exec(other.db, "COMMIT", nullptr, nullptr, nullptr);
    Verlauf::Schreibe();
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(Verlauf::Antworten("Anna").size(), 51u) << out;
    EXPECT_EQ(out.find("history:"), std::string::npos) << out;
}

TEST_F(History, AFileLockedAtTheStartIsSaidAndPracticeGoesOn) {
    RawDatabase other(Verlauf::Datei);
    ASSERT_EQ(sqlite3_exec(other.db, "CREATE TABLE x(y); BEGIN EXCLUSIVE; INSERT INTO x VALUES(1)",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    ::testing::internal::CaptureStdout();
    const int64_t start = steadyMs();
    Verlauf::Merke(answer("Anna", 0));
    EXPECT_LT(steadyMs() - start, 50) << "queuing never waits for the file";
    Verlauf::Schreibe();
    Verlauf::Merke(answer("Anna", 1));
    Verlauf::Schreibe();
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_FALSE(Verlauf::Verfuegbar());
    EXPECT_NE(out.find("history:"), std::string::npos);
    EXPECT_EQ(out.find("history:", out.find("history:") + 1), std::string::npos) << out;
}

struct BadFile {
    const char* what;
    void (*make)(const std::string& path);
};

class BrokenDatabase : public History, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BrokenDatabase, IsSaidOnceAndEverythingGoesOn) {
    GetParam().make(Verlauf::Datei);
    ::testing::internal::CaptureStdout();
    for (int i = 0; i < 5; ++i) {
        Verlauf::Merke(answer("Anna", i));
        Verlauf::Schreibe();
    }
    EXPECT_TRUE(Verlauf::Antworten("Anna").empty());
    EXPECT_FALSE(Verlauf::Loesche("Anna"));
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_FALSE(Verlauf::Verfuegbar()) << GetParam().what;
    const size_t first = out.find("history:");
    ASSERT_NE(first, std::string::npos) << GetParam().what;
    EXPECT_EQ(out.find("history:", first + 1), std::string::npos) << GetParam().what << out;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenDatabase,
    ::testing::Values(BadFile{"a file of garbage by that name",
                              [](const std::string& p) { writeFile(p, std::string(4096, 'x')); }},
                      BadFile{"a folder by that name",
                              [](const std::string& p) { std::filesystem::create_directories(p); }},
                      BadFile{"a folder that does not exist", [](const std::string& p) {
                                  Verlauf::Datei = p + "/missing/Verlauf.sqlite";
                              }}));

}  // namespace
