#include "server/ResultStore.h"

#include <chrono>
#include <ctime>
#include <iostream>

namespace {

// Version 1 kept only the lines; version 2 adds the time each was received.
const char* kCreateVersion2 =
    "CREATE TABLE IF NOT EXISTS lines ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " line TEXT NOT NULL,"
    " received INTEGER NOT NULL DEFAULT 0)";
const char* kMigrate1To2 = "ALTER TABLE lines ADD COLUMN received INTEGER NOT NULL DEFAULT 0";

// The most lines one transaction takes, so a flood still gets answers in steps.
constexpr size_t kMaxBatch = 1024;

int userVersion(sqlite3* db) {
    sqlite3_stmt* statement = nullptr;
    int version = -1;
    if (sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
        version = sqlite3_column_int(statement, 0);
    sqlite3_finalize(statement);
    return version;
}

bool hasTable(sqlite3* db, const char* name) {
    sqlite3_stmt* statement = nullptr;
    bool found = false;
    if (sqlite3_prepare_v2(db, "SELECT 1 FROM sqlite_master WHERE type='table' AND name=?", -1,
                           &statement, nullptr) == SQLITE_OK) {
        sqlite3_bind_text(statement, 1, name, -1, SQLITE_STATIC);
        found = sqlite3_step(statement) == SQLITE_ROW;
    }
    sqlite3_finalize(statement);
    return found;
}

}  // namespace

ResultStore::ResultStore(const std::string& path) {
    if (!openAndMigrate(path)) return;
    writerThread_ = std::thread([this] { writeLoop(); });
    checkpointThread_ = std::thread([this, path] { checkpointLoop(path); });
}

ResultStore::~ResultStore() {
    Close();
    sqlite3_finalize(insert_);
    sqlite3_close(reader_);
    sqlite3_close(writer_);
}

bool ResultStore::execute(sqlite3* db, const char* sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) == SQLITE_OK) return true;
    error_ = std::string(sql) + ": " + (message ? message : sqlite3_errmsg(db));
    sqlite3_free(message);
    return false;
}

bool ResultStore::openAndMigrate(const std::string& path) {
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.c_str(), &writer_, flags, nullptr) != SQLITE_OK) {
        error_ = "cannot open " + path + ": " + sqlite3_errmsg(writer_);
        return false;
    }
    sqlite3_busy_timeout(writer_, 5000);
    // FULL: the WAL is synced at every commit, so an acknowledged line survives a crash
    // of the machine as well as of the server.
    if (!execute(writer_, "PRAGMA journal_mode=WAL") ||
        !execute(writer_, "PRAGMA synchronous=FULL") ||
        !execute(writer_, "PRAGMA wal_autocheckpoint=0"))
        return false;
    int version = userVersion(writer_);
    if (version < 0) {
        error_ = path + " is not an SQLite database";
        return false;
    }
    if (version > kSchemaVersion) {
        error_ = path + " has schema version " + std::to_string(version) +
                 ", newer than this server's " + std::to_string(kSchemaVersion);
        return false;
    }
    if (version < kSchemaVersion) {
        if (!execute(writer_, "BEGIN IMMEDIATE")) return false;
        // A "lines" table without the received column is a version 1 file.
        bool migrated = hasTable(writer_, "lines") ? execute(writer_, kMigrate1To2)
                                                   : execute(writer_, kCreateVersion2);
        migrated =
            migrated && execute(writer_, "PRAGMA user_version=2") && execute(writer_, "COMMIT");
        if (!migrated) {
            sqlite3_exec(writer_, "ROLLBACK", nullptr, nullptr, nullptr);
            return false;
        }
        if (version == 1) std::cout << "store: migrated " << path << " to version 2" << std::endl;
    }
    if (sqlite3_prepare_v2(writer_, "INSERT INTO lines(line, received) VALUES(?, ?)", -1, &insert_,
                           nullptr) != SQLITE_OK) {
        error_ = std::string("cannot prepare the insert: ") + sqlite3_errmsg(writer_);
        return false;
    }
    if (sqlite3_open_v2(path.c_str(), &reader_, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        error_ = "cannot open " + path + " for reading: " + sqlite3_errmsg(reader_);
        return false;
    }
    sqlite3_busy_timeout(reader_, 5000);
    return true;
}

int64_t ResultStore::Store(const std::string& line) {
    std::future<int64_t> stored;
    {
        std::lock_guard lock(queueMutex_);
        if (closing_ || !ok()) return 0;
        queue_.push_back({line, {}});
        stored = queue_.back().stored.get_future();
    }
    queueChanged_.notify_one();
    return stored.get();
}

void ResultStore::writeLoop() {
    for (;;) {
        std::vector<Pending> batch;
        {
            std::unique_lock lock(queueMutex_);
            queueChanged_.wait(lock, [this] { return closing_ || !queue_.empty(); });
            if (queue_.empty()) return;  // closing and nothing left
            while (!queue_.empty() && batch.size() < kMaxBatch) {
                batch.push_back(std::move(queue_.front()));
                queue_.pop_front();
            }
        }
        commitBatch(batch);
    }
}

void ResultStore::commitBatch(std::vector<Pending>& batch) {
    std::vector<int64_t> ids;
    bool fine = sqlite3_exec(writer_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    int64_t now = std::time(nullptr);
    for (size_t i = 0; fine && i < batch.size(); ++i) {
        sqlite3_bind_text(insert_, 1, batch[i].line.data(), static_cast<int>(batch[i].line.size()),
                          SQLITE_STATIC);
        sqlite3_bind_int64(insert_, 2, now);
        fine = sqlite3_step(insert_) == SQLITE_DONE;
        sqlite3_reset(insert_);
        ids.push_back(sqlite3_last_insert_rowid(writer_));
    }
    fine = fine && sqlite3_exec(writer_, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!fine) {
        std::cout << "store: a commit of " << batch.size()
                  << " lines failed: " << sqlite3_errmsg(writer_) << std::endl;
        sqlite3_exec(writer_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    for (size_t i = 0; i < batch.size(); ++i) batch[i].stored.set_value(fine ? ids[i] : 0);
}

std::vector<ResultStore::Row> ResultStore::Since(int64_t afterId) const {
    std::vector<Row> rows;
    std::lock_guard lock(readMutex_);
    if (!reader_) return rows;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(reader_, "SELECT id, received, line FROM lines WHERE id > ? ORDER BY id",
                           -1, &statement, nullptr) != SQLITE_OK) {
        std::cout << "store: cannot read: " << sqlite3_errmsg(reader_) << std::endl;
        return rows;
    }
    sqlite3_bind_int64(statement, 1, afterId);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        auto text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 2));
        rows.push_back({sqlite3_column_int64(statement, 0), sqlite3_column_int64(statement, 1),
                        text ? text : ""});
    }
    sqlite3_finalize(statement);
    return rows;
}

void ResultStore::checkpointLoop(std::string path) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) !=
        SQLITE_OK) {
        std::cout << "store: no checkpoints: " << sqlite3_errmsg(db) << std::endl;
        sqlite3_close(db);
        return;
    }
    sqlite3_busy_timeout(db, 1000);
    std::unique_lock lock(queueMutex_);
    while (!closing_) {
        closingNow_.wait_for(lock, std::chrono::milliseconds(500));
        lock.unlock();
        // PASSIVE: copies what it can without making a commit wait.
        sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
        lock.lock();
    }
    lock.unlock();
    sqlite3_close(db);
}

void ResultStore::Close() {
    {
        std::lock_guard lock(queueMutex_);
        closing_ = true;
    }
    queueChanged_.notify_one();
    closingNow_.notify_one();
    if (writerThread_.joinable()) writerThread_.join();
    if (checkpointThread_.joinable()) checkpointThread_.join();
}
