// The serial line to a unit, as the link sees it: open a device, set the line, write bytes one at
// a time, know what is still queued, take what has arrived. The link never touches a device
// itself; QSerialPort, a POSIX tty (or pseudo-terminal) and in-memory fakes stand behind this.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "link/LineSettings.h"
#include "link/PortCheck.h"

namespace comm {

class SerialPort {
  public:
    virtual ~SerialPort() = default;

    // Opens the device at 9600,N,8,1 as its only user, and asks its driver for low latency.
    // Returns false and fills failure when it cannot be opened or another program holds it.
    virtual bool Open(const std::string& device, PortCheck& failure) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // Changes the line speed; bytes already queued go at the old one.
    virtual bool Configure(const LineSettings& settings) = 0;

    // Queues one byte for sending. Returns false when the port has failed.
    virtual bool Write(uint8_t byte) = 0;
    // Bytes written but not yet on the wire, as far as the port can tell.
    virtual std::size_t QueuedOut() = 0;

    // Moves every byte that has arrived into bytes (appended). Never waits.
    virtual void TakeReceived(std::vector<uint8_t>& bytes) = 0;

    // The port failed (device gone, unplugged adapter, hang-up): it stays failed until Close.
    virtual bool Failed() const = 0;
    virtual std::string ErrorText() const = 0;

    // Whether the driver agreed to pass received bytes on at once; false where it cannot tell.
    virtual bool LowLatency() const { return false; }
};

}  // namespace comm
