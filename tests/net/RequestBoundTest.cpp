// Every request to the result-code server ends within its bound, on loopback only: a
// server that accepts and never answers, a port where nothing listens, a name that
// cannot be resolved and a lookup that hangs.

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <thread>

#include "dialogs/InfoFenster.h"
#include "exercise/Bewertung.h"
#include "exercise/ExerciseFixture.h"
#include "i18n/Sprache.h"
#include "platform/Net.h"
#include "platform/net/SocketNetClient.h"
#include "resultcode/CodeServer.h"
#include "resultcode/Geheim.h"

namespace {
using Clock = std::chrono::steady_clock;

// A socket on 127.0.0.1 that listens but is never accepted from nor written to: the
// kernel completes the connection, and no byte ever comes back.
class SilentServer {
  public:
    SilentServer() {
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(fd_, 16);
        socklen_t length = sizeof address;
        getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~SilentServer() { close(fd_); }
    int port() const { return port_; }

  private:
    int fd_ = -1;
    int port_ = 0;
};

// A port on 127.0.0.1 that was free a moment ago: a connection there is refused.
int freePort() {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

class RequestBound : public ExerciseTest {
  protected:
    void SetUp() override {
        ExerciseTest::SetUp();
        SocketNetClient::install();
        IniClass::Schreiben("", "Allgemein", "User", "Greta");
    }
    void TearDown() override {
        NetPlatform::install(nullptr);
        ExerciseTest::TearDown();
    }
    // Seconds from the start of one tick to the end of the next: the longest the
    // window would not repaint.
    double tickGap() {
        Clock::time_point start = Clock::now();
        tick();
        tick();
        return secondsSince(start);
    }
};

TEST_F(RequestBound, TheListFetchAtStartLeavesTheProgramResponsive) {
    SilentServer silent;
    struct Case {
        const char* what;
        std::string server;
    };
    const Case cases[] = {
        {"a server that accepts and never answers", "127.0.0.1:" + std::to_string(silent.port())},
        {"a port where nothing listens", "127.0.0.1:" + std::to_string(freePort())},
        {"a host name that cannot be resolved", "no-such-host.invalid"},
    };
    for (const Case& c : cases) {
        ::testing::internal::CaptureStdout();
        Programm::StartUp(gui);
        Programm::NamensEingabeNachTicks = 0;
        IniClass::Schreiben("", "Allgemein", "CodeServer", c.server);
        tick();                  // tick 1
        double gap = tickGap();  // ticks 2 and 3: the MIDI clients, then the list
        std::string said = ::testing::internal::GetCapturedStdout();
        std::cout << c.what << ": the next tick came after " << gap << " s" << std::endl;
        EXPECT_LT(gap, 2.1) << c.what << "\n" << said;
        EXPECT_TRUE(Geheim::CodeListe.empty()) << c.what;
        EXPECT_NE(said.find("no list from"), std::string::npos) << c.what << "\n" << said;
    }
}

TEST_F(RequestBound, AnExaminationThatCannotReportShowsTheHandCodeWithinTheBound) {
    SilentServer silent;
    IniClass::Schreiben("", "Allgemein", "CodeServer",
                        "127.0.0.1:" + std::to_string(silent.port()));
    startExamination({"22", 1, 0, 60, 2, 3});
    answer(true);
    answer(true);
    double longest = 0;
    for (int i = 0; i < 200 && Spiel::SpielMode != Spiel::KeinSpiel; ++i) {
        Clock::time_point start = Clock::now();
        tick();
        longest = std::max(longest, secondsSince(start));
    }
    ASSERT_EQ(Spiel::SpielMode, Spiel::KeinSpiel);
    std::cout << "the tick that reported to a silent server took " << longest << " s" << std::endl;
    EXPECT_LT(longest, 2.1);
    EXPECT_GE(longest, 1.9) << "the report waited for its reply until the bound";
    std::string page = gui.record(InfoFenster::HtmlView)->pageText;
    EXPECT_NE(page.find(Lokalisiere("{{Phrase54}}")), std::string::npos) << page;
}

TEST(SocketNetClientBound, AHangingNameLookupIsGivenUpAtTheDeadline) {
    SocketNetClient client([](const std::string&, int) {
        std::this_thread::sleep_for(std::chrono::seconds(10));
        return std::vector<SocketNetClient::Address>{};
    });
    Clock::time_point start = Clock::now();
    auto connection = client.connect("slow.example", 80, std::chrono::milliseconds(500));
    double took = secondsSince(start);
    EXPECT_EQ(connection, nullptr);
    // Given up at the deadline, long before the lookup ends (slack for a loaded machine).
    EXPECT_LT(took, 1.0);
    EXPECT_GE(took, 0.45);
}

TEST(SocketNetClientBound, ASilentServerTimesTheReadOut) {
    SilentServer silent;
    SocketNetClient client;
    auto connection = client.connect("127.0.0.1", silent.port(), std::chrono::milliseconds(300));
    ASSERT_NE(connection, nullptr) << "the kernel completes the connection";
    EXPECT_TRUE(connection->send("GET / HTTP/1.0\r\n\r\n"));
    std::string bytes;
    Clock::time_point start = Clock::now();
    EXPECT_EQ(connection->read(bytes, 100), NetConnection::Read::TimedOut);
    EXPECT_LT(secondsSince(start), 1.0);
    EXPECT_TRUE(bytes.empty());
}

}  // namespace
