// The transfers a session runs with the MCU and the CIM, as table rows for tests that run
// each of them.
#pragma once

#include <array>

#include "app/sim/UnitSetup.h"
#include "link/LinkSession.h"
#include "model/Program.h"

namespace linktest {

struct UnitTransfer {
    const char* Name;
    sim::UnitKind Unit;
    comm::LinkResult (*Run)(comm::LinkSession& link, model::Program& program);
};

// Send and read of the program with the MCU, of the timer panel with the CIM.
extern const std::array<UnitTransfer, 4> kUnitTransfers;

}  // namespace linktest
