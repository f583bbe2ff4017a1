// zolt-sim run as its own process, as a user starts it, for tests of the executable and of
// zoltctl against it.
#pragma once

#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace simtest {

class SimProcess {
  public:
    // Starts zolt-sim with args and waits for the device line it prints.
    explicit SimProcess(const std::vector<std::string>& args) {
        int out[2];
        if (pipe(out) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            std::vector<char*> argv{const_cast<char*>(ZOLT_SIM_PATH)};
            for (const std::string& a : args)
                argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            execv(ZOLT_SIM_PATH, argv.data());
            _exit(127);
        }
        close(out[1]);
        FILE* in = fdopen(out[0], "r");
        char line[256] = {};
        if (fgets(line, sizeof line, in) != nullptr)
            device_ = std::string(line, std::string(line).find_last_not_of('\n') + 1);
        fclose(in);
    }
    // Ends it as Ctrl-C would, if still running.
    ~SimProcess() { Stop(); }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The device it printed, empty when it did not start.
    const std::string& Device() const { return device_; }
    // Sends SIGTERM and returns its exit status (-1 when it did not exit normally).
    int Stop() {
        int status = 0;
        if (pid_ <= 0 || kill(pid_, SIGTERM) != 0 || waitpid(pid_, &status, 0) != pid_)
            return -1;
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    pid_t pid_ = -1;
    std::string device_;
};

}  // namespace simtest
