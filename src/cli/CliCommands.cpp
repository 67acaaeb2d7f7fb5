#include "CliCommands.h"

#include "KennlinienBefehle.h"
#include "KurvenBefehle.h"
#include "KurvenErzeugung.h"
#include "PortBefehle.h"

#include <array>
#include <map>

#include "base/NumberText.h"
#include "base/Windows1252.h"
#include "konfig/KonfigDatei.h"
#include "konfig/KonfigIni.h"
#include "link/Scan.h"
#include "link/plv7Funktionen.h"

namespace plv7::cli {
namespace {

using Outcome = CommandOutcome;

Outcome success(std::string output) {
    return {Outcome::Kind::Success, std::move(output), 0, {}};
}
Outcome failure(int code) {
    return {Outcome::Kind::DeviceFailure, {}, code, {}};
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

// "e1".."e4" or "a1".."a4". Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) when
// a literal is put in front of a temporary string.
std::string channelName(char kind, long long number) {
    std::string name(1, kind);
    name += std::to_string(number);
    return name;
}

using Prepared = PreparedCommand;

// Every preparer checks its arguments; on a mistake it sets `usage` and returns nothing.
using Preparer = Prepared (*)(const Args&, std::string& usage);

Prepared refuse(std::string& usage, std::string message) {
    usage = std::move(message);
    return {};
}

Prepared identification(const Args&, std::string&) {
    return [](const Connection& c) {
        std::string id;
        const int code = ORVPLV7_IDLesen(c.port, c.address, id);
        return fromCode(code, id + "\n");
    };
}

Prepared scan(const Args&, std::string&) {
    return [](const Connection& c) {
        int reopenFailure = 0;
        ScanCallbacks callbacks;
        callbacks.openAt = [&c, &reopenFailure](long baud) {
            int code = ORVPLV7_Open(c.port, baud);
            if (code == 0) code = ORVPLV7_Timeout(c.port, c.timeout);
            if (reopenFailure == 0) reopenFailure = code;
        };
        std::string lines;
        callbacks.afterProbe = [&lines](const ScanProbe& probe) {
            if (probe.answered()) {
                lines += std::string(1, probe.address) + " " + std::to_string(probe.baud) + " " +
                         probe.id + "\n";
            }
        };
        int lost = 0;
        scanLine(c.port, callbacks, &lost);
        // A port that cannot be reopened at some rate, or whose device went, is a link
        // failure, not a silent line.
        if (reopenFailure != 0) return failure(reopenFailure);
        return lost != 0 ? failure(lost) : success(lines);
    };
}

Prepared input(const Args& a, std::string& usage) {
    const auto n = numberIn(a[0], 1, 4);
    if (!n) return refuse(usage, "input: N must be 1..4");
    return [channel = channelName('e', *n)](const Connection& c) {
        double volts = 0;
        const int code = ORVPLV7_EingangLesen(c.port, c.address, channel, volts);
        return fromCode(code, formatFixed(volts, 3) + "\n");
    };
}

Prepared inputs(const Args& a, std::string& usage) {
    const auto parsed = numberIn(a[0], 0, 15);
    if (!parsed) return refuse(usage, "inputs: MASK must be 0..15");
    return [mask = static_cast<unsigned>(*parsed)](const Connection& c) {
        std::array<double, 4> volts{};
        int code = ORVPLV7_EingaengeLesenKurz_Senden(c.port, c.address, mask);
        if (code == 0) code = ORVPLV7_EingaengeLesenKurz_Empfangen(c.port, c.address, mask, volts);
        std::string line;
        for (double v : volts) {
            if (!line.empty()) line += ' ';
            line += formatFixed(v, 3);
        }
        return fromCode(code, line + "\n");
    };
}

Prepared output(const Args& a, std::string& usage) {
    const auto n = numberIn(a[0], 1, 4);
    const auto volts = parseDouble(a[1]);
    if (!n) return refuse(usage, "output: N must be 1..4");
    if (!volts) return refuse(usage, "output: VOLTS must be a number such as 4.5");
    return [channel = channelName('a', *n), volts = *volts](const Connection& c) {
        return fromCode(ORVPLV7_AusgangSchreiben(c.port, c.address, channel, volts));
    };
}

Prepared status(const Args& a, std::string& usage) {
    const auto n = numberIn(a[0], 1, 2);
    if (!n) return refuse(usage, "status: N must be 1 or 2");
    return [which = static_cast<int>(*n)](const Connection& c) {
        int value = 0;
        const int code = ORVPLV7_StatusLesen(c.port, c.address, which, value);
        return fromCode(code, hexByte(value) + "\n");
    };
}

Prepared mode(const Args&, std::string&) {
    return [](const Connection& c) {
        int value = 0;
        const int code = ORVPLV7_ModusLesen(c.port, c.address, value);
        return fromCode(code, hexByte(value) + "\n");
    };
}

Prepared modeWrite(int set, const Args& a, std::string& usage) {
    const auto mask = numberIn(a[0], 0, 255);
    if (!mask) return refuse(usage, "MASK must be 0..255");
    return [set, mask = static_cast<unsigned>(*mask)](const Connection& c) {
        return fromCode(ORVPLV7_ModusSchreiben(c.port, c.address, set, mask));
    };
}

Prepared modeSet(const Args& a, std::string& usage) {
    return modeWrite(1, a, usage);
}

Prepared modeClear(const Args& a, std::string& usage) {
    return modeWrite(0, a, usage);
}

Prepared memoryRead(const Args& a, std::string& usage) {
    const auto start = parseInteger(a[0]);
    const auto length = parseInteger(a[1]);
    if (!start || !length || *length < 0 || *length > 0xFFFF) {
        return refuse(usage, "mem-read: START and LENGTH must be numbers, LENGTH at most 65535");
    }
    return [start = static_cast<long>(*start),
            length = static_cast<long>(*length)](const Connection& c) {
        std::vector<std::uint8_t> buffer(static_cast<std::size_t>(length));
        const int code = ORVPLV7_SpeicherLesen(c.port, c.address, 4, start, length, buffer.data());
        std::string hex;
        for (std::uint8_t byte : buffer) hex += hexByte(byte);
        return fromCode(code, hex + "\n");
    };
}

Prepared memoryWrite(const Args& a, std::string& usage) {
    const auto start = parseInteger(a[0]);
    auto bytes = parseHexBytes(a[1]);
    if (!start) return refuse(usage, "mem-write: START must be a number");
    if (!bytes || bytes->size() > 64)
        return refuse(usage, "mem-write: HEX must be 0 to 64 bytes as hex digits");
    return [start = static_cast<long>(*start), bytes = std::move(*bytes)](const Connection& c) {
        return fromCode(ORVPLV7_SpeicherSchreiben(c.port, c.address, 4, start,
                                                  static_cast<long>(bytes.size()), bytes.data()));
    };
}

Prepared deviceFunction(const char* function) {
    return [function](const Connection& c) {
        return fromCode(ORVPLV7_DeviceFunction(c.port, c.address, function));
    };
}

Prepared start(const Args&, std::string&) {
    return deviceFunction("start");
}

Prepared stop(const Args&, std::string&) {
    return deviceFunction("stopp");
}

Prepared baudSet(const Args& a, std::string& usage) {
    const auto rate = parseInteger(a[0]);
    if (!rate) return refuse(usage, "baud-set: RATE must be a number");
    return [rate = static_cast<long>(*rate)](const Connection& c) {
        return fromCode(ORVPLV7_BaudrateSchreiben(c.port, c.address, rate));
    };
}

struct CommandInfo {
    std::size_t arguments;
    Preparer prepare;
};

const std::map<std::string, CommandInfo>& commandTable() {
    static const std::map<std::string, CommandInfo> table = {
        {"id", {0, identification}},
        {"scan", {0, scan}},
        {"input", {1, input}},
        {"inputs", {1, inputs}},
        {"output", {2, output}},
        {"status", {1, status}},
        {"mode", {0, mode}},
        {"mode-set", {1, modeSet}},
        {"mode-clear", {1, modeClear}},
        {"mem-read", {2, memoryRead}},
        {"mem-write", {2, memoryWrite}},
        {"start", {0, start}},
        {"stop", {0, stop}},
        {"baud-set", {1, baudSet}},
    };
    return table;
}

}  // namespace

PreparedCommand prepareCommand(const std::string& command,
                               const std::vector<std::string>& arguments, std::string& usage) {
    for (const GeraetBefehle* tabelle : {&kurvenGeraetBefehle(), &kennlinienGeraetBefehle()}) {
        if (tabelle->contains(command))
            return geraetBefehlVorbereiten(*tabelle, command, arguments, usage);
    }
    const auto it = commandTable().find(command);
    if (it == commandTable().end() || it->second.arguments != arguments.size()) {
        return refuse(usage, "unknown command or wrong number of arguments: " + command);
    }
    return it->second.prepare(arguments, usage);
}

namespace {

const DateiBefehle* dateiTabelle(const std::string& command) {
    for (const DateiBefehle* tabelle : {&kurvenDateiBefehle(), &kennlinienDateiBefehle(),
                                        &kurvenErzeugungsBefehle(), &portBefehle()}) {
        if (tabelle->contains(command)) return tabelle;
    }
    return nullptr;
}

}  // namespace

bool isFileCommand(const std::string& command) {
    return command == "config-show" || dateiTabelle(command) != nullptr;
}

CommandOutcome runFileCommand(const std::string& command, const std::vector<std::string>& arguments,
                              std::string& usage, bool& usageError) {
    if (const DateiBefehle* tabelle = dateiTabelle(command))
        return dateiBefehlAusfuehren(*tabelle, command, arguments, usage, usageError);
    usageError = command != "config-show" || arguments.size() != 1;
    if (usageError) {
        usage = "config-show needs exactly one FILE";
        return {};
    }
    // The record of a configuration file as the items of the settings section "konfig".
    Konfiguration konfig;
    KonfigurationStandardwerte(konfig);
    if (const int code = KonfigDateiLaden(arguments[0], konfig); code != 0) {
        return {CommandOutcome::Kind::DeviceFailure, {}, code, {}};
    }
    // The unit texts are the file's Windows-1252 bytes; the terminal gets UTF-8.
    std::string lines;
    for (const auto& line : KonfigIniZeilen(konfig)) lines += cp1252::toUtf8(line) + "\n";
    return {CommandOutcome::Kind::Success, lines, 0, {}};
}

}  // namespace plv7::cli
