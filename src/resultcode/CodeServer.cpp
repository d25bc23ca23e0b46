#include "resultcode/CodeServer.h"

#include <iostream>
#include <memory>

#include "platform/Net.h"
#include "settings/IniClass.h"

const std::string CodeServerName = "lesmora-code.local";
const std::string CodeServerPfad = "/code/code.php?code=";
const std::string CodeListePfad = "/code/CodeDaten.txt";

namespace {
constexpr size_t kMaxHeaderBytes = 64 * 1024;

bool allDigits(const std::string& text) {
    if (text.empty() || text.size() > 5) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// The reply's head: the status line and the header lines up to the empty line.
struct Head {
    bool complete = false;  // the empty line after the headers came
    int status = 0;         // 0: no HTTP status line
    std::string afterHead;  // bytes read beyond the head (the start of the body)
    long contentLength = -1;
};

size_t headEnd(const std::string& bytes, size_t& separatorLength) {
    size_t crlf = bytes.find("\r\n\r\n"), lf = bytes.find("\n\n");
    if (crlf != std::string::npos && (lf == std::string::npos || crlf < lf)) {
        separatorLength = 4;
        return crlf;
    }
    separatorLength = 2;
    return lf;
}

std::string lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

long contentLengthOf(const std::string& head) {
    const std::string key = "\ncontent-length:";
    size_t at = lowered(head).find(key);
    if (at == std::string::npos) return -1;
    try {
        return std::stol(head.substr(at + key.size()));
    } catch (...) {
        return -1;
    }
}

// Status of "HTTP/1.x NNN ...", or 0 when the bytes are no HTTP reply.
int statusOf(const std::string& head) {
    if (head.compare(0, 5, "HTTP/") != 0) return 0;
    size_t blank = head.find(' ');
    if (blank == std::string::npos || blank + 4 > head.size()) return 0;
    std::string code = head.substr(blank + 1, 3);
    return allDigits(code) ? std::stoi(code) : 0;
}

// Reads the head of the reply. A reply that does not begin like HTTP is cut at once.
Head readHead(NetConnection& connection, const std::string& server) {
    Head head;
    std::string bytes;
    for (;;) {
        size_t separatorLength = 0;
        size_t end = headEnd(bytes, separatorLength);
        if (end != std::string::npos) {
            head.complete = true;
            head.status = statusOf(bytes);
            head.contentLength = contentLengthOf(bytes.substr(0, end));
            head.afterHead = bytes.substr(end + separatorLength);
            return head;
        }
        if (bytes.size() >= 5 && bytes.compare(0, 5, "HTTP/") != 0) {
            std::cout << "code server: " << server << " did not answer in HTTP, reply cut"
                      << std::endl;
            return head;
        }
        if (bytes.size() > kMaxHeaderBytes) {
            std::cout << "code server: the reply's header from " << server << " is too long, cut"
                      << std::endl;
            return head;
        }
        NetConnection::Read read = connection.read(bytes, kMaxHeaderBytes);
        if (read == NetConnection::Read::Data) continue;
        if (read == NetConnection::Read::TimedOut)
            std::cout << "code server: no reply from " << server << " in time" << std::endl;
        else
            std::cout << "code server: " << server << " ended the reply in its header" << std::endl;
        head.status = bytes.compare(0, 5, "HTTP/") == 0 ? statusOf(bytes) : 0;
        return head;
    }
}

// Connects and sends the GET; null when either failed.
std::unique_ptr<NetConnection> request(const std::string& server, const std::string& target) {
    HostAndPort address = hostAndPort(server);
    auto connection = NetPlatform::client().connect(address.host, address.port, kRequestBudget);
    if (!connection) return nullptr;
    if (!connection->send(requestFor(server, target))) return nullptr;
    return connection;
}

// Splits the body into lines (without "\r"), keeping at most kMaxListLines; a last
// line without its end is kept only when the body is whole.
void splitLines(const std::string& body, bool whole, std::vector<std::string>& zeilen,
                const std::string& server) {
    size_t start = 0;
    while (start < body.size()) {
        size_t end = body.find('\n', start);
        if (end == std::string::npos && !whole) break;
        if (zeilen.size() == kMaxListLines) {
            std::cout << "code server: the list from " << server << " has more than "
                      << kMaxListLines << " lines, cut there" << std::endl;
            return;
        }
        std::string line = body.substr(start, end == std::string::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        zeilen.push_back(line);
        if (end == std::string::npos) break;
        start = end + 1;
    }
}
}  // namespace

std::string CodeServerAdresse() {
    std::string server = IniClass::Lesen("", "Allgemein", "CodeServer");
    size_t first = server.find_first_not_of(" \t");
    if (first == std::string::npos) return CodeServerName;
    size_t last = server.find_last_not_of(" \t");
    return server.substr(first, last - first + 1);
}

HostAndPort hostAndPort(const std::string& server) {
    HostAndPort address{server, 80};
    std::string port;
    if (!server.empty() && server[0] == '[') {
        size_t close = server.find(']');
        if (close != std::string::npos) {
            address.host = server.substr(1, close - 1);
            if (close + 1 < server.size() && server[close + 1] == ':')
                port = server.substr(close + 2);
        }
    } else if (size_t colon = server.rfind(':');
               colon != std::string::npos && server.find(':') == colon) {
        address.host = server.substr(0, colon);
        port = server.substr(colon + 1);
    }
    if (allDigits(port) && std::stoi(port) > 0 && std::stoi(port) < 65536)
        address.port = std::stoi(port);
    else if (!port.empty())
        std::cout << "code server: \"" << port << "\" is no port, port 80 is used" << std::endl;
    return address;
}

std::string requestTarget(const std::string& pfad, const std::string& text) {
    std::string target = pfad;
    for (char c : text) target += c == ' ' ? std::string("%20") : std::string(1, c);
    return target;
}

std::string requestFor(const std::string& server, const std::string& target) {
    return "GET " + target + " HTTP/1.0\r\nHost: " + server + "\r\n\r\n";
}

int SendeProtokoll(const std::string& server, const std::string& pfad, const std::string& text) {
    auto connection = request(server, requestTarget(pfad, text));
    if (!connection) return 0;
    Head head = readHead(*connection, server);
    if (head.status >= 200 && head.status < 300) return 1;
    if (head.status != 0)
        std::cout << "code server: " << server << " refused the report (" << head.status << ")"
                  << std::endl;
    return 0;
}

bool HoleTextZeilen(const std::string& server, const std::string& pfad,
                    std::vector<std::string>& zeilen) {
    zeilen.clear();
    auto connection = request(server, requestTarget(pfad, ""));
    if (!connection) return false;
    Head head = readHead(*connection, server);
    if (!head.complete || head.status != 200) {
        if (head.status != 0)
            std::cout << "code server: " << server << pfad << " answered " << head.status
                      << std::endl;
        return false;
    }
    std::string body = std::move(head.afterHead);
    bool whole = false;
    for (;;) {
        if (head.contentLength >= 0 && body.size() >= static_cast<size_t>(head.contentLength)) {
            body.resize(static_cast<size_t>(head.contentLength));
            whole = true;
            break;
        }
        if (body.size() > kMaxListBytes) {
            std::cout << "code server: the list from " << server << " is larger than "
                      << kMaxListBytes << " bytes, cut there" << std::endl;
            body.resize(kMaxListBytes);
            break;
        }
        NetConnection::Read read = connection->read(body, kMaxListBytes + 1 - body.size());
        if (read == NetConnection::Read::Data) continue;
        whole = read == NetConnection::Read::End &&
                (head.contentLength < 0 || body.size() >= static_cast<size_t>(head.contentLength));
        if (!whole)
            std::cout << "code server: the list from " << server
                      << " broke off, its whole lines are kept" << std::endl;
        break;
    }
    splitLines(body, whole, zeilen, server);
    return true;
}
