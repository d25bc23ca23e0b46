#pragma once
// The real lesmora-server as a child process on 127.0.0.1 with a free port, and a
// client that talks to it the way the trainer does: HTTP/1.0, one request per connection.

#include <string>
#include <vector>

struct Reply {
    int status = 0;  // 0 when no reply came
    std::string headers;
    std::string body;
};

class ServerProcess {
  public:
    // Starts the server on the database; waits until it listens (or has ended).
    ServerProcess(const std::string& db, const std::vector<std::string>& extraOptions = {});
    ~ServerProcess();

    bool running() const { return pid_ > 0 && port_ > 0; }
    int port() const { return port_; }
    // Stops it with SIGTERM and returns its exit status.
    int stop();
    // Ends it at once, as a crash would.
    void kill9();
    // What it wrote to standard output so far.
    std::string output() const;
    // Waits up to two seconds for the text in its output (the request log is written
    // every few milliseconds); true when it came.
    bool waitForOutput(const std::string& text) const;

  private:
    int pid_ = -1;
    int port_ = 0;
    std::string logPath_;
};

// Sends "GET target HTTP/1.0" (the target's bytes as they are) plus extra header lines
// and reads the whole reply.
Reply httpGet(int port, const std::string& target, const std::string& extraHeaders = "");
// Sends raw bytes and reads the whole reply.
Reply httpRaw(int port, const std::string& request);
// The report target of a line as the trainer sends it: blanks as "%20", nothing else.
std::string reportTarget(const std::string& line);
// The lines of the server's list.
std::vector<std::string> listedLines(int port);
