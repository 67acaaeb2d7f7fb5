#include "PortBefehle.h"

#include "CliGemeinsam.h"
#include "SerialDeviceList.h"

namespace plv7::cli {

namespace {

CommandOutcome ports(const Args&, std::string&, bool&) {
    std::string output;
    for (const SerialDevice& device : serialDeviceList().devices()) {
        output += portsLine(device) + "\n";
    }
    return erfolg(std::move(output));
}

}  // namespace

const DateiBefehle& portBefehle() {
    static const DateiBefehle befehle = {{"ports", {0, ports}}};
    return befehle;
}

}  // namespace plv7::cli
