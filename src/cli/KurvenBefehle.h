#pragma once

#include <string>
#include <vector>

#include "CliCommands.h"

// The curve commands: curves-export, curves-import and curves-image work on files alone;
// curves-write and curves-read move the curves to and from the box.
namespace plv7::cli {

bool isKurvenDateiBefehl(const std::string& command);
CommandOutcome runKurvenDateiBefehl(const std::string& command,
                                    const std::vector<std::string>& arguments, std::string& usage,
                                    bool& usageError);

bool isKurvenGeraetBefehl(const std::string& command);
PreparedCommand prepareKurvenGeraetBefehl(const std::string& command,
                                          const std::vector<std::string>& arguments,
                                          std::string& usage);

}  // namespace plv7::cli
