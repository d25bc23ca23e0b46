#pragma once
// The network client on POSIX sockets. The name lookup (getaddrinfo, which cannot be
// interrupted) runs in a short-lived thread of its own and is given up at the deadline;
// connect, send and read are non-blocking and wait in poll() for what is left of it.

#include <functional>
#include <vector>

#include "platform/Net.h"

class SocketNetClient : public NetClient {
  public:
    // One address a name resolves to: family and the bytes of a sockaddr.
    struct Address {
        int family = 0;
        std::vector<unsigned char> sockaddr;
    };
    // Resolves a host name for a port; empty when it cannot. May block: it is run in a
    // thread of its own.
    using Resolver = std::function<std::vector<Address>(const std::string& host, int port)>;

    SocketNetClient();
    // Tests give a resolver that hangs, to see the deadline hold.
    explicit SocketNetClient(Resolver resolver);

    std::unique_ptr<NetConnection> connect(const std::string& host, int port,
                                           std::chrono::milliseconds budget) override;

    // Makes this client the program's.
    static void install();
    // The system's resolver: getaddrinfo for TCP.
    static std::vector<Address> systemResolve(const std::string& host, int port);

  private:
    Resolver resolver_;
};
