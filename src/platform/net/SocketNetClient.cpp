#include "platform/net/SocketNetClient.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <iostream>
#include <mutex>
#include <thread>

namespace {
using Clock = std::chrono::steady_clock;

// Milliseconds left until the deadline, at least 0, for poll().
int millisLeft(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Waits until the socket is ready for the events or the deadline passes.
bool waitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        int ready = ::poll(&p, 1, millisLeft(deadline));
        if (ready > 0) return true;
        if (ready == 0) return false;
        if (errno != EINTR) return false;
    }
}

class SocketConnection : public NetConnection {
  public:
    SocketConnection(int fd, Clock::time_point deadline) : fd_(fd), deadline_(deadline) {}
    ~SocketConnection() override { ::close(fd_); }

    bool send(const std::string& bytes) override {
        size_t sent = 0;
        while (sent < bytes.size()) {
            if (!waitFor(fd_, POLLOUT, deadline_)) {
                std::cout << "net: sending timed out" << std::endl;
                return false;
            }
            ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
            if (n <= 0) {
                std::cout << "net: sending failed: " << std::strerror(errno) << std::endl;
                return false;
            }
            sent += static_cast<size_t>(n);
        }
        return true;
    }

    Read read(std::string& into, size_t most) override {
        for (;;) {
            if (!waitFor(fd_, POLLIN, deadline_)) return Read::TimedOut;
            char buffer[16384];
            ssize_t n = ::recv(fd_, buffer, std::min(most, sizeof buffer), 0);
            if (n > 0) {
                into.append(buffer, static_cast<size_t>(n));
                return Read::Data;
            }
            if (n == 0) return Read::End;
            if (errno == EAGAIN || errno == EINTR) continue;
            std::cout << "net: reading failed: " << std::strerror(errno) << std::endl;
            return Read::Failed;
        }
    }

  private:
    int fd_;
    Clock::time_point deadline_;
};

// The lookup's result, shared with its thread, which may outlive the wait for it.
struct Lookup {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    std::vector<SocketNetClient::Address> addresses;
};

// Runs the resolver in a detached thread and waits for it until the deadline.
std::vector<SocketNetClient::Address> resolveBefore(const SocketNetClient::Resolver& resolver,
                                                    const std::string& host, int port,
                                                    Clock::time_point deadline, bool& timedOut) {
    auto lookup = std::make_shared<Lookup>();
    try {
        std::thread([lookup, resolver, host, port] {
            auto addresses = resolver(host, port);
            std::lock_guard<std::mutex> lock(lookup->mutex);
            lookup->addresses = std::move(addresses);
            lookup->finished = true;
            lookup->done.notify_all();
        }).detach();
    } catch (const std::system_error& error) {
        std::cout << "net: no thread for the name lookup: " << error.what() << std::endl;
        return {};
    }
    std::unique_lock<std::mutex> lock(lookup->mutex);
    timedOut = !lookup->done.wait_until(lock, deadline, [&] { return lookup->finished; });
    return timedOut ? std::vector<SocketNetClient::Address>{} : lookup->addresses;
}

// A non-blocking connect to one address, waited for until the deadline; -1 on failure.
int connectTo(const SocketNetClient::Address& address, Clock::time_point deadline) {
    int fd = ::socket(address.family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    auto* sa = reinterpret_cast<const sockaddr*>(address.sockaddr.data());
    int result = ::connect(fd, sa, static_cast<socklen_t>(address.sockaddr.size()));
    if (result == 0) return fd;
    if (errno == EINPROGRESS && waitFor(fd, POLLOUT, deadline)) {
        int error = 0;
        socklen_t length = sizeof error;
        if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0) return fd;
    }
    ::close(fd);
    return -1;
}
}  // namespace

SocketNetClient::SocketNetClient() : resolver_(systemResolve) {}

SocketNetClient::SocketNetClient(Resolver resolver) : resolver_(std::move(resolver)) {}

std::vector<SocketNetClient::Address> SocketNetClient::systemResolve(const std::string& host,
                                                                     int port) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return {};
    std::vector<Address> addresses;
    for (addrinfo* a = found; a; a = a->ai_next) {
        auto* bytes = reinterpret_cast<const unsigned char*>(a->ai_addr);
        addresses.push_back({a->ai_family, {bytes, bytes + a->ai_addrlen}});
    }
    ::freeaddrinfo(found);
    return addresses;
}

std::unique_ptr<NetConnection> SocketNetClient::connect(const std::string& host, int port,
                                                        std::chrono::milliseconds budget) {
    const Clock::time_point deadline = Clock::now() + budget;
    bool timedOut = false;
    std::vector<Address> addresses = resolveBefore(resolver_, host, port, deadline, timedOut);
    if (addresses.empty()) {
        std::cout << "net: " << host << (timedOut ? ": name lookup timed out" : ": unknown host")
                  << std::endl;
        return nullptr;
    }
    for (const Address& address : addresses) {
        if (Clock::now() >= deadline) break;
        int fd = connectTo(address, deadline);
        if (fd >= 0) return std::make_unique<SocketConnection>(fd, deadline);
    }
    std::cout << "net: no connection to " << host << ":" << port
              << (Clock::now() >= deadline ? " (timed out)" : "") << std::endl;
    return nullptr;
}

void SocketNetClient::install() {
    NetPlatform::install(std::make_shared<SocketNetClient>());
}
