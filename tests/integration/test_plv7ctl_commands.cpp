// plv7ctl against plv7-sim on a pseudo-terminal through the Qt Serial Port backend: the
// commands that succeed, and what they print.
#include <gtest/gtest.h>
#include <langinfo.h>
#include <locale.h>

#include <cstdio>
#include <string>
#include <vector>

#include "CtlRun.h"

namespace plv7::testing {
namespace {

const std::string kBoxId = "ORV-PLV7RS232B-V1.00";

TEST(Plv7ctlIdentification, PrintsTheTextOfTheAddressedBox) {
    SimProcess sim({"--box", "1", "--box", "c,id=ORV-PLV7RS232B-X9.3"});
    ASSERT_SIM_READY(sim);
    EXPECT_PRINTS(plv7ctlOn(sim, {"id"}), kBoxId + "\n");
    EXPECT_PRINTS(plv7ctlOn(sim, {"-a", "c", "id"}), "ORV-PLV7RS232B-X9.3\n");
}

TEST(Plv7ctlIdentification, WithoutAPortTheBuiltInSimulatedBoxAnswers) {
    EXPECT_PRINTS(plv7ctl({"id"}), kBoxId + "\n");
    EXPECT_PRINTS(plv7ctl({"-p", "sim", "-b", "9600", "mode"}), "00\n");
    EXPECT_FAILS_WITH(plv7ctl({"-p", "sim", "-t", "0.1", "-a", "2", "id"}), 403012,
                      "Keine Antwort vom Gerät");
}

// Every input fed from the output of the same number.
struct Plv7ctlWiredBox : ::testing::Test {
    SimProcess sim{{"--input", "1=output", "--input", "2=output", "--input", "3=output", "--input",
                    "4=output"}};
    void SetUp() override {
        ASSERT_SIM_READY(sim);
        for (const auto& [n, volts] : std::vector<std::pair<std::string, std::string>>{
                 {"1", "2.5"}, {"2", "7.25"}, {"3", "0"}, {"4", "10"}}) {
            EXPECT_PRINTS(plv7ctlOn(sim, {"output", n, volts}), "");
        }
    }
};

TEST_F(Plv7ctlWiredBox, OutputsComeBackOnTheInputs) {
    EXPECT_PRINTS(plv7ctlOn(sim, {"input", "1"}), "2.500\n");
    EXPECT_PRINTS(plv7ctlOn(sim, {"input", "2"}), "7.250\n");
    EXPECT_PRINTS(plv7ctlOn(sim, {"input", "3"}), "0.000\n");
    EXPECT_PRINTS(plv7ctlOn(sim, {"input", "4"}), "10.000\n");
}

TEST_F(Plv7ctlWiredBox, ShortReadPrintsFourValuesAndZeroForUnselectedInputs) {
    EXPECT_PRINTS(plv7ctlOn(sim, {"inputs", "15"}), "2.500 7.250 0.000 10.000\n");
    EXPECT_PRINTS(plv7ctlOn(sim, {"inputs", "0x0A"}), "0.000 7.250 0.000 10.000\n");
    EXPECT_PRINTS(plv7ctlOn(sim, {"inputs", "1"}), "2.500 0.000 0.000 0.000\n");
    EXPECT_PRINTS(plv7ctlOn(sim, {"inputs", "0"}), "0.000 0.000 0.000 0.000\n");
}

TEST_F(Plv7ctlWiredBox, OutputEndsAreKeptAndBeyondThemNothingIsSent) {
    EXPECT_PRINTS(plv7ctlOn(sim, {"output", "1", "10.0"}), "");
    EXPECT_FAILS_WITH(plv7ctlOn(sim, {"output", "1", "10.0001"}), 500056,
                      "Parameter außerhalb der Grenzwerte");
    EXPECT_FAILS_WITH(plv7ctlOn(sim, {"output", "2", "-0.0001"}), 500057,
                      "Parameter außerhalb der Grenzwerte");
    EXPECT_PRINTS(plv7ctlOn(sim, {"inputs", "3"}), "10.000 7.250 0.000 0.000\n");
}

// A locale whose decimal separator is a comma, or empty when the machine has none.
std::string commaLocale() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "nl_NL.UTF-8"}) {
        const locale_t locale = newlocale(LC_ALL_MASK, name, nullptr);
        if (locale == nullptr) continue;
        const std::string radix = nl_langinfo_l(RADIXCHAR, locale);
        freelocale(locale);
        if (radix == ",") return name;
    }
    return {};
}

TEST_F(Plv7ctlWiredBox, VoltsUseADotUnderACommaLocale) {
    const std::string comma = commaLocale();
    if (comma.empty()) GTEST_SKIP() << "no locale with a decimal comma installed";
    for (const auto& environment : std::vector<std::map<std::string, std::string>>{
             {{"LC_ALL", comma}},
             {{"LC_ALL", ""}, {"LANG", "C"}, {"LC_NUMERIC", comma}},
         }) {
        SCOPED_TRACE(environment.begin()->first + "=" + environment.begin()->second);
        EXPECT_PRINTS(plv7ctlOn(sim, {"output", "3", "1.25"}, environment), "");
        EXPECT_PRINTS(plv7ctlOn(sim, {"input", "3"}, environment), "1.250\n");
        EXPECT_PRINTS(plv7ctlOn(sim, {"inputs", "15"}, environment), "2.500 7.250 1.250 10.000\n");
        // A comma is not read as the separator either.
        const auto comma_volts = plv7ctlOn(sim, {"output", "3", "1,5"}, environment);
        EXPECT_EQ(comma_volts.exitCode, 2) << comma_volts;
        EXPECT_PRINTS(plv7ctlOn(sim, {"input", "3"}, environment), "1.250\n");
    }
}

TEST(Plv7ctlStatusAndMode, BytesAsTwoUpperCaseHexDigits) {
    SimProcess sim({"--status1", "0a", "--status2", "1F", "--mode", "06"});
    ASSERT_SIM_READY(sim);
    EXPECT_PRINTS(plv7ctlOn(sim, {"status", "1"}), "0A\n");
    EXPECT_PRINTS(plv7ctlOn(sim, {"status", "2"}), "1F\n");
    EXPECT_PRINTS(plv7ctlOn(sim, {"mode"}), "06\n");
    EXPECT_PRINTS(plv7ctlOn(sim, {"mode-set", "0xA0"}), "");
    EXPECT_PRINTS(plv7ctlOn(sim, {"mode"}), "A6\n");
    EXPECT_PRINTS(plv7ctlOn(sim, {"mode-clear", "6"}), "");
    EXPECT_PRINTS(plv7ctlOn(sim, {"mode"}), "A0\n");
    EXPECT_PRINTS(plv7ctlOn(sim, {"start"}), "");
    EXPECT_PRINTS(plv7ctlOn(sim, {"stop"}), "");
}

std::string hexOf(const std::vector<unsigned char>& bytes, std::size_t from, std::size_t count) {
    std::string hex;
    char digits[3];
    for (std::size_t i = from; i < from + count; ++i) {
        std::snprintf(digits, sizeof digits, "%02X", bytes[i]);
        hex += digits;
    }
    return hex;
}

TEST(Plv7ctlMemory, KilobytesWrittenInBlocksReadBackUnchanged) {
    SimProcess sim({"--box", "1,baud=115200"});
    ASSERT_SIM_READY(sim);
    constexpr std::size_t kSize = 3 * 1024;
    constexpr std::size_t kBlock = 64;
    constexpr long kStart = 0x1000;
    std::vector<unsigned char> image(kSize);
    for (std::size_t i = 0; i < kSize; ++i) image[i] = static_cast<unsigned char>(i * 7 + i / 256);

    for (std::size_t at = 0; at < kSize; at += kBlock) {
        const auto r = plv7ctlOn(sim, {"-b", "115200", "mem-write", std::to_string(kStart + at),
                                       hexOf(image, at, kBlock)});
        ASSERT_EQ(r.exitCode, 0) << "block at " << at << "\n" << r;
    }
    // Block by block at a few places, across block borders, and all of it in one request.
    for (std::size_t at : {std::size_t{0}, std::size_t{32}, std::size_t{1000}, kSize - kBlock}) {
        EXPECT_PRINTS(plv7ctlOn(sim, {"-b", "115200", "mem-read", std::to_string(kStart + at),
                                      std::to_string(kBlock)}),
                      hexOf(image, at, kBlock) + "\n");
    }
    EXPECT_PRINTS(plv7ctlOn(sim, {"-b", "115200", "mem-read", "0x1000", std::to_string(kSize)}),
                  hexOf(image, 0, kSize) + "\n");
}

TEST(Plv7ctlScan, ListsBoxesAndForeignDevicesByAddress) {
    SimProcess sim({"--box", "7", "--box", "2", "--foreign", "4,id=ACME-METER-3"});
    ASSERT_SIM_READY(sim);
    EXPECT_PRINTS(plv7ctlOn(sim, {"-t", "0.1", "scan"}),
                  "2 9600 " + kBoxId + "\n4 9600 ACME-METER-3\n7 9600 " + kBoxId + "\n");
}

TEST(Plv7ctlScan, FindsABoxAtAHigherRateWhateverRateItStartsFrom) {
    SimProcess sim({"--box", "9,baud=38400"});
    ASSERT_SIM_READY(sim);
    const auto r = plv7ctlOn(sim, {"-t", "0.1", "-b", "115200", "scan"});
    EXPECT_PRINTS(r, "9 38400 " + kBoxId + "\n");
    // Two silent sweeps of nine addresses at the given read time-out, not the default one.
    EXPECT_LT(r.seconds, 5.0) << r;
}

TEST(Plv7ctlScan, SilentLinePrintsNothing) {
    SimProcess sim({"--fault", "silence"});
    ASSERT_SIM_READY(sim);
    EXPECT_PRINTS(plv7ctlOn(sim, {"-t", "0.02", "scan"}), "");
}

TEST(Plv7ctlBaudChange, BoxAnswersOnlyAtItsNewRate) {
    SimProcess sim({});
    ASSERT_SIM_READY(sim);
    EXPECT_PRINTS(plv7ctlOn(sim, {"baud-set", "19200"}), "");
    EXPECT_FAILS_WITH(plv7ctlOn(sim, {"-t", "0.1", "id"}), 403012, "Keine Antwort vom Gerät");
    EXPECT_PRINTS(plv7ctlOn(sim, {"-t", "0.1", "scan"}), "1 19200 " + kBoxId + "\n");
    EXPECT_PRINTS(plv7ctlOn(sim, {"-b", "19200", "id"}), kBoxId + "\n");
    EXPECT_PRINTS(plv7ctlOn(sim, {"-b", "19200", "baud-set", "115200"}), "");
    EXPECT_PRINTS(plv7ctlOn(sim, {"-b", "115200", "id"}), kBoxId + "\n");
}

}  // namespace
}  // namespace plv7::testing
