// The new-program operation.
#include "model/NewProgram.h"

#include "hardware/HardwareConfig.h"
#include "model/Program.h"
#include "model/ProgramChecksum.h"

namespace model {

void MakeNewProgram(Program& program) {
    program = Program();
    for (int page = 0; page < kPageCount; ++page) {
        program.PgmData[PageBase(page)].Code[0] = 12;
        program.PgmData[PageBase(page) + PageLast(page)].Code[0] = 12;
    }
    hardware::ApplyNewProgramDefaults(program);
    program.Tmr = panels::DefaultPanelTables("Timer");
    program.Ctr = panels::DefaultPanelTables("Counter");
    hardware::RebuildIOType(program);
    StoreProgramChecksum(program);
    hardware::StampFirmwareVersion(program);
}

}  // namespace model
