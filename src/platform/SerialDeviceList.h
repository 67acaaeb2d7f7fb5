#pragma once

#include <memory>
#include <vector>

#include "link/SerialDevices.h"

namespace plv7 {

// The PC's serial devices as the system lists them now. The program asks Qt Serial Port;
// tests plug adapters in and out of a scripted list.
class SerialDeviceList {
public:
    virtual ~SerialDeviceList() = default;
    virtual std::vector<SerialDevice> devices() const = 0;
};

// Qt Serial Port's list (/dev/ttyS*, /dev/ttyUSB*, /dev/ttyACM*, …) with the stable paths of
// adapters that have a serial number, then the default devices of ports 1..8 that exist and
// the list left out.
class QtSerialDeviceList : public SerialDeviceList {
public:
    std::vector<SerialDevice> devices() const override;
};

// The list the program asks; Qt Serial Port's unless a test installed another.
const SerialDeviceList& serialDeviceList();
void setSerialDeviceList(std::shared_ptr<const SerialDeviceList> list);

}  // namespace plv7
