// A whole class finishing at once: 64 clients send result lines to the real server on
// loopback the way the trainer does (HTTP/1.0, one request per connection). Prints the
// stored reports per second, the latency percentiles and whether any line was lost.
//
// bench_server_load [clients] [reports per client]

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
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

}  // namespace

int main(int argc, char** argv) {
    int clients = argc > 1 ? std::atoi(argv[1]) : 64;
    int perClient = argc > 2 ? std::atoi(argv[2]) : 800;
    char pattern[] = "/tmp/lesmora-load-XXXXXX";
    std::string folder = mkdtemp(pattern);
    std::string db = folder + "/results.sqlite";

    long acknowledged = 0;
    std::vector<double> latencies;
    double seconds = 0;
    {
        ServerProcess server(db);
        if (!server.running()) {
            std::printf("the server did not start:\n%s\n", server.output().c_str());
            return 1;
        }
        std::vector<std::vector<double>> perThread(clients);
        std::atomic<long> ok{0}, failed{0};
        std::atomic<bool> go{false};
        std::vector<std::thread> threads;
        for (int c = 0; c < clients; ++c)
            threads.emplace_back([&, c] {
                while (!go) std::this_thread::yield();
                for (int n = 0; n < perClient; ++n) {
                    std::string line = "CODE|11 Dec 2026|Learner " + std::to_string(c) + "|" +
                                       std::string(1, static_cast<char>('A' + c % 4)) + "|" +
                                       std::to_string(1 + n % 22) + "|47|127|1|2|3|" +
                                       std::to_string(n);
                    auto start = Clock::now();
                    Reply reply = httpGet(server.port(), reportTarget(line));
                    auto end = Clock::now();
                    perThread[c].push_back(
                        std::chrono::duration<double, std::milli>(end - start).count());
                    (reply.status == 200 ? ok : failed)++;
                }
            });
        auto start = Clock::now();
        go = true;
        for (std::thread& t : threads) t.join();
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
        for (auto& l : perThread) latencies.insert(latencies.end(), l.begin(), l.end());
        acknowledged = ok;
        if (failed) std::printf("%ld requests got no 200\n", static_cast<long>(failed));
        server.stop();
    }
    long stored = countLines(db);
    std::sort(latencies.begin(), latencies.end());
    std::printf("server load: %d clients x %d reports, HTTP/1.0, one request per connection\n",
                clients, perClient);
    std::printf("  %.0f stored reports/s (%ld in %.2f s)\n", acknowledged / seconds, acknowledged,
                seconds);
    std::printf("  latency ms: p50 %.2f  p90 %.2f  p99 %.2f  max %.2f\n", percentile(latencies, 50),
                percentile(latencies, 90), percentile(latencies, 99), latencies.back());
    std::printf("  acknowledged %ld, in the database %ld: %s\n", acknowledged, stored,
                stored == acknowledged ? "no line lost" : "LINES DIFFER");
    std::filesystem::remove_all(folder);
    return stored == acknowledged ? 0 : 1;
}
