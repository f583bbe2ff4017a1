// The link's test bench: a link session talking to an emulated unit over an in-memory line, on a
// clock that moves only when a wait moves it, straight to the next thing due (a link timer, the
// unit's next move, the end of the wait), so that nothing real passes. What the PC writes
// reaches the unit at once, what the unit sends is there at the next take; a byte sent at a
// speed the other end is not set to is lost, as on a real line.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/sim/UnitEmulator.h"
#include "link/LinkSession.h"
#include "tests/link/RecordingObserver.h"

namespace linktest {

// A unit of this kind that identifies itself 5 ms after the port opens.
sim::UnitSetup UnitOf(sim::UnitKind kind, int interfaceVersion = 1);

class LinkBench : public comm::Clock, public comm::EventPump, public comm::SerialPort {
  public:
    explicit LinkBench(const sim::UnitSetup& setup)
        : unit(setup), link(*this, *this, *this, seen) {}

    // Connects at commSpeed and waits (at most 5 s of test time) for the identification.
    comm::LinkResult Connect(int commSpeed = 0);
    // Runs the link for ms of test time, as a window's event loop does between commands.
    void Idle(comm::Millis ms) {
        PumpUntil([] { return false; }, ms);
    }

    comm::Millis Now() const override { return now_; }
    comm::WaitResult PumpUntil(const std::function<bool()>& done, comm::Millis timeoutMs) override;
    void Cancel() override { cancelled_ = true; }
    void ClearCancel() override { cancelled_ = false; }

    bool Open(const std::string& device, std::string& error) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    bool Configure(const comm::LineSettings& settings) override;
    bool Write(uint8_t byte) override;
    std::size_t QueuedOut() override { return 0; }
    void TakeReceived(std::vector<uint8_t>& bytes) override;
    bool Failed() const override { return failed_; }
    std::string ErrorText() const override { return failed_ ? "Line hung up" : ""; }

    int Baud() const { return baud_; }  // the PC's end of the line
    int LostBytes() const { return lost_; }
    const std::vector<uint8_t>& Written() const { return written_; }
    // Called after every byte the PC writes, once the unit has taken it.
    std::function<void(sim::UnitEmulator&)> AfterWrite;
    // Called with what the unit answers a byte with, as it goes on the line: noise on the line
    // changes it here.
    std::function<void(std::vector<sim::WireByte>&)> OnAnswer;
    // Open fails with this text when set.
    std::string OpenError;

    sim::UnitEmulator unit;
    RecordingObserver seen;
    comm::LinkSession link;

  private:
    sim::Time UnitTime() const;

    comm::Millis now_ = 1000;
    bool cancelled_ = false;
    bool open_ = false;
    bool failed_ = false;
    int baud_ = 9600;
    int lost_ = 0;
    std::vector<uint8_t> written_;
    std::vector<sim::WireByte> pending_;  // sent by the unit, not yet taken
};

}  // namespace linktest
