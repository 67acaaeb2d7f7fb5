// plv7ctl --help and --version, and arguments that only look like options.
#include <gtest/gtest.h>

#include <string>

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

TEST(Plv7ctlHelp, ANegativeNumberAfterTheCommandIsAnArgument) {
    // The box refuses negative volts: a device failure, not an unknown option.
    EXPECT_FAILS_WITH(plv7ctl({"output", "1", "-0.5"}), 500056,
                      "Parameter außerhalb der Grenzwerte");
}

}  // namespace
}  // namespace plv7::testing
