#include "QtSerialPortBackend.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <cmath>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>

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

bool QtSerialPortBackend::open(long baud) {
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
    return true;
}

bool QtSerialPortBackend::close() {
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
    // A pulled USB adapter shows as a resource error on the next read or write.
    if (port_.error() == QSerialPort::ResourceError) lost_ = true;
    return !lost_;
}

bool QtSerialPortBackend::failed() {
    if (hungUp()) lost_ = true;
    return false;
}

bool QtSerialPortBackend::flushInput() {
    if (!usable()) return false;
    port_.readAll();
    return port_.clear(QSerialPort::Input) || failed();
}

bool QtSerialPortBackend::flushOutput() {
    if (!usable()) return false;
    return port_.clear(QSerialPort::Output) || failed();
}

long QtSerialPortBackend::write(const std::uint8_t* data, std::size_t length) {
    if (!usable()) return -1;
    const qint64 accepted =
        port_.write(reinterpret_cast<const char*>(data), static_cast<qint64>(length));
    // Hand the bytes to the system at once rather than on the next event-loop turn.
    port_.flush();
    if (accepted < 0) failed();
    return static_cast<long>(accepted);
}

long QtSerialPortBackend::systemOutputQueue() const {
#if defined(Q_OS_UNIX) && defined(TIOCOUTQ)
    int waiting = 0;
    if (ioctl(static_cast<int>(port_.handle()), TIOCOUTQ, &waiting) == 0) return waiting;
#endif
    return 0;
}

long QtSerialPortBackend::outputQueueLength() {
    if (!usable()) return -1;
    if (port_.bytesToWrite() > 0) port_.waitForBytesWritten(1);
    return static_cast<long>(port_.bytesToWrite()) + systemOutputQueue();
}

bool QtSerialPortBackend::hungUp() const {
#ifdef Q_OS_UNIX
    pollfd watch{static_cast<int>(port_.handle()), POLLIN, 0};
    if (::poll(&watch, 1, 0) < 0) return errno != EINTR;
    return (watch.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#else
    return false;
#endif
}

bool QtSerialPortBackend::waitForInput(const QDeadlineTimer& deadline) {
    const auto left = static_cast<int>(qMax<qint64>(0, deadline.remainingTime()));
    if (port_.waitForReadyRead(left) || port_.bytesAvailable() > 0) return true;
    // After a hang-up (a pseudo-terminal whose other side has closed) the port reads as end
    // of file: Qt's wait returns at once without data and without an error, and waiting again
    // would spin until the time-out, on every read from then on.
    if (!deadline.hasExpired() && hungUp()) lost_ = true;
    return false;
}

int QtSerialPortBackend::readByte() {
    const QDeadlineTimer deadline(timeoutMs_);
    while (usable() && port_.bytesAvailable() == 0) {
        if (!waitForInput(deadline) && deadline.hasExpired()) break;
    }
    // Bytes that came before a hang-up are still the device's.
    char byte = 0;
    if (!port_.isOpen() || port_.bytesAvailable() == 0 || !port_.getChar(&byte)) return -1;
    return static_cast<std::uint8_t>(byte);
}

}  // namespace plv7
