// The receive state machine and the tmrComm tick.
#include "link/ReceiveHandler.h"

#include "model/HardwareConfig.h"
#include "link/LineAddress.h"
#include "link/LinkTexts.h"
#include "model/Program.h"
#include "model/ProgramChecksum.h"

namespace comm {

namespace {

// Units with the newer interface add this to a trace report's page byte.
constexpr int kPageMark = 210;
constexpr int kHighBaud = 19200;

bool IsSpeedSetUp(CommStateWord state) {
    return state == CommStateWord::McuX || state == CommStateWord::PpX ||
           state == CommStateWord::CimX;
}

CommStateWord PlainWord(CommStateWord state) {
    switch (state) {
        case CommStateWord::McuX:
            return CommStateWord::Mcu;
        case CommStateWord::PpX:
            return CommStateWord::Pp;
        case CommStateWord::CimX:
            return CommStateWord::Cim;
        default:
            return state;
    }
}

const char* ConnectedText(CommStateWord state) {
    switch (PlainWord(state)) {
        case CommStateWord::Mcu:
            return texts::kConnectedMcu;
        case CommStateWord::Pp:
            return texts::kConnectedPp;
        default:
            return texts::kConnectedCim;
    }
}

CommStateWord WordOf(Unit unit, bool newerInterface) {
    switch (unit) {
        case Unit::Mcu:
            return newerInterface ? CommStateWord::McuX : CommStateWord::Mcu;
        case Unit::Cim:
            return newerInterface ? CommStateWord::CimX : CommStateWord::Cim;
        case Unit::Pp:
            break;
    }
    return newerInterface ? CommStateWord::PpX : CommStateWord::Pp;
}

}  // namespace

ReceiveHandler::ReceiveHandler(ReceiveHost& host, LinkObserver& observer)
    : host_(host), observer_(observer) {}

void ReceiveHandler::Clear() {
    state_.MsgSum = 0;
    state_.RxCount = 0;
}

void ReceiveHandler::SetState(CommStateWord state) {
    if (state_.CommState == state)
        return;
    state_.CommState = state;
    observer_.StateChanged(state);
}

void ReceiveHandler::Reset() {
    state_.DiscardZeros = true;
    // A tick still pending from before (a high-speed test, a trace display) must not act on
    // the new connection.
    host_.StopCommTimer();
    state_.CommTask = CommTaskWord::None;
    Clear();
    SetState(CommStateWord::None);
    observer_.ModeChanged(texts::kNotConnected);
    state_.XferText.clear();
    observer_.TransferText("");
    observer_.TransferShown(false);
    observer_.ProgressShown(false);
}

void ReceiveHandler::ShowStatus(const char* text, int progress) {
    state_.XferText = text;
    observer_.TransferText(text);
    observer_.TransferShown(true);
    observer_.Progress(progress);
    observer_.ProgressShown(true);
}

void ReceiveHandler::SetProgress(int value) {
    observer_.Progress(value);
}

void ReceiveHandler::HideStatus() {
    observer_.TransferShown(false);
    observer_.ProgressShown(false);
}

void ReceiveHandler::SendRequest(const Request& request) {
    const Frame frame = MakeFrame(request);
    state_.MsgSum = frame[7];
    for (uint8_t byte : frame)
        host_.SendByte(byte);
    state_.RxCount = 0;
}

void ReceiveHandler::Receive(uint8_t byte) {
    if (state_.DiscardZeros && byte == 0)
        return;
    if (state_.CommState == CommStateWord::None) {
        state_.RxCount = 0;
        SetState(CommStateWord::Data);
    }
    // A full buffer is cleared first; the byte that found it full is then taken as the first
    // of the next message, as the port would hand it over on its next notification.
    if (state_.RxCount >= kRxBufSize)
        Clear();
    state_.RxBuf[state_.RxCount++] = byte;

    switch (state_.CommState) {
        case CommStateWord::Run:
        case CommStateWord::XRun:
            TraceReport();
            break;
        case CommStateWord::Mcu:
        case CommStateWord::Cim:
            if (state_.XferText == texts::kReadingData && state_.RxCount != 1 &&
                state_.RxCount != 6)
                state_.DataSum += byte;
            break;
        case CommStateWord::Pp:
            PpMessage(byte);
            break;
        case CommStateWord::McuX:
        case CommStateWord::PpX:
        case CommStateWord::CimX:
            SpeedReply(byte);
            break;
        case CommStateWord::Data:
            Identification(byte);
            break;
        default:
            Clear();
            break;
    }
}

void ReceiveHandler::Identification(uint8_t byte) {
    if (state_.RxCount != 4) {
        state_.MsgSum += byte;
        if (IsIdentificationKind(state_.RxBuf[0]))
            return;
        // Out of step: tell the unit, and start again.
        host_.SendByte(0x00);
        Clear();
        return;
    }
    state_.MsgSum %= 256;
    const std::optional<Unit> unit = UnitOfIdentification(state_.RxBuf[0], state_.RxBuf[1]);
    if (state_.RxBuf[3] == state_.MsgSum && unit) {
        state_.InterfaceVersion = state_.RxBuf[2];
        const CommStateWord word = WordOf(*unit, state_.InterfaceVersion > 1);
        observer_.ModeChanged(IsSpeedSetUp(word) ? texts::kConnecting : ConnectedText(word));
        SetState(word);
        state_.DiscardZeros = false;
    }
    host_.SendByte(static_cast<uint8_t>(state_.MsgSum));
    Clear();
    if (IsSpeedSetUp(state_.CommState))
        StartSpeedSetUp();
}

// The speed set-up runs as steps driven by replies and ticks, so the handler never waits:
// pause, speed request and its echo, pause, new speed, high-speed test.
void ReceiveHandler::StartSpeedSetUp() {
    speedStep_ = SpeedStep::PauseBefore;
    speedTries_ = 0;
    host_.StartCommTimer(kPause);
}

void ReceiveHandler::SendSpeedRequest() {
    SendRequest({kSpeed, static_cast<uint8_t>(state_.CommSpeed), 0, 0, 0, 0, 0});
    host_.StartCommTimer(kEchoWait);
}

void ReceiveHandler::SendHighSpeedTest() {
    if (state_.CommState == CommStateWord::CimX)
        SendRequest({kReadMemory, 15, 0, 0, 0, 0, 0});  // module memory at 0x0F00
    else
        SendRequest({kReadLine, 7, 99, 0, 0, 0, 0});  // register 100
    host_.StartCommTimer(kTestWait);
}

void ReceiveHandler::HighSpeedError() {
    host_.StopCommTimer();
    state_.CommTask = CommTaskWord::None;
    observer_.ModeChanged(texts::kHighSpeedError);
    SetState(CommStateWord::Err);
    Clear();
}

void ReceiveHandler::SpeedTick() {
    switch (speedStep_) {
        case SpeedStep::PauseBefore:
            if (state_.CommSpeed < 0 || state_.CommSpeed > 1)
                state_.CommSpeed = 0;
            speedStep_ = SpeedStep::AwaitEcho;
            SendSpeedRequest();
            break;
        case SpeedStep::AwaitEcho:
            HighSpeedError();  // the speed request was never echoed
            break;
        case SpeedStep::PauseAfter:
            if (state_.CommSpeed == 1)
                host_.SetLineSpeed(kHighBaud);
            state_.CommTask = CommTaskWord::TestCommHi;
            speedStep_ = SpeedStep::AwaitTest;
            speedTries_ = 0;
            SendHighSpeedTest();
            break;
        case SpeedStep::AwaitTest:
            break;  // the tick's task, TestCommHi, reports the error
    }
}

void ReceiveHandler::SpeedReply(uint8_t byte) {
    switch (speedStep_) {
        case SpeedStep::PauseBefore:
        case SpeedStep::PauseAfter:
            Clear();  // nothing is due from the unit now
            return;
        case SpeedStep::AwaitEcho:
            if (byte == state_.MsgSum) {
                speedStep_ = SpeedStep::PauseAfter;
                Clear();
                host_.StartCommTimer(kPause);
            } else if (++speedTries_ >= kSpeedTries) {
                HighSpeedError();
            } else {
                SendSpeedRequest();
            }
            return;
        case SpeedStep::AwaitTest:
            break;
    }
    if (state_.RxCount == 1 && byte != state_.MsgSum) {
        if (++speedTries_ >= kSpeedTries) {
            HighSpeedError();
            return;
        }
        host_.StopCommTimer();
        SendHighSpeedTest();
        return;
    }
    if (state_.RxCount < 6)
        return;
    if (state_.RxBuf[0] == state_.MsgSum) {
        host_.StopCommTimer();
        state_.CommTask = CommTaskWord::None;
        const CommStateWord plain = PlainWord(state_.CommState);
        observer_.ModeChanged(ConnectedText(plain));
        SetState(plain);
    }
    Clear();
}

void ReceiveHandler::PpMessage(uint8_t byte) {
    if (state_.RxCount != 8) {
        state_.MsgSum += byte;
        return;
    }
    state_.MsgSum %= 256;
    state_.DataSum = state_.RxBuf[7];
    const uint8_t command = state_.RxBuf[0];
    const std::optional<int> record = RecordOfLine(state_.RxBuf[1], state_.RxBuf[2]);
    // A line outside the image is neither stored nor served, and not answered either: the
    // Pocket Programmer sees no echo and counts the line as failed.
    if ((command != kPpHereIsLine && command != kPpSendMeLine) || !record || !program_) {
        ++tally_.Dropped;
        Clear();
        return;
    }
    const uint8_t sum = static_cast<uint8_t>(state_.MsgSum);
    const bool intact = state_.DataSum == state_.MsgSum;
    model::PgmRecord& line = program_->PgmData[*record];
    int progress = *record;
    const char* status = texts::kReadingData;
    if (command == kPpHereIsLine) {
        if (intact) {
            for (int i = 0; i < 4; ++i)
                line.Code[i] = state_.RxBuf[3 + i];
            ++tally_.Stored;
        } else {
            ++tally_.Rejected;
            progress = 0;
        }
        host_.SendByte(sum);
        state_.CommTask = CommTaskWord::DataRead;
    } else {
        host_.SendByte(sum);
        for (int16_t code : line.Code)
            host_.SendByte(static_cast<uint8_t>(code & 0xFF));
        if (!intact) {
            ++tally_.Rejected;
            Clear();
            return;
        }
        ++tally_.Served;
        state_.CommTask = CommTaskWord::DataSend;
        status = texts::kSendingData;
    }
    tally_.Ended = false;
    ShowStatus(status, progress);
    host_.StartCommTimer(kPpEnd);
    Clear();
}

void ReceiveHandler::PpEnd() {
    tally_.Ended = true;
    if (state_.CommTask == CommTaskWord::DataSend || !program_) {
        HideStatus();
        return;
    }
    const uint8_t sum = model::ProgramChecksum(*program_);
    tally_.ChecksumOk = program_->RegisterByte(model::kVersionRegister, 3) == sum;
    // The status goes in both cases: a finished receive does not go on showing "Reading Data".
    HideStatus();
    if (!tally_.ChecksumOk)
        observer_.Message(
            {texts::kChecksumErrorTitle, texts::kDataTransferError, NoticeIcon::Exclamation});
    model::RebuildIOType(*program_);
    observer_.ProgramReplaced();
}

void ReceiveHandler::TraceReport() {
    if (state_.RxCount < 2)
        return;
    int page = state_.RxBuf[0];
    int line = state_.RxBuf[1];
    if (state_.InterfaceVersion > 1) {
        if (line >= kPageMark)
            std::swap(page, line);
        page -= kPageMark;
    }
    // Each pair of bytes is a report of its own.
    Clear();
    if (page < 1 || page > 6)
        return;
    if (state_.CommState != CommStateWord::Run || line > static_cast<int>(trace_.RowLines.size()) ||
        host_.CommTimerRunning())
        return;
    if (page == trace_.Page && line == state_.TraceLast[page]) {
        state_.CommTask = CommTaskWord::RunDisp;
        host_.StartCommTimer(kTraceDelay);
    } else {
        state_.TraceLast[page] = line;
    }
}

void ReceiveHandler::ShowTrace() {
    if (trace_.Page < 1 || trace_.Page > 6) {
        state_.CommTask = CommTaskWord::None;
        return;
    }
    const int wanted = state_.TraceLast[trace_.Page];
    for (std::size_t row = 0; row < trace_.RowLines.size(); ++row) {
        if (trace_.RowLines[row] - 1 != wanted)
            continue;
        const int found = static_cast<int>(row);
        if (found != trace_.TraceItem) {
            observer_.TraceRow(trace_.TraceItem, found);
            trace_.TraceItem = found;
        }
        return;
    }
    state_.CommTask = CommTaskWord::None;
}

void ReceiveHandler::CommTick() {
    if (IsSpeedSetUp(state_.CommState) && speedStep_ != SpeedStep::AwaitTest) {
        SpeedTick();
        return;
    }
    switch (state_.CommTask) {
        case CommTaskWord::TestCommHi:
            HighSpeedError();
            break;
        case CommTaskWord::DataRead:
        case CommTaskWord::DataSend:
            if (state_.CommState == CommStateWord::Pp)
                PpEnd();
            break;
        case CommTaskWord::RunDisp:
            ShowTrace();  // the task stays, so the next repeated report shows again
            return;
        default:
            break;
    }
    state_.CommTask = CommTaskWord::None;
}

}  // namespace comm
