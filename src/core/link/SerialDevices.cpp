#include "link/SerialDevices.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace plv7 {

namespace fs = std::filesystem;

std::vector<DeviceLink> readDeviceLinks(const std::string& folder) {
    std::vector<DeviceLink> links;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code resolved;
        if (!it->is_symlink(resolved)) continue;
        const fs::path target = fs::canonical(it->path(), resolved);
        if (!resolved) links.emplace_back(it->path().string(), target.string());
    }
    std::sort(links.begin(), links.end());
    return links;
}

std::string stablePathFor(const std::string& device, const std::string& serialNumber,
                          const std::vector<DeviceLink>& links) {
    if (serialNumber.empty() || device.empty()) return {};
    for (const auto& [link, target] : links) {
        if (target == device) return link;
    }
    return {};
}

std::string mappingFor(const SerialDevice& device) {
    return device.stablePath.empty() ? device.device : device.stablePath;
}

bool mapsTo(const std::string& mapping, const SerialDevice& device) {
    return !mapping.empty() && (mapping == device.device || (mapping == device.stablePath));
}

std::vector<SerialDevice> withDefaultDevices(std::vector<SerialDevice> listed,
                                             const std::vector<std::string>& defaults,
                                             bool (*exists)(const std::string&)) {
    for (const std::string& device : defaults) {
        const bool known = std::any_of(listed.begin(), listed.end(),
                                       [&](const SerialDevice& d) { return d.device == device; });
        if (!known && exists(device)) listed.push_back({device, {}, {}, {}, {}});
    }
    return listed;
}

std::string portsLine(const SerialDevice& device) {
    return device.device + '\t' + device.description + '\t' + device.manufacturer + '\t' +
           device.serialNumber + '\t' + device.stablePath;
}

std::string deviceLabel(const SerialDevice& device) {
    std::string details;
    const auto add = [&details](const std::string& part) {
        if (part.empty()) return;
        if (!details.empty()) details += ", ";
        details += part;
    };
    add(device.description);
    // A maker already named in the description need not be said twice.
    if (device.description.find(device.manufacturer) == std::string::npos) add(device.manufacturer);
    if (!device.serialNumber.empty()) add("Nr. " + device.serialNumber);
    return details.empty() ? device.device : device.device + " — " + details;
}

}  // namespace plv7
