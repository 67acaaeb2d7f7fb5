// plv7ctl: the box's commands from the command line, for operators' scripts and for tests.
#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <memory>

#include "CliCommands.h"
#include "Line.h"
#include "PortMap.h"
#include "base/NumberText.h"
#include "base/ORV_errorV3ibox.h"
#include "ini/IniStore.h"
#include "ini/SettingsTags.h"
#include "link/PortDeviceSettings.h"
#include "link/plv7Funktionen.h"

namespace {

constexpr char kUsage[] =
    "usage: plv7ctl [-p PORT] [-b BAUD] [-a ADDRESS] [-t SECONDS] COMMAND [ARGS]\n"
    "  -p PORT     1..8 (mapped to a device as in the program), a device path, or \"sim\" for the\n"
    "              built-in simulated box (the default)\n"
    "  -b BAUD     default 9600        -a ADDRESS  default 1        -t read time-out, default 0.5\n"
    "  id                      prints the identification text\n"
    "  scan                    scans addresses 1..9 at 9600, 19200, 38400, 57600, 115200 as the\n"
    "                          serial-port window does; one line per answering address:\n"
    "                          \"<address> <baud> <identification>\"\n"
    "  input N                 one input (N = 1..4); prints the volts with three decimals\n"
    "  inputs MASK             short read (mask 0..15); prints four volts with three decimals,\n"
    "                          separated by one blank\n"
    "  output N VOLTS          sets output N (1..4)\n"
    "  status N                N = 1 or 2; prints the byte as two upper-case hex digits\n"
    "  mode                    prints the mode byte as two upper-case hex digits\n"
    "  mode-set MASK           sets mode bits        mode-clear MASK    clears mode bits\n"
    "  mem-read START LENGTH   prints the bytes as upper-case hex digits without separators\n"
    "  mem-write START HEX     writes the bytes given as hex digits (at most 64)\n"
    "  start                   stop\n"
    "  baud-set RATE           changes the box's own baud rate\n"
    "  config-show FILE        prints a configuration file (.plo) as the items of settings\n"
    "                          section konfig, one \"tag = value\" a line (opens no port)\n"
    "  curves-export FILE.plr FILE.txt   text export of a curve file's four curves (no port)\n"
    "  curves-import FILE.txt FILE.plr   imports a text into fresh curves and saves them (no "
    "port)\n"
    "  curves-image FILE.plr   prints the curves' memory image as upper-case hex digits (no port)\n"
    "  curves-write FILE.plr   writes a curve file's curves into the box\n"
    "  curves-read FILE.plr    reads the box's curves into a new curve file\n"
    "                          Curve files are written with the configuration of the settings\n"
    "                          file in the current folder (the defaults without one); warnings\n"
    "                          go to stderr and do not change the exit status.\n"
    "Numbers are decimal or 0x-prefixed hex. A successful command prints its result on stdout and\n"
    "nothing else. Exit status 0 on success; 1 on a device or link failure, with exactly one line "
    "on\n"
    "stderr: \"Fehler #<number without sign>: <German text of the code>\"; 2 on a usage error.\n"
    "Volts are always written with a dot as decimal separator, whatever the locale.\n";

struct Options {
    QString port = plv7::PortMap::kSimulated;
    long baud = 9600;
    char address = '1';
    double timeout = 0.5;
    std::string command;
    std::vector<std::string> arguments;
};

int usageError(const std::string& message) {
    std::cerr << "plv7ctl: " << message << "\n" << kUsage;
    return 2;
}

// Parses the command line; an empty optional with the message on a usage error.
std::optional<Options> parse(int argc, char** argv, std::string& error) {
    Options options;
    int i = 1;
    for (; i < argc && argv[i][0] == '-' && argv[i][1] != '\0'; i += 2) {
        const std::string flag = argv[i];
        if (i + 1 >= argc) {
            error = "option " + flag + " needs a value";
            return std::nullopt;
        }
        const std::string value = argv[i + 1];
        if (flag == "-p") {
            options.port = QString::fromStdString(value);
        } else if (flag == "-b") {
            const auto baud = plv7::parseInteger(value);
            if (!baud) {
                error = "-b needs a number";
                return std::nullopt;
            }
            options.baud = static_cast<long>(*baud);
        } else if (flag == "-a") {
            if (value.size() != 1) {
                error = "-a needs one address character";
                return std::nullopt;
            }
            options.address = value[0];
        } else if (flag == "-t") {
            const auto seconds = plv7::parseDouble(value);
            if (!seconds || *seconds < 0 || *seconds > 60) {
                error = "-t needs seconds from 0 to 60";
                return std::nullopt;
            }
            options.timeout = *seconds;
        } else {
            error = "unknown option " + flag;
            return std::nullopt;
        }
    }
    if (i >= argc) {
        error = "no command";
        return std::nullopt;
    }
    options.command = argv[i++];
    options.arguments.assign(argv + i, argv + argc);
    return options;
}

// Port 1..8 stands for its device as the program's settings file in the current folder maps
// it (or the default device); anything else is a device put on port 1.
int selectPort(const QString& port, plv7::PortMap& map) {
    bool isNumber = false;
    const int number = port.toInt(&isNumber);
    if (isNumber) {
        plv7::IniStore settings;
        if (settings.readFile(std::string(plv7::settings::kFileName)) ==
            plv7::IniStore::ReadResult::Ok) {
            map.apply(plv7::readPortDevices(settings));
        }
        return number;
    }
    map.setDevice(1, port);
    return 1;
}

int deviceFailure(int code) {
    std::cerr << "Fehler #" << -static_cast<long long>(code) << ": " << ORV_Fehlermeldung(code)
              << "\n";
    return 1;
}

// Warnings and a failure's own message come first; a refusal is its message alone.
int report(const plv7::cli::CommandOutcome& outcome) {
    std::cerr << outcome.messages;
    switch (outcome.kind) {
        case plv7::cli::CommandOutcome::Kind::Success:
            std::cout << outcome.output;
            return 0;
        case plv7::cli::CommandOutcome::Kind::Refused:
            return 1;
        case plv7::cli::CommandOutcome::Kind::DeviceFailure:
            break;
    }
    return deviceFailure(outcome.code);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::string error;
    const auto options = parse(argc, argv, error);
    if (!options) return usageError(error);
    if (plv7::cli::isFileCommand(options->command)) {
        bool usage = false;
        const auto outcome =
            plv7::cli::runFileCommand(options->command, options->arguments, error, usage);
        if (usage) return usageError(error);
        return report(outcome);
    }
    // Every argument is checked before the port is touched.
    const auto command = plv7::cli::prepareCommand(options->command, options->arguments, error);
    if (!command) return usageError(error);

    const int port = selectPort(options->port, plv7::portMap());
    auto line = std::make_shared<plv7::sim::Line>();
    line->addBox('1');
    plv7::setSerialPortFactory(plv7::makeSerialPortFactory(line));

    if (const int opened = ORVPLV7_Open(port, options->baud); opened != 0) {
        return deviceFailure(opened);
    }
    if (const int timeout = ORVPLV7_Timeout(port, options->timeout); timeout != 0) {
        plv7::closeAllPorts();
        return deviceFailure(timeout);
    }
    const auto outcome = command({port, options->address, options->timeout});
    plv7::closeAllPorts();
    return report(outcome);
}
