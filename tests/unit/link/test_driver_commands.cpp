// Request bytes and answer decoding of every command of the box, against a scripted port.
#include <gtest/gtest.h>

#include "link/ScriptedPort.h"
#include "link/plv7Funktionen.h"

using namespace plv7::test;
using namespace std::string_literals;

namespace {

class DriverCommands : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(ORVPLV7_Open(1, 9600), 0); }
    void TearDown() override { plv7::closeAllPorts(); }
    void reply(const std::string& bytes) { fake.port->replies.push_back(bytes); }
    const std::string& written() const { return fake.port->written; }

    ScriptedPortFixture fake;
};

TEST_F(DriverCommands, Identification) {
    reply(ACK + "#1ORV-PLV7RS232B-V1.00\r"s);
    std::string id;
    EXPECT_EQ(ORVPLV7_IDLesen(1, '1', id), 0);
    EXPECT_EQ(written(), "#1IDR\r");
    EXPECT_EQ(id, "ORV-PLV7RS232B-V1.00");
}

TEST_F(DriverCommands, IdentificationOfTheLongestAllowedText) {
    const std::string text(26, 'X');
    reply(ACK + "#a"s + text + "\r");
    std::string id;
    EXPECT_EQ(ORVPLV7_IDLesen(1, 'a', id), 0);
    EXPECT_EQ(id, text);
}

TEST_F(DriverCommands, WriteCommandsSendExactFramesAndReadOnlyTheAck) {
    struct Case {
        std::function<int()> call;
        std::string frame;
    };
    const Case cases[] = {
        {[] { return ORVPLV7_BaudrateSchreiben(1, '2', 115200); }, "#2BRW115200\r"},
        {[] { return ORVPLV7_DeviceFunction(1, '1', "start"); }, "#1DF1\r"},
        {[] { return ORVPLV7_DeviceFunction(1, 'f', "stopp"); }, "#fDF2\r"},
        {[] { return ORVPLV7_AusgangSchreiben(1, '1', "a1", 10.0); }, "#1V1W10.000\r"},
        {[] { return ORVPLV7_AusgangSchreiben(1, '1', "a4", 0.0); }, "#1V4W0.000\r"},
        {[] { return ORVPLV7_AusgangSchreiben(1, '9', "a2", 4.9996); }, "#9V2W5.000\r"},
        {[] { return ORVPLV7_AusgangSchreiben(1, '9', "a3", 1.2344); }, "#9V3W1.234\r"},
        {[] { return ORVPLV7_ModusSchreiben(1, '1', 1, 0x104); }, "#1M1S04\r"},
        {[] { return ORVPLV7_ModusSchreiben(1, '1', 0, 0xFE); }, "#1M1CFE\r"},
    };
    for (const Case& c : cases) {
        fake.port->written.clear();
        reply(std::string(1, ACK) + "junk that is never read");
        EXPECT_EQ(c.call(), 0) << c.frame;
        EXPECT_EQ(written(), c.frame);
        EXPECT_EQ(fake.port->reads, 1) << c.frame;
        fake.port->reads = 0;
    }
}

TEST_F(DriverCommands, CommonAddressWritesWithoutReadingAnything) {
    const std::uint8_t data[] = {0x01};
    EXPECT_EQ(ORVPLV7_AusgangSchreiben(1, '&', "a1", 5.0), 0);
    EXPECT_EQ(ORVPLV7_DeviceFunction(1, '&', "start"), 0);
    EXPECT_EQ(ORVPLV7_ModusSchreiben(1, '&', 1, 0x04), 0);
    EXPECT_EQ(ORVPLV7_SpeicherSchreiben(1, '&', 4, 0, 1, data), 0);
    EXPECT_EQ(written(), "#&V1W5.000\r#&DF1\r#&M1S04\r#&BDW400000001010002\r");
    EXPECT_EQ(fake.port->reads, 0);
}

TEST_F(DriverCommands, OneInput) {
    reply(ACK + "#1V3R4.998\r"s);
    double volts = -1;
    EXPECT_EQ(ORVPLV7_EingangLesen(1, '1', "e3", volts), 0);
    EXPECT_EQ(written(), "#1V3R\r");
    EXPECT_DOUBLE_EQ(volts, 4.998);
}

TEST_F(DriverCommands, InputNumbersInOrdinaryNotation) {
    const std::pair<std::string, double> cases[] = {
        {"10", 10.0}, {"0.5", 0.5}, {"-0.012", -0.012}, {"12345678", 12345678.0}, {".5", 0.5}};
    for (const auto& [text, expected] : cases) {
        reply(ACK + "#1V1R"s + text + "\r");
        double volts = -1;
        EXPECT_EQ(ORVPLV7_EingangLesen(1, '1', "e1", volts), 0) << text;
        EXPECT_DOUBLE_EQ(volts, expected) << text;
    }
}

TEST_F(DriverCommands, ShortReadFramesAndDecoding) {
    // Mask 0: no pairs at all.
    reply("#1\r");
    std::array<double, 4> volts{9, 9, 9, 9};
    EXPECT_EQ(ORVPLV7_EingaengeLesenKurz_Senden(1, '1', 0), 0);
    EXPECT_EQ(ORVPLV7_EingaengeLesenKurz_Empfangen(1, '1', 0, volts), 0);
    EXPECT_EQ(written(), "#10\r");
    EXPECT_EQ(volts, (std::array<double, 4>{0, 0, 0, 0}));

    // Mask 0x0A: inputs 2 and 4; the high bit of each byte does not count.
    fake.port->written.clear();
    reply("#1\x4E\x10\xCE\x90\r");
    EXPECT_EQ(ORVPLV7_EingaengeLesenKurz_Senden(1, '1', 0x1A), 0);
    EXPECT_EQ(ORVPLV7_EingaengeLesenKurz_Empfangen(1, '1', 0x0A, volts), 0);
    EXPECT_EQ(written(), "#1A\r");
    EXPECT_EQ(volts, (std::array<double, 4>{0, 10.0, 0, 10.0}));

    // The largest value the pairs can carry.
    fake.port->written.clear();
    reply("#1\x7F\x7F\x00\x01\x00\x00\x01\x00\r"s);
    EXPECT_EQ(ORVPLV7_EingaengeLesenKurz_Senden(1, '1', 15), 0);
    EXPECT_EQ(ORVPLV7_EingaengeLesenKurz_Empfangen(1, '1', 15, volts), 0);
    EXPECT_EQ(written(), "#1F\r");
    EXPECT_EQ(volts, (std::array<double, 4>{16.383, 0.001, 0, 0.128}));
}

TEST_F(DriverCommands, ShortReadKeepsTheChannelsStoredBeforeAFailure) {
    reply("#1\x01\x00\x02"s);  // input 1 complete, input 2 cut off
    std::array<double, 4> volts{};
    ASSERT_EQ(ORVPLV7_EingaengeLesenKurz_Senden(1, '1', 3), 0);
    EXPECT_EQ(ORVPLV7_EingaengeLesenKurz_Empfangen(1, '1', 3, volts), -404053);
    EXPECT_DOUBLE_EQ(volts[0], 0.128);
}

TEST_F(DriverCommands, MemoryWriteFrames) {
    const std::uint8_t data[] = {0x12, 0xAB};
    reply(std::string(1, ACK));
    EXPECT_EQ(ORVPLV7_SpeicherSchreiben(1, '1', 4, 0x0040, 2, data), 0);
    EXPECT_EQ(written(), "#1BDW40040000212AB00BE\r");

    fake.port->written.clear();
    reply(std::string(1, ACK));
    EXPECT_EQ(ORVPLV7_SpeicherSchreiben(1, '1', 4, 0xFFFF, 0, nullptr), 0);
    EXPECT_EQ(written(), "#1BDW4FFFF00000001\r");

    // 64 bytes of 0xFF: the checksum wraps past 0xFFFF? 1 + 64*255 = 16321 = 0x3FC1.
    std::vector<std::uint8_t> block(64, 0xFF);
    fake.port->written.clear();
    reply(std::string(1, ACK));
    EXPECT_EQ(ORVPLV7_SpeicherSchreiben(1, 'b', 4, 0x7FC0, 64, block.data()), 0);
    EXPECT_EQ(written(), "#bBDW47FC00040" + std::string(128, 'F') + "3FC1\r");
    EXPECT_EQ(written().size(), 147u);
}

TEST_F(DriverCommands, MemoryReadDecodesDataInEitherCase) {
    reply(ACK + "#1BDR40040000212ab00be\r"s);
    std::uint8_t buffer[2] = {};
    EXPECT_EQ(ORVPLV7_SpeicherLesen(1, '1', 4, 0x40, 2, buffer), 0);
    EXPECT_EQ(written(), "#1BDR400400002\r");
    EXPECT_EQ(buffer[0], 0x12);
    EXPECT_EQ(buffer[1], 0xAB);

    // Lower-case echo of the header's hex fields is accepted too.
    reply(ACK + "#1BDR4abcd0001ff0100\r"s);
    EXPECT_EQ(ORVPLV7_SpeicherLesen(1, '1', 4, 0xABCD, 1, buffer), 0);
    EXPECT_EQ(buffer[0], 0xFF);
}

TEST_F(DriverCommands, MemoryChecksumWrapsModulo65536) {
    // 257 bytes of 0xFF sum to 1 + 65535 = 0x10000, which wraps to 0x0000.
    const long length = 257;
    std::string answer = ACK + "#1BDR400000101"s;
    answer += std::string(2 * length, 'F') + "0000\r";
    reply(answer);
    std::vector<std::uint8_t> buffer(length);
    EXPECT_EQ(ORVPLV7_SpeicherLesen(1, '1', 4, 0, length, buffer.data()), 0);
}

TEST_F(DriverCommands, StatusAndMode) {
    int value = -1;
    reply(ACK + "#1S1R$A5\r"s);
    EXPECT_EQ(ORVPLV7_StatusLesen(1, '1', 1, value), 0);
    EXPECT_EQ(value, 0xA5);
    reply(ACK + "#1S2R$1f\r"s);
    EXPECT_EQ(ORVPLV7_StatusLesen(1, '1', 2, value), 0);
    EXPECT_EQ(value, 0x1F);
    reply(ACK + "#1M1R$06\r"s);
    EXPECT_EQ(ORVPLV7_ModusLesen(1, '1', value), 0);
    EXPECT_EQ(value, 0x06);
    EXPECT_EQ(written(), "#1S1R\r#1S2R\r#1M1R\r");
}

TEST_F(DriverCommands, StaleBytesOfAnEarlierExchangeAreDiscarded) {
    fake.port->input = "#1IDRold-answer\r";
    reply(ACK + "#1ORV-PLV7RS232B-2\r"s);
    std::string id;
    EXPECT_EQ(ORVPLV7_IDLesen(1, '1', id), 0);
    EXPECT_EQ(id, "ORV-PLV7RS232B-2");
}

TEST(DriverLink, OpenChecksBaudBeforePortAndOpensWithTheRate) {
    ScriptedPortFixture fake;
    EXPECT_EQ(ORVPLV7_Open(9, 1200), -125001);
    EXPECT_EQ(ORVPLV7_Open(0, 9600), -100002);
    EXPECT_EQ(ORVPLV7_Open(9, 9600), -100002);
    for (long baud : {4800L, 9600L, 19200L, 38400L, 57600L, 115200L}) {
        EXPECT_EQ(ORVPLV7_Open(8, baud), 0);
        EXPECT_EQ(fake.port->openedBaud, baud);
    }
    EXPECT_EQ(ORVPLV7_Timeout(8, 0.5), 0);
    EXPECT_EQ(fake.port->timeout, 0.5);
    EXPECT_EQ(ORVPLV7_Close(8), 0);
    fake.port->fail.open = true;
    EXPECT_EQ(ORVPLV7_Open(1, 9600), -100003);
}

TEST(DriverLink, ClosingAndTimeoutOfAPortThatIsNotOpenFail) {
    ScriptedPortFixture fake;
    EXPECT_EQ(ORVPLV7_Close(3), -103004);
    EXPECT_EQ(ORVPLV7_Timeout(3, 0.5), -111005);
    ASSERT_EQ(ORVPLV7_Open(3, 9600), 0);
    fake.port->fail.close = true;
    EXPECT_EQ(ORVPLV7_Close(3), -103004);
    // The port is gone even when the platform's close failed.
    EXPECT_EQ(ORVPLV7_Close(3), -103004);
    EXPECT_EQ(FlushInOut(3), -124148);
}

TEST(DriverLink, HexDigits) {
    const std::string digits = "0123456789abcdefABCDEF";
    const int values[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                          11, 12, 13, 14, 15, 10, 11, 12, 13, 14, 15};
    for (std::size_t i = 0; i < digits.size(); ++i) EXPECT_EQ(Hexchar2Int(digits[i]), values[i]);
    for (char c : std::string("gG/:@`\0 \r", 9)) EXPECT_EQ(Hexchar2Int(c), -1) << int(c);
}

}  // namespace
