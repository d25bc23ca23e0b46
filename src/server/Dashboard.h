#pragma once
// The teacher's dashboard: every stored result decoded with the program's own analysis,
// filtered, sorted, as an HTML page or as CSV; and the mouse times per learner.

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "server/ResultStore.h"

// One examination result, decoded.
struct DecodedResult {
    int64_t id = 0;
    int64_t received = 0;
    std::string learner, book, bookName, lessonName, scale, staff, date, isoDate;
    int lesson = 0, key = 0, staffNumber = 0, seconds = 0, rating = 0, mistakes = 0, teacher = 0;
    bool passed = false;
    std::string analysis;  // the program's analysis text (HTML, values escaped)
};

struct MouseTime {
    int64_t received = 0;
    std::string learner;
    int milliseconds = 0;
};

// What the teacher asked to see, from the page's query string.
struct DashboardQuery {
    std::optional<int> teacher;
    std::string learner;   // part of the name, without regard to letter case
    std::string from, to;  // "YYYY-MM-DD", both ends included; empty for open
    std::string sort = "received";
    bool descending = true;
    std::string language = "de";

    static DashboardQuery FromParameters(const std::multimap<std::string, std::string>& params);
    // The query string that asks for the same view (for links and the CSV).
    std::string QueryString(const std::string& sortOverride = "",
                            std::optional<bool> descendingOverride = std::nullopt) const;
};

class Dashboard {
  public:
    explicit Dashboard(const ResultStore& store) : store_(store) {}

    // Makes the program's analysis usable: the embedded archive, both languages, the
    // note names. Call once before the first page.
    static void PrepareDecoding();

    std::string Page(const DashboardQuery& query);
    std::string Csv(const DashboardQuery& query);
    // The page that asks for the dashboard key.
    static std::string KeyPage(const std::string& language, bool wrongKey);

    // The results the query shows, in its order (for tests and both formats).
    std::vector<DecodedResult> Select(const DashboardQuery& query);
    std::vector<MouseTime> MouseTimes(const DashboardQuery& query);

  private:
    struct Decoded {
        std::vector<DecodedResult> results;
        std::vector<MouseTime> mouse;
        int64_t lastId = 0;
    };
    Decoded& catchUp(const std::string& language);

    const ResultStore& store_;
    std::mutex mutex_;  // the analysis keeps class-wide state: one decoder at a time
    std::map<std::string, Decoded> decoded_;
};
