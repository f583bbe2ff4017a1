// The 8-bit program checksum that travels in byte D of BIOS register 100.
#pragma once

#include <cstdint>

namespace model {

class Program;

// Sum mod 256 of the four code bytes of page A lines 1..200, pages B..F lines 1..75 and BIOS
// registers 1..99, in that order. Register 100 itself is outside the sum.
uint8_t ProgramChecksum(const Program& program);

// Computes the checksum and stores it in register 100 byte D.
void StoreProgramChecksum(Program& program);

}  // namespace model
