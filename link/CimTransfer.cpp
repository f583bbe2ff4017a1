// The panel transfers with the CIM.
#include "link/CimTransfer.h"

#include "link/LinkSession.h"
#include "link/LinkTexts.h"
#include "model/HardwareConfig.h"
#include "model/Program.h"

namespace comm {

namespace {

constexpr std::size_t kBlockSize = 4;

uint8_t Byte(int16_t value) {
    return static_cast<uint8_t>(value & 0xFF);
}

}  // namespace

std::array<uint8_t, kTextField> TextField(const std::string& text) {
    std::array<uint8_t, kTextField> field;
    field.fill(' ');
    for (std::size_t i = 0; i < text.size() && i < kTextField; ++i)
        field[i] = static_cast<uint8_t>(text[i]);
    return field;
}

std::string FieldText(const std::array<uint8_t, kTextField>& field) {
    std::string text(field.begin(), field.end());
    const std::size_t end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

void CimTransfer::SetAddress(int address) {
    MemAddrHi = static_cast<uint8_t>(address >> 8);
    MemAddrLo = static_cast<uint8_t>(address & 0xFF);
}

void CimTransfer::Advance() {
    // The low byte wraps by 256 into the high byte.
    const int low = MemAddrLo + 4;
    MemAddrLo = static_cast<uint8_t>(low & 0xFF);
    if (low >= 256)
        ++MemAddrHi;
}

void CimTransfer::ShowProgress(bool show) {
    if (show)
        link_.Status().Progress(static_cast<int>((MemAddrHi * 256 + MemAddrLo) * 0.9) + 1);
}

bool CimTransfer::WriteMemBlock(bool showProgress, const LineBytes& data) {
    ShowProgress(showProgress);
    const Reply reply = link_.Transact(
        {kWriteMemory, MemAddrHi, MemAddrLo, data[0], data[1], data[2], data[3]}, 1, false);
    if (!reply.Ok()) {
        failure_ = link_.Failure(reply.Result);
        return false;
    }
    Advance();
    return true;
}

bool CimTransfer::ReadMemBlock(bool showProgress, LineBytes& data) {
    ShowProgress(showProgress);
    const Reply reply = link_.Transact({kReadMemory, MemAddrHi, MemAddrLo, 0, 0, 0, 0}, 6, true);
    if (!reply.Ok()) {
        failure_ = link_.Failure(reply.Result);
        return false;
    }
    data = reply.Data();
    Advance();
    return true;
}

bool CimTransfer::WriteText(const std::string& text) {
    const auto field = TextField(text);
    for (std::size_t i = 0; i < kTextField; i += kBlockSize) {
        if (!WriteMemBlock(true, {field[i], field[i + 1], field[i + 2], field[i + 3]}))
            return false;
    }
    return true;
}

bool CimTransfer::ReadText(std::string& text) {
    std::array<uint8_t, kTextField> field{};
    for (std::size_t i = 0; i < kTextField; i += kBlockSize) {
        LineBytes block{};
        if (!ReadMemBlock(true, block))
            return false;
        std::copy(block.begin(), block.end(), field.begin() + i);
    }
    text = FieldText(field);
    return true;
}

LinkResult CimTransfer::Send(const model::PanelTables& tables, PanelKind kind) {
    TransferStatus& status = link_.Status();
    status.Show(texts::kSendingData, 0);
    SetAddress(kEntryAddress);
    for (const model::PanelEntry& entry : tables.Data) {
        if (!WriteText(entry.Name))
            return failure_;
        for (std::size_t w = 0; w < entry.Words.size(); w += kBlockSize) {
            if (!WriteMemBlock(true, {Byte(entry.Words[w]), Byte(entry.Words[w + 1]),
                                      Byte(entry.Words[w + 2]), Byte(entry.Words[w + 3])}))
                return failure_;
        }
    }
    SetAddress(kMessageAddress);
    for (const model::PanelMessage& message : tables.Msg) {
        if (!WriteText(message.Top) || !WriteText(message.Bottom))
            return failure_;
    }
    SetAddress(kPanelAddress);
    const auto& panel = tables.Panel;
    if (!WriteMemBlock(true, {Byte(panel[0]), Byte(panel[1]), Byte(panel[2]), Byte(panel[3])}))
        return failure_;
    status.Hide();
    return link_.Verdict(Outcome::Success,
                         {"", kind == PanelKind::Timers ? texts::kTimerSent : texts::kCounterSent,
                          NoticeIcon::None});
}

LinkResult CimTransfer::Read(model::Program& program, PanelKind kind) {
    TransferStatus& status = link_.Status();
    const bool timers = kind == PanelKind::Timers;
    status.Show(texts::kReadingData, 0);
    model::PanelTables tables;
    SetAddress(kEntryAddress);
    for (model::PanelEntry& entry : tables.Data) {
        if (!ReadText(entry.Name))
            return failure_;
        for (std::size_t w = 0; w < entry.Words.size(); w += kBlockSize) {
            LineBytes block{};
            if (!ReadMemBlock(true, block))
                return failure_;
            std::copy(block.begin(), block.end(), entry.Words.begin() + w);
        }
    }
    SetAddress(kMessageAddress);
    for (model::PanelMessage& message : tables.Msg) {
        if (!ReadText(message.Top) || !ReadText(message.Bottom))
            return failure_;
    }
    SetAddress(kPanelAddress);
    LineBytes panel{};
    if (!ReadMemBlock(true, panel))
        return failure_;
    std::copy(panel.begin(), panel.end(), tables.Panel.begin());
    status.Hide();

    (timers ? program.Tmr : program.Ctr) = tables;
    program.SetRegisterByte(timers ? model::kTimerModuleRegister : model::kCounterModuleRegister, 0,
                            model::kModuleInstalled);
    // The program now differs from its file: leaving it asks to save.
    program.PgmChanged = true;
    link_.Receiver().Observer().PanelsRead(kind);
    return link_.Verdict(Outcome::Success,
                         {"", timers ? texts::kTimerRead : texts::kCounterRead, NoticeIcon::None});
}

}  // namespace comm
