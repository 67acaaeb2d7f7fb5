#include "link/PortDeviceSettings.h"

#include "ini/IniStore.h"
#include "ini/SettingsTags.h"

namespace plv7 {
namespace {

std::string deviceTag(int port) {
    return "geraet" + std::to_string(port);
}

// The store writes strings between quotes without escaping: a line break inside a device
// name would split its line.
bool writable(const std::string& device) {
    return device.find_first_of("\r\n") == std::string::npos;
}

}  // namespace

PortDevices readPortDevices(const IniStore& store) {
    PortDevices devices;
    for (int port = kFirstPort; port <= kLastPort; ++port) {
        devices[port] = store.getString(settings::kSectionCom, deviceTag(port));
    }
    return devices;
}

void writePortDevices(IniStore& store, const PortDevices& devices) {
    for (int port = kFirstPort; port <= kLastPort; ++port) {
        const auto& device = devices[port];
        if (device && !device->empty() && writable(*device)) {
            store.putString(settings::kSectionCom, deviceTag(port), *device);
        }
    }
}

}  // namespace plv7
