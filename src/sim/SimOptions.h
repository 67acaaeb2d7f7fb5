#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Faults.h"
#include "InputSource.h"
#include "Line.h"

namespace plv7::sim {

struct DeviceOption {
    char address = '1';
    std::string identification;  // empty: the PLV-7's own
    long baud = Box::kDefaultBaud;
    bool foreign = false;
};

struct FaultOption {
    FaultKind kind;
    int count;  // FaultPlan::kPersistent or the number of replies
};

// The command line of plv7-sim.
struct SimOptions {
    std::vector<DeviceOption> devices;  // no PLV-7 among them: one at '1' is added
    std::vector<std::pair<int, InputSource>> inputs;
    std::vector<FaultOption> faults;
    std::optional<double> vanishAfter;  // seconds
    bool busy = false;
    std::optional<std::uint8_t> status1;
    std::optional<std::uint8_t> status2;
    std::optional<std::uint8_t> mode;
    double latency = 0.0;  // seconds
    double slowDelay = Line::kDefaultSlowDelay;
    std::string link;
    bool help = false;
};

// Parses the arguments after the program name. False with `error` set for anything unknown
// or malformed.
bool parseSimOptions(const std::vector<std::string_view>& arguments, SimOptions& options,
                     std::string& error);

// Puts the devices, inputs, bytes, faults and timings of `options` onto an empty line.
void buildLine(const SimOptions& options, Line& line);

std::string_view simUsage();

}  // namespace plv7::sim
