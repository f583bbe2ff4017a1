// Raw 8-N-1 on a terminal device, non-blocking, so the link's waits never stall in the port.
#include "link/PosixSerialPort.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "link/TtyClaim.h"

namespace comm {
namespace {

speed_t SpeedFor(int baud) {
    return baud == 19200 ? B19200 : B9600;
}

}  // namespace

PosixSerialPort::~PosixSerialPort() {
    Close();
}

bool PosixSerialPort::Open(const std::string& device, PortCheck& failure) {
    Close();
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        failure = CheckOf(device, err, DeviceGroup(device));
        return false;
    }
    termios tio{};
    // Claimed before the line is touched: a line another program holds keeps its settings.
    int err = ::tcgetattr(fd, &tio) == 0 ? ClaimLine(fd) : ENOTTY;
    if (err == 0) {
        ::cfmakeraw(&tio);
        tio.c_cflag &= ~(PARENB | CSTOPB | CSIZE | CRTSCTS);
        tio.c_cflag |= CS8 | CLOCAL | CREAD;
        tio.c_iflag &= ~(IXON | IXOFF | IXANY);
        // With VMIN 0 a read of an empty line returns 0, which looks like a hang-up; with VMIN
        // 1 and O_NONBLOCK it says EAGAIN.
        tio.c_cc[VMIN] = 1;
        tio.c_cc[VTIME] = 0;
        ::cfsetispeed(&tio, B9600);
        ::cfsetospeed(&tio, B9600);
        if (::tcsetattr(fd, TCSANOW, &tio) != 0)
            err = errno;
    }
    if (err != 0) {
        failure = CheckOf(device, err, "");
        ::close(fd);
        return false;
    }
    ::tcflush(fd, TCIOFLUSH);
    fd_ = fd;
    device_ = device;
    error_.clear();
    pending_.clear();
    lowLatency_ = RequestLowLatency(fd);
    return true;
}

void PosixSerialPort::Close() {
    if (fd_ >= 0) {
        Flush();
        ReleaseLine(fd_);
        ::close(fd_);
    }
    fd_ = -1;
    error_.clear();
    pending_.clear();
    lowLatency_ = false;
}

bool PosixSerialPort::Configure(const LineSettings& settings) {
    if (fd_ < 0 || Failed())
        return false;
    // The bytes already queued go out at the old speed before the line changes.
    Flush();
    ::tcdrain(fd_);
    termios tio{};
    if (::tcgetattr(fd_, &tio) != 0)
        return false;
    ::cfsetispeed(&tio, SpeedFor(settings.Baud));
    ::cfsetospeed(&tio, SpeedFor(settings.Baud));
    return ::tcsetattr(fd_, TCSANOW, &tio) == 0;
}

bool PosixSerialPort::Write(uint8_t byte) {
    if (fd_ < 0 || Failed())
        return false;
    pending_.push_back(byte);
    return true;
}

void PosixSerialPort::Flush() {
    std::size_t sent = 0;
    while (fd_ >= 0 && !Failed() && sent < pending_.size()) {
        const ssize_t n = ::write(fd_, pending_.data() + sent, pending_.size() - sent);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        Fail();
        return;
    }
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(sent));
}

std::size_t PosixSerialPort::QueuedOut() {
    if (fd_ < 0)
        return 0;
    Flush();
    int inDevice = 0;
    if (::ioctl(fd_, TIOCOUTQ, &inDevice) != 0 || inDevice < 0)
        inDevice = 0;
    return pending_.size() + static_cast<std::size_t>(inDevice);
}

void PosixSerialPort::TakeReceived(std::vector<uint8_t>& bytes) {
    uint8_t buffer[512];
    while (fd_ >= 0 && !Failed()) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n > 0) {
            bytes.insert(bytes.end(), buffer, buffer + n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        // A pseudo-terminal whose other side has gone reads EIO; a tty that hung up (an adapter
        // pulled out) reads 0.
        Fail();
    }
}

void PosixSerialPort::Fail() {
    error_ = LineLostText(device_);
}

}  // namespace comm
