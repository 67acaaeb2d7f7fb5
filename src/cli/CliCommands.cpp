#include "CliCommands.h"

#include <array>
#include <functional>
#include <map>

#include "KonfigDatei.h"
#include "KonfigIni.h"
#include "NumberText.h"
#include "Scan.h"
#include "plv7Funktionen.h"

namespace plv7::cli {
namespace {

using Args = std::vector<std::string>;
using Outcome = CommandOutcome;

Outcome success(std::string output) {
    return {Outcome::Kind::Success, std::move(output), 0, {}};
}
Outcome failure(int code) {
    return {Outcome::Kind::DeviceFailure, {}, code, {}};
}
Outcome usage(std::string message) {
    return {Outcome::Kind::UsageError, {}, 0, std::move(message)};
}
Outcome fromCode(int code, std::string output = {}) {
    return code == 0 ? success(std::move(output)) : failure(code);
}

std::string hexByte(int value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[(value >> 4) & 0x0F], kDigits[value & 0x0F]};
}

// A channel or status number within a range, as the text after "e"/"a".
std::optional<long long> numberIn(const std::string& text, long long low, long long high) {
    const auto value = parseInteger(text);
    if (!value || *value < low || *value > high) return std::nullopt;
    return value;
}

std::optional<std::vector<std::uint8_t>> parseHexBytes(const std::string& text) {
    if (text.size() % 2 != 0) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = Hexchar2Int(text[i]);
        const int low = Hexchar2Int(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return bytes;
}

using Handler = std::function<Outcome(const Connection&, const Args&)>;

struct CommandInfo {
    std::size_t arguments;
    Handler run;
};

Outcome identification(const Connection& c, const Args&) {
    std::string id;
    const int code = ORVPLV7_IDLesen(c.port, c.address, id);
    return fromCode(code, id + "\n");
}

Outcome scan(const Connection& c, const Args&) {
    ScanCallbacks callbacks;
    callbacks.openAt = [&c](long baud) {
        if (ORVPLV7_Open(c.port, baud) == 0) ORVPLV7_Timeout(c.port, 0.5);
    };
    std::string lines;
    callbacks.afterProbe = [&lines](const ScanProbe& probe) {
        if (probe.answered()) {
            lines += std::string(1, probe.address) + " " + std::to_string(probe.baud) + " " +
                     probe.id + "\n";
        }
    };
    scanLine(c.port, callbacks);
    return success(lines);
}

Outcome input(const Connection& c, const Args& a) {
    const auto n = numberIn(a[0], 1, 4);
    if (!n) return usage("input: N must be 1..4");
    double volts = 0;
    const int code = ORVPLV7_EingangLesen(c.port, c.address, "e" + std::to_string(*n), volts);
    return fromCode(code, formatFixed(volts, 3) + "\n");
}

Outcome inputs(const Connection& c, const Args& a) {
    const auto mask = numberIn(a[0], 0, 15);
    if (!mask) return usage("inputs: MASK must be 0..15");
    std::array<double, 4> volts{};
    int code = ORVPLV7_EingaengeLesenKurz_Senden(c.port, c.address, static_cast<unsigned>(*mask));
    if (code == 0) {
        code = ORVPLV7_EingaengeLesenKurz_Empfangen(c.port, c.address, static_cast<unsigned>(*mask),
                                                    volts);
    }
    std::string line;
    for (double v : volts) line += (line.empty() ? "" : " ") + formatFixed(v, 3);
    return fromCode(code, line + "\n");
}

Outcome output(const Connection& c, const Args& a) {
    const auto n = numberIn(a[0], 1, 4);
    const auto volts = parseDouble(a[1]);
    if (!n) return usage("output: N must be 1..4");
    if (!volts) return usage("output: VOLTS must be a number such as 4.5");
    return fromCode(ORVPLV7_AusgangSchreiben(c.port, c.address, "a" + std::to_string(*n), *volts));
}

Outcome status(const Connection& c, const Args& a) {
    const auto n = numberIn(a[0], 1, 2);
    if (!n) return usage("status: N must be 1 or 2");
    int value = 0;
    const int code = ORVPLV7_StatusLesen(c.port, c.address, static_cast<int>(*n), value);
    return fromCode(code, hexByte(value) + "\n");
}

Outcome mode(const Connection& c, const Args&) {
    int value = 0;
    const int code = ORVPLV7_ModusLesen(c.port, c.address, value);
    return fromCode(code, hexByte(value) + "\n");
}

Handler modeWrite(int set) {
    return [set](const Connection& c, const Args& a) {
        const auto mask = numberIn(a[0], 0, 255);
        if (!mask) return usage("MASK must be 0..255");
        return fromCode(
            ORVPLV7_ModusSchreiben(c.port, c.address, set, static_cast<unsigned>(*mask)));
    };
}

Outcome memoryRead(const Connection& c, const Args& a) {
    const auto start = parseInteger(a[0]);
    const auto length = parseInteger(a[1]);
    if (!start || !length || *length < 0 || *length > 0xFFFF) {
        return usage("mem-read: START and LENGTH must be numbers, LENGTH at most 65535");
    }
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(*length));
    const int code = ORVPLV7_SpeicherLesen(c.port, c.address, 4, static_cast<long>(*start),
                                           static_cast<long>(*length), buffer.data());
    std::string hex;
    for (std::uint8_t byte : buffer) hex += hexByte(byte);
    return fromCode(code, hex + "\n");
}

Outcome memoryWrite(const Connection& c, const Args& a) {
    const auto start = parseInteger(a[0]);
    const auto bytes = parseHexBytes(a[1]);
    if (!start) return usage("mem-write: START must be a number");
    if (!bytes || bytes->size() > 64)
        return usage("mem-write: HEX must be 0 to 64 bytes as hex digits");
    return fromCode(ORVPLV7_SpeicherSchreiben(c.port, c.address, 4, static_cast<long>(*start),
                                              static_cast<long>(bytes->size()), bytes->data()));
}

Handler deviceFunction(const char* function) {
    return [function](const Connection& c, const Args&) {
        return fromCode(ORVPLV7_DeviceFunction(c.port, c.address, function));
    };
}

Outcome baudSet(const Connection& c, const Args& a) {
    const auto rate = parseInteger(a[0]);
    if (!rate) return usage("baud-set: RATE must be a number");
    return fromCode(ORVPLV7_BaudrateSchreiben(c.port, c.address, static_cast<long>(*rate)));
}

// config-show FILE: the record of a configuration file as the items of settings section
// "konfig", one "tag = value" a line, or the file's error code.
Outcome configShow(const Args& a) {
    Konfiguration konfig;
    KonfigurationStandardwerte(konfig);
    if (const int code = KonfigDateiLaden(a[0], konfig); code != 0) return failure(code);
    std::string lines;
    for (const auto& line : KonfigIniZeilen(konfig)) lines += line + "\n";
    return success(lines);
}

using FileHandler = std::function<Outcome(const Args&)>;

const std::map<std::string, std::pair<std::size_t, FileHandler>>& fileCommandTable() {
    static const std::map<std::string, std::pair<std::size_t, FileHandler>> table = {
        {"config-show", {1, configShow}},
    };
    return table;
}

const std::map<std::string, CommandInfo>& commandTable() {
    static const std::map<std::string, CommandInfo> table = {
        {"id", {0, identification}},
        {"scan", {0, scan}},
        {"input", {1, input}},
        {"inputs", {1, inputs}},
        {"output", {2, output}},
        {"status", {1, status}},
        {"mode", {0, mode}},
        {"mode-set", {1, modeWrite(1)}},
        {"mode-clear", {1, modeWrite(0)}},
        {"mem-read", {2, memoryRead}},
        {"mem-write", {2, memoryWrite}},
        {"start", {0, deviceFunction("start")}},
        {"stop", {0, deviceFunction("stopp")}},
        {"baud-set", {1, baudSet}},
    };
    return table;
}

}  // namespace

bool commandKnown(const std::string& command, std::size_t argumentCount) {
    if (const auto file = fileCommandTable().find(command); file != fileCommandTable().end()) {
        return file->second.first == argumentCount;
    }
    const auto it = commandTable().find(command);
    return it != commandTable().end() && it->second.arguments == argumentCount;
}

bool commandNeedsPort(const std::string& command) {
    return !fileCommandTable().contains(command);
}

CommandOutcome runCommandWithoutPort(const std::string& command,
                                     const std::vector<std::string>& arguments) {
    const auto it = fileCommandTable().find(command);
    if (it == fileCommandTable().end() || it->second.first != arguments.size()) {
        return usage("unknown command or wrong number of arguments: " + command);
    }
    return it->second.second(arguments);
}

CommandOutcome runCommand(const Connection& connection, const std::string& command,
                          const std::vector<std::string>& arguments) {
    const auto it = commandTable().find(command);
    if (it == commandTable().end() || it->second.arguments != arguments.size()) {
        return usage("unknown command or wrong number of arguments: " + command);
    }
    return it->second.run(connection, arguments);
}

}  // namespace plv7::cli
