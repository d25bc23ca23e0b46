// The code client in the whole program against the real lesmora-server on 127.0.0.1: an
// examination reports its line, the next start fetches the list, and the teacher reads
// typed codes and server lines on the code page.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/InfoFenster.h"
#include "dialogs/InputFenster.h"
#include "exercise/Bewertung.h"
#include "exercise/ExerciseFixture.h"
#include "i18n/Sprache.h"
#include "platform/Net.h"
#include "platform/net/SocketNetClient.h"
#include "resultcode/Geheim.h"
#include "server/ServerProcess.h"

namespace {
using I = InfoFenster;

const std::string kSentNotice = "(wurde bereits an deinen Lehrer gesendet)";
const std::string kAnna = "CODE|05 Mar 2026|Anna|A|3|47|127|1|2|1|42";
const std::string kBen = "CODE|06 Mar 2026|Ben|B|1|60|100|0|0|2|0";

class CodeServerRoad : public ExerciseTest {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/lesmora-code-road-XXXXXX";
        folder = mkdtemp(pattern);
        ExerciseTest::SetUp();
        SocketNetClient::install();
        IniClass::Schreiben("", "Allgemein", "User", "Greta");
    }
    void TearDown() override {
        server.reset();
        NetPlatform::install(nullptr);
        ExerciseTest::TearDown();
        std::filesystem::remove_all(folder);
    }
    void startServer() {
        server = std::make_unique<ServerProcess>(folder + "/results.sqlite");
        ASSERT_TRUE(server->running()) << server->output();
        useServer(server->port());
    }
    void useServer(int port) {
        IniClass::Schreiben("", "Allgemein", "CodeServer", "127.0.0.1:" + std::to_string(port));
    }
    void report(const std::string& line) {
        ASSERT_EQ(httpGet(server->port(), reportTarget(line)).status, 200) << line;
    }
    // A passed examination of two questions, to its result page.
    void passAnExamination() {
        startExamination({"22", 1, 0, 60, 2, 3});
        answer(true);
        answer(true);
        for (int i = 0; i < 200 && Spiel::SpielMode != Spiel::KeinSpiel; ++i) tick();
        ASSERT_EQ(Spiel::SpielMode, Spiel::KeinSpiel);
        ASSERT_GE(Bewertung, 100);
    }
    // The program starts again; its third tick fetches the list.
    void nextStart() {
        ::testing::internal::CaptureStdout();
        Programm::StartUp(gui);
        Programm::NamensEingabeNachTicks = 0;
        for (int i = 0; i < 3; ++i) tick();
        said = ::testing::internal::GetCapturedStdout();
    }
    // The teacher types a code into the input window's code mode.
    void typeCode(const std::string& code) {
        menu(MDI::MENU_CODE);
        ASSERT_TRUE(gui.isShown(InputFenster::Window));
        ASSERT_TRUE(gui.type(InputFenster::TextFeld, code + "\r"));
        Programm::EventLoop();
    }
    void press(int button) {
        ASSERT_TRUE(gui.click(I::Button[button]));
        Programm::EventLoop();
    }
    std::string page() { return gui.record(I::HtmlView)->pageText; }
    std::string shownFile() {
        std::string shown = gui.currentPage(I::HtmlView);
        return shown.substr(shown.rfind('/') + 1);
    }
    // The student's name on the code page.
    std::string student() {
        const std::string key = Lokalisiere("{{Student}}") + " = <b>";
        std::string text = page();
        size_t at = text.find(key);
        if (at == std::string::npos) return "";
        at += key.size();
        return text.substr(at, text.find("</b>", at) - at);
    }
    std::string handCodeOf(const std::string& name) {
        return Geheim::group(Geheim::handCode(name, "A", 3, 47, 127, 1, 2, 1));
    }

    std::string folder, said;
    std::unique_ptr<ServerProcess> server;
};

TEST_F(CodeServerRoad, APassedExaminationSendsItsLineAndThePageSaysSo) {
    startServer();
    passAnExamination();
    EXPECT_EQ(shownFile(), "Bewertung.html");
    EXPECT_NE(page().find(kSentNotice), std::string::npos) << page();
    std::vector<std::string> lines = listedLines(server->port());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("CODE|", 0), 0u) << lines[0];
    EXPECT_NE(lines[0].find("|Greta|"), std::string::npos) << lines[0];
    EXPECT_EQ(lines[0].find(" "), 7u) << "the date's blanks arrive as blanks: " << lines[0];
    EXPECT_TRUE(server->waitForOutput("GET /code/code.php?code=CODE|")) << server->output();
}

TEST_F(CodeServerRoad, WithTheServerStoppedThePageShowsTheHandCode) {
    startServer();
    server->stop();
    passAnExamination();
    std::string text = page();
    EXPECT_EQ(text.find(kSentNotice), std::string::npos);
    const std::string label = Lokalisiere("{{Phrase54}}") + ": ";
    size_t at = text.find(label);
    ASSERT_NE(at, std::string::npos) << text;
    std::string code = text.substr(at + label.size(), text.find('<', at) - at - label.size());
    std::erase(code, '-');
    EXPECT_EQ(code.size(), 14u) << code;
    EXPECT_EQ(Geheim::PruefSummeCheck(code), 1) << code;
    EXPECT_EQ(Geheim::CodeInName(code.substr(5, 3)), "GRE");
}

TEST_F(CodeServerRoad, TheNextStartFetchesTheListAndTheCodePageStepsThroughIt) {
    startServer();
    report(kAnna);
    report("MAUS||Anna|300");
    report(kBen);
    nextStart();
    ASSERT_EQ(Geheim::CodeListe, (std::vector<std::string>{kBen, kAnna})) << said;

    typeCode("abc-def-gh");  // ten characters: the page opens on the newest line
    ASSERT_TRUE(gui.isShown(I::Window));
    EXPECT_FALSE(gui.isShown(InputFenster::Window));
    EXPECT_EQ(shownFile(), "Code.html");
    EXPECT_EQ(student(), "Ben");
    EXPECT_NE(page().find("(direct from server)"), std::string::npos);
    EXPECT_NE(page().find("SmilyLacht.png"), std::string::npos);

    struct Step {
        const char* what;
        int button;
        const char* shown;
    };
    const Step steps[] = {
        {"back goes to the older line", I::BUT_BACK, "Anna"},
        {"back again past the oldest changes nothing", I::BUT_BACK, "Anna"},
        {"forward returns to the newest", I::BUT_FORWARD, "Ben"},
        {"forward past the newest changes nothing", I::BUT_FORWARD, "Ben"},
    };
    for (const Step& s : steps) {
        press(s.button);
        EXPECT_EQ(student(), s.shown) << s.what;
    }
}

TEST_F(CodeServerRoad, TypedCodesOnTheCodePage) {
    startServer();
    report(kBen);
    nextStart();
    const std::string valid = handCodeOf("Lotte");
    std::string broken = valid;
    broken.back() = broken.back() == 'A' ? 'B' : 'A';
    std::string lower = valid;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    struct Case {
        const char* what;
        std::string typed;
        bool opens;
        std::string student;
        const char* face;
    };
    const Case cases[] = {
        {"a valid code in capitals", valid, true, "LOT", "SmilyLacht"},
        {"the same code in small letters with its groups", lower, true, "LOT", "SmilyLacht"},
        {"a wrong check letter is analysed and marked", broken, true, "LOT", "SmilyWut"},
        {"a code with a digit is refused", valid + "1", false, "", ""},
        {"ten characters keep the previous analysis", "ABCD-EFGHI", true, "LOT", "SmilyWut"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        typeCode(c.typed);
        if (!c.opens) {
            EXPECT_TRUE(gui.isShown(InputFenster::Window));
            EXPECT_FALSE(gui.isShown(I::Window));
            gui.setText(InputFenster::TextFeld, "ABC");
            ASSERT_TRUE(gui.type(InputFenster::TextFeld, "\r"));  // too short: opens the page
            Programm::EventLoop();
        }
        ASSERT_TRUE(gui.isShown(I::Window));
        EXPECT_FALSE(gui.isShown(InputFenster::Window));
        if (c.opens) {
            EXPECT_EQ(student(), c.student);
            EXPECT_NE(page().find(std::string(c.face) + ".png"), std::string::npos);
        }
        press(I::BUT_OK);
    }
}

TEST_F(CodeServerRoad, WithAnEmptyListSteppingKeepsTheTypedCodesAnalysis) {
    startServer();
    nextStart();
    ASSERT_TRUE(Geheim::CodeListe.empty()) << said;
    typeCode(handCodeOf("Lotte"));
    EXPECT_EQ(student(), "LOT");
    press(I::BUT_BACK);
    EXPECT_EQ(student(), "LOT");
    press(I::BUT_FORWARD);
    EXPECT_EQ(student(), "LOT");
}

TEST_F(CodeServerRoad, WithTheServerStoppedTheListStaysEmptyAndTheStartGoesOn) {
    startServer();
    report(kBen);
    server->stop();
    nextStart();
    EXPECT_TRUE(Geheim::CodeListe.empty());
    EXPECT_NE(said.find("no list from 127.0.0.1:"), std::string::npos) << said;
}

TEST_F(CodeServerRoad, ANameFromTheNetworkIsTextOnTheCodePage) {
    startServer();
    report("CODE|06 Mar 2026|<img src=x>&{NAME}|B|1|60|100|0|0|2|0");
    nextStart();
    typeCode("ABCDEFGHIJ");
    EXPECT_EQ(page().find("<img src=x>"), std::string::npos);
    EXPECT_NE(page().find("&lt;img src=x&gt;&amp;&#123;NAME&#125;"), std::string::npos) << page();
}

}  // namespace
