#pragma once

#include <QString>
#include <array>
#include <memory>

#include "link/PortDeviceSettings.h"
#include "link/PortTable.h"
#include "link/SerialPort.h"

namespace plv7::sim {
class Line;
}

namespace plv7 {

// Which device each port number 1..8 stands for. By default port N is COMN on Windows and
// /dev/ttyS(N-1) elsewhere; the settings may map any port to another device, such as a USB
// adapter, a pseudo-terminal, or "sim" for the simulated box inside the program.
class PortMap {
public:
    static inline const QString kSimulated = QStringLiteral("sim");

    static QString defaultDevice(int port);

    // The device of a port: its mapping, or the default.
    QString device(int port) const;
    // An empty device restores the default.
    void setDevice(int port, const QString& device);
    // Whether the port has a mapping of its own.
    bool isMapped(int port) const;
    // Takes over the mappings the settings file holds; unmapped ports keep theirs.
    void apply(const PortDevices& devices);

private:
    std::array<QString, kLastPort + 1> devices_;
};

// The program's port mapping, read from the settings.
PortMap& portMap();

// The backends behind the port numbers, as the program's mapping says when a port is
// opened: Qt Serial Port for devices, the in-process simulated box for ports mapped to "sim".
SerialPortFactory makeSerialPortFactory(std::shared_ptr<sim::Line> simLine);

}  // namespace plv7
