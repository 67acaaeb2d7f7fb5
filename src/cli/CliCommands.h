#pragma once

#include <string>
#include <vector>

namespace plv7::cli {

// What a command wants printed, and how it ended.
struct CommandOutcome {
    enum class Kind { Success, DeviceFailure, UsageError };
    Kind kind = Kind::Success;
    std::string output;  // stdout on success
    int code = 0;        // the driver's code on a device failure
    std::string usage;   // the message of a usage error
};

struct Connection {
    int port = 1;
    char address = '1';
};

// Runs one command of plv7ctl on an open port.
CommandOutcome runCommand(const Connection& connection, const std::string& command,
                          const std::vector<std::string>& arguments);

// Whether a command name exists and takes this many arguments (checked before the port opens).
bool commandKnown(const std::string& command, std::size_t argumentCount);

// Commands that work on files only and run without opening a port.
bool commandNeedsPort(const std::string& command);
CommandOutcome runCommandWithoutPort(const std::string& command,
                                     const std::vector<std::string>& arguments);

}  // namespace plv7::cli
