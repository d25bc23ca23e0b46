#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <mutex>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "server/ServerProcess.h"

namespace {

class Server : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/lesmora-server-test-XXXXXX";
        folder = mkdtemp(pattern);
        db = folder + "/results.sqlite";
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string folder, db;
};

const std::string kResult = "CODE|05 Mar 2026|Anna|A|3|47|127|1|2|1|42";

TEST_F(Server, StoresAndListsLinesInTheOrderReceived) {
    ServerProcess server(db);
    ASSERT_TRUE(server.running()) << server.output();
    const std::vector<std::string> lines = {kResult, "MAUS||Anna|312",
                                            "CODE|06 Mar 2026|Ben|B|1|60|100|0|0|2|0",
                                            "CODE|06 Mar 2026|Jürgen Groß|C|21|30|200|0|11|3|7"};
    for (const std::string& line : lines) {
        Reply reply = httpGet(server.port(), reportTarget(line));
        EXPECT_EQ(reply.status, 200) << line << ": " << reply.body;
    }
    Reply list = httpGet(server.port(), "/code/CodeDaten.txt");
    EXPECT_NE(list.headers.find("Content-Type: text/plain"), std::string::npos) << list.headers;
    EXPECT_EQ(listedLines(server.port()), lines);
    // A line per request in the log.
    EXPECT_TRUE(server.waitForOutput("127.0.0.1 GET /code/code.php?code=MAUS||Anna|312 200"))
        << server.output();
    EXPECT_TRUE(server.waitForOutput("127.0.0.1 GET /code/CodeDaten.txt 200")) << server.output();

    // The lines outlive the server.
    EXPECT_EQ(server.stop(), 0);
    ServerProcess again(db);
    ASSERT_TRUE(again.running());
    EXPECT_EQ(listedLines(again.port()), lines);
}

TEST_F(Server, BlanksSentAsPercent20ArriveAsBlanks) {
    ServerProcess server(db);
    ASSERT_TRUE(server.running()) << server.output();
    struct Case {
        const char* what;
        std::string target;
        std::string stored;
    };
    const Case cases[] = {
        {"blanks of the date and the name",
         reportTarget("CODE|05 Mar 2026|Anna Lena|A|1|2|3|4|5|1|0"),
         "CODE|05 Mar 2026|Anna Lena|A|1|2|3|4|5|1|0"},
        {"a plus stays a plus", reportTarget("MAUS||Anna+Ben|300"), "MAUS||Anna+Ben|300"},
        {"an ampersand in a name does not end the line", reportTarget("MAUS||Tom&Jerry|300"),
         "MAUS||Tom&Jerry|300"},
        {"other percent escapes are decoded", "/code/code.php?code=MAUS||Zo%C3%AB|300",
         "MAUS||Zoë|300"},
        {"a lone percent sign stays", reportTarget("MAUS||100%|300"), "MAUS||100%|300"},
    };
    std::vector<std::string> expected;
    for (const Case& c : cases) {
        EXPECT_EQ(httpGet(server.port(), c.target).status, 200) << c.what;
        expected.push_back(c.stored);
    }
    EXPECT_EQ(listedLines(server.port()), expected);
}

TEST_F(Server, RefusedLinesGet400AndAreNotStored) {
    ServerProcess server(db);
    ASSERT_TRUE(server.running()) << server.output();
    ASSERT_EQ(httpGet(server.port(), reportTarget(kResult)).status, 200);
    std::string longest = "MAUS||" + std::string(512 - 10, 'a') + "|300";
    ASSERT_EQ(longest.size(), 512u);
    ASSERT_EQ(httpGet(server.port(), reportTarget(longest)).status, 200) << "512 bytes are taken";

    struct Case {
        const char* what;
        std::string target;
    };
    const Case cases[] = {
        {"ten fields", reportTarget("CODE|05 Mar 2026|Anna|A|3|47|127|1|2|1")},
        {"twelve fields", reportTarget(kResult + "|9")},
        {"letters in the lesson", reportTarget("CODE|05 Mar 2026|Anna|A|x3|47|127|1|2|1|42")},
        {"letters in the teacher number",
         reportTarget("CODE|05 Mar 2026|Anna|A|3|47|127|1|2|1|4a")},
        {"an empty number", reportTarget("CODE|05 Mar 2026|Anna|A|3||127|1|2|1|42")},
        {"a date of another form", reportTarget("CODE|2026-03-05|Anna|A|3|47|127|1|2|1|42")},
        {"a month that is not English", reportTarget("CODE|05 Mär 2026|Anna|A|3|47|127|1|2|1|42")},
        {"CR LF percent-encoded", reportTarget(kResult) + "%0D%0AMAUS||Eve|1"},
        {"LF percent-encoded", "/code/code.php?code=MAUS||Eve%0A|300"},
        {"a tab", "/code/code.php?code=MAUS||Eve%09|300"},
        {"a NUL byte", "/code/code.php?code=MAUS||Eve%00|300"},
        {"513 bytes", reportTarget("MAUS||" + std::string(512 - 9, 'a') + "|300")},
        {"a very long line", reportTarget("MAUS||" + std::string(4000, 'a') + "|300")},
        {"an empty line", "/code/code.php?code="},
        {"no code parameter", "/code/code.php"},
        {"another parameter", "/code/code.php?line=" + reportTarget(kResult).substr(20)},
        {"a line of another kind", reportTarget("HELLO|world")},
        {"a MAUS line with a second field", reportTarget("MAUS|x|Anna|300")},
        {"a MAUS line with letters for the time", reportTarget("MAUS||Anna|fast")},
        {"bytes that are not UTF-8", "/code/code.php?code=MAUS||%FF%FE|300"},
    };
    for (const Case& c : cases) {
        Reply reply = httpGet(server.port(), c.target);
        EXPECT_EQ(reply.status, 400) << c.what << ": " << reply.body;
        EXPECT_TRUE(reply.body.starts_with("refused: ")) << c.what << ": " << reply.body;
    }
    // CR LF sent plainly ends the request line early: whatever the reply, nothing is stored.
    Reply plain = httpRaw(server.port(), "GET " + reportTarget(kResult) +
                                             "\r\nMAUS||Eve|1 HTTP/1.0\r\nHost: x\r\n\r\n");
    EXPECT_NE(plain.status, 200) << plain.body;
    EXPECT_EQ(listedLines(server.port()), (std::vector<std::string>{kResult, longest}));
    EXPECT_TRUE(server.waitForOutput("GET /code/code.php?code=MAUS||Eve%0A|300 400"))
        << server.output();
}

// An SQLite file as the first version of the server wrote it: the lines alone.
void writeVersion1(const std::string& path, const std::vector<std::string>& lines) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    std::string sql =
        "CREATE TABLE lines (id INTEGER PRIMARY KEY AUTOINCREMENT, line TEXT NOT NULL);"
        "PRAGMA user_version=1;";
    for (const std::string& line : lines) sql += "INSERT INTO lines(line) VALUES('" + line + "');";
    ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

int schemaVersion(const std::string& path) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &statement, nullptr);
    int version = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int(statement, 0) : -1;
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return version;
}

TEST_F(Server, MigratesAnOlderFileAndRefusesANewerOne) {
    writeVersion1(db, {kResult, "MAUS||Anna|312"});
    {
        ServerProcess server(db);
        ASSERT_TRUE(server.running()) << server.output();
        EXPECT_NE(server.output().find("migrated"), std::string::npos) << server.output();
        EXPECT_EQ(httpGet(server.port(), reportTarget("MAUS||Ben|400")).status, 200);
        EXPECT_EQ(listedLines(server.port()),
                  (std::vector<std::string>{kResult, "MAUS||Anna|312", "MAUS||Ben|400"}));
        Reply page = httpGet(server.port(), "/");
        EXPECT_NE(page.body.find(">Anna<"), std::string::npos) << "old lines are decoded too";
    }
    EXPECT_EQ(schemaVersion(db), 2);

    std::string newer = folder + "/newer.sqlite";
    sqlite3* handle = nullptr;
    sqlite3_open(newer.c_str(), &handle);
    sqlite3_exec(handle, "CREATE TABLE future(x); PRAGMA user_version=9;", nullptr, nullptr,
                 nullptr);
    sqlite3_close(handle);
    ServerProcess refused(newer);
    EXPECT_FALSE(refused.running());
    EXPECT_NE(refused.output().find("newer than this server"), std::string::npos)
        << refused.output();
    EXPECT_EQ(schemaVersion(newer), 9);

    std::string notADatabase = folder + "/notes.txt";
    {
        std::FILE* file = std::fopen(notADatabase.c_str(), "w");
        std::fputs("these are notes, not a database, and they stay as they are\n", file);
        std::fclose(file);
    }
    ServerProcess refusedToo(notADatabase);
    EXPECT_FALSE(refusedToo.running());
    EXPECT_NE(refusedToo.output().find("lesmora-server: "), std::string::npos);
}

TEST_F(Server, TheDashboardKeyGuardsOnlyTheDashboard) {
    ServerProcess server(db, {"--dashboard-key", "Fis-Dur 7"});
    ASSERT_TRUE(server.running()) << server.output();
    EXPECT_EQ(httpGet(server.port(), reportTarget(kResult)).status, 200);
    EXPECT_EQ(listedLines(server.port()), std::vector<std::string>{kResult});

    Reply asked = httpGet(server.port(), "/");
    EXPECT_EQ(asked.status, 401);
    EXPECT_NE(asked.body.find("type=\"password\""), std::string::npos);
    EXPECT_EQ(asked.body.find("Anna"), std::string::npos);
    EXPECT_EQ(httpGet(server.port(), "/results.csv").body.find("Anna"), std::string::npos);

    auto login = [&](const std::string& key) {
        std::string body = "key=" + key;
        return httpRaw(server.port(),
                       "POST /login HTTP/1.0\r\nHost: x\r\n"
                       "Content-Type: application/x-www-form-urlencoded\r\n"
                       "Content-Length: " +
                           std::to_string(body.size()) + "\r\n\r\n" + body);
    };
    Reply wrong = login("Fis-Dur");
    EXPECT_EQ(wrong.status, 401);
    EXPECT_EQ(wrong.headers.find("Set-Cookie"), std::string::npos);
    Reply right = login("Fis-Dur%207");
    EXPECT_EQ(right.status, 303);
    size_t cookieAt = right.headers.find("Set-Cookie: ");
    ASSERT_NE(cookieAt, std::string::npos) << right.headers;
    std::string cookie = right.headers.substr(cookieAt + 12);
    cookie = cookie.substr(0, cookie.find(';'));
    Reply shown = httpGet(server.port(), "/", "Cookie: " + cookie + "\r\n");
    EXPECT_EQ(shown.status, 200);
    EXPECT_NE(shown.body.find(">Anna<"), std::string::npos);
    EXPECT_EQ(httpGet(server.port(), "/", "Cookie: lesmora_key=00\r\n").status, 401);
}

TEST_F(Server, TheDashboardEscapesEveryValueAndTheCsvGuardsFormulas) {
    ServerProcess server(db);
    ASSERT_TRUE(server.running()) << server.output();
    const std::string hostile = "CODE|05 Mar 2026|<script>x</script>|<i>|1|2|3|4|5|1|0";
    ASSERT_EQ(httpGet(server.port(), reportTarget(hostile)).status, 200);
    ASSERT_EQ(
        httpGet(server.port(), reportTarget("CODE|05 Mar 2026|=SUM(A1)|A|1|2|3|4|5|1|0")).status,
        200);
    ASSERT_EQ(httpGet(server.port(), reportTarget("MAUS||<img src=x>|300")).status, 200);
    Reply page = httpGet(server.port(), "/?lang=en");
    EXPECT_EQ(page.status, 200);
    EXPECT_EQ(page.body.find("<script>"), std::string::npos);
    EXPECT_EQ(page.body.find("<i>"), std::string::npos);
    EXPECT_EQ(page.body.find("<img src=x>"), std::string::npos);
    EXPECT_NE(page.body.find("&lt;script&gt;x&lt;/script&gt;"), std::string::npos);
    EXPECT_NE(page.body.find("&lt;img src=x&gt;"), std::string::npos);
    EXPECT_NE(page.headers.find("Content-Security-Policy: default-src 'none'"), std::string::npos);

    Reply csv = httpGet(server.port(), "/results.csv?lang=en");
    EXPECT_NE(csv.headers.find("text/csv"), std::string::npos);
    EXPECT_NE(csv.body.find("\"'=SUM(A1)\""), std::string::npos) << csv.body;
    EXPECT_NE(csv.body.find("\"<script>x</script>\""), std::string::npos) << "CSV keeps the text";
}

TEST_F(Server, ALongListShowsAThousandRowsAndTheCsvHoldsAll) {
    ServerProcess server(db);
    ASSERT_TRUE(server.running()) << server.output();
    std::vector<std::thread> senders;
    std::atomic<int> stored{0};
    for (int t = 0; t < 8; ++t)
        senders.emplace_back([&, t] {
            for (int n = t; n < 1003; n += 8)
                if (httpGet(server.port(), reportTarget("CODE|05 Mar 2026|Learner " +
                                                        std::to_string(n) + "|A|1|60|100|0|0|1|0"))
                        .status == 200)
                    ++stored;
        });
    for (std::thread& t : senders) t.join();
    ASSERT_EQ(stored, 1003);
    std::string page = httpGet(server.port(), "/?lang=en").body;
    size_t rows = 0;
    for (size_t at = 0; (at = page.find("<tr class=\"result\"", at)) != std::string::npos; ++at)
        ++rows;
    EXPECT_EQ(rows, 1000u);
    EXPECT_NE(page.find("the first 1000 of 1003 results"), std::string::npos);
    std::string csv = httpGet(server.port(), "/results.csv?lang=en").body;
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1004);
}

// Reporters that keep sending until told to stop; every line a 200 came back for is
// remembered as acknowledged.
class Reporters {
  public:
    Reporters(int clients, std::atomic<int>& port) : port_(port) {
        for (int c = 0; c < clients; ++c)
            threads_.emplace_back([this, c] {
                for (int n = 0; !stop_; ++n) {
                    std::string line =
                        "MAUS||client" + std::to_string(c) + "|" + std::to_string(next_++);
                    if (httpGet(port_, reportTarget(line)).status == 200) {
                        std::lock_guard lock(mutex_);
                        acknowledged_.insert(line);
                    }
                }
            });
    }
    ~Reporters() { finish(); }
    void finish() {
        stop_ = true;
        for (std::thread& t : threads_)
            if (t.joinable()) t.join();
    }
    std::set<std::string> acknowledged() {
        std::lock_guard lock(mutex_);
        return acknowledged_;
    }

  private:
    std::atomic<int>& port_;
    std::atomic<bool> stop_{false};
    std::atomic<int> next_{0};
    std::mutex mutex_;
    std::set<std::string> acknowledged_;
    std::vector<std::thread> threads_;
};

std::string integrityCheck(const std::string& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr);
    std::string result;
    while (sqlite3_step(statement) == SQLITE_ROW)
        result += reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return result;
}

TEST_F(Server, AKilledServerLosesNoAcknowledgedLine) {
    std::mt19937 dice(20261211);
    std::atomic<int> port{0};
    auto server = std::make_unique<ServerProcess>(db);
    ASSERT_TRUE(server->running()) << server->output();
    port = server->port();
    Reporters reporters(8, port);
    size_t acknowledgedBefore = 0;
    for (int kill = 0; kill < 20; ++kill) {
        std::this_thread::sleep_for(
            std::chrono::milliseconds(std::uniform_int_distribution(50, 250)(dice)));
        server->kill9();
        std::set<std::string> acknowledged = reporters.acknowledged();
        ASSERT_EQ(integrityCheck(db), "ok") << "after kill " << kill;
        server = std::make_unique<ServerProcess>(db);
        ASSERT_TRUE(server->running()) << "restart " << kill << ": " << server->output();
        port = server->port();
        std::vector<std::string> listed = listedLines(server->port());
        std::set<std::string> present(listed.begin(), listed.end());
        EXPECT_EQ(present.size(), listed.size()) << "no line is stored twice";
        for (const std::string& line : acknowledged)
            ASSERT_TRUE(present.count(line)) << line << " was acknowledged before kill " << kill;
        EXPECT_GT(acknowledged.size(), acknowledgedBefore) << "the load went on at kill " << kill;
        acknowledgedBefore = acknowledged.size();
    }
    reporters.finish();
    EXPECT_EQ(server->stop(), 0);
    EXPECT_EQ(integrityCheck(db), "ok");
    std::cout << "kill test: " << acknowledgedBefore << " lines acknowledged over 20 kills"
              << std::endl;
}

}  // namespace
