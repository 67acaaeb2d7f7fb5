#include "link/Scan.h"

#include "link/PortTable.h"
#include "link/Rahmenformat.h"
#include "link/plv7Funktionen.h"

namespace plv7 {

bool ScanProbe::isPlv7() const {
    return answered() && id.rfind(protocol::kIdentificationPrefix, 0) == 0;
}

std::vector<ScanProbe> scanLine(int port, const ScanCallbacks& callbacks, int* lostCode) {
    std::vector<ScanProbe> probes;
    for (long baud : protocol::kDeviceBaudRates) {
        if (callbacks.openAt) callbacks.openAt(baud);
        if (!openedPort(port)) break;
        bool anyAnswered = false;
        for (char address = '1'; address <= '9'; ++address) {
            if (callbacks.beforeProbe) callbacks.beforeProbe(address, baud);
            ScanProbe probe{address, baud, 0, {}};
            probe.result = ORVPLV7_IDLesen(port, address, probe.id);
            if (!probe.answered()) probe.id.clear();
            anyAnswered = anyAnswered || probe.answered();
            if (callbacks.afterProbe) callbacks.afterProbe(probe);
            const bool lost = !probe.answered() && portLost(port);
            if (lost && lostCode) *lostCode = probe.result;
            probes.push_back(std::move(probe));
            if (lost) return probes;
        }
        if (anyAnswered) break;
    }
    return probes;
}

}  // namespace plv7
