#pragma once
// The result lines in an SQLite file (WAL). One writer thread commits whatever lines
// have come in since its last commit as one transaction, so many reports share one
// sync to disk; a caller hears back only after its line is durable. A second thread
// copies the log into the database file now and then, off the path of the commits.

#include <sqlite3.h>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class ResultStore {
  public:
    // The schema this server writes; older files are migrated when opened.
    static constexpr int kSchemaVersion = 2;

    struct Row {
        int64_t id = 0;        // the order received, from 1
        int64_t received = 0;  // seconds since 1970 (0 for lines from before version 2)
        std::string line;
    };

    // Opens or creates the file; error() says why it cannot be used.
    explicit ResultStore(const std::string& path);
    ~ResultStore();
    ResultStore(const ResultStore&) = delete;
    ResultStore& operator=(const ResultStore&) = delete;

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }

    // Stores the line and returns its id once the commit is on disk; 0 when it failed.
    int64_t Store(const std::string& line);
    // Every line with an id above afterId, in the order received.
    std::vector<Row> Since(int64_t afterId) const;
    // Stops taking lines; the ones waiting are committed first.
    void Close();

  private:
    struct Pending {
        std::string line;
        std::promise<int64_t> stored;
    };

    bool openAndMigrate(const std::string& path);
    bool execute(sqlite3* db, const char* sql);
    void writeLoop();
    void checkpointLoop(std::string path);
    void commitBatch(std::vector<Pending>& batch);

    std::string error_;
    sqlite3* writer_ = nullptr;
    sqlite3* reader_ = nullptr;
    sqlite3_stmt* insert_ = nullptr;
    mutable std::mutex readMutex_;

    std::mutex queueMutex_;
    std::condition_variable queueChanged_;
    std::condition_variable closingNow_;
    std::deque<Pending> queue_;
    bool closing_ = false;
    std::thread writerThread_;
    std::thread checkpointThread_;
};
