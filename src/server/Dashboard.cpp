#include "server/Dashboard.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <sstream>

#include "data/Daten.h"
#include "i18n/Sprache.h"
#include "music/ChromaTyp.h"
#include "resultcode/Geheim.h"
#include "server/ResultLine.h"
#include "settings/ApiClass.h"

namespace {

// The dashboard's own words; the decoded values come from the language files.
struct Words {
    const char *title, *teacher, *learner, *from, *to, *apply, *clear, *csv, *shown, *passedCount,
        *learners, *averageRating, *received, *book, *lesson, *key, *staff, *date, *time, *rating,
        *mistakes, *result, *passed, *notPassed, *analysis, *mouseTitle, *mouseLatest, *mouseBest,
        *mouseTests, *mouseLast, *noResults, *noMouse, *keyPrompt, *open, *wrongKey, *footer,
        *moreRows;
};

const Words kEnglish = {
    "Results",
    "Teacher no.",
    "Learner",
    "From",
    "To",
    "Apply",
    "Clear filters",
    "Download CSV",
    "results shown",
    "passed",
    "learners",
    "average rating",
    "Received",
    "Book",
    "Lesson",
    "Key",
    "Staff",
    "Date",
    "Time",
    "Rating",
    "Mistakes",
    "Result",
    "passed",
    "not passed",
    "Analysis",
    "Mouse times per learner",
    "Latest",
    "Best",
    "Tests",
    "Last test",
    "No results match these filters.",
    "No mouse tests yet.",
    "Dashboard key",
    "Open",
    "That key is not right.",
    "Every result line the trainer reported, decoded with the trainer's own analysis.",
    "The page shows the first %zu of %zu results; narrow the filters, or download the CSV "
    "for all of them."};

const Words kGerman = {"Ergebnisse",
                       "Lehrer-Nr.",
                       "Schüler",
                       "Von",
                       "Bis",
                       "Anwenden",
                       "Filter löschen",
                       "CSV herunterladen",
                       "Ergebnisse angezeigt",
                       "bestanden",
                       "Schüler",
                       "mittlere Leistung",
                       "Empfangen",
                       "Buch",
                       "Lektion",
                       "Tonart",
                       "System",
                       "Datum",
                       "Zeit",
                       "Leistung",
                       "Fehler",
                       "Ergebnis",
                       "bestanden",
                       "nicht bestanden",
                       "Analyse",
                       "Mauszeiten je Schüler",
                       "Letzte",
                       "Beste",
                       "Tests",
                       "Letzter Test",
                       "Keine Ergebnisse passen zu diesen Filtern.",
                       "Noch keine Maustests.",
                       "Schlüssel für die Übersicht",
                       "Öffnen",
                       "Dieser Schlüssel stimmt nicht.",
                       "Jede Ergebniszeile, die der Trainer gemeldet hat, mit der Analyse des "
                       "Trainers entschlüsselt.",
                       "Die Seite zeigt die ersten %zu von %zu Ergebnissen; grenze die Filter "
                       "ein oder lade die CSV-Datei mit allen herunter."};

// More rows than a teacher reads make a page of megabytes; the CSV holds them all.
constexpr size_t kMaxRows = 1000;

const Words& wordsFor(const std::string& language) {
    return language == "en" ? kEnglish : kGerman;
}

std::string escape(const std::string& text) {
    return HtmlEscape(text);
}

std::vector<std::string> split(const std::string& line) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t bar; (bar = line.find('|', start)) != std::string::npos; start = bar + 1)
        parts.push_back(line.substr(start, bar - start));
    parts.push_back(line.substr(start));
    return parts;
}

std::string lowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool isIsoDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    return std::all_of(text.begin(), text.end(), [](char c) {
        return c == '-' || std::isdigit(static_cast<unsigned char>(c));
    });
}

std::string localTime(int64_t seconds) {
    if (seconds <= 0) return "";
    std::time_t t = seconds;
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

std::string percentEncode(const std::string& text) {
    static const char* kHex = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char c : text) {
        if (std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~') {
            encoded += static_cast<char>(c);
        } else {
            encoded += '%';
            encoded += kHex[c >> 4];
            encoded += kHex[c & 15];
        }
    }
    return encoded;
}

// A CSV cell; a text that a spreadsheet would take for a formula gets a leading "'".
std::string csvCell(const std::string& text) {
    std::string cell = text;
    if (!cell.empty() && std::string("=+-@\t\r").find(cell[0]) != std::string::npos &&
        !std::all_of(cell.begin() + 1, cell.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        cell = "'" + cell;
    std::string quoted = "\"";
    for (char c : cell) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// The day of a result as the teacher reads it: "05.03.2026" in German, the line's own
// "05 Mar 2026" in English.
std::string shownDate(const DecodedResult& r, const std::string& language) {
    if (language == "en" || r.isoDate.empty()) return r.date;
    return r.isoDate.substr(8, 2) + "." + r.isoDate.substr(5, 2) + "." + r.isoDate.substr(0, 4);
}

const char* kColumns[] = {"received", "learner", "book",   "lesson",   "key",    "staff",
                          "date",     "time",    "rating", "mistakes", "passed", "teacher"};

bool isColumn(const std::string& name) {
    return std::find(std::begin(kColumns), std::end(kColumns), name) != std::end(kColumns);
}

// The comparison of one column; ties fall back to the order received.
bool lessInColumn(const std::string& column, const DecodedResult& a, const DecodedResult& b) {
    auto by = [&](const auto& x, const auto& y) {
        if (x != y) return x < y;
        return a.id < b.id;
    };
    if (column == "learner") return by(lowerAscii(a.learner), lowerAscii(b.learner));
    if (column == "book") return by(a.bookName, b.bookName);
    if (column == "lesson") return by(std::pair(a.book, a.lesson), std::pair(b.book, b.lesson));
    if (column == "key") return by(a.key, b.key);
    if (column == "staff") return by(a.staffNumber, b.staffNumber);
    if (column == "date") return by(a.isoDate, b.isoDate);
    if (column == "time") return by(a.seconds, b.seconds);
    if (column == "rating") return by(a.rating, b.rating);
    if (column == "mistakes") return by(a.mistakes, b.mistakes);
    if (column == "passed") return by(a.passed, b.passed);
    if (column == "teacher") return by(a.teacher, b.teacher);
    return a.id < b.id;
}

DecodedResult decode(int64_t id, int64_t received, const std::string& line) {
    std::vector<std::string> f = split(line);
    f.resize(11);
    DecodedResult r;
    r.id = id;
    r.received = received;
    r.analysis = Geheim::AnalyseAutoCode(line);
    r.date = f[1];
    r.isoDate = resultline::IsoDate(f[1]);
    r.learner = f[2];
    r.book = f[3];
    r.lesson = LenientInt(f[4]);
    r.seconds = LenientInt(f[5]);
    r.rating = LenientInt(f[6]);
    r.mistakes = LenientInt(f[7]);
    r.key = LenientInt(f[8]);
    r.staffNumber = LenientInt(f[9]);
    r.teacher = LenientInt(f[10]);
    r.bookName = Geheim::bookName(f[3]);
    r.lessonName = Geheim::lessonName(f[3], f[4]);
    r.scale = ChromaTyp::NameDerTonArt(r.key);
    r.staff = Lokalisiere(Geheim::staffText(f[9]));
    r.passed = r.rating >= 100;
    return r;
}

const char* kStyle = R"(
:root { --ink:#1f2a37; --muted:#5b6572; --line:#e3ddd0; --paper:#fbf9f4; --accent:#1d3f6e;
        --pass:#1f6b43; --pass-bg:#dcf2e3; --fail:#8a2630; --fail-bg:#f8e0e2; }
* { box-sizing:border-box; }
body { margin:0; background:#f1ede4; color:var(--ink);
       font:15px/1.45 system-ui,"Segoe UI","Noto Sans","Liberation Sans",Arial,sans-serif; }
header { background:#fff; border-bottom:3px solid var(--accent); padding:10px 28px;
         display:flex; align-items:center; gap:24px; }
header img { height:52px; }
header h1 { font-size:22px; margin:0; color:var(--accent); font-weight:600; }
header .languages { margin-left:auto; font-size:13px; }
header .languages a { color:var(--muted); margin-left:10px; }
header .languages a.current { color:var(--accent); font-weight:600; text-decoration:none; }
main { padding:18px 28px 40px; max-width:1500px; }
form.filters { background:#fff; border:1px solid var(--line); border-radius:10px; padding:14px 16px;
               display:flex; flex-wrap:wrap; gap:14px; align-items:flex-end; }
form.filters label { display:flex; flex-direction:column; font-size:12px; color:var(--muted);
                     font-weight:600; gap:3px; }
form.filters input { font:inherit; padding:6px 9px; border:1px solid #c9c2b3; border-radius:6px;
                     background:var(--paper); min-width:9em; }
form.filters input[type=number] { min-width:6em; width:7em; }
button, a.button { font:inherit; font-weight:600; border-radius:6px; padding:7px 16px; border:0;
                   cursor:pointer; text-decoration:none; display:inline-block; }
button { background:var(--accent); color:#fff; }
a.button { background:#eee8da; color:var(--ink); }
a.button.csv { background:#fff; border:1px solid var(--accent); color:var(--accent); }
.spacer { flex:1; }
.summary { display:flex; gap:12px; margin:16px 0; flex-wrap:wrap; }
.summary div { background:#fff; border:1px solid var(--line); border-radius:10px;
               padding:8px 16px; min-width:130px; }
.summary b { display:block; font-size:22px; color:var(--accent); }
.summary span { font-size:12px; color:var(--muted); }
table { width:100%; border-collapse:separate; border-spacing:0; background:#fff;
        border:1px solid var(--line); border-radius:10px; overflow:hidden; }
th { background:#e9e3d5; text-align:left; font-size:13px; padding:8px 10px; white-space:nowrap; }
th a { color:var(--ink); text-decoration:none; }
th a:hover { text-decoration:underline; }
th.sorted a { color:var(--accent); }
td { padding:6px 10px; border-top:1px solid var(--line); vertical-align:top; }
td.nowrap, details summary { white-space:nowrap; }
th.num { text-align:right; }
table#mouse { width:auto; min-width:640px; }
table#mouse td, table#mouse th { padding-left:18px; padding-right:18px; }
tr:nth-child(even) td { background:var(--paper); }
td.num { text-align:right; font-variant-numeric:tabular-nums; white-space:nowrap; }
td.small { font-size:13px; color:var(--muted); white-space:nowrap; }
td.learner { font-weight:600; }
.badge { border-radius:999px; padding:2px 10px; font-size:12px; font-weight:600; white-space:nowrap; }
.badge.pass { background:var(--pass-bg); color:var(--pass); }
.badge.fail { background:var(--fail-bg); color:var(--fail); }
details summary { cursor:pointer; color:var(--accent); font-size:13px; }
details div { font-size:13px; padding:6px 0; min-width:260px; }
h2 { font-size:17px; margin:28px 0 10px; color:var(--accent); }
p.empty { background:#fff; border:1px dashed #c9c2b3; border-radius:10px; padding:18px;
          color:var(--muted); text-align:center; }
footer { color:var(--muted); font-size:12px; margin-top:26px; }
form.key { background:#fff; border:1px solid var(--line); border-radius:10px; padding:24px;
           max-width:380px; margin:60px auto; display:flex; flex-direction:column; gap:12px; }
form.key input { font:inherit; padding:8px; border:1px solid #c9c2b3; border-radius:6px; }
.error { color:var(--fail); }
)";

std::string pageStart(const std::string& language, const std::string& title,
                      const std::string& languageLinks) {
    return "<!DOCTYPE html>\n<html lang=\"" + language +
           "\"><head><meta charset=\"utf-8\">"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
           "<title>Lesmora – " +
           title + "</title><style>" + kStyle +
           "</style></head><body><header><img src=\"/logo.png\" alt=\"Lesmora\"><h1>" + title +
           "</h1>" + languageLinks + "</header><main>\n";
}

}  // namespace

DashboardQuery DashboardQuery::FromParameters(
    const std::multimap<std::string, std::string>& params) {
    DashboardQuery query;
    auto value = [&](const char* name) {
        auto it = params.find(name);
        return it == params.end() ? std::string() : it->second;
    };
    std::string teacher = value("teacher");
    if (!teacher.empty() && teacher.size() <= 9 &&
        std::all_of(teacher.begin(), teacher.end(),
                    [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        query.teacher = std::stoi(teacher);
    query.learner = value("learner");
    if (isIsoDate(value("from"))) query.from = value("from");
    if (isIsoDate(value("to"))) query.to = value("to");
    if (isColumn(value("sort"))) query.sort = value("sort");
    if (value("dir") == "asc") query.descending = false;
    if (value("lang") == "en") query.language = "en";
    return query;
}

std::string DashboardQuery::QueryString(const std::string& sortOverride,
                                        std::optional<bool> descendingOverride) const {
    std::string text = "lang=" + language;
    if (teacher) text += "&teacher=" + std::to_string(*teacher);
    if (!learner.empty()) text += "&learner=" + percentEncode(learner);
    if (!from.empty()) text += "&from=" + from;
    if (!to.empty()) text += "&to=" + to;
    text += "&sort=" + (sortOverride.empty() ? sort : sortOverride);
    text += std::string("&dir=") + (descendingOverride.value_or(descending) ? "desc" : "asc");
    return text;
}

void Dashboard::PrepareDecoding() {
    RegistriereDatenArchiv();
    DatenPfad = "ZIP::Incbin::DATEN.ZIP//";
    SprachLoader(0, "english");
    SprachLoader(1, "deutsch");
    AktSprache = 1;
    SetCurrentLanguage(Language[1]);
    ChromaTyp::StartUp();
}

Dashboard::Decoded& Dashboard::catchUp(const std::string& language) {
    Decoded& decoded = decoded_[language];
    AktSprache = language == "en" ? 0 : 1;
    SetCurrentLanguage(Language[AktSprache]);
    for (const ResultStore::Row& row : store_.Since(decoded.lastId)) {
        decoded.lastId = row.id;
        if (row.line.starts_with("CODE|")) {
            decoded.results.push_back(decode(row.id, row.received, row.line));
        } else if (row.line.starts_with("MAUS|")) {
            std::vector<std::string> f = split(row.line);
            f.resize(4);
            decoded.mouse.push_back({row.received, f[2], LenientInt(f[3])});
        }
    }
    return decoded;
}

std::vector<DecodedResult> Dashboard::Select(const DashboardQuery& query) {
    std::lock_guard lock(mutex_);
    const Decoded& decoded = catchUp(query.language);
    std::string learner = lowerAscii(query.learner);
    std::vector<DecodedResult> shown;
    for (const DecodedResult& r : decoded.results) {
        if (query.teacher && r.teacher != *query.teacher) continue;
        if (!learner.empty() && lowerAscii(r.learner).find(learner) == std::string::npos) continue;
        if (!query.from.empty() && (r.isoDate.empty() || r.isoDate < query.from)) continue;
        if (!query.to.empty() && (r.isoDate.empty() || r.isoDate > query.to)) continue;
        shown.push_back(r);
    }
    std::sort(shown.begin(), shown.end(), [&](const DecodedResult& a, const DecodedResult& b) {
        return query.descending ? lessInColumn(query.sort, b, a) : lessInColumn(query.sort, a, b);
    });
    return shown;
}

std::vector<MouseTime> Dashboard::MouseTimes(const DashboardQuery& query) {
    std::lock_guard lock(mutex_);
    const Decoded& decoded = catchUp(query.language);
    std::string learner = lowerAscii(query.learner);
    std::vector<MouseTime> shown;
    for (const MouseTime& m : decoded.mouse)
        if (learner.empty() || lowerAscii(m.learner).find(learner) != std::string::npos)
            shown.push_back(m);
    return shown;
}

std::string Dashboard::Page(const DashboardQuery& query) {
    const Words& w = wordsFor(query.language);
    std::vector<DecodedResult> shown = Select(query);
    std::vector<MouseTime> mouse = MouseTimes(query);
    size_t total;
    {
        std::lock_guard lock(mutex_);
        total = decoded_[query.language].results.size();
    }

    DashboardQuery english = query, german = query;
    english.language = "en";
    german.language = "de";
    std::string languageLinks =
        "<nav class=\"languages\"><a href=\"/?" + escape(german.QueryString()) + "\"" +
        (query.language == "de" ? " class=\"current\"" : "") + ">Deutsch</a><a href=\"/?" +
        escape(english.QueryString()) + "\"" +
        (query.language == "en" ? " class=\"current\"" : "") + ">English</a></nav>";
    std::ostringstream page;
    page << pageStart(query.language, w.title, languageLinks);

    // The filters: a plain form, so the page works without any script.
    page << "<form class=\"filters\" method=\"get\" action=\"/\">"
         << "<input type=\"hidden\" name=\"lang\" value=\"" << escape(query.language) << "\">"
         << "<input type=\"hidden\" name=\"sort\" value=\"" << escape(query.sort) << "\">"
         << "<input type=\"hidden\" name=\"dir\" value=\"" << (query.descending ? "desc" : "asc")
         << "\">"
         << "<label>" << w.teacher << "<input type=\"number\" min=\"0\" name=\"teacher\" value=\""
         << (query.teacher ? std::to_string(*query.teacher) : "") << "\"></label>"
         << "<label>" << w.learner << "<input type=\"search\" name=\"learner\" value=\""
         << escape(query.learner) << "\"></label>"
         << "<label>" << w.from << "<input type=\"date\" name=\"from\" value=\""
         << escape(query.from) << "\"></label>"
         << "<label>" << w.to << "<input type=\"date\" name=\"to\" value=\"" << escape(query.to)
         << "\"></label>"
         << "<button type=\"submit\" id=\"apply\">" << w.apply << "</button>"
         << "<a class=\"button\" href=\"/?lang=" << escape(query.language) << "\">" << w.clear
         << "</a><span class=\"spacer\"></span>"
         << "<a class=\"button csv\" id=\"csv\" href=\"/results.csv?" << escape(query.QueryString())
         << "\">" << w.csv << "</a></form>\n";

    size_t passed = std::count_if(shown.begin(), shown.end(), [](auto& r) { return r.passed; });
    std::vector<std::string> names;
    long ratingSum = 0;
    for (const DecodedResult& r : shown) {
        names.push_back(lowerAscii(r.learner));
        ratingSum += r.rating;
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    page << "<section class=\"summary\"><div><b id=\"shown\">" << shown.size() << "</b><span>"
         << w.shown << " / " << total << "</span></div><div><b>" << passed << "</b><span>"
         << w.passedCount << "</span></div><div><b>" << names.size() << "</b><span>" << w.learners
         << "</span></div><div><b>"
         << (shown.empty() ? std::string("–")
                           : std::to_string(ratingSum / static_cast<long>(shown.size())) + " %")
         << "</b><span>" << w.averageRating << "</span></div></section>\n";

    if (shown.empty()) {
        page << "<p class=\"empty\">" << w.noResults << "</p>\n";
    } else {
        struct Column {
            const char* name;
            const char* title;
            bool numeric = false;
        };
        const Column columns[] = {
            {"received", w.received},       {"learner", w.learner}, {"book", w.book},
            {"lesson", w.lesson},           {"key", w.key},         {"staff", w.staff},
            {"date", w.date, true},         {"time", w.time, true}, {"rating", w.rating, true},
            {"mistakes", w.mistakes, true}, {"passed", w.result},   {"teacher", w.teacher, true}};
        page << "<table id=\"results\"><thead><tr>";
        for (const Column& c : columns) {
            bool sorted = query.sort == c.name;
            bool nextDescending = sorted ? !query.descending : true;
            std::string classes = std::string(sorted ? "sorted " : "") + (c.numeric ? "num" : "");
            page << "<th" << (classes.empty() ? "" : " class=\"" + classes + "\"")
                 << "><a href=\"/?" << escape(query.QueryString(c.name, nextDescending)) << "\">"
                 << c.title << (sorted ? (query.descending ? " ▼" : " ▲") : "") << "</a></th>";
        }
        page << "<th>" << w.analysis << "</th></tr></thead><tbody>\n";
        for (size_t row = 0; row < std::min(shown.size(), kMaxRows); ++row) {
            const DecodedResult& r = shown[row];
            page << "<tr class=\"result\" data-id=\"" << r.id << "\">"
                 << "<td class=\"small\">" << localTime(r.received) << "</td>"
                 << "<td class=\"learner\">" << escape(r.learner) << "</td>"
                 << "<td>" << escape(r.bookName.empty() ? r.book : r.bookName) << "</td>"
                 << "<td>" << r.lesson << (r.lessonName.empty() ? "" : " · ")
                 << escape(r.lessonName) << "</td>"
                 << "<td class=\"nowrap\">" << escape(r.scale) << "</td>"
                 << "<td class=\"nowrap\">" << escape(r.staff) << "</td>"
                 << "<td class=\"num\">" << escape(shownDate(r, query.language)) << "</td>"
                 << "<td class=\"num\">" << r.seconds << " s</td>"
                 << "<td class=\"num\">" << r.rating << " %</td>"
                 << "<td class=\"num\">" << r.mistakes << "</td>"
                 << "<td><span class=\"badge " << (r.passed ? "pass\">" : "fail\">")
                 << (r.passed ? w.passed : w.notPassed) << "</span></td>"
                 << "<td class=\"num\">" << r.teacher << "</td>"
                 << "<td><details><summary>" << w.analysis << "</summary><div>" << r.analysis
                 << "</div></details></td></tr>\n";
        }
        page << "</tbody></table>\n";
        if (shown.size() > kMaxRows) {
            char note[256];
            std::snprintf(note, sizeof note, w.moreRows, kMaxRows, shown.size());
            page << "<p class=\"empty\" id=\"more\">" << note << "</p>\n";
        }
    }

    // Mouse times: the latest and the best of each learner's tests.
    page << "<h2>" << w.mouseTitle << "</h2>\n";
    struct PerLearner {
        std::string name;
        int latest = 0, best = 0, tests = 0;
        int64_t last = 0;
    };
    std::map<std::string, PerLearner> byLearner;
    for (const MouseTime& m : mouse) {
        PerLearner& p = byLearner[lowerAscii(m.learner)];
        p.name = m.learner;
        p.latest = m.milliseconds;
        p.best = p.tests == 0 ? m.milliseconds : std::min(p.best, m.milliseconds);
        ++p.tests;
        p.last = m.received;
    }
    if (byLearner.empty()) {
        page << "<p class=\"empty\">" << w.noMouse << "</p>\n";
    } else {
        page << "<table id=\"mouse\"><thead><tr><th>" << w.learner << "</th><th class=\"num\">"
             << w.mouseLatest << "</th><th class=\"num\">" << w.mouseBest
             << "</th><th class=\"num\">" << w.mouseTests << "</th><th>" << w.mouseLast
             << "</th></tr></thead><tbody>\n";
        for (const auto& [key, p] : byLearner)
            page << "<tr class=\"mouse\"><td class=\"learner\">" << escape(p.name)
                 << "</td><td class=\"num\">" << p.latest << " ms</td><td class=\"num\">" << p.best
                 << " ms</td><td class=\"num\">" << p.tests << "</td><td class=\"small\">"
                 << localTime(p.last) << "</td></tr>\n";
        page << "</tbody></table>\n";
    }
    page << "<footer>" << w.footer << "</footer></main></body></html>\n";
    return page.str();
}

std::string Dashboard::Csv(const DashboardQuery& query) {
    std::string csv =
        "received,learner,book,book name,lesson,lesson name,key,staff,date,seconds,rating,"
        "mistakes,passed,teacher\r\n";
    for (const DecodedResult& r : Select(query)) {
        const std::string cells[] = {localTime(r.received),
                                     r.learner,
                                     r.book,
                                     r.bookName,
                                     std::to_string(r.lesson),
                                     r.lessonName,
                                     r.scale,
                                     r.staff,
                                     r.isoDate.empty() ? r.date : r.isoDate,
                                     std::to_string(r.seconds),
                                     std::to_string(r.rating),
                                     std::to_string(r.mistakes),
                                     r.passed ? "yes" : "no",
                                     std::to_string(r.teacher)};
        std::string row;
        for (const std::string& cell : cells) row += (row.empty() ? "" : ",") + csvCell(cell);
        csv += row + "\r\n";
    }
    return csv;
}

std::string Dashboard::KeyPage(const std::string& language, bool wrongKey) {
    const Words& w = wordsFor(language);
    return pageStart(language, w.title, "") +
           "<form class=\"key\" method=\"post\" action=\"/login\">" +
           "<input type=\"hidden\" name=\"lang\" value=\"" + escape(language) +
           "\"><label for=\"key\">" + w.keyPrompt +
           "</label><input type=\"password\" id=\"key\" name=\"key\" autofocus>" +
           (wrongKey ? std::string("<span class=\"error\">") + w.wrongKey + "</span>" : "") +
           "<button type=\"submit\">" + w.open + "</button></form></main></body></html>\n";
}
