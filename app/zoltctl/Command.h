// A zoltctl command: its name, its help and what it runs.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zoltctl {

enum ExitCode {
    kExitOk = 0,
    kExitProblems = 1,   // check found problems; a transfer failed
    kExitFileError = 2,  // a file could not be opened, read to its end or written
    kExitUsage = 64,
};

struct Command {
    const char* Name;
    const char* Summary;  // one line for the command list
    const char* Usage;    // the full help of the command
    std::function<int(const std::vector<std::string>& args)> Run;
};

// new, list, check, export.
const std::vector<Command>& FileCommands();

// print: the printed listing as a PDF.
Command PrintCommand();
// diff and xref: comparing two programs, finding where something is used.
Command DiffCommand();
Command XrefCommand();
// compare: the MCU's program against a file.
Command CompareCommand();
// simulate: a program run on the simulator.
Command SimulateCommand();

// connect, the transfers, run and ports: the commands over the serial line.
const std::vector<Command>& LinkCommands();

// ports: what Com 1..4 stand for on this machine.
Command PortsCommand();

}  // namespace zoltctl
