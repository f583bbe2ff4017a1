// The MCU's and the CIM's transfers by name.
#include "tests/link/UnitTransfers.h"

namespace linktest {

const std::array<UnitTransfer, 4> kUnitTransfers{{
    {"program to the MCU", sim::UnitKind::Mcu,
     [](comm::LinkSession& link, model::Program& program) { return link.SendProgram(program); }},
    {"program from the MCU", sim::UnitKind::Mcu,
     [](comm::LinkSession& link, model::Program& program) { return link.ReadProgram(program); }},
    {"timers to the CIM", sim::UnitKind::Cim,
     [](comm::LinkSession& link, model::Program& program) { return link.SendTimers(program); }},
    {"timers from the CIM", sim::UnitKind::Cim,
     [](comm::LinkSession& link, model::Program& program) { return link.ReadTimers(program); }},
}};

}  // namespace linktest
