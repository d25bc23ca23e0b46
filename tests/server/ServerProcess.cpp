#include "ServerProcess.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

ServerProcess::ServerProcess(const std::string& db, const std::vector<std::string>& extraOptions) {
    logPath_ = db + ".log." + std::to_string(reinterpret_cast<uintptr_t>(this));
    std::vector<std::string> args = {LESMORA_SERVER, "--listen", "127.0.0.1:0", "--db", db};
    args.insert(args.end(), extraOptions.begin(), extraOptions.end());
    pid_ = fork();
    if (pid_ == 0) {
        int log = open(logPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(log, 1);
        dup2(log, 2);
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    const std::regex listening("listening on 127\\.0\\.0\\.1:([0-9]+)");
    for (int i = 0; i < 1000; ++i) {
        std::smatch found;
        std::string text = readAll(logPath_);
        if (std::regex_search(text, found, listening)) {
            port_ = std::stoi(found[1]);
            return;
        }
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

ServerProcess::~ServerProcess() {
    if (pid_ > 0) stop();
    unlink(logPath_.c_str());
}

int ServerProcess::stop() {
    if (pid_ <= 0) return -1;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

void ServerProcess::kill9() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

std::string ServerProcess::output() const {
    return readAll(logPath_);
}

bool ServerProcess::waitForOutput(const std::string& text) const {
    for (int i = 0; i < 200; ++i) {
        if (output().find(text) != std::string::npos) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

Reply httpRaw(int port, const std::string& request) {
    Reply reply;
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    timeval timeout{10, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return reply;
    }
    for (size_t sent = 0; sent < request.size();) {
        ssize_t n = send(fd, request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) break;
        sent += static_cast<size_t>(n);
    }
    std::string bytes;
    char buffer[16384];
    for (ssize_t n; (n = recv(fd, buffer, sizeof buffer, 0)) > 0;) bytes.append(buffer, n);
    close(fd);
    size_t end = bytes.find("\r\n\r\n");
    if (!bytes.starts_with("HTTP/1.") || end == std::string::npos || bytes.size() < 12)
        return reply;
    reply.status = std::stoi(bytes.substr(9, 3));
    reply.headers = bytes.substr(0, end);
    reply.body = bytes.substr(end + 4);
    return reply;
}

Reply httpGet(int port, const std::string& target, const std::string& extraHeaders) {
    return httpRaw(port,
                   "GET " + target + " HTTP/1.0\r\nHost: 127.0.0.1\r\n" + extraHeaders + "\r\n");
}

std::string reportTarget(const std::string& line) {
    std::string target = "/code/code.php?code=";
    for (char c : line) target += c == ' ' ? std::string("%20") : std::string(1, c);
    return target;
}

std::vector<std::string> listedLines(int port) {
    Reply reply = httpGet(port, "/code/CodeDaten.txt");
    std::vector<std::string> lines;
    std::istringstream body(reply.body);
    for (std::string line; std::getline(body, line);) lines.push_back(line);
    return lines;
}
