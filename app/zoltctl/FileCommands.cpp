// zoltctl new, list, check, export and print: the program file commands.
#include <cctype>
#include <iostream>

#include "app/zoltctl/Command.h"
#include "app/zoltctl/CommandSupport.h"
#include "files/ProgramFile.h"
#include "files/TextExport.h"
#include "model/Cp1252.h"
#include "model/NewProgram.h"
#include "model/PageListing.h"
#include "model/Program.h"

namespace zoltctl {

namespace {

constexpr const char* kNewUsage =
    "usage: zoltctl new OUT.zlp\n"
    "\n"
    "Writes a new program: an End Page line on every page, the MCU with six inputs and four\n"
    "outputs, default names and panel settings.\n";

constexpr const char* kListUsage =
    "usage: zoltctl list FILE.zlp [--page X]\n"
    "\n"
    "Prints the rows the line list shows for page X (A..F), or for every page, each after a\n"
    "heading line \"Page X\".\n";

constexpr const char* kCheckUsage =
    "usage: zoltctl check FILE.zlp\n"
    "\n"
    "Checks every page against the program's hardware. For each page with problems prints\n"
    "\"Page X\" and the rows of its error log. Exit status 0 when no page has problems, 1 when\n"
    "some page has, 2 when the file cannot be read.\n";

constexpr const char* kExportUsage =
    "usage: zoltctl export FILE.zlp OUT.txt\n"
    "\n"
    "Writes the text export of the program to OUT.txt, or to standard output for '-'.\n";

void PrintRows(const std::vector<model::ListRow>& rows) {
    for (const model::ListRow& row : rows)
        std::cout << model::Cp1252ToUtf8(row.Text) << "\n";
}

std::string PageHeading(int page) {
    return std::string("Page ") + model::PageLetter(page);
}

int RunNew(const std::vector<std::string>& args) {
    if (args.size() != 1)
        return UsageError("new", "expected one file name", kNewUsage);
    model::Program program;
    model::MakeNewProgram(program);
    return SaveOrReport(program, args[0]);
}

int RunList(const std::vector<std::string>& given) {
    std::vector<std::string> args = given;
    std::string pageText;
    const bool onePage = TakeOption(args, "--page", pageText);
    if (args.size() != 1)
        return UsageError("list", "expected one file name", kListUsage);
    int page = -1;
    if (onePage && !ReadPageLetter(pageText, page))
        return UsageError("list", "--page takes a page letter A..F", kListUsage);
    model::Program program;
    if (!LoadCompleteProgram(args[0], program))
        return kExitFileError;
    for (int p = 0; p < model::kPageCount; ++p) {
        if (onePage && p != page)
            continue;
        if (!onePage)
            std::cout << PageHeading(p) << "\n";
        PrintRows(model::ListPage(program, p).Rows);
    }
    return kExitOk;
}

int RunCheck(const std::vector<std::string>& args) {
    if (args.size() != 1)
        return UsageError("check", "expected one file name", kCheckUsage);
    model::Program program;
    if (!LoadCompleteProgram(args[0], program))
        return kExitFileError;
    bool problems = false;
    for (int p = 0; p < model::kPageCount; ++p) {
        const model::PageListing listing = model::ListPage(program, p);
        if (listing.Errors.empty())
            continue;
        problems = true;
        std::cout << PageHeading(p) << "\n";
        PrintRows(listing.Errors);
    }
    return problems ? kExitProblems : kExitOk;
}

int RunExport(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        return UsageError("export", "expected a program file and an output file", kExportUsage);
    }
    model::Program program;
    if (!LoadCompleteProgram(args[0], program))
        return kExitFileError;
    if (args[1] == "-") {
        std::cout << files::ExportText(program) << std::flush;
        return std::cout ? kExitOk : kExitFileError;
    }
    const std::string error = files::ExportProgram(program, args[1]);
    if (!error.empty()) {
        std::cerr << "zoltctl: " << args[1] << ": " << error << "\n";
        return kExitFileError;
    }
    return kExitOk;
}

}  // namespace

const std::vector<Command>& FileCommands() {
    static const std::vector<Command> commands{
        {"new", "write a new program file", kNewUsage, RunNew},
        {"list", "print the line list of one page or of every page", kListUsage, RunList},
        {"check", "print the error log of every page with problems", kCheckUsage, RunCheck},
        {"export", "write the text export of a program", kExportUsage, RunExport},
        PrintCommand(),
        DiffCommand(),
        XrefCommand(),
        SimulateCommand(),
    };
    return commands;
}

}  // namespace zoltctl
