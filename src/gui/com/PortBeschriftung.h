#pragma once

#include <QString>
#include <vector>

#include "link/SerialDevices.h"

namespace plv7::gui {

// The port selector's text of a port: "kein Port" for -1, otherwise the port with the device
// it stands for and, where the device list knows it, the device's description
// ("COM1  /dev/ttyS0 — USB-Serial").
QString portBeschriftung(int port, const std::vector<SerialDevice>& devices);

}  // namespace plv7::gui
