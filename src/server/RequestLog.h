#pragma once
// The log of requests on standard output. Lines are collected and written every few
// milliseconds by a thread of their own, so no request waits for the terminal or the
// journal.

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

class RequestLog {
  public:
    RequestLog();
    ~RequestLog();
    RequestLog(const RequestLog&) = delete;
    RequestLog& operator=(const RequestLog&) = delete;

    // Adds one line (without its line end).
    void Add(const std::string& line);
    // Writes what is collected and stops the thread.
    void Close();

  private:
    void writeLoop();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::string pending_;
    bool closing_ = false;
    std::thread thread_;
};
