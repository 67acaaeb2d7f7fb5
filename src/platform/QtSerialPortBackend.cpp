#include "QtSerialPortBackend.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>
#include <cmath>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace plv7 {

QtSerialPortBackend::QtSerialPortBackend(QString deviceName) : device_(std::move(deviceName)) {
    port_.setPortName(device_);
}

namespace {

// A pseudo-terminal (the simulated box) always carries eight bits without parity; the
// character format is meaningless there, so refusing it must not refuse the port.
bool isPseudoTerminal(const QString& device) {
    return QFileInfo(device).canonicalFilePath().startsWith(QLatin1String("/dev/pts/"));
}

}  // namespace

// The port is used from whichever thread runs the exchange (the window's or the direct
// window's acquisition thread), one at a time under the port lock. Between open and close it
// therefore belongs to no thread: no event loop reads it behind the exchange's back. Opening
// and closing take it into the calling thread, since Qt creates and deletes its notifiers there.
void QtSerialPortBackend::takeIntoThisThread() {
    if (port_.thread() == nullptr) port_.moveToThread(QThread::currentThread());
}

void QtSerialPortBackend::releaseFromThread() {
#ifdef Q_OS_UNIX
    port_.moveToThread(nullptr);
#endif
}

bool QtSerialPortBackend::open(long baud) {
    takeIntoThisThread();
    lost_ = false;
    failure_ = {};
    if (!port_.open(QIODevice::ReadWrite)) {
        failure_ = portGrundErmitteln(device_.toStdString());
        return false;
    }
    bool configured = port_.setBaudRate(static_cast<qint32>(baud)) &&
                      port_.setStopBits(QSerialPort::OneStop) &&
                      port_.setFlowControl(QSerialPort::NoFlowControl);
    const bool dataBits = port_.setDataBits(QSerialPort::Data7);
    const bool format = port_.setParity(QSerialPort::OddParity) && dataBits;
    const bool pty = isPseudoTerminal(device_);
    if (!format && pty) port_.clearError();
    configured = configured && (format || pty);
    if (!configured) {
        port_.close();
        return false;
    }
    port_.setReadBufferSize(kQueueSize);
    port_.clear();
    releaseFromThread();
    return true;
}

bool QtSerialPortBackend::close() {
    takeIntoThisThread();
    if (!port_.isOpen()) return false;
    port_.close();
    return true;
}

bool QtSerialPortBackend::setReadTimeout(double seconds) {
    if (!(seconds >= 0.0) || seconds > 3600.0) return false;
    timeoutMs_ = static_cast<int>(std::lround(seconds * 1000.0));
    return true;
}

bool QtSerialPortBackend::usable() {
    if (!port_.isOpen() || lost_) return false;
#ifndef Q_OS_UNIX
    // A pulled USB adapter shows as a resource error on the next read or write.
    if (port_.error() == QSerialPort::ResourceError) lost_ = true;
#endif
    return !lost_;
}

#ifdef Q_OS_UNIX

namespace {

// The errors of a device that has gone away, as opposed to one that is only busy.
bool deviceGone(int error) {
    return error == EIO || error == ENXIO || error == ENODEV;
}

}  // namespace

int QtSerialPortBackend::descriptor() const {
    return static_cast<int>(port_.handle());
}

bool QtSerialPortBackend::flushInput() {
    if (!usable()) return false;
    if (::tcflush(descriptor(), TCIFLUSH) == 0) return true;
    if (deviceGone(errno)) lost_ = true;
    return false;
}

bool QtSerialPortBackend::flushOutput() {
    if (!usable()) return false;
    if (::tcflush(descriptor(), TCOFLUSH) == 0) return true;
    if (deviceGone(errno)) lost_ = true;
    return false;
}

long QtSerialPortBackend::write(const std::uint8_t* data, std::size_t length) {
    if (!usable()) return -1;
    // The descriptor does not block; a full system queue is waited out for at most the read
    // time-out, so a stuck line cannot hold the caller longer than a missing answer would.
    const QDeadlineTimer deadline(timeoutMs_);
    std::size_t written = 0;
    while (written < length) {
        const ssize_t n = ::write(descriptor(), data + written, length - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) {
            if (deviceGone(errno)) lost_ = true;
            return written > 0 ? static_cast<long>(written) : -1;
        }
        if (deadline.hasExpired()) break;
        pollfd watch{descriptor(), POLLOUT, 0};
        ::poll(&watch, 1, static_cast<int>(qMax<qint64>(1, deadline.remainingTime())));
    }
    return static_cast<long>(written);
}

long QtSerialPortBackend::outputQueueLength() {
    if (!usable()) return -1;
#ifdef TIOCOUTQ
    int waiting = 0;
    if (::ioctl(descriptor(), TIOCOUTQ, &waiting) == 0) return waiting;
#endif
    return 0;
}

int QtSerialPortBackend::readByte() {
    if (!usable()) return -1;
    const QDeadlineTimer deadline(timeoutMs_);
    bool hungUp = false;
    for (;;) {
        std::uint8_t byte = 0;
        const ssize_t n = ::read(descriptor(), &byte, 1);
        if (n == 1) return byte;
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            if (deviceGone(errno)) lost_ = true;
            return -1;
        }
        // The line is raw, so an empty read only says that nothing is there yet. After a
        // hang-up (a pulled adapter, a pseudo-terminal whose other side has closed) the bytes
        // sent before it were read above; waiting on would spin until the time-out, every read.
        if (hungUp) {
            lost_ = true;
            return -1;
        }
        if (deadline.hasExpired()) return -1;
        pollfd watch{descriptor(), POLLIN, 0};
        const int ready = ::poll(&watch, 1, static_cast<int>(deadline.remainingTime()));
        if (ready == 0) return -1;
        hungUp = ready > 0 && (watch.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
    }
}

#else

// Elsewhere the port keeps its thread and goes through Qt's own calls.
bool QtSerialPortBackend::flushInput() {
    if (!usable()) return false;
    port_.readAll();
    return port_.clear(QSerialPort::Input);
}

bool QtSerialPortBackend::flushOutput() {
    if (!usable()) return false;
    return port_.clear(QSerialPort::Output);
}

long QtSerialPortBackend::write(const std::uint8_t* data, std::size_t length) {
    if (!usable()) return -1;
    const qint64 accepted =
        port_.write(reinterpret_cast<const char*>(data), static_cast<qint64>(length));
    port_.flush();
    return static_cast<long>(accepted);
}

long QtSerialPortBackend::outputQueueLength() {
    if (!usable()) return -1;
    if (port_.bytesToWrite() > 0) port_.waitForBytesWritten(1);
    return static_cast<long>(port_.bytesToWrite());
}

int QtSerialPortBackend::readByte() {
    const QDeadlineTimer deadline(timeoutMs_);
    while (usable() && port_.bytesAvailable() == 0 && !deadline.hasExpired())
        port_.waitForReadyRead(static_cast<int>(qMax<qint64>(0, deadline.remainingTime())));
    char byte = 0;
    if (!port_.isOpen() || port_.bytesAvailable() == 0 || !port_.getChar(&byte)) return -1;
    return static_cast<std::uint8_t>(byte);
}

#endif

}  // namespace plv7
