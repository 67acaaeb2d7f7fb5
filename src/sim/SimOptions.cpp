#include "SimOptions.h"

#include <charconv>
#include <cmath>

#include "Fields.h"
#include "link/Rahmenformat.h"

namespace plv7::sim {

namespace {

constexpr std::string_view kUsage =
    "Usage: plv7-sim [OPTION]...\n"
    "Serves simulated PLV-7 boxes on a pseudo-terminal. The first line of output is the\n"
    "terminal's path. Runs until SIGINT or SIGTERM.\n"
    "\n"
    "  --box ADDR[,id=TEXT][,baud=N]   a PLV-7 at ADDR (1-9, a-f); default one at 1, 9600 baud\n"
    "  --foreign ADDR,id=TEXT[,baud=N] another device that only tells its identification\n"
    "  --input N=SOURCE                feed input N (1-4) of every box from SOURCE:\n"
    "                                  output | const:V | sine:AMP:PERIOD | ramp:PERIOD |\n"
    "                                  noise:AMP (volts, seconds; sine around 5 V, noise\n"
    "                                  around the output of the same number; default output)\n"
    "  --fault KIND[:COUNT]            for the next COUNT replies (default: all of them):\n"
    "                                  silence, nak, can, garbled, early-cr, missing-cr,\n"
    "                                  wrong-checksum, slow, vanish (after COUNT replies the\n"
    "                                  next request finds the port gone)\n"
    "  --slow-delay MS                 extra delay of the slow fault (default 2000)\n"
    "  --vanish-after SECONDS          close the terminal and exit after SECONDS\n"
    "  --busy                          every box answers CAN\n"
    "  --status1 HH, --status2 HH      status bytes (hex)\n"
    "  --mode HH                       mode byte (hex)\n"
    "  --latency MS                    delay between a request's CR and the reply (default 0)\n"
    "  --link PATH                     symbolic link to the terminal, removed on exit\n"
    "  -h, --help                      this text\n"
    "  --version                       the program's version\n";

std::optional<double> parseNumber(std::string_view text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> parseNonNegative(std::string_view text) {
    const auto value = parseNumber(text);
    return (value && *value >= 0.0) ? value : std::nullopt;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (true) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

bool parseDevice(std::string_view text, bool foreign, DeviceOption& device, std::string& error) {
    const auto parts = split(text, ',');
    device.foreign = foreign;
    if (parts[0].size() != 1 || !protocol::isIndividualAddress(parts[0][0])) {
        error = "address must be one of 1-9, a-f: " + std::string(parts[0]);
        return false;
    }
    device.address = parts[0][0];
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (parts[i].starts_with("id=")) {
            device.identification = parts[i].substr(3);
            Box probe(device.address);
            if (!probe.setIdentification(device.identification)) {
                error = "identification must be 1 to 26 characters without blanks";
                return false;
            }
        } else if (parts[i].starts_with("baud=")) {
            const auto baud = fields::parseUnsigned(parts[i].substr(5));
            if (!baud || !Box(device.address).setBaud(*baud)) {
                error = "baud rate must be 4800, 9600, 19200, 38400, 57600 or 115200";
                return false;
            }
            device.baud = *baud;
        } else {
            error = "unknown device setting: " + std::string(parts[i]);
            return false;
        }
    }
    if (foreign && device.identification.empty()) {
        error = "a foreign device needs id=TEXT";
        return false;
    }
    return true;
}

std::optional<InputSource> parseSource(std::string_view text) {
    const auto parts = split(text, ':');
    InputSource source;
    std::vector<double> numbers;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const auto number = parseNonNegative(parts[i]);
        if (!number) return std::nullopt;
        numbers.push_back(*number);
    }
    if (parts[0] == "output" && numbers.empty()) {
        source.kind = InputKind::Output;
    } else if (parts[0] == "const" && numbers.size() == 1) {
        source = {InputKind::Constant, numbers[0]};
    } else if (parts[0] == "sine" && numbers.size() == 2 && numbers[1] > 0.0) {
        source.kind = InputKind::Sine;
        source.amplitude = numbers[0];
        source.period = numbers[1];
    } else if (parts[0] == "ramp" && numbers.size() == 1 && numbers[0] > 0.0) {
        source.kind = InputKind::Ramp;
        source.period = numbers[0];
    } else if (parts[0] == "noise" && numbers.size() == 1) {
        source.kind = InputKind::Noise;
        source.amplitude = numbers[0];
    } else {
        return std::nullopt;
    }
    return source;
}

std::optional<std::uint8_t> parseByte(std::string_view text) {
    if (text.empty() || text.size() > 2) return std::nullopt;
    const auto value = fields::parseHex(text);
    if (!value) return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}

// One option with its value; false with `error` set when the value does not fit.
bool applyOption(std::string_view name, std::string_view value, SimOptions& options,
                 std::string& error) {
    if (name == "--box" || name == "--foreign") {
        DeviceOption device;
        if (!parseDevice(value, name == "--foreign", device, error)) return false;
        for (const auto& other : options.devices) {
            if (other.address == device.address) {
                error = std::string("address used twice: ") + device.address;
                return false;
            }
        }
        options.devices.push_back(device);
    } else if (name == "--input") {
        const std::size_t equals = value.find('=');
        const std::string_view channel = value.substr(0, equals);
        const auto source =
            equals == std::string_view::npos ? std::nullopt : parseSource(value.substr(equals + 1));
        if (channel.size() != 1 || channel[0] < '1' || channel[0] > '4' || !source) {
            error = "input must be N=SOURCE with N 1-4: " + std::string(value);
            return false;
        }
        options.inputs.emplace_back(channel[0] - '0', *source);
    } else if (name == "--fault") {
        const std::size_t colon = value.find(':');
        const auto kind = faultKindFromName(value.substr(0, colon));
        int count = FaultPlan::kPersistent;
        if (colon != std::string_view::npos) {
            const auto parsed = fields::parseUnsigned(value.substr(colon + 1));
            count = parsed && *parsed > 0 && *parsed < 1000000 ? static_cast<int>(*parsed) : 0;
        }
        if (!kind || count == 0) {
            error = "fault must be KIND[:COUNT] with COUNT above 0: " + std::string(value);
            return false;
        }
        options.faults.push_back({*kind, count});
    } else if (name == "--status1" || name == "--status2" || name == "--mode") {
        const auto byte = parseByte(value);
        if (!byte) {
            error = std::string(name) + " needs one or two hex digits";
            return false;
        }
        (name == "--mode"      ? options.mode
         : name == "--status1" ? options.status1
                               : options.status2) = byte;
    } else if (name == "--latency" || name == "--slow-delay" || name == "--vanish-after") {
        const auto number = parseNonNegative(value);
        if (!number) {
            error = std::string(name) + " needs a number that is not negative";
            return false;
        }
        if (name == "--vanish-after") {
            options.vanishAfter = *number;
        } else {
            (name == "--latency" ? options.latency : options.slowDelay) = *number / 1000.0;
        }
    } else if (name == "--link") {
        if (value.empty()) {
            error = "--link needs a path";
            return false;
        }
        options.link = value;
    } else {
        error = "unknown option: " + std::string(name);
        return false;
    }
    return true;
}

}  // namespace

bool parseSimOptions(const std::vector<std::string_view>& arguments, SimOptions& options,
                     std::string& error) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view name = arguments[i];
        if (name == "-h" || name == "--help") {
            options.help = true;
            continue;
        }
        if (name == "--busy") {
            options.busy = true;
            continue;
        }
        std::string_view value;
        if (const std::size_t equals = name.find('=');
            name.starts_with("--") && equals != name.npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            error = "option needs a value: " + std::string(name);
            return false;
        }
        if (!applyOption(name, value, options, error)) return false;
    }
    return true;
}

void buildLine(const SimOptions& options, Line& line) {
    bool anyBox = false;
    for (const auto& device : options.devices) {
        Box* box = device.foreign ? line.addForeign(device.address, device.identification)
                                  : line.addBox(device.address);
        if (box == nullptr) continue;
        anyBox = anyBox || !device.foreign;
        box->setBaud(device.baud);
        if (!device.foreign && !device.identification.empty())
            box->setIdentification(device.identification);
    }
    if (!anyBox && line.box('1') == nullptr) line.addBox('1');
    for (const auto& device : line.boxes()) {
        if (device->foreign()) continue;
        for (const auto& [channel, source] : options.inputs)
            device->setInputSource(channel, source);
        device->setBusy(options.busy);
        if (options.status1) device->setStatus(1, *options.status1);
        if (options.status2) device->setStatus(2, *options.status2);
        if (options.mode) device->setMode(*options.mode);
    }
    for (const auto& fault : options.faults) line.faults().add(fault.kind, fault.count);
    line.setLatency(options.latency);
    line.setSlowDelay(options.slowDelay);
}

std::string_view simUsage() {
    return kUsage;
}

}  // namespace plv7::sim
