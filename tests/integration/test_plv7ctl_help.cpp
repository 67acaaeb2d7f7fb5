// plv7ctl --help and --version, and arguments that only look like options.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CtlRun.h"
#include "base/Version.h"

namespace plv7::testing {
namespace {

TEST(Plv7ctlHelp, HelpAndVersionGoToStdoutAndSucceed) {
    for (const char* flag : {"--help", "-h"}) {
        const auto r = plv7ctl({flag});
        EXPECT_EQ(r.exitCode, 0) << r;
        EXPECT_EQ(r.err, "") << r;
        EXPECT_EQ(r.out.rfind("usage: plv7ctl ", 0), 0u) << r;
        EXPECT_NE(r.out.find("\n  config-show FILE "), std::string::npos) << r;
        for (const char* befehl : {"export", "import", "block", "write", "read", "select"}) {
            EXPECT_NE(r.out.find("\n  characteristic-" + std::string(befehl) + " "),
                      std::string::npos)
                << befehl;
        }
        EXPECT_EQ(r.out.find("kennlinie-"), std::string::npos) << r;
    }
    for (const char* flag : {"--version", "-v"}) {
        EXPECT_PRINTS(plv7ctl({flag}), "plv7ctl " + std::string(kVersion) + "\n");
    }
}

TEST(Plv7ctlHelp, TheFormerGermanCharacteristicNamesAreUnknown) {
    EXPECT_EQ(plv7ctl({"kennlinie-select", "1"}).exitCode, 2);
    const auto r = plv7ctl({"characteristic-select"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("characteristic-select needs 1 argument"), std::string::npos) << r;
}

// Every command of the shared table answers a wrong argument count alike, whether it takes a
// fixed number, a range or none.
TEST(Plv7ctlHelp, AWrongArgumentCountNamesWhatTheCommandTakes) {
    const struct {
        std::vector<std::string> aufruf;
        const char* meldung;
    } faelle[] = {
        {{"ports", "x"}, "plv7ctl: ports takes no arguments\n"},
        {{"curves-generate", "a.plr", "1"}, "plv7ctl: curves-generate needs 7 to 9 arguments\n"},
        {{"curves-from-log", "a.txt"}, "plv7ctl: curves-from-log needs 4 to 5 arguments\n"},
        {{"curves-export", "a.plr"}, "plv7ctl: curves-export needs 2 arguments\n"},
        {{"characteristic-write", "a.ple"}, "plv7ctl: characteristic-write needs 2 arguments\n"},
    };
    for (const auto& f : faelle) {
        const auto r = plv7ctl(f.aufruf);
        EXPECT_EQ(r.exitCode, 2) << r;
        EXPECT_EQ(r.err.substr(0, r.err.find('\n') + 1), f.meldung) << r;
    }
}

TEST(Plv7ctlHelp, ANegativeNumberAfterTheCommandIsAnArgument) {
    // The box refuses negative volts: a device failure, not an unknown option.
    EXPECT_FAILS_WITH(plv7ctl({"output", "1", "-0.5"}), 500056,
                      "Parameter außerhalb der Grenzwerte");
}

}  // namespace
}  // namespace plv7::testing
