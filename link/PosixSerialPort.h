// A serial port on a POSIX terminal device: a real tty, a USB adapter or a pseudo-terminal.
// Written bytes wait in the port until it is asked what is queued, changes speed or closes, or
// its pump waits: a request goes to the device in one piece, not in eight.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/SerialPort.h"

namespace comm {

class PosixSerialPort : public SerialPort {
  public:
    PosixSerialPort() = default;
    ~PosixSerialPort() override;
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    bool Open(const std::string& device, PortCheck& failure) override;
    void Close() override;
    bool IsOpen() const override { return fd_ >= 0; }
    bool Configure(const LineSettings& settings) override;
    bool Write(uint8_t byte) override;
    std::size_t QueuedOut() override;
    void TakeReceived(std::vector<uint8_t>& bytes) override;
    bool Failed() const override { return !error_.empty(); }
    std::string ErrorText() const override { return error_; }
    bool LowLatency() const override { return lowLatency_; }

    // The descriptor to wait on, -1 when closed.
    int Fd() const { return fd_; }
    // True while bytes wait in this object because the device would not take them yet.
    bool HoldsOutput() const { return !pending_.empty(); }
    // Hands held bytes to the device as far as it takes them.
    void Flush();

  private:
    void Fail();

    int fd_ = -1;
    bool lowLatency_ = false;
    std::string device_;
    std::string error_;
    std::vector<uint8_t> pending_;
};

}  // namespace comm
