#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

namespace plv7::testing {

// What a finished program left behind.
struct ProgramResult {
    int exitCode = -1;      // -1 when it was killed or did not end by itself
    bool timedOut = false;  // killed at the deadline
    std::string out;
    std::string err;
    double seconds = 0.0;  // wall time from start to end
};

// Runs a program to its end, with the test's environment plus `environment` (a value
// replaces the variable of that name). Killed after `limitSeconds`.
ProgramResult runProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::map<std::string, std::string>& environment = {},
                         double limitSeconds = 10.0);

// The simulated box program on a pseudo-terminal, for as long as the object lives. The
// child dies with the test process even when that crashes, so no run leaves one behind.
class SimProcess {
public:
    // Starts plv7-sim with `options` and waits (bounded) until it has told its terminal.
    explicit SimProcess(const std::vector<std::string>& options);
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;
    ~SimProcess();

    // True once the terminal exists; otherwise failure() says why.
    bool ready() const { return !path_.empty(); }
    const std::string& failure() const { return failure_; }
    const std::string& path() const { return path_; }

    // Whether the program has ended by itself within `seconds`; its exit status then.
    bool waitForExit(double seconds, int& exitCode);
    // SIGTERM, a bounded wait, SIGKILL if it lingers. Returns the exit status, -1 if killed.
    int stop();
    // What the program wrote on stderr so far (its device list, its reasons for ending).
    std::string errorOutput();

private:
    pid_t pid_ = -1;
    int outFd_ = -1;
    int errFd_ = -1;
    int exitCode_ = -1;
    std::string path_;
    std::string failure_;
    std::string err_;
};

// Seconds on a monotonic clock.
double monotonicSeconds();

}  // namespace plv7::testing
