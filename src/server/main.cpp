// lesmora-server: takes the result lines the trainer reports, keeps them in SQLite, lists
// them for the trainer and shows them to the teacher on a dashboard.

#include <httplib.h>
#include <signal.h>
#include <sys/socket.h>

#include <cstdio>
#include <ctime>
#include <iostream>
#include <optional>
#include <string>
#include <thread>

#include "data/Files.h"
#include "server/Dashboard.h"
#include "server/RequestLog.h"
#include "server/ResultLine.h"
#include "server/ResultStore.h"

namespace {

struct Options {
    std::string host = "127.0.0.1";
    int port = 8080;
    std::string db = "lesmora-results.sqlite";
    std::string dashboardKey;
};

const char* kUsage =
    "Usage: lesmora-server [--listen ADDR:PORT] [--db FILE] [--dashboard-key KEY]\n"
    "\n"
    "Keeps the result lines the Lesmora trainer reports and shows them to the teacher.\n"
    "\n"
    "  --listen ADDR:PORT    where to listen (default 127.0.0.1:8080; a school sets\n"
    "                        0.0.0.0:80). Port 0 takes a free port and prints it.\n"
    "  --db FILE             the SQLite file of the results (default lesmora-results.sqlite)\n"
    "  --dashboard-key KEY   the dashboard asks for this key (the report and list paths\n"
    "                        the trainer uses stay open)\n"
    "  --help                this text\n"
    "\n"
    "  GET /code/code.php?code=LINE  stores a CODE or MAUS line (200 once it is on disk)\n"
    "  GET /code/CodeDaten.txt       every stored line, in the order received\n"
    "  GET /                         the teacher's dashboard; /results.csv the same as CSV\n";

std::optional<Options> parseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        if (option == "--help" || option == "-h") {
            std::cout << kUsage;
            std::exit(0);
        }
        if (i + 1 >= argc) {
            std::cerr << "lesmora-server: " << option << " needs a value\n" << kUsage;
            return std::nullopt;
        }
        std::string value = argv[++i];
        if (option == "--listen") {
            size_t colon = value.rfind(':');
            std::string port = colon == std::string::npos ? "" : value.substr(colon + 1);
            if (port.empty() || port.size() > 5 ||
                port.find_first_not_of("0123456789") != std::string::npos ||
                std::stoi(port) > 65535) {
                std::cerr << "lesmora-server: --listen wants ADDR:PORT, not " << value << "\n";
                return std::nullopt;
            }
            options.host = value.substr(0, colon);
            if (options.host.size() > 1 && options.host.front() == '[' &&
                options.host.back() == ']')
                options.host = options.host.substr(1, options.host.size() - 2);
            options.port = std::stoi(port);
        } else if (option == "--db") {
            options.db = value;
        } else if (option == "--dashboard-key") {
            options.dashboardKey = value;
        } else {
            std::cerr << "lesmora-server: unknown option " << option << "\n" << kUsage;
            return std::nullopt;
        }
    }
    return options;
}

// The request target as it may stand in a log line: no control characters, at most 300
// bytes.
std::string printable(const std::string& text) {
    std::string shown;
    for (unsigned char c : text) {
        if (shown.size() >= 300) return shown + "...";
        if (c < 0x20 || c == 0x7F) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            shown += hex;
        } else {
            shown += static_cast<char>(c);
        }
    }
    return shown;
}

std::string utcNow() {
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

// The key as it travels in the cookie: hex digits, whatever characters it holds.
std::string hexOf(const std::string& text) {
    static const char* kHex = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : text) hex += std::string{kHex[c >> 4], kHex[c & 15]};
    return hex;
}

bool sameKey(const std::string& a, const std::string& b) {
    unsigned char difference = a.size() == b.size() ? 0 : 1;
    for (size_t i = 0; i < a.size(); ++i) difference |= a[i] ^ (i < b.size() ? b[i] : 0);
    return difference == 0;
}

std::string cookieValue(const httplib::Request& request, const std::string& name) {
    std::string cookies = request.get_header_value("Cookie");
    for (size_t start = 0; start < cookies.size();) {
        size_t end = cookies.find(';', start);
        if (end == std::string::npos) end = cookies.size();
        std::string pair = cookies.substr(start, end - start);
        while (!pair.empty() && pair.front() == ' ') pair.erase(0, 1);
        if (pair.starts_with(name + "=")) return pair.substr(name.size() + 1);
        start = end + 1;
    }
    return "";
}

void securityHeaders(httplib::Response& response) {
    response.set_header("Content-Security-Policy",
                        "default-src 'none'; style-src 'unsafe-inline'; img-src 'self'; "
                        "form-action 'self'; frame-ancestors 'none'");
    response.set_header("X-Content-Type-Options", "nosniff");
    response.set_header("Cache-Control", "no-store");
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<Options> options = parseOptions(argc, argv);
    if (!options) return 2;

    // SIGINT and SIGTERM stop the server after the waiting lines are committed.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    signal(SIGPIPE, SIG_IGN);

    ResultStore store(options->db);
    if (!store.ok()) {
        std::cerr << "lesmora-server: " << store.error() << std::endl;
        return 1;
    }
    Dashboard::PrepareDecoding();
    Dashboard dashboard(store);
    std::string logo;
    if (auto bytes = Files::readBytes("ZIP::Incbin::DATEN.ZIP//logo.png")) logo = *bytes;

    httplib::Server server;
    server.new_task_queue = [] { return new httplib::ThreadPool(64); };
    server.set_tcp_nodelay(true);
    server.set_read_timeout(5, 0);
    server.set_write_timeout(5, 0);
    server.set_payload_max_length(16 * 1024);

    RequestLog log;
    server.set_logger([&](const httplib::Request& request, const httplib::Response& response) {
        log.Add(utcNow() + " " + request.remote_addr + " " + request.method + " " +
                printable(request.target) + " " + std::to_string(response.status) + " " +
                std::to_string(response.body.size()));
    });

    server.Get("/code/code.php", [&](const httplib::Request& request, httplib::Response& response) {
        resultline::Checked checked = resultline::FromReportTarget(request.target);
        if (!checked.line) {
            response.status = 400;
            response.set_content("refused: " + checked.reason + "\n", "text/plain; charset=utf-8");
            return;
        }
        if (store.Store(*checked.line) == 0) {
            response.status = 503;
            response.set_content("not stored\n", "text/plain; charset=utf-8");
            return;
        }
        response.set_content("OK\n", "text/plain; charset=utf-8");
    });

    server.Get("/code/CodeDaten.txt", [&](const httplib::Request&, httplib::Response& response) {
        std::string list;
        for (const ResultStore::Row& row : store.Since(0)) list += row.line + "\n";
        response.set_content(list, "text/plain; charset=utf-8");
    });

    auto allowed = [&](const httplib::Request& request) {
        return options->dashboardKey.empty() ||
               sameKey(cookieValue(request, "lesmora_key"), hexOf(options->dashboardKey));
    };
    auto languageOf = [](const httplib::Request& request) {
        return request.get_param_value("lang") == "en" ? std::string("en") : std::string("de");
    };

    server.Get("/", [&](const httplib::Request& request, httplib::Response& response) {
        securityHeaders(response);
        if (!allowed(request)) {
            response.status = 401;
            response.set_content(Dashboard::KeyPage(languageOf(request), false),
                                 "text/html; charset=utf-8");
            return;
        }
        DashboardQuery query = DashboardQuery::FromParameters(request.params);
        response.set_content(dashboard.Page(query), "text/html; charset=utf-8");
    });

    server.Get("/results.csv", [&](const httplib::Request& request, httplib::Response& response) {
        securityHeaders(response);
        if (!allowed(request)) {
            response.status = 401;
            response.set_content(Dashboard::KeyPage(languageOf(request), false),
                                 "text/html; charset=utf-8");
            return;
        }
        DashboardQuery query = DashboardQuery::FromParameters(request.params);
        response.set_header("Content-Disposition", "attachment; filename=\"lesmora-results.csv\"");
        response.set_content(dashboard.Csv(query), "text/csv; charset=utf-8");
    });

    server.Post("/login", [&](const httplib::Request& request, httplib::Response& response) {
        securityHeaders(response);
        std::string language = languageOf(request);
        if (options->dashboardKey.empty() ||
            sameKey(request.get_param_value("key"), options->dashboardKey)) {
            response.set_header("Set-Cookie",
                                "lesmora_key=" + hexOf(request.get_param_value("key")) +
                                    "; Path=/; HttpOnly; SameSite=Strict");
            response.set_redirect("/?lang=" + language, 303);
            return;
        }
        response.status = 401;
        response.set_content(Dashboard::KeyPage(language, true), "text/html; charset=utf-8");
    });

    server.Get("/logo.png", [&](const httplib::Request&, httplib::Response& response) {
        response.set_header("Cache-Control", "max-age=86400");
        response.set_content(logo, "image/png");
    });

    // The library listens with a backlog of 5; a class reporting at once needs more, so
    // the listening socket is kept to listen again with the system's largest backlog.
    int listeningSocket = -1;
    server.set_socket_options([&](socket_t sock) {
        httplib::default_socket_options(sock);
        listeningSocket = sock;
    });

    int port = options->port;
    bool bound = port == 0 ? (port = server.bind_to_any_port(options->host)) > 0
                           : server.bind_to_port(options->host, port);
    if (!bound) {
        std::cerr << "lesmora-server: cannot listen on " << options->host << ":" << options->port
                  << std::endl;
        return 1;
    }
    if (listeningSocket >= 0 && ::listen(listeningSocket, SOMAXCONN) != 0)
        std::cout << "lesmora-server: the listen backlog stays small" << std::endl;
    std::cout << "lesmora-server: listening on " << options->host << ":" << port << ", results in "
              << options->db << (options->dashboardKey.empty() ? "" : ", dashboard behind a key")
              << std::endl;

    std::thread stopper([&] {
        int received = 0;
        sigwait(&stopSignals, &received);
        std::cout << "lesmora-server: stopping on signal " << received << std::endl;
        server.stop();
    });
    stopper.detach();
    server.listen_after_bind();
    store.Close();
    log.Close();
    std::cout << "lesmora-server: stopped" << std::endl;
    return 0;
}
