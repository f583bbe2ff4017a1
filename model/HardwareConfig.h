// The controller's fitted hardware as the BIOS registers describe it: block positions, installed
// inputs and outputs, analog blocks and the timer and counter modules.
#pragma once

#include <array>
#include <string>

#include "model/IOTables.h"

namespace model {

class Program;

constexpr int kPositionCount = 10;  // the MCU and blocks 10..90
constexpr int kMostPerBlock = 8;    // inputs, and outputs, a position can have
constexpr int kTimerModuleRegister = 120;
constexpr int kCounterModuleRegister = 122;
constexpr int kVersionRegister = 100;  // B, C: firmware version; D: program checksum
constexpr int kModuleInstalled = 8;    // byte A of 120/122 when a module is fitted

struct BlockPosition {
    const char* Label;   // "MCU", "10" .. "90"
    int Base;            // I/O number just below the position's first input or output
    int ConfigRegister;  // A inputs, B outputs, C analog flag, D opaque
    int AnalogOption;    // index of the analog choice in the I/O setup dialog, -1 for none
};

// Positions by BlockIndex 0..9.
const std::array<BlockPosition, kPositionCount>& BlockPositions();

// The I/O number of input or output n (1..8) of a position.
int IONumber(int position, int n);

// Configuration registers in the order the export walks them: MCU, 10, 20 .. 90.
int ConfigRegisterInListingOrder(int i);

// Recomputes program.IOType from the configuration registers.
void RebuildIOType(Program& program);

// The I/O number a BCD byte holds, or -1 when the byte is not valid BCD (0x00..0x99).
int BcdNumber(int byte);

// IOType of the I/O number a BCD byte holds; kNotInstalled for a byte that is not valid BCD.
IOKind KindOfBcd(const Program& program, int bcdByte, Direction d);

// IOName(k, d) when it is more than blanks, otherwise the number's decimal text.
std::string DisplayName(const Program& program, int k, Direction d);

bool TimerModuleInstalled(const Program& program);
bool CounterModuleInstalled(const Program& program);

// The configuration of a new program: the MCU with six inputs and four outputs, nothing else,
// byte D = 2 in every configuration register, every input speed 10 ms, default names.
// Expects the registers to be zero.
void ApplyNewProgramDefaults(Program& program);

// Writes the firmware version the tool works with into register 100 bytes B and C; done each
// time a page is shown, so a saved file always carries it.
void StampFirmwareVersion(Program& program);

}  // namespace model
