// The serial port of the window application: QSerialPort behind the link's port interface,
// claiming the line and asking for low latency as zoltctl's port does, so that each refuses a
// line the other holds.
#pragma once

#include <QObject>
#include <QSerialPort>

#include "link/SerialPort.h"

namespace comm {

class QtSerialPort : public QObject, public SerialPort {
    Q_OBJECT
  public:
    explicit QtSerialPort(QObject* parent = nullptr);

    bool Open(const std::string& device, PortCheck& failure) override;
    void Close() override;
    bool IsOpen() const override { return port_.isOpen(); }
    bool Configure(const LineSettings& settings) override;
    bool Write(uint8_t byte) override;
    std::size_t QueuedOut() override;
    void TakeReceived(std::vector<uint8_t>& bytes) override;
    bool Failed() const override { return failed_; }
    std::string ErrorText() const override { return error_; }
    bool LowLatency() const override { return lowLatency_; }

  signals:
    // Bytes have arrived or gone out, or the port has failed: a wait should look again.
    void activity();

  private:
    void OnError(QSerialPort::SerialPortError error);

    QSerialPort port_;
    std::string device_;  // as the caller named it; QSerialPort shortens /dev paths
    bool failed_ = false;
    std::string error_;
    bool lowLatency_ = false;
};

}  // namespace comm
