#pragma once
// TCP connections for the few plain HTTP requests the program makes. Every connection
// carries one deadline, fixed when it is opened, that bounds the name lookup, the
// connect, every send and every read: nothing here waits past it.

#include <chrono>
#include <memory>
#include <string>

class NetConnection {
  public:
    enum class Read { Data, End, TimedOut, Failed };

    virtual ~NetConnection() = default;
    // Sends all bytes; false when the peer went away or the deadline passed.
    virtual bool send(const std::string& bytes) = 0;
    // Appends up to `most` bytes that arrive before the deadline. End: the peer closed.
    virtual Read read(std::string& into, size_t most) = 0;
};

class NetClient {
  public:
    virtual ~NetClient() = default;
    // Looks the host up and connects to it on the port within `budget` (real time, from
    // now); the connection's later sends and reads share what is left of it. No
    // connection: the reason was said on standard output.
    virtual std::unique_ptr<NetConnection> connect(const std::string& host, int port,
                                                   std::chrono::milliseconds budget) = 0;
};

// The program-wide client. Until the platform installs one every connect fails, so a
// test that does not ask for the network never reaches it.
struct NetPlatform {
    static NetClient& client();
    static void install(std::shared_ptr<NetClient> client);
};
