// zoltctl compare: the MCU's program against a program file, in the listing's words.
#include <iostream>
#include <memory>

#include "app/zoltctl/Command.h"
#include "app/zoltctl/CommandSupport.h"
#include "app/zoltctl/LinkConnection.h"
#include "files/ProgramDiff.h"
#include "model/Cp1252.h"
#include "model/Program.h"

namespace zoltctl {

namespace {

const std::string kCompareUsage =
    std::string(
        "usage: zoltctl compare FILE.zlp [OPTIONS]\n\n"
        "Reads the MCU's program and prints what differs from FILE, page by page and line\n"
        "by line, and the BIOS registers by number and meaning: the file's rows after\n"
        "'- ', the MCU's after '+ '. Nothing is written.\n\noptions:\n") +
    kLinkOptionsUsage +
    "\nExit status 0 when the MCU holds the program, 1 when it differs or the read fails,\n"
    "2 when the file cannot be read.\n";

int RunCompare(const std::vector<std::string>& given) {
    std::vector<std::string> args = given;
    LinkOptions options;
    const std::string error = TakeLinkOptions(args, options);
    if (!error.empty())
        return UsageError("compare", error, kCompareUsage.c_str());
    if (args.size() != 1)
        return UsageError("compare", "expected one program file", kCompareUsage.c_str());
    model::Program program;
    if (!LoadCompleteProgram(args[0], program))
        return kExitFileError;
    ConsoleObserver observer(std::cout, std::cerr, false);
    LinkConnection link(options, observer);
    if (const int connected = link.ConnectTo(comm::Unit::Mcu); connected != kExitOk)
        return connected;
    // The read replaces the codes of a copy: both sides keep the file's comments and names.
    auto image = std::make_unique<model::Program>(program);
    const comm::LinkResult read = link.Session().ReadMcuImage(*image);
    if (!read.Ok())
        return ExitFor(read, observer);
    const std::vector<std::string> differences =
        files::ProgramDifferences(program, *image, files::DiffScope::PagesAndRegisters);
    for (const std::string& line : differences)
        std::cout << model::Cp1252ToUtf8(line) << "\n";
    if (differences.empty())
        std::cout << "The MCU holds the program of " << args[0] << ".\n";
    return differences.empty() ? kExitOk : kExitProblems;
}

}  // namespace

Command CompareCommand() {
    return {"compare", "print what differs between the MCU's program and a file",
            kCompareUsage.c_str(), RunCompare};
}

}  // namespace zoltctl
