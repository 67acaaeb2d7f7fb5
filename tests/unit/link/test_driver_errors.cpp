// Every failure code of the command set, reached through a scripted port.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>

#include "link/ScriptedPort.h"
#include "link/plv7Funktionen.h"

using namespace plv7::test;
using namespace std::string_literals;

namespace {

std::uint8_t gBuffer[70000];
std::array<double, 4> gVolts;
std::string gId;
int gValue;

// One command with the codes it reports at each step of the transaction.
struct Command {
    const char* name;
    std::function<int(char address)> call;
    char refusedAddress;
    int address, flushIn, flushOut, writeFailed, notAllWritten, nak, can, noAck, otherByte;
    int answerByteMissing;  // 0: the command reads no answer
    std::string cutAnswer;  // an answer that stops before its CR
};

const std::vector<Command>& commands() {
    static const std::vector<Command> list = {
        {"IDLesen", [](char a) { return ORVPLV7_IDLesen(1, a, gId); }, '&', -400006, -124148,
         -123149, -101008, -114009, -402010, -405011, -403012, -404013, -404014, "#1ORV"},
        {"BaudrateSchreiben", [](char a) { return ORVPLV7_BaudrateSchreiben(1, a, 9600); }, '&',
         -400169, -124148, -123149, -101172, -101173, -402174, -405175, -403176, -404177, 0, ""},
        {"DeviceFunction", [](char a) { return ORVPLV7_DeviceFunction(1, a, "stopp"); }, 'A',
         -400034, -124148, -123149, -101037, -101038, -402039, -405040, -403041, -404042, 0, ""},
        {"EingangLesen", [](char a) { return ORVPLV7_EingangLesen(1, a, "e2", gVolts[0]); }, '&',
         -400043, -112046, -112046, -101047, -114048, -402049, -405050, -403051, -404052, -404053,
         "#1V2R1.0"},
        {"AusgangSchreiben", [](char a) { return ORVPLV7_AusgangSchreiben(1, a, "a1", 1.0); }, 'A',
         -400055, -112062, -112062, -101063, -101064, -402065, -405066, -403067, -404068, 0, ""},
        {"SpeicherLesen", [](char a) { return ORVPLV7_SpeicherLesen(1, a, 4, 0, 1, gBuffer); }, '&',
         -400092, -124148, -123149, -101097, -114098, -402099, -405100, -403101, -404102, -404104,
         "#1BDR4000"},
        {"SpeicherSchreiben",
         [](char a) { return ORVPLV7_SpeicherSchreiben(1, a, 4, 0, 1, gBuffer); }, 'F', -400118,
         -124148, -123149, -101125, -101126, -402127, -405128, -403129, -404130, 0, ""},
        {"StatusLesen", [](char a) { return ORVPLV7_StatusLesen(1, a, 2, gValue); }, '&', -400135,
         -124148, -123149, -101138, -114139, -402140, -405141, -403142, -404143, -404144, "#1S"},
        {"ModusLesen", [](char a) { return ORVPLV7_ModusLesen(1, a, gValue); }, '&', -400150,
         -124148, -123149, -101152, -114153, -402154, -405155, -403156, -404157, -404158, "#1M1R$"},
        {"ModusSchreiben", [](char a) { return ORVPLV7_ModusSchreiben(1, a, 1, 4); }, 'A', -400160,
         -112162, -112162, -101163, -101164, -402165, -405166, -403167, -404168, 0, ""},
    };
    return list;
}

class DriverErrors : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(ORVPLV7_Open(1, 9600), 0); }
    void TearDown() override { plv7::closeAllPorts(); }
    ScriptedPort& port() { return *fake.port; }
    void reply(const std::string& bytes) { port().replies.push_back(bytes); }

    ScriptedPortFixture fake;
};

TEST_F(DriverErrors, EveryStepOfTheTransactionHasItsCode) {
    for (const Command& c : commands()) {
        SCOPED_TRACE(c.name);
        port().written.clear();
        EXPECT_EQ(c.call(c.refusedAddress), c.address);
        EXPECT_EQ(c.call('0'), c.address);
        EXPECT_EQ(port().written, "") << "nothing is sent for a refused address";

        port().fail.flushInput = true;
        EXPECT_EQ(c.call('1'), c.flushIn);
        port().fail.flushInput = false;
        port().fail.flushOutput = true;
        EXPECT_EQ(c.call('1'), c.flushOut);
        port().fail.flushOutput = false;

        port().fail.writeResult = -1;
        EXPECT_EQ(c.call('1'), c.writeFailed);
        port().fail.writeResult = 3;
        EXPECT_EQ(c.call('1'), c.notAllWritten);
        port().fail.writeResult = -2;

        reply(std::string(1, NAK));
        EXPECT_EQ(c.call('1'), c.nak);
        reply(std::string(1, CAN));
        EXPECT_EQ(c.call('1'), c.can);
        EXPECT_EQ(c.call('1'), c.noAck);
        reply("#");
        EXPECT_EQ(c.call('1'), c.otherByte);
        if (c.answerByteMissing != 0) {
            reply(ACK + c.cutAnswer);
            EXPECT_EQ(c.call('1'), c.answerByteMissing);
        }
        port().replies.clear();
    }
}

TEST_F(DriverErrors, AStuckOutputQueueFailsTheWriteInsteadOfHanging) {
    port().fail.queueLength = 5;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ORVPLV7_AusgangSchreiben(1, '1', "a1", 1.0), -101063);
    EXPECT_EQ(ORVPLV7_EingaengeLesenKurz_Empfangen(1, '1', 1, gVolts), -101047);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    port().fail.queueLength = -1;
    EXPECT_EQ(ORVPLV7_ModusLesen(1, '1', gValue), -101152);
}

TEST_F(DriverErrors, ArgumentsAreCheckedBeforeAnythingIsSent) {
    EXPECT_EQ(ORVPLV7_BaudrateSchreiben(1, '1', 4800), -125170);
    EXPECT_EQ(ORVPLV7_BaudrateSchreiben(1, '1', 9601), -125170);
    EXPECT_EQ(ORVPLV7_DeviceFunction(1, '1', "Start"), -401035);
    EXPECT_EQ(ORVPLV7_DeviceFunction(1, '1', ""), -401035);
    EXPECT_EQ(ORVPLV7_EingangLesen(1, '1', "e5", gVolts[0]), -401044);
    EXPECT_EQ(ORVPLV7_EingangLesen(1, '1', "a1", gVolts[0]), -401044);
    EXPECT_EQ(ORVPLV7_AusgangSchreiben(1, '1', "a1", 10.0001), -500056);
    EXPECT_EQ(ORVPLV7_AusgangSchreiben(1, '1', "a1", -0.0001), -500056);
    EXPECT_EQ(ORVPLV7_AusgangSchreiben(1, '1', "a2", 11), -500057);
    EXPECT_EQ(ORVPLV7_AusgangSchreiben(1, '1', "a3", std::nan("")), -500058);
    EXPECT_EQ(ORVPLV7_AusgangSchreiben(1, '1', "a4", 1e300), -500059);
    EXPECT_EQ(ORVPLV7_AusgangSchreiben(1, '1', "a5", 99), -401060);
    EXPECT_EQ(ORVPLV7_SpeicherLesen(1, '1', 4, -1, 1, gBuffer), -894093);
    EXPECT_EQ(ORVPLV7_SpeicherLesen(1, '1', 4, 0x10000, 1, gBuffer), -894093);
    EXPECT_EQ(ORVPLV7_SpeicherLesen(1, '1', 4, 0, 0, gBuffer), -895094);
    // The four-digit length field cannot carry 65536.
    EXPECT_EQ(ORVPLV7_SpeicherLesen(1, '1', 4, 0, 0x10000, gBuffer), -895094);
    EXPECT_EQ(ORVPLV7_SpeicherLesen(1, '1', 3, 0, 1, gBuffer), -896095);
    EXPECT_EQ(ORVPLV7_SpeicherLesen(1, '1', 4, 0, 1, nullptr), -600103);
    EXPECT_EQ(ORVPLV7_SpeicherSchreiben(1, '1', 4, 0x10000, 1, gBuffer), -894119);
    EXPECT_EQ(ORVPLV7_SpeicherSchreiben(1, '1', 4, 0, 65, gBuffer), -895120);
    EXPECT_EQ(ORVPLV7_SpeicherSchreiben(1, '1', 4, 0, -1, gBuffer), -895120);
    EXPECT_EQ(ORVPLV7_SpeicherSchreiben(1, '1', 5, 0, 1, gBuffer), -896121);
    EXPECT_EQ(ORVPLV7_StatusLesen(1, '1', 3, gValue), -401136);
    EXPECT_EQ(ORVPLV7_StatusLesen(1, '1', 0, gValue), -401136);
    EXPECT_EQ(port().written, "");
}

TEST_F(DriverErrors, WrongIdentificationAnswers) {
    for (const std::string& answer : std::vector<std::string>{
             "#2ORV\r", "*1ORV\r", "#1\r", "#1ORV PLV\r", "#1" + std::string(27, 'X')}) {
        reply(ACK + answer);
        EXPECT_EQ(ORVPLV7_IDLesen(1, '1', gId), -404015) << answer;
    }
}

TEST_F(DriverErrors, WrongInputAnswers) {
    for (const std::string& answer : std::vector<std::string>{
             "#1V2R\r", "#1V1R1.0\r", "#1V2W1.0\r", "#2V2R1.0\r", "#1V2R1,0\r", "#1V2R1e3\r",
             "#1V2Rnan\r", "#1V2R1.2.3\r", "#1V2R-\r", "#1V2R123456789"}) {
        reply(ACK + answer);
        EXPECT_EQ(ORVPLV7_EingangLesen(1, '1', "e2", gVolts[0]), -404054) << answer;
    }
}

TEST_F(DriverErrors, WrongShortReadAnswers) {
    const std::pair<std::string, int> cases[] = {{std::string(1, NAK), -402049},
                                                 {std::string(1, CAN), -405050},
                                                 {"", -403051},
                                                 {std::string(1, ACK), -404052},
                                                 {"#", -403051},
                                                 {"#2\x01\x02\r", -404052},
                                                 {"#1\x01", -404053},
                                                 {"#1\x01\x02", -403051},
                                                 {"#1\x01\x02x", -404052}};
    for (const auto& [answer, code] : cases) {
        ASSERT_EQ(ORVPLV7_EingaengeLesenKurz_Senden(1, '1', 1), 0);
        port().input = answer;
        EXPECT_EQ(ORVPLV7_EingaengeLesenKurz_Empfangen(1, '1', 1, gVolts), code) << answer;
    }
    EXPECT_EQ(ORVPLV7_EingaengeLesenKurz_Senden(1, 'A', 1), -400043);
    EXPECT_EQ(ORVPLV7_EingaengeLesenKurz_Empfangen(1, '&', 1, gVolts), -400043);
    port().fail.flushInput = true;
    EXPECT_EQ(ORVPLV7_EingaengeLesenKurz_Senden(1, '1', 1), -112046);
    port().fail.flushInput = false;
    port().fail.writeResult = -1;
    EXPECT_EQ(ORVPLV7_EingaengeLesenKurz_Senden(1, '1', 1), -101047);
    port().fail.writeResult = 2;
    EXPECT_EQ(ORVPLV7_EingaengeLesenKurz_Senden(1, '1', 1), -114048);
}

TEST_F(DriverErrors, WrongMemoryAnswers) {
    // A good answer for two bytes 0x12 0xAB at 0x0040 is "#1BDR40040000212AB00BE\r".
    const std::pair<std::string, int> cases[] = {
        {"#1BDR40040000212AB00BEX", -404105},  // full length without CR
        {"#1BDR40040000212AB\r", -404106},
        {"#1BDR40040000312AB00BE\r", -404107},  // other length echoed
        {"#1BDR40041000212AB00BE\r", -404107},  // other start echoed
        {"#1BDR30040000212AB00BE\r", -404107},  // other type
        {"#2BDR40040000212AB00BE\r", -404107},
        {"#1BDW40040000212AB00BE\r", -404107},
        {"#1BDR40040000212xB00BE\r", -404108},
        {"#1BDR400400002123B00BE\r", -406114},  // other data, same checksum field
        {"#1BDR40040000212AB-0BE\r", -404110},
        {"#1BDR40040000212AB0-BE\r", -404111},
        {"#1BDR40040000212AB00-E\r", -404112},
        {"#1BDR40040000212AB00B-\r", -404113},
        {"#1BDR40040000212AB00BF\r", -406114},
        {"#1BDR40040000212Ag00BE\r", -404109},
    };
    for (const auto& [answer, code] : cases) {
        reply(ACK + answer);
        EXPECT_EQ(ORVPLV7_SpeicherLesen(1, '1', 4, 0x40, 2, gBuffer), code) << answer;
    }
}

TEST_F(DriverErrors, WrongStatusAndModeAnswers) {
    const std::pair<std::string, int> status2[] = {
        {"#1S1R$00\r", -404147}, {"#1S2R$0G\r", -404145}, {"#1S2W$00\r", -404145},
        {"#2S2R$00\r", -404145}, {"#1S2R00\r", -404145},  {"#1S2R$000\r", -404145},
        {"#1T2R$00\r", -404145}};
    for (const auto& [answer, code] : status2) {
        reply(ACK + answer);
        EXPECT_EQ(ORVPLV7_StatusLesen(1, '1', 2, gValue), code) << answer;
    }
    reply(ACK + "#1S2R$00\r"s);
    EXPECT_EQ(ORVPLV7_StatusLesen(1, '1', 1, gValue), -404146);
    for (const std::string& answer :
         std::vector<std::string>{"#1M2R$00\r", "#1M1R$0\r", "#1M1S$00\r", "#1M1R#00\r"}) {
        reply(ACK + answer);
        EXPECT_EQ(ORVPLV7_ModusLesen(1, '1', gValue), -404159) << answer;
    }
}

TEST_F(DriverErrors, AFailedTransactionLeavesThePortUsable) {
    EXPECT_EQ(ORVPLV7_ModusLesen(1, '1', gValue), -403156);
    reply(ACK + "#1M1R$04\r"s);
    EXPECT_EQ(ORVPLV7_ModusLesen(1, '1', gValue), 0);
    EXPECT_EQ(gValue, 4);
}

TEST(DriverWithoutPort, CommandsOnAPortThatIsNotOpenFailAtTheFlush) {
    ScriptedPortFixture fake;
    EXPECT_EQ(ORVPLV7_IDLesen(2, '1', gId), -124148);
    EXPECT_EQ(ORVPLV7_AusgangSchreiben(2, '1', "a1", 1), -112062);
    EXPECT_EQ(ORVPLV7_EingaengeLesenKurz_Empfangen(2, '1', 1, gVolts), -101047);
}

}  // namespace
