// The files zolt-sim reads and writes: program files as unit memory, trace scripts, and the
// CIM's panel area.
#pragma once

#include <string>
#include <vector>

#include "app/sim/UnitSetup.h"

namespace model {
class Program;
}

namespace sim {

// The code bytes of every record of program, each cut to 0..255.
LineImage ImageOfProgram(const model::Program& program);

// The program whose records hold image's code bytes; names and panels as in a blank program.
model::Program ProgramOfImage(const LineImage& image);

// Reads a program file into the memory of the unit set up: its lines, and the timer panel
// settings an executing MCU times with. Returns an error text, empty on success.
std::string LoadMemory(const std::string& path, UnitSetup& setup);

// Writes image as a program file (names and panels as in a blank program).
std::string SaveImage(const std::string& path, const LineImage& image);

// Reads a trace script: one report per line, "PAGE LINE" with page A..F or a number sent as
// it is and the 1-based line number; blank lines and lines starting with # are skipped.
std::string LoadTraceScript(const std::string& path, std::vector<TracePoint>& points);

// Writes the CIM's panel area, addresses 0x0000..0x0403, as raw bytes.
std::string SaveModuleArea(const std::string& path, const std::vector<uint8_t>& memory);

}  // namespace sim
