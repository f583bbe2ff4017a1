// zoltctl in a child shell with its standard output and error collected.
#include "tests/app/ZoltctlRun.h"

#include <sys/wait.h>

#include <cstdio>

#include "tests/files/TestFiles.h"

namespace zoltctltest {

Outcome Zoltctl(const std::string& args) {
    testfiles::ScratchFolder scratch;
    const std::string errFile = scratch.File("err");
    const std::string command = std::string(ZOLTCTL_PATH) + " " + args + " 2>" + errFile;
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out, testfiles::ReadBytes(errFile)};
}

}  // namespace zoltctltest
