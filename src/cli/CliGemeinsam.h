#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "CliCommands.h"
#include "konfig/Konfiguration.h"

// What the commands of plv7ctl share.
namespace plv7::cli {

CommandOutcome erfolg(std::string output, std::string messages = {});
CommandOutcome fehler(int code, std::string messages = {});

// Bytes as upper-case hex digits without separators.
std::string hexText(std::span<const std::uint8_t> bytes);

// The program's current scaling: the settings file in the current folder, as the program
// reads it at start; the defaults when there is none.
Konfiguration aktuelleKonfiguration();

using Args = std::vector<std::string>;

// The one shape of plv7ctl's command tables: each command with the number of its arguments
// (or a range up to `hoechstens`) and what it does. File commands run at once and open no port;
// a wrong argument sets `usage` and `usageError`. Box commands check their arguments first (a
// wrong one sets `usage`) and run later on the open port.
template <typename Ausfuehren>
struct Tabellenbefehl {
    std::size_t argumente;
    Ausfuehren ausfuehren;
    std::size_t hoechstens = 0;  // above `argumente`: optional arguments up to this many
};
using Dateibefehl = CommandOutcome (*)(const Args&, std::string& usage, bool& usageError);
using DateiBefehle = std::map<std::string, Tabellenbefehl<Dateibefehl>>;
using GeraetBefehle =
    std::map<std::string, Tabellenbefehl<PreparedCommand (*)(const Args&, std::string& usage)>>;

// Runs `command` of the table; a wrong argument count is a usage error.
CommandOutcome dateiBefehlAusfuehren(const DateiBefehle& tabelle, const std::string& command,
                                     const Args& arguments, std::string& usage, bool& usageError);
// Prepares `command` of the table; an empty command with `usage` set on a wrong argument.
PreparedCommand geraetBefehlVorbereiten(const GeraetBefehle& tabelle, const std::string& command,
                                        const Args& arguments, std::string& usage);

}  // namespace plv7::cli
