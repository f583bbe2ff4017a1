// zolt-sim: an MCU, Pocket Programmer or CIM on a pseudo-terminal, for trying the tool and
// for its tests without a controller.
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <iostream>

#include "app/sim/PtyUnit.h"
#include "app/sim/SimFiles.h"
#include "app/sim/SimOptions.h"
#include "app/sim/UnitEmulator.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 64;

// Ctrl-C, SIGTERM and a closed terminal end the loop through a descriptor, so that the unit
// is left in order and its memory written.
int StopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    sigprocmask(SIG_BLOCK, &signals, nullptr);
    return signalfd(-1, &signals, SFD_CLOEXEC);
}

std::string LoadFiles(sim::SimOptions& options) {
    if (!options.MemoryFile.empty()) {
        const std::string error = sim::LoadMemory(options.MemoryFile, options.Setup);
        if (!error.empty())
            return error;
    }
    if (!options.TraceFile.empty())
        return sim::LoadTraceScript(options.TraceFile, options.Setup.Trace);
    return "";
}

// What the unit holds at the end, into the files asked for.
bool WriteResults(const sim::SimOptions& options, const sim::UnitEmulator& unit) {
    std::string error;
    if (!options.PpReceiveFile.empty())
        error = sim::SaveImage(options.PpReceiveFile, unit.Memory());
    if (error.empty() && !options.DumpFile.empty()) {
        error = options.Setup.Kind == sim::UnitKind::Cim
                    ? sim::SaveModuleArea(options.DumpFile, unit.ModuleMemory())
                    : sim::SaveImage(options.DumpFile, unit.Memory());
    }
    if (options.Setup.Exchange != sim::PpExchange::None) {
        std::cerr << "zolt-sim: PP exchanged " << unit.Pp().Exchanged() << " lines, "
                  << unit.Pp().Failed() << " failed\n";
    }
    if (!error.empty())
        std::cerr << "zolt-sim: " << error << "\n";
    return error.empty();
}

}  // namespace

int main(int argc, char** argv) {
    sim::SimOptions options;
    const std::string usageError =
        sim::ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), options);
    if (options.Help) {
        std::cout << sim::SimUsage();
        return kExitOk;
    }
    if (!usageError.empty()) {
        std::cerr << "zolt-sim: " << usageError << "\n\n" << sim::SimUsage();
        return kExitUsage;
    }
    const std::string fileError = LoadFiles(options);
    if (!fileError.empty()) {
        std::cerr << "zolt-sim: " << fileError << "\n";
        return kExitFailure;
    }
    const int stopFd = StopSignals();
    sim::UnitEmulator unit(options.Setup);
    sim::PtyUnit pty(unit, options.Pace);
    const std::string openError = pty.Open();
    if (!openError.empty() || stopFd < 0) {
        std::cerr << "zolt-sim: " << (stopFd < 0 ? "cannot catch signals" : openError) << "\n";
        return kExitFailure;
    }
    if (!options.Link.empty()) {
        unlink(options.Link.c_str());
        if (symlink(pty.DevicePath().c_str(), options.Link.c_str()) != 0) {
            std::cerr << "zolt-sim: cannot make the link " << options.Link << "\n";
            return kExitFailure;
        }
    }
    std::cout << pty.DevicePath() << std::endl;
    pty.Run(stopFd);
    if (!options.Link.empty())
        unlink(options.Link.c_str());
    return WriteResults(options, unit) ? kExitOk : kExitFailure;
}
