// zoltctl diff and xref: what differs between two program files, and where an input, output,
// timer, counter or message is used.
#include <iostream>

#include "app/zoltctl/Command.h"
#include "app/zoltctl/CommandSupport.h"
#include "files/ProgramDiff.h"
#include "model/Cp1252.h"
#include "model/PageGeometry.h"
#include "model/Program.h"
#include "model/WhereUsed.h"

namespace zoltctl {

namespace {

constexpr const char* kDiffUsage =
    "usage: zoltctl diff A.zlp B.zlp\n"
    "\n"
    "Prints what differs from A to B in the listing's own words: each page line, page name,\n"
    "setup position with its names, timer, counter and message, and BIOS register, with the\n"
    "old rows after '- ' and the new after '+ '. Exit status 0 when the programs agree, 1 when\n"
    "they differ, 2 when a file cannot be read.\n";

constexpr const char* kXrefUsage =
    "usage: zoltctl xref FILE.zlp (--input N | --output N | --timer N | --counter N |\n"
    "                              --message N)\n"
    "\n"
    "Prints the lines that use the input, output, timer, counter or panel message: page, line\n"
    "and the line's text, one per row. Exit status 0 when some line uses it, 1 when none does.\n";

int RunDiff(const std::vector<std::string>& args) {
    if (args.size() != 2)
        return UsageError("diff", "expected two program files", kDiffUsage);
    model::Program before, after;
    if (!LoadCompleteProgram(args[0], before) || !LoadCompleteProgram(args[1], after))
        return kExitFileError;
    const std::vector<std::string> lines = files::ProgramDifferences(before, after);
    for (const std::string& line : lines)
        std::cout << model::Cp1252ToUtf8(line) << "\n";
    return lines.empty() ? kExitOk : kExitProblems;
}

int RunXref(const std::vector<std::string>& given) {
    std::vector<std::string> args = given;
    const std::pair<const char*, model::UsedKind> kinds[] = {
        {"--input", model::UsedKind::Input},     {"--output", model::UsedKind::Output},
        {"--timer", model::UsedKind::Timer},     {"--counter", model::UsedKind::Counter},
        {"--message", model::UsedKind::Message},
    };
    std::vector<std::pair<model::UsedKind, std::string>> asked;
    for (const auto& [option, kind] : kinds) {
        std::string value;
        if (TakeOption(args, option, value))
            asked.emplace_back(kind, value);
    }
    int number = 0;
    if (args.size() != 1 || asked.size() != 1 || !ReadCount(asked[0].second, number))
        return UsageError("xref", "expected a program file and one of the options", kXrefUsage);
    model::Program program;
    if (!LoadCompleteProgram(args[0], program))
        return kExitFileError;
    const std::vector<model::LineUse> uses = model::WhereUsed(program, asked[0].first, number);
    for (const model::LineUse& use : uses) {
        std::cout << "Page " << model::PageLetter(use.Page) << " line " << use.Line << ": "
                  << model::Cp1252ToUtf8(use.Text) << "\n";
    }
    return uses.empty() ? kExitProblems : kExitOk;
}

}  // namespace

Command DiffCommand() {
    return {"diff", "print what differs between two program files", kDiffUsage, RunDiff};
}

Command XrefCommand() {
    return {"xref", "print the lines that use an input, output, timer, counter or message",
            kXrefUsage, RunXref};
}

}  // namespace zoltctl
