#include <gtest/gtest.h>

#include <string>

#include "Box.h"

namespace plv7::sim {
namespace {

const std::string kAck = "\x06";
const std::string kNak = "\x15";

// Feeds a request byte by byte as the line would and returns the box's reply bytes.
std::string ask(Box& box, const std::string& request, double seconds = 0.0) {
    std::optional<Request> complete;
    for (char c : request)
        if (auto r = box.receive(static_cast<std::uint8_t>(c))) complete = r;
    if (!complete || !box.isAddressedBy(*complete)) return "<none>";
    return box.execute(*complete, seconds).bytes();
}

TEST(SimBox, IdentificationAnswer) {
    Box box('1');
    EXPECT_EQ(ask(box, "#1IDR\r"), kAck + "#1ORV-PLV7RS232B-V1.00\r");
    ASSERT_TRUE(box.setIdentification("ORV-PLV7RS232B-V9.99-ABCDE"));  // 26 characters
    EXPECT_EQ(ask(box, "#1IDR\r"), kAck + "#1ORV-PLV7RS232B-V9.99-ABCDE\r");
    EXPECT_FALSE(box.setIdentification("ORV-PLV7RS232B-V9.99-ABCDEF"));
    EXPECT_FALSE(box.setIdentification("ORV PLV7"));
    EXPECT_FALSE(box.setIdentification(""));
    EXPECT_FALSE(box.setIdentification("ID\r"));
    EXPECT_EQ(box.identification(), "ORV-PLV7RS232B-V9.99-ABCDE");
}

TEST(SimBox, OutputWriteIsReadBackThroughAWiredInput) {
    Box box('a');
    EXPECT_EQ(ask(box, "#aV2W4.998\r"), kAck);
    EXPECT_EQ(box.outputMillivolts(2), 4998);
    EXPECT_EQ(ask(box, "#aV2R\r"), kAck + "#aV2R4.998\r");
    EXPECT_EQ(ask(box, "#aV4W10.000\r"), kAck);
    const std::string full = ask(box, "#aV4R\r");
    EXPECT_EQ(full, kAck + "#aV4R10.000\r");
    EXPECT_LE(full.size() - 1, 14u);
    EXPECT_EQ(ask(box, "#aV1R\r"), kAck + "#aV1R0.000\r");
}

TEST(SimBox, OutputWriteRefusesValuesItCannotTake) {
    Box box('1');
    for (const char* value : {"10.001", "-1.000", "5.0001", "", "5.", ".5", "1e1", "+1.000", "123"})
        EXPECT_EQ(ask(box, std::string("#1V1W") + value + "\r"), kNak) << value;
    EXPECT_EQ(box.outputMillivolts(1), 0);
    EXPECT_EQ(ask(box, "#1V1W7\r"), kAck);  // fewer decimals still mean volts
    EXPECT_EQ(box.outputMillivolts(1), 7000);
    EXPECT_EQ(ask(box, "#1V5W1.000\r"), kNak);
}

TEST(SimBox, ShortReadSendsSevenBitPairsWithoutAck) {
    Box box('1');
    box.setInputSource(2, {InputKind::Constant, 10.0});
    box.setInputSource(4, {InputKind::Constant, 4.998});
    EXPECT_EQ(ask(box, "#10\r"), "#1\r");
    // 10000 mV = 78 * 128 + 16; 4998 mV = 39 * 128 + 6
    EXPECT_EQ(ask(box, "#1A\r"), std::string("#1\x4E\x10\x27\x06\r"));
    EXPECT_EQ(ask(box, "#1a\r"), ask(box, "#1A\r"));
    EXPECT_EQ(ask(box, "#1F\r").size(), 2u + 8u + 1u);
    EXPECT_EQ(ask(box, "#1G\r"), kNak);
}

TEST(SimBox, StatusAndModeBytes) {
    Box box('1');
    box.setStatus(1, 0x0A);
    box.setStatus(2, 0x1F);
    EXPECT_EQ(ask(box, "#1S1R\r"), kAck + "#1S1R$0A\r");
    EXPECT_EQ(ask(box, "#1S2R\r"), kAck + "#1S2R$1F\r");
    EXPECT_EQ(ask(box, "#1S3R\r"), kNak);
    EXPECT_EQ(ask(box, "#1M1R\r"), kAck + "#1M1R$00\r");
    EXPECT_EQ(ask(box, "#1M1S06\r"), kAck);
    EXPECT_EQ(ask(box, "#1M1C02\r"), kAck);
    EXPECT_EQ(box.mode(), 0x04);
    EXPECT_EQ(ask(box, "#1M1Sf0\r"), kAck);  // lower-case hex
    EXPECT_EQ(ask(box, "#1M1R\r"), kAck + "#1M1R$F4\r");
    EXPECT_EQ(ask(box, "#1M1S1\r"), kNak);
    EXPECT_EQ(ask(box, "#1M1SXY\r"), kNak);
}

TEST(SimBox, MemoryWriteAndReadBack) {
    Box box('1');
    EXPECT_EQ(ask(box, "#1BDW40040000212AB00BE\r"), kAck);
    EXPECT_EQ(box.memory()[0x40], 0x12);
    EXPECT_EQ(box.memory()[0x41], 0xAB);
    EXPECT_EQ(ask(box, "#1BDR400400002\r"), kAck + "#1BDR40040000212AB00BE\r");
    EXPECT_EQ(ask(box, "#1BDR400000000\r"), kAck + "#1BDR4000000000001\r");
    EXPECT_EQ(ask(box, "#1BDW4001000000001\r"), kAck);    // an empty block
    EXPECT_EQ(ask(box, "#1BDW400420001ff0100\r"), kAck);  // lower case, checksum wraps
    EXPECT_EQ(box.memory()[0x42], 0xFF);
}

TEST(SimBox, MemoryRefusesBadChecksumRangeTypeAndLength) {
    Box box('1');
    EXPECT_EQ(ask(box, "#1BDW40040000212AB00BF\r"), kNak);
    EXPECT_EQ(box.memory()[0x40], 0);
    EXPECT_EQ(ask(box, "#1BDW47FFF00021200FF14\r"), kNak);    // past the end
    EXPECT_EQ(ask(box, "#1BDW47FFE0002120000FF14\r"), kNak);  // one data byte too many
    EXPECT_EQ(ask(box, "#1BDW47FFE000212000013\r"), kAck);    // the last two bytes
    EXPECT_EQ(ask(box, "#1BDW30040000212AB00BE\r"), kNak);    // type 3
    EXPECT_EQ(ask(box, "#1BDR47FFF0002\r"), kNak);
    EXPECT_EQ(ask(box, "#1BDR480000000\r"), kAck + "#1BDR4800000000001\r");
    EXPECT_EQ(ask(box, "#1BDR380000000\r"), kNak);
    EXPECT_EQ(ask(box, "#1BDR4004000\r"), kNak);
    EXPECT_EQ(ask(box, "#1BDR40040000G\r"), kNak);
}

TEST(SimBox, BaudChangeStartAndStop) {
    Box box('1');
    EXPECT_EQ(ask(box, "#1BRW4800\r"), kNak);
    EXPECT_EQ(ask(box, "#1BRW12345\r"), kNak);
    EXPECT_EQ(ask(box, "#1BRW\r"), kNak);
    EXPECT_EQ(box.baud(), 9600);
    EXPECT_EQ(ask(box, "#1BRW115200\r"), kAck);
    EXPECT_EQ(box.baud(), 115200);
    EXPECT_EQ(ask(box, "#1DF1\r"), kAck);
    EXPECT_TRUE(box.running());
    EXPECT_EQ(ask(box, "#1DF2\r"), kAck);
    EXPECT_FALSE(box.running());
    EXPECT_EQ(ask(box, "#1DF3\r"), kNak);
}

TEST(SimBox, CommonAddressCarriesOutTheFourWritesSilently) {
    Box box('3');
    EXPECT_EQ(ask(box, "#&V3W2.500\r"), "");
    EXPECT_EQ(ask(box, "#&BDW40040000212AB00BE\r"), "");
    EXPECT_EQ(ask(box, "#&M1S04\r"), "");
    EXPECT_EQ(ask(box, "#&DF1\r"), "");
    EXPECT_EQ(box.outputMillivolts(3), 2500);
    EXPECT_EQ(box.memory()[0x41], 0xAB);
    EXPECT_EQ(box.mode(), 0x04);
    EXPECT_TRUE(box.running());
    // Reads and the baud change do not take the common address; bad frames get no NAK.
    EXPECT_EQ(ask(box, "#&IDR\r"), "");
    EXPECT_EQ(ask(box, "#&BRW19200\r"), "");
    EXPECT_EQ(ask(box, "#&F\r"), "");
    EXPECT_EQ(ask(box, "#&XYZ\r"), "");
    EXPECT_EQ(box.baud(), 9600);
}

TEST(SimBox, FramesForOthersAreIgnoredAndBadOnesRefused) {
    Box box('1');
    EXPECT_EQ(ask(box, "#2IDR\r"), "<none>");
    EXPECT_EQ(ask(box, "#AIDR\r"), "<none>");
    EXPECT_EQ(ask(box, "#\r"), "<none>");
    for (const char* bad : {"#1\r", "#1XYZ\r", "#1IDRX\r", "#1idr\r", "#1V5R\r", "#1V1\r"})
        EXPECT_EQ(ask(box, bad), kNak) << bad;
}

TEST(SimBox, ReceiverResynchronisesAndRefusesOverlongRequests) {
    Box box('1');
    EXPECT_EQ(ask(box, "xx\r#1I#1IDR\r"), kAck + "#1ORV-PLV7RS232B-V1.00\r");
    // The line carries seven data bits: a byte with the top bit set reads without it.
    EXPECT_EQ(ask(box, std::string("\xA3") + "1M1R\r"), kAck + "#1M1R$00\r");
    std::string overlong = "#1BDW400000041";
    overlong += std::string(2 * 65 + 4, '0');
    EXPECT_EQ(ask(box, overlong + "\r"), kNak);
    EXPECT_EQ(ask(box, "#1IDR\r").substr(0, 3), kAck + "#1");
}

TEST(SimBox, BusyAnswersCanAndCarriesOutNothing) {
    Box box('1');
    box.setBusy(true);
    EXPECT_EQ(ask(box, "#1IDR\r"), "\x18");
    EXPECT_EQ(ask(box, "#1F\r"), "\x18");
    EXPECT_EQ(ask(box, "#1V1W1.000\r"), "\x18");
    EXPECT_EQ(ask(box, "#&V1W1.000\r"), "");
    EXPECT_EQ(box.outputMillivolts(1), 0);
}

TEST(SimBox, ForeignDeviceOnlyTellsItsName) {
    Box device('5');
    device.setForeign(true);
    ASSERT_TRUE(device.setIdentification("XYZ-METER-2"));
    EXPECT_EQ(ask(device, "#5IDR\r"), kAck + "#5XYZ-METER-2\r");
    EXPECT_EQ(ask(device, "#5V1R\r"), kNak);
    EXPECT_EQ(ask(device, "#&V1W1.000\r"), "");
    EXPECT_EQ(device.outputMillivolts(1), 0);
}

TEST(SimBox, InputSourcesStayWithinTheRange) {
    std::uint32_t noise = 1;
    EXPECT_EQ(inputMillivolts({InputKind::Constant, 12.0}, 0, 0.0, noise), 10000);
    EXPECT_EQ(inputMillivolts({InputKind::Constant, -1.0}, 0, 0.0, noise), 0);
    const InputSource ramp{InputKind::Ramp, 0.0, 0.0, 4.0};
    EXPECT_EQ(inputMillivolts(ramp, 0, 0.0, noise), 0);
    EXPECT_EQ(inputMillivolts(ramp, 0, 2.0, noise), 5000);
    EXPECT_EQ(inputMillivolts(ramp, 0, 5.0, noise), 2500);
    const InputSource sine{InputKind::Sine, 0.0, 2.0, 4.0};
    EXPECT_EQ(inputMillivolts(sine, 0, 0.0, noise), 5000);
    EXPECT_EQ(inputMillivolts(sine, 0, 1.0, noise), 7000);
    EXPECT_EQ(inputMillivolts({InputKind::Sine, 0.0, 8.0, 4.0}, 0, 3.0, noise), 0);
    const InputSource jitter{InputKind::Noise, 0.0, 0.5, 1.0};
    bool varied = false;
    const int first = inputMillivolts(jitter, 3000, 0.0, noise);
    for (int i = 0; i < 200; ++i) {
        const int value = inputMillivolts(jitter, 3000, 0.0, noise);
        EXPECT_GE(value, 2500);
        EXPECT_LE(value, 3500);
        varied = varied || value != first;
    }
    EXPECT_TRUE(varied);
}

}  // namespace
}  // namespace plv7::sim
