// zolt-sim's command line.
#pragma once

#include <string>
#include <vector>

#include "app/sim/UnitSetup.h"

namespace sim {

struct SimOptions {
    UnitSetup Setup;
    bool Pace = false;
    bool Help = false;
    std::string Link;           // symlink made to the device
    std::string MemoryFile;     // program file the MCU or PP holds at start
    std::string DumpFile;       // written at exit: the unit's memory
    std::string TraceFile;      // scripted trace reports
    std::string PpReceiveFile;  // written at exit: the lines a receiving PP collected
};

// Fills options from the arguments after the program name. Returns an error text for the
// user, or an empty one.
std::string ParseSimOptions(const std::vector<std::string>& args, SimOptions& options);

const char* SimUsage();

}  // namespace sim
