// Shared pieces of the zoltctl commands.
#include "app/zoltctl/CommandSupport.h"

#include <algorithm>
#include <cctype>
#include <iostream>

#include "app/zoltctl/Command.h"
#include "files/ProgramFile.h"
#include "model/HardwareConfig.h"
#include "model/NewProgram.h"
#include "model/Program.h"

namespace zoltctl {

bool LoadCompleteProgram(const std::string& path, model::Program& program) {
    // A file of an older generation holds no panel settings: like the window just after start,
    // the new program's stay.
    model::MakeNewProgram(program);
    const files::LoadReport report = files::LoadProgram(program, path);
    if (report.Complete)
        return true;
    std::cerr << "zoltctl: " << report.Message(path) << "\n";
    return false;
}

int SaveOrReport(model::Program& program, const std::string& path) {
    // The window stamps the version it works with whenever it shows a page, so every file it
    // saves carries it; a file saved here must not differ from it.
    model::StampFirmwareVersion(program);
    const std::string error = files::SaveProgram(program, path);
    if (error.empty())
        return kExitOk;
    std::cerr << "zoltctl: " << path << ": " << error << "\n";
    return kExitFileError;
}

bool ReadPageLetter(const std::string& text, int& page) {
    if (text.size() != 1)
        return false;
    const int letter = std::toupper(static_cast<unsigned char>(text[0]));
    if (letter < 'A' || letter > 'F')
        return false;
    page = letter - 'A';
    return true;
}

int UsageError(const char* command, const std::string& message, const char* usage) {
    std::cerr << "zoltctl " << command << ": " << message << "\n\n" << usage;
    return kExitUsage;
}

bool TakeOption(std::vector<std::string>& args, const std::string& name, std::string& value) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != name)
            continue;
        value = i + 1 < args.size() ? args[i + 1] : std::string();
        args.erase(args.begin() + static_cast<long>(i),
                   args.begin() + static_cast<long>(std::min(i + 2, args.size())));
        return true;
    }
    return false;
}

bool TakeFlag(std::vector<std::string>& args, const std::string& name) {
    const auto found = std::find(args.begin(), args.end(), name);
    if (found == args.end())
        return false;
    args.erase(found);
    return true;
}

bool ReadCount(const std::string& text, int& value) {
    if (text.empty() || text.size() > 6 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoi(text);
    return true;
}

}  // namespace zoltctl
