#include "PortBefehle.h"

#include "CliGemeinsam.h"
#include "SerialDeviceList.h"

namespace plv7::cli {

bool isPortBefehl(const std::string& command) {
    return command == "ports";
}

CommandOutcome runPortBefehl(const std::vector<std::string>& arguments, std::string& usage,
                             bool& usageError) {
    usageError = !arguments.empty();
    if (usageError) {
        usage = "ports takes no arguments";
        return {};
    }
    std::string output;
    for (const SerialDevice& device : serialDeviceList().devices()) {
        output += portsLine(device) + "\n";
    }
    return erfolg(std::move(output));
}

}  // namespace plv7::cli
