#pragma once

#include <string>
#include <vector>

#include "CliCommands.h"

namespace plv7::cli {

// `ports`: the PC's serial devices, one a line, without opening any.
bool isPortBefehl(const std::string& command);
CommandOutcome runPortBefehl(const std::vector<std::string>& arguments, std::string& usage,
                             bool& usageError);

}  // namespace plv7::cli
