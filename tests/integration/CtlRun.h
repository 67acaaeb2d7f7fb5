#pragma once

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "ChildProcess.h"

namespace plv7::testing {

// plv7ctl with its arguments, bounded in time.
inline ProgramResult plv7ctl(const std::vector<std::string>& arguments,
                             const std::map<std::string, std::string>& environment = {},
                             double limitSeconds = 10.0) {
    return runProgram(PLV7CTL_PATH, arguments, environment, limitSeconds);
}

// plv7ctl on the simulator's terminal: "-p <terminal>" in front of `arguments`.
inline ProgramResult plv7ctlOn(const SimProcess& sim, std::vector<std::string> arguments,
                               const std::map<std::string, std::string>& environment = {},
                               double limitSeconds = 10.0) {
    arguments.insert(arguments.begin(), {"-p", sim.path()});
    return plv7ctl(arguments, environment, limitSeconds);
}

// The one stderr line of a device or link failure.
inline std::string failureLine(int number, const std::string& text) {
    return "Fehler #" + std::to_string(number) + ": " + text + "\n";
}

inline std::ostream& operator<<(std::ostream& out, const ProgramResult& r) {
    return out << "exit " << r.exitCode << (r.timedOut ? " (killed at its deadline)" : "")
               << " after " << r.seconds << " s\n--- stdout ---\n"
               << r.out << "--- stderr ---\n"
               << r.err;
}

}  // namespace plv7::testing

#define ASSERT_SIM_READY(sim) ASSERT_TRUE((sim).ready()) << (sim).failure()

// Success: exit 0, nothing on stderr, exactly `expected` on stdout.
#define EXPECT_PRINTS(result, expected)                 \
    do {                                                \
        const auto& r_ = (result);                      \
        EXPECT_EQ(r_.exitCode, 0) << r_;                \
        EXPECT_EQ(r_.err, "") << r_;                    \
        EXPECT_EQ(r_.out, std::string(expected)) << r_; \
    } while (0)

// Device failure: exit 1, nothing on stdout, exactly one error line on stderr.
#define EXPECT_FAILS_WITH(result, number, text)                                  \
    do {                                                                         \
        const auto& r_ = (result);                                               \
        EXPECT_EQ(r_.exitCode, 1) << r_;                                         \
        EXPECT_EQ(r_.out, "") << r_;                                             \
        EXPECT_EQ(r_.err, ::plv7::testing::failureLine((number), (text))) << r_; \
    } while (0)
