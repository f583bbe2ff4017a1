// A serial port wired straight to an emulated unit in the same process: what the PC writes
// reaches the unit at once, what the unit sends is there at the next take. A byte sent at a
// speed the other end is not set to is lost, as on a real line.
#pragma once

#include <functional>
#include <optional>

#include "app/sim/UnitEmulator.h"
#include "link/Clock.h"
#include "link/SerialPort.h"

namespace linktest {

class MemoryPort : public comm::SerialPort {
  public:
    MemoryPort(sim::UnitEmulator& unit, const comm::Clock& clock) : unit_(unit), clock_(clock) {}

    bool Open(const std::string& device, std::string& error) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    bool Configure(const comm::LineSettings& settings) override;
    bool Write(uint8_t byte) override;
    std::size_t QueuedOut() override { return 0; }
    void TakeReceived(std::vector<uint8_t>& bytes) override;
    bool Failed() const override { return failed_; }
    std::string ErrorText() const override { return failed_ ? "Line hung up" : ""; }

    // When the unit next has something to do, on the test's clock.
    std::optional<comm::Millis> NextWake() const;

    int Baud() const { return baud_; }
    int LostBytes() const { return lost_; }
    const std::vector<uint8_t>& Written() const { return written_; }
    // Called after every byte the PC writes, once the unit has taken it.
    std::function<void(sim::UnitEmulator&)> AfterWrite;
    // Called with what the unit answers a byte with, as it goes on the line: noise on the
    // line changes it here.
    std::function<void(std::vector<sim::WireByte>&)> OnAnswer;
    // Open fails with this text when set.
    std::string OpenError;

  private:
    sim::Time UnitTime() const;
    void CheckHangup();

    sim::UnitEmulator& unit_;
    const comm::Clock& clock_;
    bool open_ = false;
    bool failed_ = false;
    int baud_ = 9600;
    int lost_ = 0;
    std::vector<uint8_t> written_;
    std::vector<sim::WireByte> pending_;  // sent by the unit, not yet taken
};

}  // namespace linktest
