#pragma once

#include <cstdint>
#include <span>
#include <string>

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

}  // namespace plv7::cli
