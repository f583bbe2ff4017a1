// Reading the switch and the program file from the command line.
#include "app/shell/CommandLine.h"

namespace shell {

std::string CommandOption(std::string_view text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return {};
    const std::string_view rest = text.substr(slash + 1);
    return std::string(rest.substr(0, rest.find_first_of(" /")));
}

CommandLine ParseCommandLine(const std::vector<std::string>& args,
                             const std::function<bool(const std::string&)>& isFile) {
    CommandLine line;
    bool haveOption = false;
    for (const std::string& arg : args) {
        if (arg.empty())
            continue;
        if (!isFile(arg) && arg.front() == '/') {
            if (!haveOption)
                line.Option = CommandOption(arg);
            haveOption = true;
        } else if (line.File.empty()) {
            line.File = arg;
        }
    }
    return line;
}

}  // namespace shell
