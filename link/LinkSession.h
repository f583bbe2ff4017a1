// The link to one unit over one serial port: connection, requests with their waits, and the
// transfers with the MCU, the Pocket Programmer and the CIM, and run mode. A window and zoltctl
// drive the same session.
//
// Use:
//   LinkSession link(port, clock, pump, observer);
//   link.Connect("/dev/ttyUSB0", 1);         // opens the port; the unit identifies on power-up
//   link.WaitForUnit(10000);                 // (zoltctl) until identified or ERR, bounded
//   LinkResult r = link.SendProgram(program);  // r.Ok(), r.Message.Text is the verdict shown
//
// Between commands nothing waits, yet the identification, the speed set-up, the Pocket
// Programmer's exchange and the run trace all go on: whoever owns the session calls Service()
// whenever the port has bytes and once NextTimerDue() has passed (a window from its port's
// ready-read signal and a timer; zoltctl by pumping until what it waits for has happened).
//
// Every command waits through the pump, so window events, received bytes and tmrComm ticks
// keep running while it waits, and every wait is bounded: a reply has kReplyWait (longer once
// the unit has shown itself slow, at most kLongestReplyWait), a request whose echo stays wrong
// is repeated at most kMaxTries times (then the unit "answers with errors"), kMaxSilences
// unanswered requests in a row end the command with "does not answer"; both leave the link in
// "ERR" (Reset or Connect recover it). A failed or cancelled command leaves the PC's program
// as it was. Cancel() stops the running command with Outcome::Cancelled, lblXFerStat saying so
// and a message saying what the unit and the PC now hold; the next command starts afresh.
//
// Messages are shown through LinkObserver::Message as they arise (including the Pocket
// Programmer's "Checksum Error", which its responder shows at the end of a receive); "High Speed
// Error" is a connection status (ModeChanged). The result of a command repeats its verdict for
// callers that print it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "link/Clock.h"
#include "link/DeadlineTimer.h"
#include "link/EventPump.h"
#include "link/Frames.h"
#include "link/LinkObserver.h"
#include "link/LinkResult.h"
#include "link/ReceiveHandler.h"
#include "link/ReceiveHost.h"
#include "link/SerialPort.h"
#include "link/TraceView.h"

namespace model {
class Program;
}

namespace comm {

// A reply to one request: its bytes (echo first), or why there is none.
struct Reply {
    Outcome Result = Outcome::Success;
    std::array<uint8_t, 6> Bytes{};

    bool Ok() const { return Result == Outcome::Success; }
    LineBytes Data() const { return {Bytes[1], Bytes[2], Bytes[3], Bytes[4]}; }
};

class LinkSession : public Serviced, private ReceiveHost {
  public:
    static constexpr Millis kReplyWait = 500;           // for the reply of one request
    static constexpr Millis kRepeatWait = 2000;         // for it once the request is repeated
    static constexpr Millis kLongestReplyWait = 3000;   // for the reply of a slow unit
    static constexpr Millis kDrainWait = 2000;          // for the port to send out one request
    static constexpr int kMaxTries = 10;                // wrong replies to one request
    static constexpr int kMaxSilences = 3;              // unanswered requests in a row
    static constexpr Millis kChecksumPause = 25;        // tmrMaster: lets the status be painted
    static constexpr Millis kPpExchangeLimit = 600000;  // a Pocket Programmer transfer

    // The session does not use the pump until a command waits, so a pump that needs the session
    // (as its Serviced) may be built after it.
    LinkSession(SerialPort& port, Clock& clock, EventPump& pump, LinkObserver& observer);
    LinkSession(const LinkSession&) = delete;
    LinkSession& operator=(const LinkSession&) = delete;

    // --- Connection ---
    // Resets the link, closes the port and opens device (empty: no port chosen, "Comm port not
    // set up" shown). A device that will not open shows why, as PortCheck tells it (in use,
    // no permission) or "An error occurred while opening serial port.", titled with the error.
    // commSpeed 1 asks a unit with the newer interface for 19200 baud; anything else is 0,
    // 9600 baud. Nothing is sent: the unit identifies itself when powered up, and Service()
    // does the rest. Returns Success once the port is open.
    LinkResult Connect(const std::string& device, int commSpeed);
    // Back to "none" at 9600 baud with zero bytes dropped; nothing is sent, the port stays open.
    // Also leaves run mode (the MCU is not told), and cancels a command still running.
    void Reset();
    // Waits until a unit has identified itself (and finished its speed set-up) or the link
    // failed, at most timeoutMs. NoAnswer when nothing came, HighSpeedError when the set-up
    // failed, NotReady when the link had already failed (Connect could not open the port).
    LinkResult WaitForUnit(Millis timeoutMs);
    // Resets and closes the port.
    void Close();

    CommStateWord State() const { return handler_.State().CommState; }
    int InterfaceVersion() const { return handler_.State().InterfaceVersion; }
    // The identified unit, in any state after identification (set-up, run).
    std::optional<Unit> ConnectedUnit() const { return MeaningOf(State()).Identified; }

    // --- MCU ---
    // Stores the program checksum in register 100 byte D, sends the 845 lines and reads back
    // register 100: Success "Program transferred successfully." or ChecksumError "MCU Checksum
    // Error" / "Please send the program again".
    LinkResult SendProgram(model::Program& program);
    // Reads the 845 lines into a scratch image; only when all have arrived does it replace the
    // program's lines (comments and page names emptied, minor version below 29 fixed up,
    // PgmChanged false). Success or ChecksumError "MCU Checksum Error" / "Please read the
    // program again" (the read program stays loaded); on any failure the program is untouched.
    LinkResult ReadProgram(model::Program& program);
    // Register 100 as the MCU holds it (A, B, C, D: D is its program checksum).
    LinkResult ReadCheckLine(LineBytes& reg100);
    // The MCU's program into image's line and register codes, for a comparison: the program in
    // the PC, the display and the history are not touched.
    LinkResult ReadMcuImage(model::Program& image);

    // --- Pocket Programmer ---
    // The program the Pocket Programmer's messages read and fill whenever they come (a window
    // attaches its program once; PpServe and PpTake attach theirs and leave it attached).
    void AttachProgram(model::Program* program) { handler_.Pp().AttachProgram(program); }
    // Waits for the Pocket Programmer to start asking for lines (at most startTimeoutMs), then
    // serves them until 500 ms pass without a message.
    LinkResult PpServe(model::Program& program, Millis startTimeoutMs);
    // Waits for the Pocket Programmer to start sending lines (at most startTimeoutMs), stores
    // them in the program as they come until 500 ms pass without a message, then checks the
    // program checksum: Success, or ChecksumError with the "Checksum Error" box.
    LinkResult PpTake(model::Program& program, Millis startTimeoutMs);

    // --- CIM ---
    LinkResult SendTimers(const model::Program& program);
    LinkResult SendCounters(const model::Program& program);
    // The caller has asked the user to start the panel's "Send Data" first. The panel tables
    // are replaced only when every block has arrived; then the module counts as installed.
    LinkResult ReadTimers(model::Program& program);
    LinkResult ReadCounters(model::Program& program);

    // --- Run mode ---
    // Stores the checksum in register 100 byte D, compares it with the MCU's; on a mismatch
    // asks (LinkObserver::AskYesNo) whether to run without trace. Then starts the program:
    // state "RUN" (trace on) or "xRUN". Declined when the user says No (nothing sent).
    LinkResult Run(model::Program& program);
    // Leaves run mode: a reset. The MCU goes on running.
    void Stop() { Reset(); }
    // The line list on display, for the trace; call it whenever the page or its rows change.
    void SetTraceView(const TraceView& view) { handler_.Trace() = view; }
    const TraceView& Trace() { return handler_.Trace(); }

    void Cancel() { pump_.Cancel(); }

    // --- Serviced ---
    void Service() override;
    std::optional<Millis> NextTimerDue() const override;

    // --- Requests, for the transfers ---
    // Sends the request and waits for replyLength bytes (1 or 6), repeating it while the echo
    // (and, with checkData, the sum of the four data bytes) is wrong or no reply comes. A
    // reply that comes late answers the request all the same; the replies its repeats still
    // bring are waited for and dropped, so none is taken for the next request's. Nothing is
    // shown; a failed reply goes to Failure.
    Reply Transact(const Request& request, std::size_t replyLength, bool checkData);
    // The program checksum, shown as "Checking Program" with its pause.
    uint8_t CheckProgram(const model::Program& program);
    ReceiveHandler& Receiver() { return handler_; }
    TransferStatus& Status() { return handler_.Status(); }
    // Ends a command that failed. Cancelled: lblXFerStat says so and the command's notice
    // says what the unit and the PC now hold (nothing is shown when a reset ended the command).
    // Otherwise the status is hidden, the link left in "ERR", and a message says that the unit
    // does not answer, answers with errors, or that the port failed.
    LinkResult Failure(Outcome outcome);
    // Shows notice and returns it with outcome.
    LinkResult Verdict(Outcome outcome, const Notice& notice);

  private:
    // Runs a command: refuses it while another runs or when the state is not ready, clears a
    // cancel left from before. cancelled is shown should the user cancel it.
    LinkResult Command(CommStateWord ready, const Notice& cancelled,
                       const std::function<LinkResult()>& body);

    // ReceiveHost
    void SendByte(uint8_t byte) override;
    void StartCommTimer(Millis interval) override;
    void StopCommTimer() override;
    bool CommTimerRunning() const override { return tmrComm_.Running(); }
    void SetLineSpeed(int baud) override;

    WaitResult Wait(const std::function<bool()>& done, Millis timeoutMs);
    WaitResult SendRequest(const Request& request);
    // Waits for replyLength bytes of a reply.
    WaitResult AwaitReply(std::size_t replyLength, Millis timeoutMs);
    // A line is answered while count repeats of its request are still out: waits for their
    // replies, each at most replyWait_, and drops them.
    void DropLateReplies(std::size_t replyLength, int count);
    // A reply came latency after its request went out: later requests wait that long and half
    // as much again before they are repeated.
    void LearnLatency(Millis latency);
    LinkResult PpExchange(model::Program& program, Millis startTimeoutMs, bool receiving);

    SerialPort& port_;
    Clock& clock_;
    EventPump& pump_;
    LinkObserver& observer_;
    ReceiveHandler handler_;
    DeadlineTimer tmrComm_;
    DeadlineTimer tmrMaster_;
    std::vector<uint8_t> received_;
    bool busy_ = false;
    bool resetMidCommand_ = false;  // the running command ends because of a reset
    Notice cancelled_;              // what the running command shows when cancelled
    bool servicing_ = false;
    Millis replyWait_ = kReplyWait;
};

}  // namespace comm
