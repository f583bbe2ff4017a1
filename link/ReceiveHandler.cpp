// The receive state machine and the tmrComm tick.
#include "link/ReceiveHandler.h"

#include <utility>

#include "link/LinkTexts.h"

namespace comm {

namespace {

// Units with the newer interface add this to a trace report's page byte.
constexpr int kPageMark = 210;

}  // namespace

ReceiveHandler::ReceiveHandler(ReceiveHost& host, LinkObserver& observer)
    : host_(host),
      observer_(observer),
      status_(observer),
      speedSetUp_(host, state_),
      pp_(host, status_, observer) {}

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
    state_.Clear();
    SetState(CommStateWord::None);
    observer_.ModeChanged(texts::kNotConnected);
    status_.Clear();
}

void ReceiveHandler::SendRequest(const Request& request) {
    for (uint8_t byte : state_.Expect(request))
        host_.SendByte(byte);
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
        state_.Clear();
    state_.RxBuf[state_.RxCount++] = byte;

    const StateMeaning& meaning = MeaningOf(state_.CommState);
    if (state_.CommState == CommStateWord::Data)
        Identification(byte);
    else if (meaning.Running)
        TraceReport();
    else if (meaning.SpeedSetUp)
        SpeedSetUpStep(speedSetUp_.Reply(byte));
    else if (state_.CommState == CommStateWord::Pp)
        PpByte(byte);
    else if (!meaning.Identified)  // "ERR"
        state_.Clear();
    // Otherwise the MCU or the CIM is answering a request: the transfer waiting for the reply
    // takes it from the buffer.
}

void ReceiveHandler::Identification(uint8_t byte) {
    if (state_.RxCount != 4) {
        state_.MsgSum += byte;
        if (IsIdentificationKind(state_.RxBuf[0]))
            return;
        // Out of step: tell the unit, and start again.
        host_.SendByte(0x00);
        state_.Clear();
        return;
    }
    state_.MsgSum %= 256;
    const std::optional<Unit> unit = UnitOfIdentification(state_.RxBuf[0], state_.RxBuf[1]);
    const bool valid = state_.RxBuf[3] == state_.MsgSum && unit;
    if (valid) {
        state_.InterfaceVersion = state_.RxBuf[2];
        const CommStateWord word = WordOf(*unit, state_.InterfaceVersion > 1);
        observer_.ModeChanged(MeaningOf(word).ModeText);
        SetState(word);
        state_.DiscardZeros = false;
    }
    host_.SendByte(static_cast<uint8_t>(state_.MsgSum));
    state_.Clear();
    if (valid && MeaningOf(state_.CommState).SpeedSetUp)
        speedSetUp_.Start(*unit);
}

void ReceiveHandler::SpeedSetUpStep(SetUpResult result) {
    if (result == SetUpResult::Running)
        return;
    if (result == SetUpResult::Connected) {
        const CommStateWord plain = WordOf(*MeaningOf(state_.CommState).Identified, false);
        observer_.ModeChanged(MeaningOf(plain).ModeText);
        SetState(plain);
    } else {
        host_.StopCommTimer();
        observer_.ModeChanged(texts::kHighSpeedError);
        SetState(CommStateWord::Err);
    }
    state_.Clear();
}

// The receive handler collects the message and its running sum; the responder answers it.
void ReceiveHandler::PpByte(uint8_t byte) {
    if (state_.RxCount != 8) {
        state_.MsgSum += byte;
        return;
    }
    state_.MsgSum %= 256;
    pp_.Answer(state_.RxBuf.data(), static_cast<uint8_t>(state_.MsgSum));
    state_.Clear();
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
    state_.Clear();
    if (page < 1 || page > 6)
        return;
    if (state_.CommState != CommStateWord::Run || line > static_cast<int>(trace_.RowLines.size()) ||
        host_.CommTimerRunning())
        return;
    if (page == trace_.Page && line == state_.TraceLast[page])
        host_.StartCommTimer(kTraceDelay);
    else
        state_.TraceLast[page] = line;
}

void ReceiveHandler::ShowTrace() {
    if (trace_.Page < 1 || trace_.Page > 6)
        return;
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
}

// The part that started tmrComm takes its tick: in each state only one of them can have.
void ReceiveHandler::CommTick() {
    if (MeaningOf(state_.CommState).SpeedSetUp)
        SpeedSetUpStep(speedSetUp_.Tick());
    else if (state_.CommState == CommStateWord::Pp)
        pp_.End();
    else if (state_.CommState == CommStateWord::Run)
        ShowTrace();
}

}  // namespace comm
