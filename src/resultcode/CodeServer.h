#pragma once
// Requests to the result-code server: a result line or the mouse time is reported with
// one HTTP/1.0 GET on port 80.

#include <string>

// The host name of the result-code server.
extern const std::string CodeServerName;
// The path a result line is appended to.
extern const std::string CodeServerPfad;

// Sends path + text (blanks as "%20") to the server; 1 if the request went out, else 0.
// The network client is not built yet: every report answers 0, so the result page shows
// the hand code.
int SendeProtokoll(const std::string& server, const std::string& pfad, const std::string& text);
