#pragma once

#include <functional>
#include <string>
#include <vector>

namespace plv7 {

// One identification request of a line scan.
struct ScanProbe {
    char address = '1';
    long baud = 0;
    int result = 0;  // the driver's code; 0 when the device answered
    std::string id;

    bool answered() const { return result == 0; }
    bool isPlv7() const;
};

struct ScanCallbacks {
    // Reopens the port at a rate before its sweep; the outcome shows in the probes.
    std::function<void(long baud)> openAt;
    // Called before each probe (the window shows what it is looking for).
    std::function<void(char address, long baud)> beforeProbe;
    // Called with each probe's outcome.
    std::function<void(const ScanProbe&)> afterProbe;
};

// Sweeps the addresses '1'..'9' at 9600, 19200, 38400, 57600 and 115200 baud in this order
// and stops after the first sweep in which any device answered. Returns every probe.
// A port that is gone ends the scan at once rather than probing on through every rate: one
// that could not be reopened (the caller's openAt knows why), or one whose device was lost
// during a probe; `lostCode` then receives that probe's failure.
std::vector<ScanProbe> scanLine(int port, const ScanCallbacks& callbacks, int* lostCode = nullptr);

}  // namespace plv7
