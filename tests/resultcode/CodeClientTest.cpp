// The requests to the result-code server, on a fake network client: what goes out, how
// a report's reply is judged, and how the list is read, cut and turned into CodeListe.

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "i18n/Sprache.h"
#include "music/ChromaTyp.h"
#include "platform/Net.h"
#include "resultcode/CodeServer.h"
#include "resultcode/Geheim.h"
#include "settings/IniClass.h"
#include "support/TestSupport.h"

namespace {

// A server that answers every connection with the same reply, in chunks, and then
// either closes or goes silent.
struct FakeServer {
    bool reachable = true;
    std::vector<std::string> chunks;
    NetConnection::Read afterChunks = NetConnection::Read::End;
    // What was asked of it.
    std::vector<std::string> hosts;
    std::vector<int> ports;
    std::vector<std::string> requests;
    int reads = 0;
};

class FakeConnection : public NetConnection {
  public:
    explicit FakeConnection(FakeServer& server)
        : server_(server), left_(server.chunks.begin(), server.chunks.end()) {}
    bool send(const std::string& bytes) override {
        server_.requests.push_back(bytes);
        return true;
    }
    Read read(std::string& into, size_t most) override {
        ++server_.reads;
        if (left_.empty()) return server_.afterChunks;
        std::string& chunk = left_.front();
        into += chunk.substr(0, most);
        chunk.erase(0, most);
        if (chunk.empty()) left_.pop_front();
        return Read::Data;
    }

  private:
    FakeServer& server_;
    std::deque<std::string> left_;
};

class FakeClient : public NetClient {
  public:
    explicit FakeClient(FakeServer& server) : server_(server) {}
    std::unique_ptr<NetConnection> connect(const std::string& host, int port,
                                           std::chrono::milliseconds budget) override {
        EXPECT_LE(budget.count(), 2000);
        server_.hosts.push_back(host);
        server_.ports.push_back(port);
        if (!server_.reachable) return nullptr;
        return std::make_unique<FakeConnection>(server_);
    }

  private:
    FakeServer& server_;
};

class CodeClient : public FreshProgramTest {
  protected:
    void SetUp() override {
        FreshProgramTest::SetUp();
        Geheim::SetzeStartwerte();
        SprachLoader(0, "english");
        SprachLoader(1, "deutsch");
        AktSprache = 1;
        SetCurrentLanguage(Language[1]);
        ChromaTyp::StartUp();
        NetPlatform::install(std::make_shared<FakeClient>(server));
    }
    void TearDown() override {
        NetPlatform::install(nullptr);
        Geheim::SetzeStartwerte();
        FreshProgramTest::TearDown();
    }
    void replyWith(const std::string& body, const std::string& head = "HTTP/1.0 200 OK\r\n") {
        server.chunks = {head + "Content-Type: text/plain\r\n\r\n" + body};
    }
    FakeServer server;
};

const std::string kLine = "CODE|05 Mar 2026|Anna|A|3|47|127|1|2|1|42";
const std::string kLineB = "CODE|06 Mar 2026|Ben|B|1|60|100|0|0|2|0";

TEST_F(CodeClient, AReportIsOneHttp10GetWithBlanksAsPercent20AndTheBarsUnchanged) {
    replyWith("OK");
    EXPECT_EQ(SendeProtokoll("results.example", CodeServerPfad, kLine), 1);
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(server.requests[0],
              "GET /code/code.php?code=CODE|05%20Mar%202026|Anna|A|3|47|127|1|2|1|42 HTTP/1.0\r\n"
              "Host: results.example\r\n\r\n");
    EXPECT_EQ(server.hosts, std::vector<std::string>{"results.example"});
    EXPECT_EQ(server.ports, std::vector<int>{80});
}

TEST_F(CodeClient, AReportCountsAsSentOnlyWhenTheServerSaidItTookIt) {
    struct Case {
        const char* what;
        bool reachable;
        std::vector<std::string> chunks;
        NetConnection::Read after;
        int sent;
    };
    const Case cases[] = {
        {"a 200 reply", true, {"HTTP/1.0 200 OK\r\n\r\nOK"}, NetConnection::Read::End, 1},
        {"a 200 reply whose body never ends",
         true,
         {"HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\n"},
         NetConnection::Read::TimedOut,
         1},
        {"a head in small pieces with bare line ends",
         true,
         {"HTTP/1.0 2", "00 OK\n", "\n"},
         NetConnection::Read::TimedOut,
         1},
        {"no connection", false, {}, NetConnection::Read::End, 0},
        {"the line was refused",
         true,
         {"HTTP/1.0 400 Bad Request\r\n\r\nrefused: date"},
         NetConnection::Read::End,
         0},
        {"no reply before the deadline", true, {}, NetConnection::Read::TimedOut, 0},
        {"closed without a reply", true, {}, NetConnection::Read::End, 0},
        {"a reply that is not HTTP",
         true,
         {"SSH-2.0-OpenSSH_9.2\r\n"},
         NetConnection::Read::End,
         0},
        {"a head cut off by the deadline",
         true,
         {"HTTP/1.0 200 OK\r\nServer: x"},
         NetConnection::Read::TimedOut,
         1},
    };
    for (const Case& c : cases) {
        server = {};
        server.reachable = c.reachable;
        server.chunks = c.chunks;
        server.afterChunks = c.after;
        EXPECT_EQ(SendeProtokoll("h", CodeServerPfad, kLine), c.sent) << c.what;
    }
}

TEST_F(CodeClient, AReportStopsReadingAtTheEndOfTheHead) {
    server.chunks = {"HTTP/1.0 200 OK\r\n\r\n", "a body that is never read"};
    EXPECT_EQ(SendeProtokoll("h", CodeServerPfad, kLine), 1);
    EXPECT_EQ(server.reads, 1);
}

TEST_F(CodeClient, TheServerAddressComesFromTheSettingOrIsTheFixedName) {
    EXPECT_EQ(CodeServerAdresse(), CodeServerName);
    IniClass::Schreiben("", "Allgemein", "CodeServer", " 127.0.0.1:8080 ");
    EXPECT_EQ(CodeServerAdresse(), "127.0.0.1:8080");

    struct Case {
        const char* what;
        std::string server;
        std::string host;
        int port;
    };
    const Case cases[] = {
        {"a host alone takes port 80", "schule.example", "schule.example", 80},
        {"host and port", "127.0.0.1:8080", "127.0.0.1", 8080},
        {"an IPv6 address in brackets with a port", "[::1]:8081", "::1", 8081},
        {"an IPv6 address in brackets alone", "[::1]", "::1", 80},
        {"a bare IPv6 address has no port", "::1", "::1", 80},
        {"a port that is no number falls back to 80", "host:http", "host", 80},
        {"a port beyond 65535 falls back to 80", "host:70000", "host", 80},
    };
    for (const Case& c : cases) {
        HostAndPort address = hostAndPort(c.server);
        EXPECT_EQ(address.host, c.host) << c.what;
        EXPECT_EQ(address.port, c.port) << c.what;
    }
}

TEST_F(CodeClient, TheHostHeaderCarriesThePortOfTheSetting) {
    replyWith("OK");
    SendeProtokoll("127.0.0.1:8080", CodeServerPfad, "MAUS||Anna|300");
    ASSERT_EQ(server.ports, std::vector<int>{8080});
    EXPECT_EQ(server.requests[0],
              "GET /code/code.php?code=MAUS||Anna|300 HTTP/1.0\r\nHost: 127.0.0.1:8080\r\n\r\n");
}

TEST_F(CodeClient, TheListKeepsResultLinesLastFirstAndAnalysesTheNewest) {
    replyWith("Kopfzeile der Liste\r\n" + kLine + "\r\nMAUS||Anna|300\r\n" + kLineB + "\r\n");
    Geheim::LadeCodeServerListe("h");
    EXPECT_EQ(server.requests[0], "GET /code/CodeDaten.txt HTTP/1.0\r\nHost: h\r\n\r\n");
    EXPECT_EQ(Geheim::CodeListe, (std::vector<std::string>{kLineB, kLine}));
    EXPECT_EQ(Geheim::ReturnCode, "(direct from server)");
    EXPECT_EQ(Geheim::PruefSummeOk, 1);
    EXPECT_NE(Geheim::ReturnAnalyse.find("<b>Ben</b>"), std::string::npos) << Geheim::ReturnAnalyse;
}

TEST_F(CodeClient, AFailedFetchKeepsTheListAndTheAnalysis) {
    replyWith(kLine + "\n");
    Geheim::LadeCodeServerListe("h");
    ASSERT_EQ(Geheim::CodeListe.size(), 1u);
    const std::string analysis = Geheim::ReturnAnalyse;
    struct Case {
        const char* what;
        bool reachable;
        std::vector<std::string> chunks;
        NetConnection::Read after;
    };
    const Case cases[] = {
        {"no connection", false, {}, NetConnection::Read::End},
        {"no reply in time", true, {}, NetConnection::Read::TimedOut},
        {"not found",
         true,
         {"HTTP/1.0 404 Not Found\r\n\r\n" + kLineB + "\n"},
         NetConnection::Read::End},
        {"not HTTP", true, {kLineB + "\n" + kLineB + "\n"}, NetConnection::Read::End},
        {"a head that never ends", true, {"HTTP/1.0 200 OK\r\n"}, NetConnection::Read::End},
    };
    for (const Case& c : cases) {
        server = {};
        server.reachable = c.reachable;
        server.chunks = c.chunks;
        server.afterChunks = c.after;
        Geheim::LadeCodeServerListe("h");
        EXPECT_EQ(Geheim::CodeListe, std::vector<std::string>{kLine}) << c.what;
        EXPECT_EQ(Geheim::ReturnAnalyse, analysis) << c.what;
    }
}

TEST_F(CodeClient, AListThatBreaksOffKeepsOnlyItsWholeLines) {
    server.chunks = {"HTTP/1.0 200 OK\r\n\r\n" + kLine + "\n" + "CODE|06 Mar 2026|Be"};
    server.afterChunks = NetConnection::Read::TimedOut;
    Geheim::LadeCodeServerListe("h");
    EXPECT_EQ(Geheim::CodeListe, std::vector<std::string>{kLine});
}

TEST_F(CodeClient, AListWithoutALastLineEndKeepsItsLastLine) {
    replyWith(kLine + "\n" + kLineB);
    Geheim::LadeCodeServerListe("h");
    EXPECT_EQ(Geheim::CodeListe, (std::vector<std::string>{kLineB, kLine}));
}

TEST_F(CodeClient, AContentLengthEndsTheBodyEvenWhenTheServerKeepsTheConnection) {
    const std::string body = kLine + "\n";
    server.chunks = {"HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
                     "\r\n\r\n" + body};
    server.afterChunks = NetConnection::Read::TimedOut;
    Geheim::LadeCodeServerListe("h");
    EXPECT_EQ(Geheim::CodeListe, std::vector<std::string>{kLine});
}

TEST_F(CodeClient, AListOfMoreThanTenThousandLinesIsCutThere) {
    std::string body;
    for (int i = 0; i < 10005; ++i)
        body += "CODE|05 Mar 2026|L" + std::to_string(i) + "|A|3|47|127|1|2|1|42\n";
    replyWith(body);
    ::testing::internal::CaptureStdout();
    Geheim::LadeCodeServerListe("h");
    std::string said = ::testing::internal::GetCapturedStdout();
    ASSERT_EQ(Geheim::CodeListe.size(), 10000u);
    EXPECT_EQ(Geheim::CodeListe.front(), "CODE|05 Mar 2026|L9999|A|3|47|127|1|2|1|42");
    EXPECT_EQ(Geheim::CodeListe.back(), "CODE|05 Mar 2026|L0|A|3|47|127|1|2|1|42");
    EXPECT_NE(said.find("more than 10000 lines"), std::string::npos) << said;
}

TEST_F(CodeClient, AListOfMoreThanTwoMegabytesIsCutThere) {
    // 3 MB in lines of 250 bytes, sent in pieces, and a server that would go on sending.
    const std::string line = kLine + "|" + std::string(250 - kLine.size() - 2, 'x') + "\n";
    server.chunks = {"HTTP/1.0 200 OK\r\n\r\n"};
    for (int i = 0; i < 30; ++i) {
        std::string piece;
        for (int j = 0; j < 420; ++j) piece += line;
        server.chunks.push_back(piece);
    }
    ::testing::internal::CaptureStdout();
    Geheim::LadeCodeServerListe("h");
    std::string said = ::testing::internal::GetCapturedStdout();
    // 2 MB hold 8388 whole lines of 250 bytes; the server was not read to its end.
    EXPECT_EQ(Geheim::CodeListe.size(), 2 * 1024 * 1024 / 250u);
    EXPECT_LT(server.reads, 31);
    EXPECT_NE(said.find("larger than 2097152 bytes"), std::string::npos) << said;
}

TEST_F(CodeClient, SteppingMovesThroughTheListAndStopsAtItsEnds) {
    const std::string kLineC = "CODE|07 Mar 2026|Cleo|A|2|50|110|0|0|1|0";
    replyWith(kLine + "\n" + kLineB + "\n" + kLineC + "\n");
    Geheim::LadeCodeServerListe("h");  // [Cleo, Ben, Anna], Cleo shown
    struct Step {
        const char* what;
        int step;
        const char* shown;
    };
    const Step steps[] = {
        {"back from the start goes nowhere", -1, "Cleo"},
        {"the first step forward goes to entry 1", +1, "Ben"},
        {"on to the oldest", +1, "Anna"},
        {"past the end goes nowhere", +1, "Anna"},
        {"two at once past the start goes nowhere", -3, "Anna"},
        {"back to the newest", -2, "Cleo"},
    };
    for (const Step& s : steps) {
        Geheim::holeCodeZeile(s.step);
        EXPECT_NE(Geheim::ReturnAnalyse.find(std::string("<b>") + s.shown + "</b>"),
                  std::string::npos)
            << s.what;
    }
}

TEST_F(CodeClient, WithoutAnInstalledClientNothingIsReached) {
    NetPlatform::install(nullptr);
    EXPECT_EQ(SendeProtokoll("h", CodeServerPfad, kLine), 0);
    EXPECT_TRUE(server.hosts.empty());
}

}  // namespace
