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

// Saves program to path; a failure is reported on standard error with the file and the
// reason. Returns kExitOk or kExitFileError.
int SaveOrReport(model::Program& program, const std::string& path);

// Reads a page letter A..F (either case) into page 0..5. False for anything else.
bool ReadPageLetter(const std::string& text, int& page);

// Prints "zoltctl <command>: message" and the command's usage to standard error; returns
// kExitUsage.
int UsageError(const char* command, const std::string& message, const char* usage);

// Takes "--name VALUE" out of args; returns false when the option is absent. A missing value
// leaves value empty and returns true.
bool TakeOption(std::vector<std::string>& args, const std::string& name, std::string& value);

// Takes the flag "--name" (one without a value) out of args; returns whether it was there.
bool TakeFlag(std::vector<std::string>& args, const std::string& name);

// Reads a whole number of at most six digits into value. False for anything else.
bool ReadCount(const std::string& text, int& value);

}  // namespace zoltctl
