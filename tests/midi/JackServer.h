#pragma once
// A private JACK server with the dummy backend for tests and benchmarks: real MIDI ports
// without a sound card. It runs under a name of its own (so parallel tests do not meet),
// and this process's JACK clients use it (JACK_DEFAULT_SERVER). Every wait is bounded.

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

class JackServer {
  public:
    // The name is chosen at once, so that clients can be pointed at a server that starts
    // later (aimClientsHere).
    JackServer()
        : name_("lesmora-" + std::to_string(getpid()) + "-" + std::to_string(++counter())),
          log_("/tmp/" + name_ + ".log") {}
    JackServer(const JackServer&) = delete;
    JackServer& operator=(const JackServer&) = delete;
    ~JackServer() { stop(); }

    // Starts jackd and waits until it accepts clients; false (with the reason) when it
    // cannot be started.
    bool start(std::string& why) {
        // -S: the server waits for every client in each cycle, so a client that the
        // machine's load holds up delays its events instead of dropping them; -t: a loaded
        // machine gets more time before the server gives a client up.
        std::vector<std::string> args = {"jackd", "-n",    name_, "-S",    "-t", "5000", "-r",
                                         "-d",    "dummy", "-r",  "44100", "-p", "256"};
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);

        std::vector<std::string> env = {"JACK_NO_AUDIO_RESERVATION=1"};
        for (char** e = environ; *e; ++e) env.emplace_back(*e);
        std::vector<char*> envp;
        for (std::string& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);

        int reason[2];  // the child reports a failed exec through this pipe
        if (pipe2(reason, O_CLOEXEC) != 0) {
            why = "no pipe for starting jackd";
            return false;
        }
        pid_ = fork();
        if (pid_ == 0) {
            // The server ends with this process, even when a test crashes.
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            const int log = open(log_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (log >= 0) dup2(log, 1), dup2(log, 2);
            execvpe("jackd", argv.data(), envp.data());
            const int error = errno;
            (void)!write(reason[1], &error, sizeof error);
            _exit(127);
        }
        close(reason[1]);
        int error = 0;
        const bool execFailed = pid_ > 0 && read(reason[0], &error, sizeof error) == sizeof error;
        close(reason[0]);
        if (pid_ < 0 || execFailed) {
            if (pid_ > 0) waitpid(pid_, nullptr, 0);
            pid_ = -1;
            std::remove(log_.c_str());
            why = "jackd cannot be started (" + std::string(strerror(execFailed ? error : errno)) +
                  "); scripts/install-deps.sh installs jackd2";
            return false;
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                why = "jackd ended at once: " + logText();
                std::remove(log_.c_str());
                return false;
            }
            if (running()) {
                aimClientsHere();
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        why = "jackd did not accept clients within 10 s: " + logText();
        stop();
        return false;
    }

    // Ends the server; waits at most 5 s before killing it.
    void stop() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        int status = 0;
        while (waitpid(pid_, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(pid_, SIGKILL);
                waitpid(pid_, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        pid_ = -1;
        unsetenv("JACK_DEFAULT_SERVER");
        std::remove(log_.c_str());
    }

    const std::string& name() const { return name_; }
    // This process's JACK clients look for this server, whether it runs yet or not.
    void aimClientsHere() const { setenv("JACK_DEFAULT_SERVER", name_.c_str(), 1); }

  private:
    static int& counter() {
        static int n = 0;
        return n;
    }
    // Asks the server by name whether it runs (jack_wait comes with jackd).
    bool running() const {
        const std::string command = "jack_wait -s '" + name_ + "' -c 2>/dev/null";
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) return false;
        char line[128] = {};
        const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
        pclose(pipe);
        return read && std::string(line).rfind("running", 0) == 0;
    }
    std::string logText() const {
        std::ifstream in(log_);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    pid_t pid_ = -1;
    std::string name_, log_;
};
