#pragma once

#include <array>
#include <optional>
#include <string>

#include "link/PortTable.h"

namespace plv7 {

class IniStore;

// The devices the ports 1..8 stand for, as the serial-port section of the settings keeps
// them: one string item per mapped port ("geraet1".."geraet8"). Index 0 is unused.
using PortDevices = std::array<std::optional<std::string>, kLastPort + 1>;

// Every port whose item is present; an empty value stands for the port's default device.
PortDevices readPortDevices(const IniStore& store);
// Writes an item for each port that has a device; ports without one write nothing, so a
// file of a program without mappings keeps its old shape.
void writePortDevices(IniStore& store, const PortDevices& devices);

}  // namespace plv7
