#include "unit/link/ui/QtSerialPort.h"

#include <QSerialPort>

#include <algorithm>
#include <chrono>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace kiv {

CQtSerialPort::CQtSerialPort() : port_(std::make_unique<QSerialPort>()) {
#ifdef Q_OS_UNIX
    if (::pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) wake_[0] = wake_[1] = -1;
#endif
}

CQtSerialPort::~CQtSerialPort() {
    if (port_->isOpen()) port_->close();
#ifdef Q_OS_UNIX
    for (int fd : wake_)
        if (fd >= 0) ::close(fd);
#endif
}

void CQtSerialPort::Interrupt() {
    interrupted_ = true;
#ifdef Q_OS_UNIX
    if (wake_[1] >= 0) {
        const char one = 1;
        // A full pipe already wakes the wait.
        [[maybe_unused]] const auto n = ::write(wake_[1], &one, 1);
    }
#endif
}

int CQtSerialPort::WaitReadable(int timeoutMs) {
    if (interrupted_) return -1;
#ifdef Q_OS_UNIX
    if (wake_[0] >= 0) {
        pollfd fds[2] = {{static_cast<int>(port_->handle()), POLLIN, 0}, {wake_[0], POLLIN, 0}};
        const int n = ::poll(fds, 2, timeoutMs);
        // A line that hung up (the other end of a pseudo-terminal closed, an
        // adapter pulled out) stays "ready" for ever without a byte to read:
        // the port has failed, and a wait on it must end rather than spin.
        const short revents = n > 0 ? fds[0].revents : 0;
        hungUp_ = (revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
        if (hungUp_ && (revents & POLLIN) == 0) {
            failed_ = true;
            return -1;
        }
        // Readable or failed: QSerialPort then returns at once. A time-out
        // or a signal: the caller looks at its deadline again.
        return n > 0 && !interrupted_ ? timeoutMs : -1;
    }
#endif
    // No wake-up handle: short slices, so that an interrupt is seen soon.
    return std::min(timeoutMs, 50);
}

bool CQtSerialPort::Open(const std::string& device, const LineParams& line) {
    failed_ = false;
    hungUp_ = false;
    interrupted_ = false;
#ifdef Q_OS_UNIX
    char drained[64];
    while (wake_[0] >= 0 && ::read(wake_[0], drained, sizeof drained) > 0) {
    }
#endif
    port_->setPortName(QString::fromStdString(device));
    // Line parameters are given before open(): some drivers (and
    // pseudo-terminals) refuse them afterwards. A refused setting is ignored.
    port_->setBaudRate(line.baudRate);
    port_->setDataBits(line.dataBits == 7 ? QSerialPort::Data7 : QSerialPort::Data8);
    switch (line.parity) {
    case 'E':
        port_->setParity(QSerialPort::EvenParity);
        break;
    case 'O':
        port_->setParity(QSerialPort::OddParity);
        break;
    case 'M':
        port_->setParity(QSerialPort::MarkParity);
        break;
    case 'N':
        port_->setParity(QSerialPort::NoParity);
        break;
    default:
        port_->setParity(QSerialPort::SpaceParity);
        break;
    }
    port_->setStopBits(line.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!port_->open(QIODevice::ReadWrite)) return false;
    // DTR and RTS stay low; a driver without modem lines refuses that.
    port_->setDataTerminalReady(false);
    port_->setRequestToSend(false);
    port_->clearError();
    return true;
}

bool CQtSerialPort::DeviceMissing() const {
    return !port_->isOpen() && port_->error() == QSerialPort::DeviceNotFoundError;
}

bool CQtSerialPort::IsOpen() const {
    return port_->isOpen();
}

// A port that Qt closed after a device error counts as failed too.
bool CQtSerialPort::HasFailed() const {
    return failed_ || !port_->isOpen();
}

LineParams CQtSerialPort::Line() const {
    LineParams line;
    line.baudRate = static_cast<int>(port_->baudRate());
    line.dataBits = static_cast<int>(port_->dataBits());
    switch (port_->parity()) {
    case QSerialPort::EvenParity:
        line.parity = 'E';
        break;
    case QSerialPort::OddParity:
        line.parity = 'O';
        break;
    case QSerialPort::MarkParity:
        line.parity = 'M';
        break;
    case QSerialPort::SpaceParity:
        line.parity = 'S';
        break;
    default:
        line.parity = 'N';
        break;
    }
    line.stopBits = port_->stopBits() == QSerialPort::TwoStop ? 2 : 1;
    return line;
}

void CQtSerialPort::NoteError() {
    const auto e = port_->error();
    if (e == QSerialPort::ResourceError || e == QSerialPort::DeviceNotFoundError ||
        e == QSerialPort::PermissionError || e == QSerialPort::NotOpenError)
        failed_ = true;
    if (e != QSerialPort::ResourceError) port_->clearError();
}

void CQtSerialPort::Drain() {
    while (port_->isOpen() && port_->bytesToWrite() > 0) {
        if (!port_->waitForBytesWritten(1000)) {
            NoteError();
            break;
        }
    }
#ifdef Q_OS_UNIX
    // Wait until the bytes have left the driver, so pauses between bytes
    // hold on the line.
    if (port_->isOpen()) tcdrain(static_cast<int>(port_->handle()));
#endif
}

bool CQtSerialPort::Write(const std::uint8_t* data, std::size_t count) {
    if (!port_->isOpen() || failed_) return false;
#ifdef Q_OS_UNIX
    // Paced writes hand the port one byte at a time, a thousand times a
    // second. With nothing queued in QSerialPort the bytes go straight to the
    // driver: its write buffer would cost a poll of the device and a pass
    // through Qt for every byte. What the driver does not take at once is
    // queued in QSerialPort as usual.
    if (port_->bytesToWrite() == 0) {
        const int fd = static_cast<int>(port_->handle());
        while (count > 0) {
            const auto n = ::write(fd, data, count);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            data += n;
            count -= static_cast<std::size_t>(n);
        }
        if (count == 0) {
            Drain();
            return !failed_;
        }
    }
#endif
    const auto n = port_->write(reinterpret_cast<const char*>(data), static_cast<qint64>(count));
    if (n < 0) {
        NoteError();
        return false;
    }
    Drain();
    return !failed_;
}

std::size_t CQtSerialPort::BytesWaiting() {
    if (!port_->isOpen() || failed_) return 0;
    // Bytes already taken from the driver are reported without asking it
    // again: a reply read byte by byte would otherwise poll the device for
    // every byte. Once they are read, the next call asks the driver.
    if (port_->bytesAvailable() > 0) return static_cast<std::size_t>(port_->bytesAvailable());
    // Without an event loop, received bytes reach the buffer only through a wait.
    if (!port_->waitForReadyRead(0)) NoteError();
    return static_cast<std::size_t>(port_->bytesAvailable());
}

bool CQtSerialPort::WaitForBytes(std::size_t count, std::chrono::milliseconds timeout) {
    using clock = std::chrono::steady_clock;
    const auto deadline = clock::now() + timeout;
    while (port_->isOpen() && !failed_ && !interrupted_) {
        if (static_cast<std::size_t>(port_->bytesAvailable()) >= count) return true;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - clock::now());
        if (left.count() <= 0) break;
        const int wait = WaitReadable(static_cast<int>(std::min<long long>(left.count(), 1 << 30)));
        if (wait < 0) continue;
        const qint64 had = port_->bytesAvailable();
        if (!port_->waitForReadyRead(wait)) {
            NoteError();
            if (port_->error() != QSerialPort::NoError || failed_) break;
        }
        // Hung up with bytes still in the driver: once they are taken, the
        // next read brings nothing, and the port has failed.
        if (hungUp_ && port_->bytesAvailable() == had) failed_ = true;
    }
    return port_->isOpen() && !interrupted_ &&
           static_cast<std::size_t>(port_->bytesAvailable()) >= count;
}

long CQtSerialPort::Read(std::uint8_t* dest, std::size_t count) {
    if (!port_->isOpen()) return -1;
    const auto n = port_->read(reinterpret_cast<char*>(dest), static_cast<qint64>(count));
    if (n < 0) {
        NoteError();
        return -1;
    }
    return static_cast<long>(n);
}

void CQtSerialPort::Flush() {
    if (port_->isOpen()) Drain();
}

void CQtSerialPort::SetBreak(bool on) {
    if (!port_->isOpen()) return;
    port_->setBreakEnabled(on);
    port_->clearError();
}

void CQtSerialPort::Close() {
    if (port_->isOpen()) port_->close();
}

SerialPortFactory CQtSerialPort::Factory() {
    return [] { return std::make_unique<CQtSerialPort>(); };
}

} // namespace kiv
