// plv7ctl against plv7-sim when something goes wrong: the box refuses, the line is silent,
// answers are damaged, the port is missing or vanishes, the command line is wrong.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CtlRun.h"

namespace plv7::testing {
namespace {

const std::string kNakText = "Fehlermeldung (NAK) vom Gerät erhalten";
const std::string kCanText = "Befehlsausführung momentan nicht möglich (CAN erhalten)";
const std::string kNoAnswerText = "Keine Antwort vom Gerät";
const std::string kWrongAnswerText = "Fehlerhafte Antwort vom Gerät";
const std::string kOpenText = "Fehler beim öffnen der seriellen Schnittstelle";
// The reason line of a device that is not there, after its path.
constexpr const char* kNotPluggedIn =
    " ist nicht vorhanden: der Adapter ist nicht eingesteckt. Adapter einstecken oder ein "
    "anderes Gerät wählen.";

// A command line and the codes its command reports for NAK, CAN and a silent box.
struct Refusal {
    std::vector<std::string> command;
    int nak;
    int can;
    int silence;
};

const std::vector<Refusal> kRefusals = {
    {{"id"}, 402010, 405011, 403012},
    {{"baud-set", "19200"}, 402174, 405175, 403176},
    {{"start"}, 402039, 405040, 403041},
    {{"stop"}, 402039, 405040, 403041},
    {{"input", "2"}, 402049, 405050, 403051},
    {{"inputs", "15"}, 402049, 405050, 403051},
    {{"output", "4", "1.5"}, 402065, 405066, 403067},
    {{"mem-read", "0x100", "16"}, 402099, 405100, 403101},
    {{"mem-write", "0x100", "0102"}, 402127, 405128, 403129},
    {{"status", "2"}, 402140, 405141, 403142},
    {{"mode"}, 402154, 405155, 403156},
    {{"mode-set", "4"}, 402165, 405166, 403167},
    {{"mode-clear", "2"}, 402165, 405166, 403167},
};

std::vector<std::string> withShortTimeout(std::vector<std::string> command) {
    command.insert(command.begin(), {"-t", "0.1"});
    return command;
}

TEST(Plv7ctlRefusals, NakGivesTheCodeOfTheCommandUsed) {
    SimProcess sim({"--fault", "nak"});
    ASSERT_SIM_READY(sim);
    for (const auto& refusal : kRefusals) {
        SCOPED_TRACE(refusal.command.front());
        EXPECT_FAILS_WITH(plv7ctlOn(sim, refusal.command), refusal.nak, kNakText);
    }
}

TEST(Plv7ctlRefusals, CanGivesTheCodeOfTheCommandUsed) {
    SimProcess sim({"--busy"});
    ASSERT_SIM_READY(sim);
    for (const auto& refusal : kRefusals) {
        SCOPED_TRACE(refusal.command.front());
        EXPECT_FAILS_WITH(plv7ctlOn(sim, refusal.command), refusal.can, kCanText);
    }
}

TEST(Plv7ctlRefusals, SilentBoxGivesNoAnswerAfterOneTimeOut) {
    SimProcess sim({"--fault", "silence"});
    ASSERT_SIM_READY(sim);
    for (const auto& refusal : kRefusals) {
        SCOPED_TRACE(refusal.command.front());
        const auto r = plv7ctlOn(sim, withShortTimeout(refusal.command));
        EXPECT_FAILS_WITH(r, refusal.silence, kNoAnswerText);
        EXPECT_LT(r.seconds, 2.0) << r;
    }
}

TEST(Plv7ctlRefusals, DefaultTimeOutIsHalfASecond) {
    SimProcess sim({"--fault", "silence"});
    ASSERT_SIM_READY(sim);
    const auto r = plv7ctlOn(sim, {"id"});
    EXPECT_FAILS_WITH(r, 403012, kNoAnswerText);
    EXPECT_GE(r.seconds, 0.5) << r;
    EXPECT_LT(r.seconds, 3.0) << r;
}

TEST(Plv7ctlDamagedAnswers, WrongChecksumOfAMemoryBlock) {
    SimProcess sim({"--fault", "wrong-checksum:1"});
    ASSERT_SIM_READY(sim);
    EXPECT_FAILS_WITH(plv7ctlOn(sim, {"mem-read", "0", "16"}), 406114,
                      "Checksummenfehler bei der Übertragung");
    EXPECT_PRINTS(plv7ctlOn(sim, {"mem-read", "0", "2"}), "0000\n");
}

TEST(Plv7ctlDamagedAnswers, ShortLongAndSlowAnswers) {
    {
        SimProcess sim({"--fault", "early-cr"});
        ASSERT_SIM_READY(sim);
        EXPECT_FAILS_WITH(plv7ctlOn(sim, {"id"}), 404015, kWrongAnswerText);
        EXPECT_FAILS_WITH(plv7ctlOn(sim, {"mem-read", "0", "4"}), 404106, kWrongAnswerText);
        EXPECT_FAILS_WITH(plv7ctlOn(sim, {"mode"}), 404159, kWrongAnswerText);
    }
    {
        // Without its CR the answer runs into the read time-out.
        SimProcess sim({"--fault", "missing-cr"});
        ASSERT_SIM_READY(sim);
        EXPECT_FAILS_WITH(plv7ctlOn(sim, {"-t", "0.1", "status", "1"}), 404144, kWrongAnswerText);
        EXPECT_FAILS_WITH(plv7ctlOn(sim, {"-t", "0.1", "input", "1"}), 404053, kWrongAnswerText);
    }
    {
        SimProcess sim({"--fault", "garbled"});
        ASSERT_SIM_READY(sim);
        EXPECT_FAILS_WITH(plv7ctlOn(sim, {"-t", "0.1", "output", "1", "1"}), 404068,
                          kWrongAnswerText);
    }
    {
        SimProcess sim({"--fault", "slow", "--slow-delay", "400"});
        ASSERT_SIM_READY(sim);
        EXPECT_PRINTS(plv7ctlOn(sim, {"-t", "2", "mode"}), "00\n");
        // Last, so that the late answer cannot meet another command.
        EXPECT_FAILS_WITH(plv7ctlOn(sim, {"-t", "0.1", "id"}), 403012, kNoAnswerText);
    }
}

TEST(Plv7ctlUsage, MistakesExitWithTwoBeforeThePortIsOpened) {
    // The port does not exist: a usage error must be found before anything is opened.
    const std::vector<std::vector<std::string>> mistakes = {
        {},
        {"-p"},
        {"launch"},
        {"id", "extra"},
        {"input"},
        {"input", "5"},
        {"input", "0"},
        {"input", "one"},
        {"inputs", "16"},
        {"inputs", "-1"},
        {"output", "1"},
        {"output", "5", "1.0"},
        {"output", "1", "volts"},
        {"output", "1", "2,5"},
        {"status", "3"},
        {"mode-set", "256"},
        {"mode-clear", "x"},
        {"mem-read", "0"},
        {"mem-read", "zero", "4"},
        {"mem-read", "0", "65536"},
        {"mem-write", "0", "123"},
        {"mem-write", "0", "0G"},
        {"mem-write", "0", std::string(130, 'A')},
        {"baud-set", "fast"},
        {"-b", "slow", "id"},
        {"-a", "12", "id"},
        {"-t", "-1", "id"},
        {"-t", "soon", "id"},
        {"-x", "1", "id"},
    };
    for (auto arguments : mistakes) {
        arguments.insert(arguments.begin(), {"-p", "/nonexistent/plv7-port"});
        std::string line;
        for (const auto& a : arguments) line += a + " ";
        SCOPED_TRACE(line);
        const auto r = plv7ctl(arguments);
        EXPECT_EQ(r.exitCode, 2) << r;
        EXPECT_EQ(r.out, "") << r;
        EXPECT_NE(r.err.find("usage: plv7ctl"), std::string::npos) << r;
    }
}

TEST(Plv7ctlPort, MissingPortAndRefusedSettings) {
    const auto missing = plv7ctl({"-p", "/nonexistent/plv7-port", "id"});
    EXPECT_EQ(missing.err, "/nonexistent/plv7-port" + std::string(kNotPluggedIn) + "\n" +
                               failureLine(100003, kOpenText))
        << missing;
    EXPECT_FAILS_WITH(plv7ctl({"-p", "9", "id"}), 100002, kOpenText);
    EXPECT_FAILS_WITH(plv7ctl({"-p", "/nonexistent/plv7-port", "-b", "1200", "id"}), 125001,
                      "Unzulässige Baudrate");
}

TEST(Plv7ctlPort, DriverRefusesBadAddressesAndRatesWithoutTraffic) {
    SimProcess sim({"--fault", "silence"});
    ASSERT_SIM_READY(sim);
    EXPECT_FAILS_WITH(plv7ctlOn(sim, {"-a", "A", "id"}), 400006, "Unzulässige Geräteadresse");
    EXPECT_FAILS_WITH(plv7ctlOn(sim, {"-a", "&", "mode"}), 400150, "Unzulässige Geräteadresse");
    EXPECT_FAILS_WITH(plv7ctlOn(sim, {"baud-set", "4800"}), 125170, "Unzulässige Baudrate");
    // The common address takes writes without waiting for an acknowledgement.
    EXPECT_PRINTS(plv7ctlOn(sim, {"-a", "&", "output", "1", "3"}), "");
}

TEST(Plv7ctlVanishingPort, CommandAfterTheTerminalWentFailsCleanly) {
    SimProcess sim({"--fault", "vanish:1"});
    ASSERT_SIM_READY(sim);
    EXPECT_PRINTS(plv7ctlOn(sim, {"id"}), "ORV-PLV7RS232B-V1.00\n");
    // This request finds the port gone; a long read time-out must not be waited out.
    const auto r = plv7ctlOn(sim, {"-t", "5", "id"});
    EXPECT_EQ(r.exitCode, 1) << r;
    EXPECT_EQ(r.out, "") << r;
    EXPECT_TRUE(r.err.starts_with("Fehler #")) << r;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r;
    EXPECT_LT(r.seconds, 2.0) << r;
    int simExit = -1;
    EXPECT_TRUE(sim.waitForExit(3.0, simExit)) << sim.errorOutput();
    EXPECT_EQ(simExit, 0);
    // The terminal is gone with the simulator, as a pulled adapter is.
    const auto gone = plv7ctlOn(sim, {"id"});
    EXPECT_EQ(gone.exitCode, 1) << gone;
    EXPECT_EQ(gone.err, sim.path() + kNotPluggedIn + "\n" + failureLine(100003, kOpenText)) << gone;
}

TEST(Plv7ctlVanishingPort, TransferCutOffMidwayEndsWithoutHanging) {
    SimProcess sim({"--vanish-after", "0.3"});
    ASSERT_SIM_READY(sim);
    // 4 KB at 9600 baud take about 8.5 s on the wire.
    const auto r = plv7ctlOn(sim, {"-t", "5", "mem-read", "0", "4096"});
    EXPECT_EQ(r.exitCode, 1) << r;
    EXPECT_EQ(r.out, "") << r;
    EXPECT_EQ(r.err, failureLine(404104, kWrongAnswerText)) << r;
    EXPECT_LT(r.seconds, 2.0) << r;
}

TEST(Plv7ctlVanishingPort, ScanWhoseTerminalGoesFailsAtOnce) {
    SimProcess sim({"--box", "1,baud=115200", "--vanish-after", "0.3"});
    ASSERT_SIM_READY(sim);
    // The sweep at 9600 baud outlasts the terminal: the first probe that finds it gone ends
    // the scan with its error, instead of sweeping on and failing to reopen at 19200.
    const auto r = plv7ctlOn(sim, {"-t", "0.1", "scan"});
    EXPECT_EQ(r.exitCode, 1) << r;
    EXPECT_EQ(r.out, "") << r;
    // No answer, or the flush before the next probe: whichever step met the hang-up.
    EXPECT_TRUE(r.err == failureLine(403012, "Keine Antwort vom Gerät") ||
                r.err.starts_with("Fehler #124148: "))
        << r;
    EXPECT_LT(r.seconds, 1.0) << r;
}

}  // namespace
}  // namespace plv7::testing
