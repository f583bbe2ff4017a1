// The zoltctl commands over the serial line: connect, the MCU, Pocket Programmer and CIM
// transfers, and run with the trace.
#include <functional>
#include <iostream>

#include "app/zoltctl/Command.h"
#include "app/zoltctl/CommandSupport.h"
#include "app/zoltctl/LinkConnection.h"
#include "model/NewProgram.h"
#include "model/PageListing.h"
#include "model/Program.h"

namespace zoltctl {
namespace {

// How long a Pocket Programmer may take to start once connected: its user picks the menu item.
constexpr comm::Millis kPpStartWait = 120'000;

using Transfer = std::function<comm::LinkResult(comm::LinkSession&, model::Program&)>;

struct TransferCommand {
    const char* Name;
    const char* Summary;
    const char* Usage;
    comm::Unit Needs;
    bool ReadsFile;   // the program comes from FILE
    bool WritesFile;  // the program is written to FILE when the transfer succeeds
    Transfer Run;
};

int RunTransfer(const TransferCommand& command, const std::vector<std::string>& given) {
    std::vector<std::string> args = given;
    LinkOptions options;
    const std::string error = TakeLinkOptions(args, options);
    if (!error.empty())
        return UsageError(command.Name, error, command.Usage);
    if (args.size() != 1)
        return UsageError(command.Name, "expected one program file", command.Usage);

    model::Program program;
    if (command.ReadsFile) {
        if (!LoadCompleteProgram(args[0], program))
            return kExitFileError;
    } else {
        model::MakeNewProgram(program);
    }
    ConsoleObserver observer(std::cout, std::cerr, false);
    LinkConnection link(options, observer);
    if (const int connected = link.ConnectTo(command.Needs); connected != kExitOk)
        return connected;
    const comm::LinkResult result = command.Run(link.Session(), program);
    const int status = ExitFor(result, observer);
    if (status != kExitOk || !command.WritesFile)
        return status;
    return SaveOrReport(program, args[0]);
}

std::string TransferUsage(const char* synopsis, const char* description) {
    return std::string("usage: zoltctl ") + synopsis + " [OPTIONS]\n\n" + description +
           "\n\noptions:\n" + kLinkOptionsUsage +
           "\nExit status 0 when the transfer succeeds, 1 when it fails or the unit does not\n"
           "answer, 2 when the file cannot be read or written. Ctrl+C cancels.\n";
}

const std::string kSendUsage = TransferUsage(
    "send FILE.zlp",
    "Sends the program to the MCU: its checksum into register 100, then every line, then\n"
    "compares the MCU's checksum. FILE is not changed.");
const std::string kReadUsage = TransferUsage(
    "read OUT.zlp",
    "Reads the MCU's program and writes it to OUT when every line has arrived and the\n"
    "checksums match.");
const std::string kPpSendUsage = TransferUsage(
    "pp-send FILE.zlp",
    "Serves the Pocket Programmer's requests for the lines of FILE; start 'Receive Zolt\n"
    "Program' on the Pocket Programmer.");
const std::string kPpReadUsage = TransferUsage(
    "pp-read OUT.zlp",
    "Takes the lines the Pocket Programmer sends and writes them to OUT when the checksum\n"
    "matches; start 'Send Zolt New Program' on the Pocket Programmer.");
const std::string kSendTimersUsage =
    TransferUsage("send-timers FILE.zlp", "Sends the timer panel settings of FILE to the CIM.");
const std::string kSendCountersUsage =
    TransferUsage("send-counters FILE.zlp", "Sends the counter panel settings of FILE to the CIM.");
const std::string kReadTimersUsage = TransferUsage(
    "read-timers FILE.zlp",
    "Reads the timer panel settings from the CIM into FILE (start 'Send Data' on the timer\n"
    "panel first).");
const std::string kReadCountersUsage = TransferUsage(
    "read-counters FILE.zlp",
    "Reads the counter panel settings from the CIM into FILE (start 'Send Data' on the\n"
    "counter panel first).");

const TransferCommand kTransfers[] = {
    {"send", "send a program to the MCU", kSendUsage.c_str(), comm::Unit::Mcu, true, false,
     [](comm::LinkSession& s, model::Program& p) { return s.SendProgram(p); }},
    {"read", "read the MCU's program into a file", kReadUsage.c_str(), comm::Unit::Mcu, false, true,
     [](comm::LinkSession& s, model::Program& p) { return s.ReadProgram(p); }},
    {"pp-send", "serve a program to the Pocket Programmer", kPpSendUsage.c_str(), comm::Unit::Pp,
     true, false,
     [](comm::LinkSession& s, model::Program& p) { return s.PpServe(p, kPpStartWait); }},
    {"pp-read", "take a program from the Pocket Programmer", kPpReadUsage.c_str(), comm::Unit::Pp,
     false, true,
     [](comm::LinkSession& s, model::Program& p) { return s.PpTake(p, kPpStartWait); }},
    {"send-timers", "send the timer panel settings to the CIM", kSendTimersUsage.c_str(),
     comm::Unit::Cim, true, false,
     [](comm::LinkSession& s, model::Program& p) { return s.SendTimers(p); }},
    {"send-counters", "send the counter panel settings to the CIM", kSendCountersUsage.c_str(),
     comm::Unit::Cim, true, false,
     [](comm::LinkSession& s, model::Program& p) { return s.SendCounters(p); }},
    {"read-timers", "read the timer panel settings from the CIM", kReadTimersUsage.c_str(),
     comm::Unit::Cim, true, true,
     [](comm::LinkSession& s, model::Program& p) { return s.ReadTimers(p); }},
    {"read-counters", "read the counter panel settings from the CIM", kReadCountersUsage.c_str(),
     comm::Unit::Cim, true, true,
     [](comm::LinkSession& s, model::Program& p) { return s.ReadCounters(p); }},
};

const std::string kConnectUsage = TransferUsage(
    "connect", "Waits for the unit on the port to identify itself and prints which it is.");

int RunConnect(const std::vector<std::string>& given) {
    std::vector<std::string> args = given;
    LinkOptions options;
    const std::string error = TakeLinkOptions(args, options);
    if (!error.empty())
        return UsageError("connect", error, kConnectUsage.c_str());
    if (!args.empty())
        return UsageError("connect", "takes no file", kConnectUsage.c_str());
    ConsoleObserver observer(std::cout, std::cerr, false);
    LinkConnection link(options, observer);
    const int connected = link.ConnectTo(std::nullopt);
    if (connected == kExitOk)
        std::cout << "Interface Version:  " << link.Session().InterfaceVersion() << "\n";
    return connected;
}

const std::string kRunUsage = std::string(
                                  "usage: zoltctl run FILE.zlp [--page X] [--seconds N] [--yes] "
                                  "[OPTIONS]\n\n"
                                  "Starts the MCU's program and prints the rows of page X (A) "
                                  "the trace reports, until\n"
                                  "Ctrl+C or N seconds. FILE is the program the MCU holds; when "
                                  "its checksum differs, the\n"
                                  "program runs without trace only with --yes.\n\noptions:\n") +
                              kLinkOptionsUsage;

int RunRun(const std::vector<std::string>& given) {
    std::vector<std::string> args = given;
    LinkOptions options;
    std::string error = TakeLinkOptions(args, options);
    int page = 0;
    std::string pageText;
    if (error.empty() && TakeOption(args, "--page", pageText) && !ReadPageLetter(pageText, page))
        error = "--page takes a page letter A..F";
    std::string secondsText;
    int seconds = 0;
    if (error.empty() && TakeOption(args, "--seconds", secondsText) &&
        !ReadCount(secondsText, seconds))
        error = "--seconds takes a whole number of seconds";
    const bool yes = TakeFlag(args, "--yes");
    if (error.empty() && args.size() != 1)
        error = "expected one program file";
    if (!error.empty())
        return UsageError("run", error, kRunUsage.c_str());

    model::Program program;
    if (!LoadCompleteProgram(args[0], program))
        return kExitFileError;
    ConsoleObserver observer(std::cout, std::cerr, yes);
    LinkConnection link(options, observer);
    if (const int connected = link.ConnectTo(comm::Unit::Mcu); connected != kExitOk)
        return connected;

    comm::TraceView view;
    view.Page = page + 1;
    std::vector<std::string> rows;
    for (const model::ListRow& row : model::ListPage(program, page).Rows) {
        view.RowLines.push_back(row.ItemData);
        rows.push_back(row.Text);
    }
    observer.SetTraceRows(std::move(rows));
    link.Session().SetTraceView(view);

    const comm::LinkResult started = link.Session().Run(program);
    if (!started.Ok())
        return ExitFor(started, observer);
    // The program runs until the user stops watching; the MCU keeps running after that.
    const comm::Millis watch = seconds > 0 ? seconds * 1000LL : 365LL * 24 * 3600 * 1000;
    const comm::WaitResult ended = link.Pump().PumpUntil([] { return false; }, watch);
    link.Session().Stop();
    if (ended == comm::WaitResult::PortFailed) {
        std::cerr << "zoltctl: the line to the MCU failed while it ran\n";
        return kExitProblems;
    }
    return kExitOk;
}

}  // namespace

const std::vector<Command>& LinkCommands() {
    static const std::vector<Command> commands = [] {
        std::vector<Command> all = {{"connect", "wait for the unit on the port and say which it is",
                                     kConnectUsage.c_str(), RunConnect}};
        for (const TransferCommand& transfer : kTransfers) {
            all.push_back({transfer.Name, transfer.Summary, transfer.Usage,
                           [&transfer](const std::vector<std::string>& args) {
                               return RunTransfer(transfer, args);
                           }});
        }
        all.push_back(
            {"run", "run the MCU's program and print the traced rows", kRunUsage.c_str(), RunRun});
        all.push_back(CompareCommand());
        all.push_back(PortsCommand());
        return all;
    }();
    return commands;
}

}  // namespace zoltctl
