// Running zoltctl as a user runs it, for tests of its commands.
#pragma once

#include <string>

namespace zoltctltest {

struct Outcome {
    int status;  // exit status, -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Runs zoltctl with args (a shell word list), capturing its output and exit status.
Outcome Zoltctl(const std::string& args);

}  // namespace zoltctltest
