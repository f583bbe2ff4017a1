// The program a New command (and start-up) begins with.
#pragma once

namespace model {

class Program;

// Replaces the program by a new one: every page an End Page at line 1 and at its last slot,
// the default hardware, names and panel settings, the checksum stored, the firmware version
// stamped as showing a page does, no file, no unsaved changes.
void MakeNewProgram(Program& program);

}  // namespace model
