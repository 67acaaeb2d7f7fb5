#pragma once

#include <string>
#include <utility>
#include <vector>

namespace plv7 {

// One serial device of the PC as the system lists it. Fields the system does not know stay
// empty.
struct SerialDevice {
    std::string device;        // /dev/ttyUSB0
    std::string description;   // FT232R USB UART
    std::string manufacturer;  // FTDI
    std::string serialNumber;  // A10K3XYZ
    std::string stablePath;    // /dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K3XYZ-if00-port0

    bool operator==(const SerialDevice&) const = default;
};

// A link of the stable-name folder and the device it points at (both as absolute paths).
using DeviceLink = std::pair<std::string, std::string>;

inline constexpr const char* kStableDeviceFolder = "/dev/serial/by-id";

// The links of a folder such as /dev/serial/by-id, each with the canonical device it points
// at; empty when the folder is missing (no USB adapter plugged in).
std::vector<DeviceLink> readDeviceLinks(const std::string& folder);

// The stable path of a device: only an adapter with a serial number keeps its by-id name
// across re-plugs (one without would share it with every adapter of its kind), so others
// have none.
std::string stablePathFor(const std::string& device, const std::string& serialNumber,
                          const std::vector<DeviceLink>& links);

// What the port map stores for a device: its stable path where it has one.
std::string mappingFor(const SerialDevice& device);

// Whether a port mapped to `mapping` stands for this device.
bool mapsTo(const std::string& mapping, const SerialDevice& device);

// The devices of the list, then the given default devices that exist and are not listed
// (ports 1..8's defaults, so that they are always offered where the PC has them).
std::vector<SerialDevice> withDefaultDevices(std::vector<SerialDevice> listed,
                                             const std::vector<std::string>& defaults,
                                             bool (*exists)(const std::string&));

// One line of `plv7ctl ports`: the five fields separated by tabs, without line end.
std::string portsLine(const SerialDevice& device);

// The operator's text of a device: "/dev/ttyUSB0 — FT232R USB UART, FTDI, Nr. A10K3XYZ".
std::string deviceLabel(const SerialDevice& device);

}  // namespace plv7
