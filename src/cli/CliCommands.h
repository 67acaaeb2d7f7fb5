#pragma once

#include <functional>
#include <string>
#include <vector>

namespace plv7::cli {

// What a command wants printed, and how it ended.
struct CommandOutcome {
    // Refused: exit status 1 with `messages` as the whole report (no "Fehler #" line).
    enum class Kind { Success, DeviceFailure, Refused };
    Kind kind = Kind::Success;
    std::string output;    // stdout on success
    int code = 0;          // the driver's code on a device failure
    std::string messages;  // stderr before the outcome: warnings, a failure's own message
};

struct Connection {
    int port = 1;
    char address = '1';
    double timeout = 0.5;  // read time-out in seconds, also for the reopened port of a scan
};

// A command whose arguments have been checked, ready to run on an open port.
using PreparedCommand = std::function<CommandOutcome(const Connection&)>;

// Checks a command line's command and arguments without touching any port: the command to
// run, or an empty one with `usage` set. A usage error thus never waits for a device.
PreparedCommand prepareCommand(const std::string& command,
                               const std::vector<std::string>& arguments, std::string& usage);

// Commands that work on a file and need no port (config-show): whether `command` is one, and
// running it; a wrong argument count is a usage error.
bool isFileCommand(const std::string& command);
CommandOutcome runFileCommand(const std::string& command, const std::vector<std::string>& arguments,
                              std::string& usage, bool& usageError);

}  // namespace plv7::cli
