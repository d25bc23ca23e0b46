// Starts the program as a whole process and prints two figures: the time from exec to
// the first frame shown, and the resident memory 5 s after start. Runs off screen
// unless a display is set.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>

namespace {
long long monotonicMicros() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

long residentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

struct Run {
    double firstFrameMs = -1;
    long residentKiB = -1;
};

Run runOnce() {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return {};
    long long before = monotonicMicros();
    pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        execl(LESMORA_EXE, LESMORA_EXE, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    FILE* output = fdopen(pipeEnds[0], "r");
    Run run;
    char line[512];
    const std::string marker = "frame: first frame shown at monotonic ";
    while (fgets(line, sizeof line, output)) {
        std::string text(line);
        auto at = text.find(marker);
        if (at != std::string::npos) {
            long long shown = std::atoll(text.c_str() + at + marker.size());
            run.firstFrameMs = (shown - before) / 1000.0;
            break;
        }
    }
    std::this_thread::sleep_until(
        std::chrono::steady_clock::time_point(std::chrono::microseconds(before + 5'000'000)));
    run.residentKiB = residentKiB(child);
    kill(child, SIGTERM);
    std::thread drain([output] {
        char rest[512];
        while (fgets(rest, sizeof rest, output)) {
        }
    });
    int status = 0;
    waitpid(child, &status, 0);
    drain.join();
    fclose(output);
    return run;
}
}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int runs = argc > 1 ? std::atoi(argv[1]) : 3;
    for (int i = 0; i < runs; ++i) {
        Run run = runOnce();
        std::printf("run %d: first frame %.1f ms after exec, resident %.1f MiB after 5 s\n", i + 1,
                    run.firstFrameMs, run.residentKiB / 1024.0);
    }
    return 0;
}
