// Starting and stopping zolt-sim for tests.
#include "tests/sim/SimProcess.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace simtest {

SimProcess::SimProcess(const std::vector<std::string>& args) {
    int out[2];
    if (pipe(out) != 0)
        return;
    pid_ = fork();
    if (pid_ == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        std::vector<char*> argv{const_cast<char*>(ZOLT_SIM_PATH)};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(ZOLT_SIM_PATH, argv.data());
        _exit(127);
    }
    close(out[1]);
    FILE* in = fdopen(out[0], "r");
    char line[256];
    if (in != nullptr && fgets(line, sizeof line, in) != nullptr) {
        device_ = line;
        device_.erase(device_.find_last_not_of('\n') + 1);
    }
    if (in != nullptr)
        fclose(in);
}

int SimProcess::Stop() {
    if (pid_ <= 0)
        return -1;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

SimProcess::~SimProcess() {
    Stop();
}

}  // namespace simtest
