#pragma once

#include <string>
#include <vector>

#include "CliCommands.h"

// curves-generate and curves-from-log: one curve of a curve file from a waveform or from the
// direct window's log; they work on files alone.
namespace plv7::cli {

bool isKurvenErzeugungBefehl(const std::string& command);
CommandOutcome runKurvenErzeugungBefehl(const std::string& command,
                                        const std::vector<std::string>& arguments,
                                        std::string& usage, bool& usageError);

}  // namespace plv7::cli
