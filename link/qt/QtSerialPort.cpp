// QSerialPort set to 8-N-1 without flow control, its failures kept until the port is closed.
#include "link/qt/QtSerialPort.h"

#include <cerrno>

#include "link/DevicePorts.h"
#include "link/TtyClaim.h"

namespace comm {

QtSerialPort::QtSerialPort(QObject* parent) : QObject(parent) {
    connect(&port_, &QSerialPort::readyRead, this, &QtSerialPort::activity);
    connect(&port_, &QSerialPort::bytesWritten, this, &QtSerialPort::activity);
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialPort::OnError);
}

bool QtSerialPort::Open(const std::string& device, PortCheck& failure) {
    Close();
    device_ = device;
    port_.setPortName(QString::fromStdString(device));
    if (!port_.open(QIODevice::ReadWrite)) {
        // QSerialPort names a lock file another program holds, a line made exclusive and a
        // device the user may not open all alike; the device itself tells which it is. One
        // that opens refused only the lock file: another program holds the port.
        failure = PortAvailable(device);
        if (failure.Ok() && port_.error() == QSerialPort::PermissionError)
            failure = CheckOf(device, EWOULDBLOCK, "");
        else if (failure.Ok())
            failure = {PortAccess::Failed, device + ": " + port_.errorString().toStdString(), ""};
        return false;
    }
    if (const int err = ClaimLine(port_.handle()); err != 0) {
        port_.close();
        failure = CheckOf(device, err, "");
        return false;
    }
    lowLatency_ = RequestLowLatency(port_.handle());
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    port_.setBaudRate(9600);
    port_.clear();
    failed_ = false;
    error_.clear();
    return true;
}

void QtSerialPort::Close() {
    // QSerialPort takes back the line's exclusive mark itself; the lock goes with the handle.
    if (port_.isOpen())
        port_.close();
    failed_ = false;
    error_.clear();
    lowLatency_ = false;
}

bool QtSerialPort::Configure(const LineSettings& settings) {
    if (!port_.isOpen() || failed_)
        return false;
    // The bytes already queued go out at the old speed before the line changes.
    port_.waitForBytesWritten(100);
    return port_.setBaudRate(settings.Baud);
}

bool QtSerialPort::Write(uint8_t byte) {
    if (!port_.isOpen() || failed_)
        return false;
    const char c = static_cast<char>(byte);
    return port_.write(&c, 1) == 1;
}

std::size_t QtSerialPort::QueuedOut() {
    return port_.isOpen() ? static_cast<std::size_t>(port_.bytesToWrite()) : 0;
}

void QtSerialPort::TakeReceived(std::vector<uint8_t>& bytes) {
    if (!port_.isOpen())
        return;
    const QByteArray data = port_.readAll();
    bytes.insert(bytes.end(), data.begin(), data.end());
}

void QtSerialPort::OnError(QSerialPort::SerialPortError error) {
    // A time-out of a blocking call is not a fault of the line.
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
        return;
    if (!port_.isOpen())
        return;
    failed_ = true;
    // An adapter pulled out or a line hung up (QSerialPort reports the read or write that
    // failed then, or the device gone): said as zoltctl's port says it.
    const bool lineLost = error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
                          error == QSerialPort::WriteError;
    error_ = lineLost ? LineLostText(device_) : device_ + ": " + port_.errorString().toStdString();
    emit activity();
}

}  // namespace comm
