#include "SerialDeviceList.h"

#include <QFileInfo>
#include <QSerialPortInfo>

#include "PortMap.h"
#include "link/PortTable.h"

namespace plv7 {
namespace {

std::string text(const QString& value) {
    return value.trimmed().toStdString();
}

bool exists(const std::string& device) {
    return QFileInfo::exists(QString::fromStdString(device));
}

std::shared_ptr<const SerialDeviceList>& installed() {
    static std::shared_ptr<const SerialDeviceList> list = std::make_shared<QtSerialDeviceList>();
    return list;
}

}  // namespace

std::vector<SerialDevice> QtSerialDeviceList::devices() const {
    const std::vector<DeviceLink> links = readDeviceLinks(kStableDeviceFolder);
    std::vector<SerialDevice> listed;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialDevice device{text(info.systemLocation()),
                            text(info.description()),
                            text(info.manufacturer()),
                            text(info.serialNumber()),
                            {}};
        device.stablePath = stablePathFor(device.device, device.serialNumber, links);
        listed.push_back(std::move(device));
    }
    std::vector<std::string> defaults;
    for (int port = kFirstPort; port <= kLastPort; ++port) {
        defaults.push_back(PortMap::defaultDevice(port).toStdString());
    }
    return withDefaultDevices(std::move(listed), defaults, exists);
}

const SerialDeviceList& serialDeviceList() {
    return *installed();
}

void setSerialDeviceList(std::shared_ptr<const SerialDeviceList> list) {
    installed() = list ? std::move(list) : std::make_shared<QtSerialDeviceList>();
}

}  // namespace plv7
