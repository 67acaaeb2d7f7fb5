// plv7ctl: the box's commands from the command line, for operators' scripts and for tests.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <memory>

#include "CliCommands.h"
#include "CliHilfe.h"
#include "KennlinienBefehle.h"
#include "Line.h"
#include "PortMap.h"
#include "base/Fehlergrund.h"
#include "base/NumberText.h"
#include "base/ORV_errorV3ibox.h"
#include "base/Version.h"
#include "ini/IniStore.h"
#include "ini/SettingsTags.h"
#include "link/PortDeviceSettings.h"
#include "link/plv7Funktionen.h"

namespace {

struct Options {
    QString port = plv7::PortMap::kSimulated;
    long baud = 9600;
    char address = '1';
    double timeout = 0.5;
    std::string command;
    std::vector<std::string> arguments;
    bool help = false;
    bool version = false;
};

int usageError(const std::string& message) {
    std::cerr << "plv7ctl: " << message << "\n" << plv7::cli::usageText();
    return 2;
}

// Parses the command line; an empty optional with the message on a usage error. Everything
// after the command belongs to it, so that "-1" stays a number.
std::optional<Options> parse(const QStringList& commandLine, std::string& error) {
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption port({"p", "port"}, {}, "PORT");
    const QCommandLineOption baud({"b", "baud"}, {}, "BAUD");
    const QCommandLineOption address({"a", "address"}, {}, "ADDRESS");
    const QCommandLineOption timeout({"t", "timeout"}, {}, "SECONDS");
    const QCommandLineOption help({"h", "help"}, {});
    const QCommandLineOption version({"v", "version"}, {});
    parser.addOptions({port, baud, address, timeout, help, version});
    if (!parser.parse(commandLine)) {
        error = parser.errorText().toStdString();
        return std::nullopt;
    }
    Options options;
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    if (options.help || options.version) return options;
    if (parser.isSet(port)) options.port = parser.value(port);
    if (parser.isSet(baud)) {
        const auto rate = plv7::parseInteger(parser.value(baud).toStdString());
        if (!rate) {
            error = "-b needs a number";
            return std::nullopt;
        }
        options.baud = static_cast<long>(*rate);
    }
    if (parser.isSet(address)) {
        const std::string value = parser.value(address).toStdString();
        if (value.size() != 1) {
            error = "-a needs one address character";
            return std::nullopt;
        }
        options.address = value[0];
    }
    if (parser.isSet(timeout)) {
        const auto seconds = plv7::parseDouble(parser.value(timeout).toStdString());
        if (!seconds || *seconds < 0 || *seconds > 60) {
            error = "-t needs seconds from 0 to 60";
            return std::nullopt;
        }
        options.timeout = *seconds;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        error = "no command";
        return std::nullopt;
    }
    options.command = positional.first().toStdString();
    for (qsizetype i = 1; i < positional.size(); ++i)
        options.arguments.push_back(positional[i].toStdString());
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

// The reason the system gave comes on a line of its own, so that the last line stays the
// code's for scripts that read it.
int deviceFailure(int code) {
    if (const std::string grund = plv7::fehlergrund(code); !grund.empty()) {
        std::cerr << grund << "\n";
    }
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
    const auto options = parse(QCoreApplication::arguments(), error);
    if (!options) return usageError(error);
    if (options->help) {
        std::cout << plv7::cli::usageText();
        return 0;
    }
    if (options->version) {
        std::cout << "plv7ctl " << plv7::kVersion << "\n";
        return 0;
    }
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
