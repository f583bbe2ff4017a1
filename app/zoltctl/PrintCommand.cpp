// zoltctl print: the printed listing as a PDF file, laid out as the window prints it.
#include <iostream>
#include <sstream>

#include "app/zoltctl/Command.h"
#include "app/zoltctl/CommandSupport.h"
#include "files/AtomicFile.h"
#include "files/Paginator.h"
#include "files/PdfListing.h"
#include "files/PrintBoxes.h"
#include "model/Program.h"

namespace zoltctl {

namespace {

constexpr const char* kPrintUsage =
    "usage: zoltctl print FILE.zlp --pdf OUT.pdf [OPTIONS]\n"
    "\n"
    "Writes the printed listing of the program as a PDF: each chosen section on fresh sheets,\n"
    "the page headings repeated, in Courier 10 on US Letter paper.\n"
    "\n"
    "options:\n"
    "  --sections LIST   any of A,B,C,D,E,F,setup,timers,counters (default: the six pages,\n"
    "                    the setup data and the panels whose module is fitted)\n"
    "  --lines N         lines per sheet, at least 1 (50)\n"
    "  --top INCHES      top margin, at least 0.1 (1)\n"
    "  --left INCHES     left margin, at least 0.1 (1)\n"
    "  --paper letter|a4 the paper size (letter)\n";

bool ReadSections(const std::string& list, std::array<bool, files::kPrintSectionCount>& chosen) {
    chosen = {};
    std::stringstream names(list);
    std::string name;
    while (std::getline(names, name, ',')) {
        int page = 0;
        if (ReadPageLetter(name, page))
            chosen[page] = true;
        else if (name == "setup")
            chosen[files::kSetupSection] = true;
        else if (name == "timers")
            chosen[files::kTimerSection] = true;
        else if (name == "counters")
            chosen[files::kCounterSection] = true;
        else
            return false;
    }
    return true;
}

// Reads a margin or the lines into value, with the print dialog's own limit.
bool ReadBox(const std::string& text, files::PrintBox box, double& value, std::string& problem) {
    if (text.empty() || files::TypedPrintBox(box, text) != text) {
        problem = "not a number: " + text;
        return false;
    }
    value = files::PrintBoxValue(text);
    problem = files::PrintBoxProblem(box, value);
    return problem.empty();
}

int RunPrint(const std::vector<std::string>& given) {
    std::vector<std::string> args = given;
    std::string pdf, sections, paper = "letter";
    std::string lines = "50", top = "1", left = "1";
    const bool hasPdf = TakeOption(args, "--pdf", pdf);
    const bool hasSections = TakeOption(args, "--sections", sections);
    TakeOption(args, "--lines", lines);
    TakeOption(args, "--top", top);
    TakeOption(args, "--left", left);
    TakeOption(args, "--paper", paper);
    if (args.size() != 1 || !hasPdf || pdf.empty())
        return UsageError("print", "expected a program file and --pdf OUT.pdf", kPrintUsage);

    files::PrintChoice choice;
    files::PdfSheetSetup setup;
    double lineCount = 0;
    std::string problem;
    if (!ReadBox(lines, files::PrintBox::Lines, lineCount, problem) ||
        !ReadBox(top, files::PrintBox::TopMargin, setup.TopInches, problem) ||
        !ReadBox(left, files::PrintBox::LeftMargin, setup.LeftInches, problem))
        return UsageError("print", problem, kPrintUsage);
    if (hasSections && !ReadSections(sections, choice.Sections))
        return UsageError("print", "unknown section in " + sections, kPrintUsage);
    if (paper == "a4") {
        setup.WidthPoints = 595.28;
        setup.HeightPoints = 841.89;
    } else if (paper != "letter") {
        return UsageError("print", "unknown paper " + paper, kPrintUsage);
    }

    model::Program program;
    if (!LoadCompleteProgram(args[0], program))
        return kExitFileError;
    if (!hasSections)
        choice.Sections = files::DefaultSections(program);
    choice.LinesPerSheet = static_cast<int>(lineCount);
    choice.RowsThatFit = files::PdfRowsThatFit(setup);
    const std::vector<files::Sheet> sheets = files::Paginate(program, choice);
    if (sheets.empty()) {
        std::cerr << "zoltctl: print: no section chosen, nothing to print\n";
        return kExitProblems;
    }
    const std::string error = files::WriteFileAtomically(pdf, files::PdfDocument(sheets, setup));
    if (!error.empty()) {
        std::cerr << "zoltctl: " << pdf << ": " << error << "\n";
        return kExitFileError;
    }
    std::cout << sheets.size() << (sheets.size() == 1 ? " sheet" : " sheets") << " written to "
              << pdf << "\n";
    return kExitOk;
}

}  // namespace

Command PrintCommand() {
    return {"print", "write the printed listing of a program as a PDF", kPrintUsage, RunPrint};
}

}  // namespace zoltctl
