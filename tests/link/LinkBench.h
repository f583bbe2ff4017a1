// The link's test bench: a link session talking to an emulated unit over an in-memory line, on a
// clock that moves only when a wait moves it, straight to the next thing due (a link timer, the
// unit's next move, the end of the wait), so that nothing real passes. What the PC writes
// reaches the unit at once, what the unit sends is there at the next take; a byte sent at a
// speed the other end is not set to is lost, as on a real line.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/sim/UnitEmulator.h"
#include "link/LinkSession.h"
#include "tests/link/RecordingObserver.h"

namespace linktest {

// A unit of this kind that identifies itself 5 ms after the port opens.
inline sim::UnitSetup UnitOf(sim::UnitKind kind, int interfaceVersion = 1) {
    sim::UnitSetup setup;
    setup.Kind = kind;
    setup.InterfaceVersion = interfaceVersion;
    setup.PowerUpDelay = std::chrono::milliseconds(5);
    return setup;
}

class LinkBench : public comm::Clock, public comm::EventPump, public comm::SerialPort {
  public:
    explicit LinkBench(const sim::UnitSetup& setup)
        : unit(setup), link(*this, *this, *this, seen) {}

    // Connects at commSpeed and waits (at most 5 s of test time) for the identification.
    comm::LinkResult Connect(int commSpeed = 0) {
        const comm::LinkResult opened = link.Connect("memory", commSpeed);
        return opened.Ok() ? link.WaitForUnit(5000) : opened;
    }

    comm::Millis Now() const override { return now_; }
    comm::WaitResult PumpUntil(const std::function<bool()>& done, comm::Millis timeoutMs) override {
        if (done())
            return comm::WaitResult::Done;
        const comm::Millis deadline = now_ + timeoutMs;
        for (;;) {
            if (cancelled_)
                return comm::WaitResult::Cancelled;
            link.Service();
            if (done())
                return comm::WaitResult::Done;
            if (now_ >= deadline)
                return comm::WaitResult::TimedOut;
            comm::Millis next = std::min(deadline, link.NextTimerDue().value_or(deadline));
            if (!pending_.empty())
                next = now_;
            else if (const auto wake = open_ ? unit.NextWake() : std::nullopt)
                next = std::min(next, std::chrono::duration_cast<std::chrono::milliseconds>(
                                          wake->time_since_epoch())
                                              .count() +
                                          1);
            now_ = std::max(next, now_ + 1);
        }
    }
    void Cancel() override { cancelled_ = true; }
    void ClearCancel() override { cancelled_ = false; }

    bool Open(const std::string&, comm::PortCheck& failure) override {
        failure = OpenFailure;
        open_ = failure.Ok();
        failed_ = false;
        baud_ = 9600;
        if (open_)
            unit.PowerUp(UnitTime());
        return open_;
    }
    void Close() override {
        open_ = false;
        pending_.clear();
        unit.PowerDown();
    }
    bool IsOpen() const override { return open_; }
    bool Configure(const comm::LineSettings& settings) override {
        baud_ = settings.Baud;
        return true;
    }
    bool Write(uint8_t byte) override {
        if (!open_ || failed_)
            return false;
        written_.push_back(byte);
        if (unit.Baud() == baud_)
            unit.Receive(byte, UnitTime());
        else
            ++lost_;
        // The unit's answer is on the line now, before anything else happens.
        std::vector<sim::WireByte> answer = unit.TakeOutput();
        if (OnAnswer)
            OnAnswer(answer);
        pending_.insert(pending_.end(), answer.begin(), answer.end());
        if (AfterWrite)
            AfterWrite(unit);
        failed_ = failed_ || unit.HangupWanted();
        return true;
    }
    std::size_t QueuedOut() override { return 0; }
    void TakeReceived(std::vector<uint8_t>& bytes) override {
        if (!open_ || failed_)
            return;
        unit.Tick(UnitTime());
        const std::vector<sim::WireByte> sent = unit.TakeOutput();
        pending_.insert(pending_.end(), sent.begin(), sent.end());
        for (const sim::WireByte& byte : std::exchange(pending_, {})) {
            if (byte.Baud == baud_)
                bytes.push_back(byte.Value);
            else
                ++lost_;
        }
        failed_ = failed_ || unit.HangupWanted();
    }
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
    // Open fails with this when it is not Usable.
    comm::PortCheck OpenFailure;

    sim::UnitEmulator unit;
    RecordingObserver seen;
    comm::LinkSession link;

  private:
    sim::Time UnitTime() const { return sim::Time{} + std::chrono::milliseconds(now_); }

    // The unit shares the clock; it starts an hour on, so that nothing it computes goes negative.
    comm::Millis now_ = 3'600'000;
    bool cancelled_ = false;
    bool open_ = false;
    bool failed_ = false;
    int baud_ = 9600;
    int lost_ = 0;
    std::vector<uint8_t> written_;
    std::vector<sim::WireByte> pending_;  // sent by the unit, not yet taken
};

}  // namespace linktest
