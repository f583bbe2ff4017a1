// zoltctl simulate: runs a program file on the simulator, with inputs from a script, and prints
// what changes.
#include <fstream>
#include <iostream>

#include "app/zoltctl/Command.h"
#include "app/zoltctl/CommandSupport.h"
#include "model/Cp1252.h"
#include "model/HardwareConfig.h"
#include "model/Program.h"
#include "model/TextFormat.h"
#include "simulator/InputScript.h"
#include "simulator/Simulator.h"

namespace zoltctl {

namespace {

constexpr const char* kSimulateUsage =
    "usage: zoltctl simulate FILE.zlp --seconds S [--inputs SCRIPT] [--trace] [--json]\n"
    "                        [--stop-at-end-page] [--frozen-pages]\n"
    "\n"
    "Runs the program on a simulated controller for S seconds (steps of 10 ms, at 0.00 up to\n"
    "S - 0.01) and prints each change of an output, timer or counter, and each page that stops,\n"
    "with its time. Nothing is connected: the inputs stay off at 0.00 V unless SCRIPT sets them,\n"
    "one change a line at its time in seconds:\n"
    "  2.5 in 3 on      input 3 on at 2.50 s (off: off)\n"
    "  4.0 in 91 6.20   analog input 91 at 6.20 V from 4.00 s\n"
    "Lines starting with # are skipped.\n"
    "\n"
    "options:\n"
    "  --trace              print every line run as well: time, page, line and its text\n"
    "  --json               one JSON object a line: {\"t\": 2.50, \"kind\": \"output\", \"n\": 3,\n"
    "                       \"value\": 1}; kind output (0/1), analog (percent), timer (1 running,\n"
    "                       0 not), counter (the count), stop and line (n the page 1..6, value\n"
    "                       the line, text the reason or the line's text)\n"
    "  --stop-at-end-page   End Page stops its page instead of going back to line 1\n"
    "  --frozen-pages       pages B..F start frozen until a page thaws, resets or moves them\n"
    "\n"
    "Exit status 0, or 1 when a page stopped on an error; 2 when a file cannot be read.\n";

using Kind = simulator::Event::Kind;

std::string Seconds(long centis) {
    return model::Fix2(centis / 100.0);
}

// An output's number, and its name when it has one of its own.
std::string OutputText(const model::Program& program, int output) {
    const std::string name = model::DisplayName(program, output, model::kOutput);
    const std::string number = std::to_string(output);
    return name == number ? number : number + " (" + model::Cp1252ToUtf8(name) + ")";
}

std::string TextRow(const simulator::Event& e, const model::Program& program) {
    std::string time = Seconds(e.Centis);
    std::string row = std::string(time.size() < 8 ? 8 - time.size() : 0, ' ') + time + "  ";
    const std::string page(1, model::PageLetter(e.N - 1));
    switch (e.What) {
        case Kind::Output:
            return row + "output " + OutputText(program, e.N) + (e.Value ? " on" : " off");
        case Kind::Analog:
            return row + "output " + OutputText(program, e.N) + " " + std::to_string(e.Value) + "%";
        case Kind::Timer:
            return row + "timer " + std::to_string(e.N) + (e.Value ? " on" : " off");
        case Kind::Counter:
            return row + "counter " + std::to_string(e.N) + " = " + std::to_string(e.Value);
        case Kind::Stop:
            return row + "page " + page + " stops on line " + std::to_string(e.Value) + ": " +
                   model::Cp1252ToUtf8(e.Text);
        case Kind::Line:
            return row + "page " + page + " line " + std::to_string(e.Value) + ": " +
                   model::Cp1252ToUtf8(e.Text);
    }
    return row;
}

std::string JsonText(const std::string& text) {
    std::string out = "\"";
    for (char c : model::Cp1252ToUtf8(text)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string JsonRow(const simulator::Event& e) {
    static const char* const kKinds[] = {"output", "analog", "timer", "counter", "stop", "line"};
    std::string row = "{\"t\": " + Seconds(e.Centis) + ", \"kind\": \"" +
                      kKinds[static_cast<int>(e.What)] + "\", \"n\": " + std::to_string(e.N) +
                      ", \"value\": " + std::to_string(e.Value);
    if (e.What == Kind::Stop || e.What == Kind::Line)
        row += ", \"text\": " + JsonText(e.Text);
    return row + "}";
}

// Reads the script at path into changes; false after reporting why it cannot.
bool ReadScript(const std::string& path, std::vector<simulator::InputChange>& changes) {
    std::ifstream in(path);
    if (!in) {
        std::cerr << "zoltctl: " << path << ": cannot open\n";
        return false;
    }
    const std::string error = simulator::ReadInputScript(in, changes);
    if (!error.empty())
        std::cerr << "zoltctl: " << path << ": " << error << "\n";
    return error.empty();
}

int RunSimulate(const std::vector<std::string>& given) {
    std::vector<std::string> args = given;
    std::string secondsText, script;
    long centis = 0;
    const bool timed = TakeOption(args, "--seconds", secondsText);
    const bool scripted = TakeOption(args, "--inputs", script);
    const bool trace = TakeFlag(args, "--trace");
    const bool json = TakeFlag(args, "--json");
    simulator::Options options;
    options.StopAtEndPage = TakeFlag(args, "--stop-at-end-page");
    options.LaterPagesStartFrozen = TakeFlag(args, "--frozen-pages");
    if (!timed || !simulator::ReadCentis(secondsText, centis))
        return UsageError("simulate", "--seconds takes the seconds to run", kSimulateUsage);
    if (scripted && script.empty())
        return UsageError("simulate", "--inputs takes a script file", kSimulateUsage);
    if (args.size() != 1)
        return UsageError("simulate", "expected one program file", kSimulateUsage);

    model::Program program;
    std::vector<simulator::InputChange> changes;
    if (!LoadCompleteProgram(args[0], program) || (scripted && !ReadScript(script, changes)))
        return kExitFileError;
    simulator::Simulator sim(program, options);
    sim.SetTracing(trace);
    std::size_t next = 0;
    while (sim.Now() < centis) {
        for (; next < changes.size() && changes[next].Centis <= sim.Now(); ++next)
            simulator::Apply(changes[next], sim);
        sim.Step();
        for (const simulator::Event& e : sim.TakeEvents())
            std::cout << (json ? JsonRow(e) : TextRow(e, program)) << "\n";
    }
    std::cout << std::flush;
    for (int page = 1; page <= model::kPageCount; ++page) {
        if (sim.StoppedOnError(page))
            return kExitProblems;
    }
    return kExitOk;
}

}  // namespace

Command SimulateCommand() {
    return {"simulate", "run a program on a simulated controller and print what changes",
            kSimulateUsage, RunSimulate};
}

}  // namespace zoltctl
