// The program checksum over the spans the controller sums.
#include "model/ProgramChecksum.h"

#include "model/HardwareConfig.h"
#include "model/Program.h"

namespace model {

namespace {

unsigned SumRecords(const Program& program, int first, int last) {
    unsigned sum = 0;
    for (int r = first; r <= last; ++r) {
        for (int16_t byte : program.PgmData[r].Code)
            sum += static_cast<unsigned>(byte);
    }
    return sum;
}

}  // namespace

uint8_t ProgramChecksum(const Program& program) {
    unsigned sum = 0;
    for (int page = 0; page < kPageCount; ++page) {
        sum += SumRecords(program, PageBase(page), PageBase(page) + PageLast(page));
    }
    sum += SumRecords(program, BiosRecord(1), BiosRecord(99));
    return static_cast<uint8_t>(sum & 0xFF);
}

void StoreProgramChecksum(Program& program) {
    program.SetRegisterByte(model::kVersionRegister, 3, ProgramChecksum(program));
}

}  // namespace model
