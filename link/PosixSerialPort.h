// A serial port on a POSIX terminal device: a real tty, a USB adapter or a pseudo-terminal.
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

    bool Open(const std::string& device, std::string& error) override;
    void Close() override;
    bool IsOpen() const override { return fd_ >= 0; }
    bool Configure(const LineSettings& settings) override;
    bool Write(uint8_t byte) override;
    std::size_t QueuedOut() override;
    void TakeReceived(std::vector<uint8_t>& bytes) override;
    bool Failed() const override { return !error_.empty(); }
    std::string ErrorText() const override { return error_; }

    // The descriptor to wait on, -1 when closed.
    int Fd() const { return fd_; }
    // True while bytes wait in this object because the device would not take them yet.
    bool HoldsOutput() const { return !pending_.empty(); }
    // Hands held bytes to the device as far as it takes them.
    void Flush();

  private:
    void Fail(const std::string& what, int err);

    int fd_ = -1;
    std::string device_;
    std::string error_;
    std::vector<uint8_t> pending_;
};

}  // namespace comm
