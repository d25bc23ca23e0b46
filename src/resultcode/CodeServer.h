#pragma once
// Requests to the result-code server: a result line or the mouse time is reported with
// one HTTP/1.0 GET, and the list of result lines is fetched the same way. Every request,
// name lookup included, ends within kRequestBudget; the connection itself comes from the
// platform's network client.

#include <chrono>
#include <string>
#include <vector>

// The host name of the result-code server when the settings name none.
extern const std::string CodeServerName;
// The path a result line is appended to.
extern const std::string CodeServerPfad;
// The path of the list of result lines.
extern const std::string CodeListePfad;

// How long one request may take in all.
constexpr std::chrono::milliseconds kRequestBudget{2000};
// The most of a list that is read; the rest is cut off and said on standard output.
constexpr size_t kMaxListLines = 10000;
constexpr size_t kMaxListBytes = 2 * 1024 * 1024;

// The server's address: the setting "CodeServer" of "Allgemein" (host or host:port), or
// CodeServerName when it is empty.
std::string CodeServerAdresse();

// A server address taken apart: "host", "host:port", "[v6 address]:port". Port 80 where
// none is given or the given one is not a port number.
struct HostAndPort {
    std::string host;
    int port = 80;
};
HostAndPort hostAndPort(const std::string& server);

// The request target: path + text with every blank as "%20", nothing else escaped.
std::string requestTarget(const std::string& pfad, const std::string& text);
// The whole HTTP/1.0 request for a target.
std::string requestFor(const std::string& server, const std::string& target);

// Sends path + text to the server; 1 when the server said it took it (a 2xx reply),
// else 0. The reply's body is not read.
int SendeProtokoll(const std::string& server, const std::string& pfad, const std::string& text);

// The text lines of the body of a GET, at most kMaxListLines lines and kMaxListBytes bytes.
// False when no 200 reply came; a body cut short keeps its whole lines.
bool HoleTextZeilen(const std::string& server, const std::string& pfad,
                    std::vector<std::string>& zeilen);
