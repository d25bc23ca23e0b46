#pragma once
// Headless Chromium for the tests that look at pages as a teacher's browser shows them:
// where it is, and one run of it with a profile of its own and the flags that keep it off
// the network (no background connections, no updates, no sync).

#include <unistd.h>

#include <cstdio>
#include <string>

// The installed Chromium, or empty.
inline std::string chromiumPath() {
    for (const char* candidate : {"/usr/bin/chromium", "/usr/bin/chromium-browser"})
        if (access(candidate, X_OK) == 0) return candidate;
    return "";
}

// What a shell command writes to standard output.
inline std::string runCommand(const std::string& command) {
    std::string output;
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[65536];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

// Runs Chromium headless on `url` with `arguments` (such as "--dump-dom"), its profile in
// `profile`, and returns what it prints.
inline std::string runHeadlessChromium(const std::string& chromium, const std::string& profile,
                                       const std::string& arguments, const std::string& url) {
    return runCommand(chromium +
                      " --headless --no-sandbox --disable-gpu --disable-quic --no-first-run"
                      " --disable-background-networking --disable-component-update --disable-sync"
                      " --user-data-dir=" +
                      profile + " " + arguments + " '" + url + "' 2>/dev/null");
}
