#pragma once

#include <QDeadlineTimer>
#include <QSerialPort>
#include <QString>
#include <atomic>

#include "link/SerialPort.h"

namespace plv7 {

// A real serial port (or a pseudo-terminal) through Qt Serial Port, with the box's line
// settings. Blocking calls only, from one thread at a time: the window's, or the direct window's
// acquisition thread. Qt opens, configures and closes the port; on Unix the bytes go through its
// descriptor directly, since Qt's own reads belong to one thread's event loop.
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
    bool usable();
    void takeIntoThisThread();
    void releaseFromThread();
#ifdef Q_OS_UNIX
    int descriptor() const;
#endif

    QString device_;
    QSerialPort port_;
    int timeoutMs_ = 500;
    // The device behind the port has gone away; read by other threads.
    std::atomic<bool> lost_ = false;
    PortGrund failure_;
};

}  // namespace plv7
