#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SimOptions.h"

namespace plv7::sim {
namespace {

bool parse(std::vector<std::string_view> arguments, SimOptions& options) {
    std::string error;
    const bool ok = parseSimOptions(arguments, options, error);
    EXPECT_EQ(ok, error.empty()) << error;
    return ok;
}

TEST(SimOptions, DefaultIsOneBoxAtAddressOne) {
    SimOptions options;
    ASSERT_TRUE(parse({}, options));
    Line line;
    buildLine(options, line);
    ASSERT_EQ(line.boxes().size(), 1u);
    EXPECT_EQ(line.boxes()[0]->address(), '1');
    EXPECT_EQ(line.boxes()[0]->baud(), 9600);
    EXPECT_EQ(line.latency(), 0.0);
}

TEST(SimOptions, FullCommandLineBuildsTheLine) {
    SimOptions options;
    ASSERT_TRUE(parse({"--box",
                       "2,id=ORV-PLV7RS232B-V3.10,baud=19200",
                       "--box=c",
                       "--foreign",
                       "5,id=OTHER",
                       "--input",
                       "1=const:2.5",
                       "--input",
                       "2=sine:1.5:10",
                       "--input=3=ramp:4",
                       "--input",
                       "4=noise:0.2",
                       "--fault",
                       "nak:3",
                       "--fault",
                       "slow",
                       "--status1",
                       "0F",
                       "--status2",
                       "a",
                       "--mode",
                       "04",
                       "--busy",
                       "--latency",
                       "2.5",
                       "--slow-delay",
                       "100",
                       "--vanish-after",
                       "30",
                       "--link",
                       "/tmp/plv7"},
                      options));
    EXPECT_EQ(options.link, "/tmp/plv7");
    EXPECT_EQ(options.vanishAfter, 30.0);
    Line line;
    buildLine(options, line);
    ASSERT_EQ(line.boxes().size(), 3u);
    const Box* box = line.box('2');
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->identification(), "ORV-PLV7RS232B-V3.10");
    EXPECT_EQ(box->baud(), 19200);
    EXPECT_EQ(box->inputSource(1).kind, InputKind::Constant);
    EXPECT_EQ(box->inputSource(2).period, 10.0);
    EXPECT_EQ(box->inputSource(3).kind, InputKind::Ramp);
    EXPECT_EQ(box->inputSource(4).amplitude, 0.2);
    EXPECT_EQ(box->status(1), 0x0F);
    EXPECT_EQ(box->status(2), 0x0A);
    EXPECT_EQ(box->mode(), 0x04);
    EXPECT_TRUE(box->busy());
    EXPECT_TRUE(line.box('5')->foreign());
    EXPECT_FALSE(line.box('5')->busy());
    EXPECT_EQ(line.box('c')->identification(), Box::kDefaultIdentification);
    EXPECT_DOUBLE_EQ(line.latency(), 0.0025);
    EXPECT_DOUBLE_EQ(line.slowDelay(), 0.1);
    EXPECT_FALSE(line.faults().empty());
}

TEST(SimOptions, BadOptionsAreRefused) {
    const std::vector<std::vector<std::string_view>> bad = {
        {"--box", "A"},
        {"--box", "1,baud=1234"},
        {"--box", "1,id=has blank"},
        {"--box", "1", "--box", "1"},
        {"--box", "1,colour=red"},
        {"--foreign", "3"},
        {"--fault", "bogus"},
        {"--fault", "nak:0"},
        {"--fault", "nak:x"},
        {"--input", "5=output"},
        {"--input", "1=sine:1"},
        {"--input", "1=ramp:0"},
        {"--input", "1"},
        {"--status1", "123"},
        {"--mode", "G0"},
        {"--latency", "-1"},
        {"--latency", "1,5"},
        {"--vanish-after", "soon"},
        {"--link", ""},
        {"--frobnicate"},
        {"--box"},
    };
    for (const auto& arguments : bad) {
        SimOptions options;
        std::string error;
        EXPECT_FALSE(parseSimOptions(arguments, options, error)) << arguments[0];
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
}  // namespace plv7::sim
