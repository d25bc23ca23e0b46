// The dashboard as a teacher's browser shows it: headless Chromium loads the page from
// the real server and the test reads the rendered DOM.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "server/HeadlessChromium.h"
#include "server/ServerProcess.h"

namespace {

class DashboardInChromium : public ::testing::Test {
  protected:
    void SetUp() override {
        chromium = chromiumPath();
        if (chromium.empty())
            GTEST_SKIP() << "chromium is not installed (scripts/install-deps.sh installs it)";
        char pattern[] = "/tmp/lesmora-browser-test-XXXXXX";
        folder = mkdtemp(pattern);
        std::string probe = browse("--dump-dom", "about:blank");
        if (probe.find("<body") == std::string::npos)
            GTEST_SKIP() << "chromium is installed but cannot run headless here: " << probe;

        server = std::make_unique<ServerProcess>(folder + "/results.sqlite");
        ASSERT_TRUE(server->running()) << server->output();
        std::ifstream fixture(LESMORA_SOURCE_DIR "/tests/server/dashboard_fixture.txt");
        for (std::string line; std::getline(fixture, line);) {
            ASSERT_EQ(httpGet(server->port(), reportTarget(line)).status, 200) << line;
            lines.push_back(line);
        }
        ASSERT_EQ(lines.size(), 30u);
        for (const char* mouse : {"MAUS||Anna|412", "MAUS||Ben|530", "MAUS||Anna|380"})
            ASSERT_EQ(httpGet(server->port(), reportTarget(mouse)).status, 200);
    }
    void TearDown() override {
        server.reset();
        if (!folder.empty()) std::filesystem::remove_all(folder);
    }

    // Runs headless Chromium on a page of the server and returns what it printed.
    std::string browse(const std::string& what, const std::string& url) {
        return runHeadlessChromium(chromium, folder + "/profile", "--window-size=1500,1100 " + what,
                                   url);
    }
    std::string dom(const std::string& pathAndQuery) {
        return browse("--dump-dom",
                      "http://127.0.0.1:" + std::to_string(server->port()) + pathAndQuery);
    }
    // How many fixture lines pass the test on their fields.
    size_t countLines(const std::function<bool(const std::vector<std::string>&)>& test) {
        return std::count_if(lines.begin(), lines.end(),
                             [&](const std::string& line) { return test(fieldsOf(line)); });
    }
    static std::vector<std::string> fieldsOf(const std::string& line) {
        std::vector<std::string> fields;
        std::stringstream parts(line);
        for (std::string f; std::getline(parts, f, '|');) fields.push_back(f);
        return fields;
    }

    std::string chromium, folder;
    std::unique_ptr<ServerProcess> server;
    std::vector<std::string> lines;
};

std::vector<std::string> rowIds(const std::string& dom) {
    std::vector<std::string> ids;
    std::regex row("<tr class=\"result\" data-id=\"([0-9]+)\"");
    for (std::sregex_iterator it(dom.begin(), dom.end(), row), end; it != end; ++it)
        ids.push_back((*it)[1]);
    return ids;
}

std::string unescapeAmp(std::string text) {
    for (size_t at; (at = text.find("&amp;")) != std::string::npos;) text.replace(at, 5, "&");
    return text;
}

TEST_F(DashboardInChromium, ShowsEveryResultNewestFirst) {
    std::string page = dom("/?lang=en");
    std::vector<std::string> ids = rowIds(page);
    ASSERT_EQ(ids.size(), 30u) << page.substr(0, 2000);
    EXPECT_EQ(ids.front(), "30");
    EXPECT_EQ(ids.back(), "1");
    EXPECT_NE(page.find("<b id=\"shown\">30</b>"), std::string::npos);
    // Decoded with the program's analysis: book and lesson names, the key, the staff.
    EXPECT_NE(page.find("Violinschlüssel"), std::string::npos);
    EXPECT_NE(page.find("Treble &amp; Bass"), std::string::npos);
    EXPECT_NE(page.find("-Major"), std::string::npos);
    // The mouse times per learner.
    EXPECT_NE(page.find("<td class=\"num\">380 ms</td>"), std::string::npos) << "Anna's best";
}

TEST_F(DashboardInChromium, ANameWithMarkupShowsAsText) {
    std::string page = dom("/?lang=en&learner=max");
    EXPECT_EQ(rowIds(page).size(), countLines([](auto& f) { return f[2] == "<b>Max</b>"; }));
    EXPECT_NE(page.find("<td class=\"learner\">&lt;b&gt;Max&lt;/b&gt;</td>"), std::string::npos)
        << page;
    EXPECT_EQ(page.find("<b>Max</b>"), std::string::npos);
}

TEST_F(DashboardInChromium, FiltersByTeacherLearnerAndDates) {
    using Fields = std::vector<std::string>;
    auto lower = [](std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    struct Case {
        const char* what;
        std::string query;
        size_t expected;
    };
    const Case cases[] = {
        {"teacher 12", "teacher=12", countLines([](const Fields& f) { return f[10] == "12"; })},
        {"learner 'ANN' in any case", "learner=ANN",
         countLines([&](const Fields& f) { return lower(f[2]).find("ann") != std::string::npos; })},
        {"3 to 5 December", "from=2026-12-03&to=2026-12-05", countLines([](const Fields& f) {
             return f[1] >= "03 Dec 2026" && f[1] <= "05 Dec 2026";
         })},
        {"teacher 7 from 8 December", "teacher=7&from=2026-12-08",
         countLines([](const Fields& f) { return f[10] == "7" && f[1] >= "08 Dec 2026"; })},
    };
    for (const Case& c : cases) {
        ASSERT_GT(c.expected, 0u) << c.what << ": the fixture must hold such lines";
        ASSERT_LT(c.expected, lines.size()) << c.what << ": the filter must leave some out";
        EXPECT_EQ(rowIds(dom("/?lang=en&" + c.query)).size(), c.expected) << c.what;
    }
    std::string none = dom("/?lang=en&learner=nobody");
    EXPECT_EQ(rowIds(none).size(), 0u);
    EXPECT_NE(none.find("No results match these filters."), std::string::npos);
}

TEST_F(DashboardInChromium, SortsByAColumnFromItsHeader) {
    std::string page = dom("/?lang=en");
    std::smatch link;
    ASSERT_TRUE(std::regex_search(page, link,
                                  std::regex("<a href=\"(/\\?[^\"]*sort=rating[^\"]*)\">Rating")))
        << page.substr(0, 3000);
    std::string sortedDesc = dom(unescapeAmp(link[1]));
    std::smatch first;
    std::regex rating("<td class=\"num\">([0-9]+) %</td>");
    ASSERT_TRUE(std::regex_search(sortedDesc, first, rating));
    int highest = 0, lowest = 100000;
    for (const std::string& line : lines) {
        highest = std::max(highest, std::stoi(fieldsOf(line)[6]));
        lowest = std::min(lowest, std::stoi(fieldsOf(line)[6]));
    }
    EXPECT_EQ(std::stoi(first[1]), highest);
    std::string sortedAsc = dom("/?lang=en&sort=rating&dir=asc");
    ASSERT_TRUE(std::regex_search(sortedAsc, first, rating));
    EXPECT_EQ(std::stoi(first[1]), lowest);
    EXPECT_NE(sortedAsc.find("Rating ▲"), std::string::npos);
}

TEST_F(DashboardInChromium, TheCsvLinkDownloadsWhatIsShown) {
    std::string page = dom("/?lang=en&teacher=12");
    std::smatch link;
    ASSERT_TRUE(std::regex_search(page, link, std::regex("id=\"csv\" href=\"([^\"]+)\"")));
    std::string href = unescapeAmp(link[1]);
    EXPECT_TRUE(href.starts_with("/results.csv?")) << href;
    Reply csv = httpGet(server->port(), href);
    EXPECT_EQ(csv.status, 200);
    EXPECT_NE(csv.headers.find("Content-Disposition: attachment"), std::string::npos);
    size_t rows = std::count(csv.body.begin(), csv.body.end(), '\n');
    EXPECT_EQ(rows, rowIds(page).size() + 1) << csv.body;
    EXPECT_TRUE(csv.body.starts_with("received,learner,book,book name,lesson,lesson name,key,"));
    for (const std::string& line : lines)
        if (line.ends_with("|12")) {
            std::string learner = fieldsOf(line)[2];
            EXPECT_NE(csv.body.find("\"" + learner + "\""), std::string::npos) << learner;
        }
    EXPECT_NE(csv.body.find("\"yes\""), std::string::npos);
}

TEST_F(DashboardInChromium, RendersAScreenshot) {
    std::string shot = folder + "/dashboard.png";
    browse("--hide-scrollbars --screenshot=" + shot,
           "http://127.0.0.1:" + std::to_string(server->port()) + "/?lang=en");
    ASSERT_TRUE(std::filesystem::exists(shot));
    EXPECT_GT(std::filesystem::file_size(shot), 20000u) << "a page with a logo and a table";
}

}  // namespace
