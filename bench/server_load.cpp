// A whole class finishing at once: 64 clients send result lines to the real server on
// loopback the way the trainer does (HTTP/1.0, one request per connection). Prints the
// stored reports per second, the latency percentiles and whether any line was lost, for
// two kinds of load:
//   stream: every client sends its next report as soon as the last one is answered;
//   bursts: all clients send one report at the same moment, then wait for each other
//           (a class pressing the last key together), round after round.
//
// bench_server_load [clients] [reports per client]

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <barrier>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "server/ServerProcess.h"

namespace {

using Clock = std::chrono::steady_clock;

long countLines(const std::string& db) {
    sqlite3* handle = nullptr;
    sqlite3_open_v2(db.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(handle, "SELECT count(*) FROM lines", -1, &statement, nullptr);
    long count = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
    sqlite3_finalize(statement);
    sqlite3_close(handle);
    return count;
}

double percentile(std::vector<double>& sorted, double p) {
    if (sorted.empty()) return 0;
    size_t index = static_cast<size_t>(p / 100.0 * (sorted.size() - 1) + 0.5);
    return sorted[std::min(index, sorted.size() - 1)];
}

struct Figures {
    long acknowledged = 0, stored = 0;
    double seconds = 0;
    std::vector<double> latencies;
};

std::string lineOf(int client, int n) {
    return "CODE|11 Dec 2026|Learner " + std::to_string(client) + "|" +
           std::string(1, static_cast<char>('A' + client % 4)) + "|" + std::to_string(1 + n % 22) +
           "|47|127|1|2|3|" + std::to_string(n);
}

Figures run(int clients, int perClient, bool bursts) {
    char pattern[] = "/tmp/lesmora-load-XXXXXX";
    std::string folder = mkdtemp(pattern);
    std::string db = folder + "/results.sqlite";
    Figures figures;
    {
        ServerProcess server(db);
        if (!server.running()) {
            std::printf("the server did not start:\n%s\n", server.output().c_str());
            std::exit(1);
        }
        std::vector<std::vector<double>> perThread(clients);
        std::atomic<long> ok{0}, failed{0};
        std::atomic<bool> go{false};
        std::barrier together(clients);
        std::vector<std::thread> threads;
        for (int c = 0; c < clients; ++c)
            threads.emplace_back([&, c] {
                while (!go) std::this_thread::yield();
                for (int n = 0; n < perClient; ++n) {
                    if (bursts) together.arrive_and_wait();
                    auto start = Clock::now();
                    Reply reply = httpGet(server.port(), reportTarget(lineOf(c, n)));
                    auto end = Clock::now();
                    perThread[c].push_back(
                        std::chrono::duration<double, std::milli>(end - start).count());
                    (reply.status == 200 ? ok : failed)++;
                }
            });
        auto start = Clock::now();
        go = true;
        for (std::thread& t : threads) t.join();
        figures.seconds = std::chrono::duration<double>(Clock::now() - start).count();
        for (auto& l : perThread)
            figures.latencies.insert(figures.latencies.end(), l.begin(), l.end());
        figures.acknowledged = ok;
        if (failed) std::printf("%ld requests got no 200\n", static_cast<long>(failed));
        server.stop();
    }
    figures.stored = countLines(db);
    std::sort(figures.latencies.begin(), figures.latencies.end());
    std::filesystem::remove_all(folder);
    return figures;
}

bool report(const char* kind, const Figures& f) {
    std::vector<double> l = f.latencies;
    std::printf(
        "  %s: %.0f stored reports/s (%ld in %.2f s); latency ms p50 %.2f  p90 %.2f  "
        "p99 %.2f  max %.2f; acknowledged %ld, in the database %ld: %s\n",
        kind, f.acknowledged / f.seconds, f.acknowledged, f.seconds, percentile(l, 50),
        percentile(l, 90), percentile(l, 99), l.empty() ? 0 : l.back(), f.acknowledged, f.stored,
        f.stored == f.acknowledged ? "no line lost" : "LINES DIFFER");
    return f.stored == f.acknowledged;
}

}  // namespace

int main(int argc, char** argv) {
    int clients = argc > 1 ? std::atoi(argv[1]) : 64;
    int perClient = argc > 2 ? std::atoi(argv[2]) : 800;
    std::printf("server load: %d clients x %d reports, HTTP/1.0, one request per connection\n",
                clients, perClient);
    bool fine = report("stream", run(clients, perClient, false));
    fine = report("bursts", run(clients, perClient / 4, true)) && fine;
    return fine ? 0 : 1;
}
