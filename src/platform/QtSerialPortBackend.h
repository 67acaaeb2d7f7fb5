#pragma once

#include <QDeadlineTimer>
#include <QSerialPort>
#include <QString>
#include <atomic>

#include "link/SerialPort.h"

namespace plv7 {

// A real serial port (or a pseudo-terminal) through Qt Serial Port, with the box's line
// settings. Blocking calls only: the program waits for the box on the user-interface thread.
class QtSerialPortBackend : public SerialPort {
public:
    explicit QtSerialPortBackend(QString deviceName);

    bool open(long baud) override;
    bool close() override;
    bool setReadTimeout(double seconds) override;
    bool flushInput() override;
    bool flushOutput() override;
    long write(const std::uint8_t* data, std::size_t length) override;
    long outputQueueLength() override;
    int readByte() override;
    PortGrund openFailure() const override { return failure_; }
    bool lost() const override { return lost_; }

private:
    // Bytes handed to the operating system that have not left the line yet.
    long systemOutputQueue() const;
    bool usable();
    // Waits for received bytes until the deadline; false when none came. Marks the port lost
    // when the line has hung up.
    bool waitForInput(const QDeadlineTimer& deadline);
    // Whether the line has hung up: the device behind the port is gone.
    bool hungUp() const;
    // A failed operation: marks the port lost when the line has hung up; always false.
    bool failed();

    QString device_;
    QSerialPort port_;
    int timeoutMs_ = 500;
    // The device behind the port has gone away; read by other threads.
    std::atomic<bool> lost_ = false;
    PortGrund failure_;
};

}  // namespace plv7
