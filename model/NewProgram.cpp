// The new-program operation.
#include "model/NewProgram.h"

#include "model/HardwareConfig.h"
#include "model/Program.h"
#include "model/ProgramChecksum.h"

namespace model {

void MakeNewProgram(Program& program) {
    program = Program();
    for (int page = 0; page < kPageCount; ++page) {
        program.PgmData[PageBase(page)].Code[0] = 12;
        program.PgmData[PageBase(page) + PageLast(page)].Code[0] = 12;
    }
    model::ApplyNewProgramDefaults(program);
    program.Tmr = model::DefaultPanelTables("Timer");
    program.Ctr = model::DefaultPanelTables("Counter");
    model::RebuildIOType(program);
    StoreProgramChecksum(program);
    model::StampFirmwareVersion(program);
}

}  // namespace model
