#include "PortMap.h"

#include "QtSerialPortBackend.h"
#include "SimulatedPort.h"

namespace plv7 {

namespace {
bool validPort(int port) {
    return port >= kFirstPort && port <= kLastPort;
}
}  // namespace

QString PortMap::defaultDevice(int port) {
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(port);
#else
    return QStringLiteral("/dev/ttyS%1").arg(port - 1);
#endif
}

QString PortMap::device(int port) const {
    if (!validPort(port)) return {};
    return devices_[port].isEmpty() ? defaultDevice(port) : devices_[port];
}

void PortMap::setDevice(int port, const QString& device) {
    if (validPort(port)) devices_[port] = device.trimmed();
}

bool PortMap::isMapped(int port) const {
    return validPort(port) && !devices_[port].isEmpty();
}

void PortMap::apply(const PortDevices& devices) {
    for (int port = kFirstPort; port <= kLastPort; ++port) {
        if (devices[port]) setDevice(port, QString::fromStdString(*devices[port]));
    }
}

PortMap& portMap() {
    static PortMap map;
    return map;
}

SerialPortFactory makeSerialPortFactory(std::shared_ptr<sim::Line> simLine) {
    return [simLine](int port) -> std::unique_ptr<SerialPort> {
        const QString device = portMap().device(port);
        if (device.isEmpty()) return nullptr;
        if (device == PortMap::kSimulated) {
            if (!simLine) return nullptr;
            return std::make_unique<sim::SimulatedPort>(simLine);
        }
        return std::make_unique<QtSerialPortBackend>(device);
    };
}

}  // namespace plv7
