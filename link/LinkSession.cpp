// The link session: connection, the receive path, the timers and the bounded request waits.
#include "link/LinkSession.h"

#include <algorithm>

#include "link/CimTransfer.h"
#include "link/LinkTexts.h"
#include "link/McuTransfer.h"
#include "model/HardwareConfig.h"
#include "model/Program.h"
#include "model/ProgramChecksum.h"

namespace comm {

namespace {

constexpr int kLowBaud = 9600;

// What a cancel shows. A send may have left the unit with part of what it holds: a warning.
Notice CancelNotice(const char* text, NoticeIcon icon = NoticeIcon::Information) {
    return {texts::kTransferCancelled, text, icon};
}

}  // namespace

LinkSession::LinkSession(SerialPort& port, Clock& clock, EventPump& pump, LinkObserver& observer)
    : port_(port), clock_(clock), pump_(pump), observer_(observer), handler_(*this, observer) {}

void LinkSession::SendByte(uint8_t byte) {
    port_.Write(byte);
}

void LinkSession::StartCommTimer(Millis interval) {
    tmrComm_.Start(clock_.Now(), interval);
}

void LinkSession::StopCommTimer() {
    tmrComm_.Stop();
}

void LinkSession::SetLineSpeed(int baud) {
    LineSettings settings;
    settings.Baud = baud;
    port_.Configure(settings);
}

void LinkSession::Service() {
    // A message the handler shows runs an event loop of its own, which services the link
    // again: the bytes that come meanwhile are left to this call, so they keep their order.
    if (servicing_)
        return;
    servicing_ = true;
    while (port_.IsOpen()) {
        port_.TakeReceived(received_);
        if (received_.empty())
            break;
        for (uint8_t byte : received_)
            handler_.Receive(byte);
        received_.clear();
    }
    const Millis now = clock_.Now();
    tmrMaster_.Fire(now);
    if (tmrComm_.Fire(now))
        handler_.CommTick();
    servicing_ = false;
}

std::optional<Millis> LinkSession::NextTimerDue() const {
    const std::optional<Millis> comm = tmrComm_.Due();
    const std::optional<Millis> master = tmrMaster_.Due();
    if (comm && master)
        return std::min(*comm, *master);
    return comm ? comm : master;
}

void LinkSession::Reset() {
    // A command still waiting (a reset from the window during a transfer) stops at once
    // instead of waiting out its replies in the new state.
    if (busy_) {
        resetMidCommand_ = true;
        pump_.Cancel();
    }
    handler_.Reset();
    // The next unit may well be a prompt one.
    replyWait_ = kReplyWait;
    tmrMaster_.Stop();
    if (port_.IsOpen())
        SetLineSpeed(kLowBaud);
}

LinkResult LinkSession::Connect(const std::string& device, int commSpeed) {
    if (device.empty())
        return Verdict(Outcome::NotReady, {"", texts::kPortNotSetUp, NoticeIcon::None});
    Reset();
    handler_.State().CommSpeed = commSpeed == 1 ? 1 : 0;
    // Opened afresh each time: an adapter plugged in again may be another device by now, and a
    // line that failed stays failed until it is closed.
    port_.Close();
    PortCheck failure;
    if (!port_.Open(device, failure)) {
        handler_.SetState(CommStateWord::Err);
        return Verdict(Outcome::PortFailed,
                       {failure.Error, failure.Advice.empty() ? texts::kOpenError : failure.Advice,
                        NoticeIcon::Exclamation});
    }
    return {};
}

void LinkSession::Close() {
    Reset();
    port_.Close();
}

LinkResult LinkSession::WaitForUnit(Millis timeoutMs) {
    // A unit identified with its speed set-up done, or a failed link.
    const auto settled = [this] {
        const StateMeaning& now = MeaningOf(State());
        return State() == CommStateWord::Err || (now.Identified && !now.SpeedSetUp && !now.Running);
    };
    if (State() == CommStateWord::Err)  // the port did not open, or a command failed
        return {Outcome::NotReady, {"", texts::kNotReady, NoticeIcon::None}};
    pump_.ClearCancel();
    const WaitResult waited = Wait(settled, timeoutMs);
    if (waited == WaitResult::Cancelled)
        return {Outcome::Cancelled, {"", texts::kCancelled, NoticeIcon::None}};
    if (waited == WaitResult::PortFailed)
        return Failure(Outcome::PortFailed);
    if (waited == WaitResult::TimedOut)
        return {Outcome::NoAnswer, {"", texts::kNoIdentification, NoticeIcon::Exclamation}};
    if (State() == CommStateWord::Err)
        return {Outcome::HighSpeedError, {"", texts::kHighSpeedError, NoticeIcon::None}};
    return {};
}

WaitResult LinkSession::Wait(const std::function<bool()>& done, Millis timeoutMs) {
    const WaitResult result = pump_.PumpUntil([&] { return port_.Failed() || done(); }, timeoutMs);
    return port_.Failed() ? WaitResult::PortFailed : result;
}

WaitResult LinkSession::SendRequest(const Request& request) {
    // Whatever came in before the request belongs to no reply of it.
    Service();
    handler_.SendRequest(request);
    // The reply may start while the request is still going out; it is collected from
    // RxBuf[0] on, so nothing is cleared after the wait.
    return Wait([this] { return port_.QueuedOut() < 1; }, kDrainWait);
}

WaitResult LinkSession::AwaitReply(std::size_t replyLength, Millis timeoutMs) {
    return Wait([&] { return handler_.State().RxCount >= replyLength; }, timeoutMs);
}

void LinkSession::LearnLatency(Millis latency) {
    replyWait_ = std::clamp(latency + latency / 2, replyWait_, kLongestReplyWait);
}

void LinkSession::DropLateReplies(std::size_t replyLength, int count) {
    // A repeat whose reply is lost costs one wait; a cancel or a failed port is left to the
    // next request to find.
    for (; count > 0 && AwaitReply(replyLength, replyWait_) == WaitResult::Done; --count)
        handler_.State().RxCount = 0;
}

Reply LinkSession::Transact(const Request& request, std::size_t replyLength, bool checkData) {
    LinkState& state = handler_.State();
    int silences = 0;
    int unanswered = 0;    // requests sent whose reply has not come (yet)
    Millis firstSent = 0;  // when the oldest of them went out
    for (int tries = 0; tries < kMaxTries;) {
        if (unanswered++ == 0)
            firstSent = clock_.Now();
        WaitResult waited = SendRequest(request);
        // A repeated request waits longer: the unit may just be slow, and the reply to the
        // first request answers the repeat as well.
        if (waited == WaitResult::Done)
            waited = AwaitReply(replyLength,
                                silences == 0 ? replyWait_ : std::max(replyWait_, kRepeatWait));
        if (waited == WaitResult::Cancelled)
            return {Outcome::Cancelled, {}};
        if (waited == WaitResult::PortFailed)
            return {Outcome::PortFailed, {}};
        if (waited == WaitResult::TimedOut) {
            if (++silences >= kMaxSilences)
                return {Outcome::NoAnswer, {}};
            continue;
        }
        silences = 0;
        --unanswered;
        if (unanswered > 0)
            LearnLatency(clock_.Now() - firstSent);
        Reply reply;
        std::copy(state.RxBuf.begin(), state.RxBuf.begin() + replyLength, reply.Bytes.begin());
        state.RxCount = 0;
        const bool echoRight = reply.Bytes[0] == state.MsgSum;
        const bool dataRight = !checkData || ReplyDataIntact(reply.Bytes.data());
        if (echoRight && dataRight) {
            DropLateReplies(replyLength, unanswered);
            return reply;
        }
        ++tries;
    }
    return {Outcome::BadReplies, {}};
}

LinkResult LinkSession::Verdict(Outcome outcome, const Notice& notice) {
    observer_.Message(notice);
    return {outcome, notice};
}

LinkResult LinkSession::Failure(Outcome outcome) {
    if (outcome == Outcome::Cancelled) {
        // The reset has cleared the status already, and lblMode shows what became of the link.
        if (resetMidCommand_)
            return {outcome, {"", texts::kCancelled, NoticeIcon::None}};
        Status().ShowText(texts::kTransferCancelled);
        return Verdict(outcome, cancelled_);
    }
    Status().Hide();
    // The unit is out of step or gone: drop whatever it still sends until a reset.
    StopCommTimer();
    handler_.SetState(CommStateWord::Err);
    observer_.ModeChanged(texts::kNotConnected);
    if (outcome == Outcome::PortFailed)
        return Verdict(outcome,
                       {texts::kPortFailedTitle, port_.ErrorText() + "\n" + texts::kLineLost,
                        NoticeIcon::Exclamation});
    if (outcome == Outcome::BadReplies)
        return Verdict(outcome,
                       {texts::kBadRepliesTitle, texts::kBadReplies, NoticeIcon::Exclamation});
    return Verdict(outcome, {texts::kNoAnswerTitle, texts::kNoAnswer, NoticeIcon::Exclamation});
}

LinkResult LinkSession::Command(CommStateWord ready, const Notice& cancelled,
                                const std::function<LinkResult()>& body) {
    if (busy_)
        return {Outcome::Busy, {"", texts::kBusy, NoticeIcon::None}};
    if (State() != ready)
        return {Outcome::NotReady, {"", texts::kNotReady, NoticeIcon::None}};
    busy_ = true;
    resetMidCommand_ = false;
    cancelled_ = cancelled;
    pump_.ClearCancel();
    LinkResult result = body();
    busy_ = false;
    return result;
}

uint8_t LinkSession::CheckProgram(const model::Program& program) {
    Status().Show(texts::kCheckingProgram, 1);
    tmrMaster_.Start(clock_.Now(), kChecksumPause);
    Wait([this] { return !tmrMaster_.Running(); }, kChecksumPause * 4);
    tmrMaster_.Stop();
    const uint8_t sum = model::ProgramChecksum(program);
    Status().Progress(model::kFirstBiosRecord + 98);
    Status().Hide();
    return sum;
}

LinkResult LinkSession::SendProgram(model::Program& program) {
    return Command(CommStateWord::Mcu,
                   CancelNotice(texts::kMcuSendCancelled, NoticeIcon::Exclamation),
                   [&] { return McuTransfer(*this).Send(program); });
}

LinkResult LinkSession::ReadProgram(model::Program& program) {
    return Command(CommStateWord::Mcu, CancelNotice(texts::kProgramKept),
                   [&] { return McuTransfer(*this).Read(program); });
}

LinkResult LinkSession::ReadMcuImage(model::Program& image) {
    return Command(CommStateWord::Mcu, CancelNotice(texts::kProgramKept),
                   [&] { return McuTransfer(*this).ReadImage(image); });
}

LinkResult LinkSession::ReadCheckLine(LineBytes& reg100) {
    return Command(CommStateWord::Mcu, CancelNotice(texts::kProgramKept),
                   [&] { return McuTransfer(*this).ReadCheckLine(reg100); });
}

LinkResult LinkSession::SendTimers(const model::Program& program) {
    return Command(CommStateWord::Cim,
                   CancelNotice(texts::kPanelSendCancelled, NoticeIcon::Exclamation),
                   [&] { return CimTransfer(*this).Send(program.Tmr, PanelKind::Timers); });
}

LinkResult LinkSession::SendCounters(const model::Program& program) {
    return Command(CommStateWord::Cim,
                   CancelNotice(texts::kPanelSendCancelled, NoticeIcon::Exclamation),
                   [&] { return CimTransfer(*this).Send(program.Ctr, PanelKind::Counters); });
}

LinkResult LinkSession::ReadTimers(model::Program& program) {
    return Command(CommStateWord::Cim, CancelNotice(texts::kPanelsKept),
                   [&] { return CimTransfer(*this).Read(program, PanelKind::Timers); });
}

LinkResult LinkSession::ReadCounters(model::Program& program) {
    return Command(CommStateWord::Cim, CancelNotice(texts::kPanelsKept),
                   [&] { return CimTransfer(*this).Read(program, PanelKind::Counters); });
}

LinkResult LinkSession::PpServe(model::Program& program, Millis startTimeoutMs) {
    return Command(CommStateWord::Pp, CancelNotice(texts::kCancelled),
                   [&] { return PpExchange(program, startTimeoutMs, false); });
}

LinkResult LinkSession::PpTake(model::Program& program, Millis startTimeoutMs) {
    return Command(CommStateWord::Pp, CancelNotice(texts::kCancelled),
                   [&] { return PpExchange(program, startTimeoutMs, true); });
}

LinkResult LinkSession::PpExchange(model::Program& program, Millis startTimeoutMs, bool receiving) {
    handler_.Pp().AttachProgram(&program);
    PpTally& tally = handler_.Pp().Tally();
    tally = PpTally{};
    const auto started = [&] { return receiving ? tally.Stored > 0 : tally.Served > 0; };
    WaitResult waited = Wait(started, startTimeoutMs);
    // Not started: the user has not chosen the transfer on the Pocket Programmer yet; the
    // link itself is still fine.
    if (waited == WaitResult::TimedOut)
        return {Outcome::NoAnswer, {"", texts::kPpNotStarted, NoticeIcon::Exclamation}};
    if (waited == WaitResult::Done)
        waited = Wait([&] { return tally.Ended; }, kPpExchangeLimit);
    if (waited == WaitResult::TimedOut)
        return Failure(Outcome::NoAnswer);
    if (waited != WaitResult::Done)
        return Failure(waited == WaitResult::Cancelled ? Outcome::Cancelled : Outcome::PortFailed);
    if (receiving && !tally.ChecksumOk)
        return {Outcome::ChecksumError,
                {texts::kChecksumErrorTitle, texts::kDataTransferError, NoticeIcon::Exclamation}};
    return {};
}

LinkResult LinkSession::Run(model::Program& program) {
    return Command(CommStateWord::Mcu, CancelNotice(texts::kCancelled), [&]() -> LinkResult {
        const uint8_t sum = CheckProgram(program);
        program.SetRegisterByte(model::kVersionRegister, 3, sum);
        CommStateWord next = CommStateWord::Run;
        LineBytes reg100{};
        const LinkResult checked = McuTransfer(*this).ReadCheckLine(reg100);
        if (!checked.Ok())
            return checked;
        if (reg100[3] != sum) {
            if (!observer_.AskYesNo(
                    {texts::kRunTitle, texts::kRunMismatch, NoticeIcon::Exclamation}))
                return Verdict(Outcome::Declined,
                               {texts::kRunTitle, texts::kRunDeclined, NoticeIcon::None});
            next = CommStateWord::XRun;
        }
        // The echo of the run request is its checksum, 4: Transact checks it.
        const Reply reply = Transact({kRun, 0, 0, 0, 0, 0, 0}, 1, false);
        if (!reply.Ok())
            return Failure(reply.Result);
        Status().ShowText(texts::kRunningProgram);
        handler_.SetState(next);
        handler_.State().RxCount = 0;
        return {};
    });
}

}  // namespace comm
