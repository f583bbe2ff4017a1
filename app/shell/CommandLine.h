// The programmer's command line: an optional switch after "/" and an optional program file.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// The word after the first "/" of text, up to the next blank or "/"; empty without "/".
std::string CommandOption(std::string_view text);

struct CommandLine {
    std::string Option;  // "install" marks the first start after installation
    std::string File;    // a program file to open, empty for none
};

// Reads the arguments after the program name. Since a path on this system may itself start
// with "/", an argument that names an existing file is the file to open; any other argument
// starting with "/" is the switch, and the first remaining argument is the file.
CommandLine ParseCommandLine(const std::vector<std::string>& args,
                             const std::function<bool(const std::string&)>& isFile);

}  // namespace shell
