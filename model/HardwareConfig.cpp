// Rules of the hardware configuration held in the BIOS registers.
#include "model/HardwareConfig.h"

#include "model/Program.h"

namespace model {

namespace {

constexpr int kFirmwareMajor = 1;
constexpr int kFirmwareMinor = 30;
constexpr int kNewInputSpeed = 10;
constexpr int kNewConfigByteD = 2;

}  // namespace

const std::array<BlockPosition, kPositionCount>& BlockPositions() {
    static const std::array<BlockPosition, kPositionCount> positions{{
        {"MCU", 0, 10, -1},
        {"10", 10, 110, 0},
        {"20", 20, 20, -1},
        {"30", 30, 30, -1},
        {"40", 40, 40, -1},
        {"50", 50, 50, -1},
        {"60", 60, 60, -1},
        {"70", 70, 70, -1},
        {"80", 80, 80, 1},
        {"90", 90, 90, 2},
    }};
    return positions;
}

int ConfigRegisterInListingOrder(int i) {
    return BlockPositions()[i].ConfigRegister;
}

void RebuildIOType(Program& program) {
    program.IOType = {};
    for (const BlockPosition& pos : BlockPositions()) {
        const PgmRecord& reg = program.Register(pos.ConfigRegister);
        const int16_t kind = static_cast<int16_t>(reg.Code[2] + 1);
        for (int d = kInput; d <= kOutput; ++d) {
            const int count = reg.Code[d];
            for (int n = 1; n <= count && n <= 8; ++n) {
                program.IOType[pos.Base + n][d] = kind;
            }
        }
    }
}

int BcdNumber(int byte) {
    if (byte < 0 || byte > 0x99)
        return -1;
    const int high = byte >> 4;
    const int low = byte & 0x0F;
    if (low > 9)
        return -1;
    return high * 10 + low;
}

IOKind KindOfBcd(const Program& program, int bcdByte, Direction d) {
    const int k = BcdNumber(bcdByte);
    if (k < 0)
        return kNotInstalled;
    return static_cast<IOKind>(program.IOType[k][d]);
}

std::string DisplayName(const Program& program, int k, Direction d) {
    const std::string& name = program.IOName[k][d];
    return name > std::string(8, ' ') ? name : std::to_string(k);
}

bool TimerModuleInstalled(const Program& program) {
    return program.RegisterByte(kTimerModuleRegister, 0) != 0;
}

bool CounterModuleInstalled(const Program& program) {
    return program.RegisterByte(kCounterModuleRegister, 0) != 0;
}

void ApplyNewProgramDefaults(Program& program) {
    program.SetRegisterByte(BlockPositions()[0].ConfigRegister, kInput, 6);
    program.SetRegisterByte(BlockPositions()[0].ConfigRegister, kOutput, 4);
    for (const BlockPosition& pos : BlockPositions()) {
        program.SetRegisterByte(pos.ConfigRegister, 3, kNewConfigByteD);
        for (int n = 1; n <= 8; ++n) {
            program.SetRegisterByte(pos.ConfigRegister + n, 0, kNewInputSpeed);
        }
    }
    program.IOName = DefaultIONames();
}

int IONumber(int position, int n) {
    return BlockPositions()[position].Base + n;
}

void StampFirmwareVersion(Program& program) {
    program.SetRegisterByte(kVersionRegister, 1, kFirmwareMajor);
    program.SetRegisterByte(kVersionRegister, 2, kFirmwareMinor);
}

}  // namespace model
