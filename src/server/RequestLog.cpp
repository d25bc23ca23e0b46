#include "server/RequestLog.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>

namespace {

constexpr auto kFlushEvery = std::chrono::milliseconds(20);

void writeAll(const std::string& text) {
    for (size_t written = 0; written < text.size();) {
        ssize_t n = ::write(STDOUT_FILENO, text.data() + written, text.size() - written);
        if (n <= 0) return;  // a closed standard output takes nothing
        written += static_cast<size_t>(n);
    }
}

}  // namespace

RequestLog::RequestLog() : thread_([this] { writeLoop(); }) {}

RequestLog::~RequestLog() {
    Close();
}

void RequestLog::Add(const std::string& line) {
    std::lock_guard lock(mutex_);
    pending_ += line;
    pending_ += '\n';
}

void RequestLog::Close() {
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) thread_.join();
}

void RequestLog::writeLoop() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait_for(lock, kFlushEvery, [this] { return closing_; });
        std::string lines;
        lines.swap(pending_);
        bool last = closing_;
        lock.unlock();
        std::fflush(stdout);  // the server's own messages keep their place
        writeAll(lines);
        if (last) return;
        lock.lock();
    }
}
