// Running zoltctl as a user runs it, in a child shell with its standard output and error
// collected, for tests of its commands.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "tests/files/TestFiles.h"

namespace zoltctltest {

struct Outcome {
    int status;  // exit status, -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Runs zoltctl with args (a shell word list).
inline Outcome Zoltctl(const std::string& args) {
    testfiles::ScratchFolder scratch;
    const std::string errFile = scratch.File("err");
    FILE* pipe = popen((std::string(ZOLTCTL_PATH) + " " + args + " 2>" + errFile).c_str(), "r");
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out, testfiles::ReadBytes(errFile)};
}

}  // namespace zoltctltest
