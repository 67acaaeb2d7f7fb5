#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "CliCommands.h"

// The characteristic commands: kennlinie-export, -import and -block work on files alone;
// kennlinie-write, -read and -select talk to the box.
namespace plv7::cli {

// The box commands: `known` tells whether `command` is one of them; a wrong argument sets
// `usage` and returns nothing.
PreparedCommand prepareKennlinienBefehl(const std::string& command,
                                        const std::vector<std::string>& arguments,
                                        std::string& usage, bool& known);

bool isKennlinienDateiBefehl(const std::string& command);
CommandOutcome runKennlinienDateiBefehl(const std::string& command,
                                        const std::vector<std::string>& arguments,
                                        std::string& usage, bool& usageError);

}  // namespace plv7::cli
