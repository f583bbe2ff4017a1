// What the zoltctl commands share: reading a program file and reporting usage errors.
#pragma once

#include <string>
#include <vector>

namespace model {
class Program;
}

namespace zoltctl {

// Opens path into program. A file that cannot be opened or read to its end is reported on
// standard error, naming the file and where reading stopped; returns false then.
bool LoadCompleteProgram(const std::string& path, model::Program& program);

// Prints "zoltctl <command>: message" and the command's usage to standard error; returns
// kExitUsage.
int UsageError(const char* command, const std::string& message, const char* usage);

// Takes "--name VALUE" out of args; returns false when the option is absent. A missing value
// leaves value empty and returns true.
bool TakeOption(std::vector<std::string>& args, const std::string& name, std::string& value);

}  // namespace zoltctl
