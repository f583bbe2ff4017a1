// Sending the program to the MCU and reading it back.
#include "link/McuTransfer.h"

#include <memory>

#include "link/LineAddress.h"
#include "link/LinkSession.h"
#include "link/LinkTexts.h"
#include "model/HardwareConfig.h"
#include "model/Program.h"

namespace comm {

namespace {

constexpr int kBlock10Register = 110;
constexpr int kFirstNewMinor = 29;

uint8_t Byte(int16_t code) {
    return static_cast<uint8_t>(code & 0xFF);
}

}  // namespace

void FixUpOldFirmware(model::Program& program) {
    if (program.RegisterByte(model::kVersionRegister, 2) >= kFirstNewMinor)
        return;
    program.SetRegisterByte(kBlock10Register, 0, 0);
    program.SetRegisterByte(kBlock10Register, 1, 0);
    program.SetRegisterByte(model::kTimerModuleRegister, 0, 0);
    program.SetRegisterByte(model::kCounterModuleRegister, 0, 0);
}

LinkResult McuTransfer::ReadCheckLine(LineBytes& reg100) {
    const Reply reply = link_.Transact({kReadLine, kBiosPage, 99, 0, 0, 0, 0}, 6, true);
    if (!reply.Ok())
        return link_.Failure(reply.Result);
    reg100 = reply.Data();
    return {};
}

LinkResult McuTransfer::Send(model::Program& program) {
    TransferStatus& status = link_.Status();
    const uint8_t sum = link_.CheckProgram(program);
    program.SetRegisterByte(model::kVersionRegister, 3, sum);
    status.Show(texts::kSendingData, 1);
    for (const WireLine& line : TransferSpan()) {
        const auto& code = program.PgmData[line.Record].Code;
        const Reply reply = link_.Transact(
            {kWriteLine, static_cast<uint8_t>(line.Page), static_cast<uint8_t>(line.Offset),
             Byte(code[0]), Byte(code[1]), Byte(code[2]), Byte(code[3])},
            1, false);
        if (!reply.Ok())
            return link_.Failure(reply.Result);
        status.Progress(line.Record);
    }
    status.Hide();
    LineBytes reg100{};
    const LinkResult checked = ReadCheckLine(reg100);
    if (!checked.Ok())
        return checked;
    if (reg100[3] == sum)
        return link_.Verdict(Outcome::Success, {"", texts::kTransferred, NoticeIcon::None});
    return link_.Verdict(Outcome::ChecksumError, {"", texts::kSendChecksumError, NoticeIcon::None});
}

LinkResult McuTransfer::ReadImage(model::Program& image) {
    link_.Status().Show(texts::kReadingData, 1);
    for (const WireLine& line : TransferSpan()) {
        const Reply reply = link_.Transact({kReadLine, static_cast<uint8_t>(line.Page),
                                            static_cast<uint8_t>(line.Offset), 0, 0, 0, 0},
                                           6, true);
        if (!reply.Ok())
            return link_.Failure(reply.Result);
        const LineBytes data = reply.Data();
        for (int i = 0; i < 4; ++i)
            image.PgmData[line.Record].Code[i] = data[i];
        link_.Status().Progress(line.Record);
    }
    link_.Status().Hide();
    FixUpOldFirmware(image);
    return {Outcome::Success, {}};
}

LinkResult McuTransfer::Read(model::Program& program) {
    // The lines come into a scratch image: the PC's program changes only once all are in.
    auto scratch = std::make_unique<model::Program>();
    const LinkResult read = ReadImage(*scratch);
    if (!read.Ok())
        return read;

    program.PgmData = scratch->PgmData;
    program.PageName = scratch->PageName;
    program.PgmChanged = false;
    model::RebuildIOType(program);
    link_.Receiver().Observer().ProgramReplaced();

    const uint8_t sum = link_.CheckProgram(program);
    if (program.RegisterByte(model::kVersionRegister, 3) == sum)
        return link_.Verdict(Outcome::Success, {"", texts::kTransferred, NoticeIcon::None});
    return link_.Verdict(Outcome::ChecksumError, {"", texts::kReadChecksumError, NoticeIcon::None});
}

}  // namespace comm
