#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Line.h"

namespace plv7::sim {
namespace {

constexpr double kChar9600 = 10.0 / 9600.0;
const std::string kIdAnswer = "\x06#1ORV-PLV7RS232B-V1.00\r";

double send(Line& line, const std::string& bytes, long baud, double seconds) {
    return line.send({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, baud,
                     seconds);
}

std::vector<AnswerByte> takeAll(Line& line) {
    std::vector<AnswerByte> bytes;
    while (auto b = line.takeAnswer()) bytes.push_back(*b);
    return bytes;
}

std::string text(const std::vector<AnswerByte>& bytes) {
    std::string s;
    for (const auto& b : bytes) s += static_cast<char>(b.value);
    return s;
}

std::string exchange(Line& line, const std::string& request, long baud = 9600, double t = 0.0) {
    send(line, request, baud, t);
    return text(takeAll(line));
}

TEST(SimLine, WireTimingInBothDirections) {
    Line line;
    line.addBox('1');
    const double arrival = send(line, "#1IDR\r", 9600, 1.0);
    EXPECT_DOUBLE_EQ(arrival, 1.0 + 6 * kChar9600);
    const auto answer = takeAll(line);
    ASSERT_EQ(text(answer), kIdAnswer);
    for (std::size_t i = 0; i < answer.size(); ++i) {
        EXPECT_NEAR(answer[i].time, arrival + static_cast<double>(i + 1) * kChar9600, 1e-12);
        EXPECT_EQ(answer[i].baud, 9600);
    }
}

TEST(SimLine, LatencyDelaysTheReplyAndRequestsQueueBehindEachOther) {
    Line line;
    line.addBox('1');
    line.setLatency(0.010);
    const double first = send(line, "#1DF1\r", 9600, 0.0);
    // Handed over before the first request has left: it follows on the wire.
    const double second = send(line, "#1DF2\r", 9600, 0.001);
    EXPECT_DOUBLE_EQ(second, first + 6 * kChar9600);
    const auto answer = takeAll(line);
    ASSERT_EQ(answer.size(), 2u);
    EXPECT_NEAR(answer[0].time, first + 0.010 + kChar9600, 1e-12);
    EXPECT_NEAR(answer[1].time, second + 0.010 + kChar9600, 1e-12);
    EXPECT_FALSE(line.box('1')->running());
}

TEST(SimLine, RepliesDoNotOverlapOnTheWire) {
    Line line;
    line.addBox('1');
    send(line, "#1IDR\r#1IDR\r", 9600, 0.0);
    const auto answer = takeAll(line);
    ASSERT_EQ(text(answer), kIdAnswer + kIdAnswer);
    for (std::size_t i = 1; i < answer.size(); ++i)
        EXPECT_NEAR(answer[i].time - answer[i - 1].time, kChar9600, 1e-12);
}

TEST(SimLine, BoxHearsOnlyItsOwnRate) {
    Line line;
    line.addBox('1');
    EXPECT_EQ(exchange(line, "#1IDR\r", 19200), "");
    // A byte at the wrong rate in the middle spoils the request.
    send(line, "#1I", 9600, 0.0);
    send(line, "x", 19200, 0.0);
    EXPECT_EQ(exchange(line, "DR\r"), "");
    EXPECT_EQ(exchange(line, "#1IDR\r"), kIdAnswer);
}

TEST(SimLine, BaudChangeAcksAtTheOldRateThenListensAtTheNew) {
    Line line;
    Box* box = line.addBox('1');
    send(line, "#1BRW38400\r", 9600, 0.0);
    const auto ack = takeAll(line);
    ASSERT_EQ(ack.size(), 1u);
    EXPECT_EQ(ack[0].value, 0x06);
    EXPECT_EQ(ack[0].baud, 9600);
    EXPECT_EQ(box->baud(), 38400);
    EXPECT_EQ(exchange(line, "#1IDR\r", 9600, 1.0), "");
    send(line, "#1IDR\r", 38400, 2.0);
    const auto answer = takeAll(line);
    ASSERT_FALSE(answer.empty());
    EXPECT_EQ(answer[0].baud, 38400);
    EXPECT_EQ(text(answer), kIdAnswer);
}

TEST(SimLine, SeveralDevicesShareTheLine) {
    Line line;
    line.addBox('1');
    line.addBox('b')->setIdentification("ORV-PLV7RS232B-V2.00");
    ASSERT_NE(line.addForeign('7', "OTHER-DEVICE"), nullptr);
    EXPECT_EQ(line.addBox('1'), nullptr);
    EXPECT_EQ(line.addBox('A'), nullptr);
    EXPECT_EQ(line.addForeign('8', "has blank"), nullptr);
    EXPECT_EQ(line.boxes().size(), 3u);

    EXPECT_EQ(exchange(line, "#bIDR\r"), "\x06#bORV-PLV7RS232B-V2.00\r");
    EXPECT_EQ(exchange(line, "#7IDR\r"), "\x06#7OTHER-DEVICE\r");
    EXPECT_EQ(exchange(line, "#9IDR\r"), "");
    EXPECT_EQ(exchange(line, "#&V1W3.300\r"), "");
    EXPECT_EQ(line.box('1')->outputMillivolts(1), 3300);
    EXPECT_EQ(line.box('b')->outputMillivolts(1), 3300);
}

TEST(SimLine, DiscardTakesOnlyArrivedBytes) {
    Line line;
    line.addBox('1');
    const double arrival = send(line, "#1IDR\r", 9600, 0.0);
    EXPECT_EQ(line.discardArrived(arrival + 3.5 * kChar9600), 3u);
    EXPECT_EQ(line.pendingAnswers(), kIdAnswer.size() - 3);
    EXPECT_EQ(line.nextAnswer()->value, 'O');
}

TEST(SimLine, RefusingFaultsLeaveTheRequestUndone) {
    Line line;
    Box* box = line.addBox('1');
    line.faults().add(FaultKind::Silence, 1);
    line.faults().add(FaultKind::Nak, 1);
    line.faults().add(FaultKind::Can, 1);
    EXPECT_EQ(exchange(line, "#1V1W1.000\r"), "");
    EXPECT_EQ(exchange(line, "#1V1W1.000\r"), "\x15");
    EXPECT_EQ(exchange(line, "#1V1W1.000\r"), "\x18");
    EXPECT_EQ(box->outputMillivolts(1), 0);
    EXPECT_EQ(exchange(line, "#1V1W1.000\r"), "\x06");
    EXPECT_EQ(box->outputMillivolts(1), 1000);
    EXPECT_TRUE(line.faults().empty());
}

TEST(SimLine, DamagingFaults) {
    Line line;
    Box* box = line.addBox('1');
    box->setInputSource(1, {InputKind::Constant, 4.998});

    line.faults().add(FaultKind::Garbled, 2);
    const std::string garbled = exchange(line, "#1IDR\r");
    EXPECT_EQ(garbled.size(), kIdAnswer.size());
    EXPECT_EQ(garbled[0], '\x06');
    EXPECT_NE(garbled[2], '1');
    EXPECT_EQ(exchange(line, "#1DF1\r"), "\x46");

    line.faults().add(FaultKind::EarlyCr, 2);
    EXPECT_EQ(exchange(line, "#1V1R\r"), "\x06#1V1R\r");
    EXPECT_EQ(exchange(line, "#1DF1\r"), "\x06");  // a bare ACK has no frame: not counted
    EXPECT_EQ(exchange(line, "#1IDR\r"), "\x06#1\r");

    line.faults().add(FaultKind::MissingCr, 1);
    EXPECT_EQ(exchange(line, "#1S1R\r"), "\x06#1S1R$00");

    line.faults().add(FaultKind::WrongChecksum, 1);
    EXPECT_EQ(exchange(line, "#1IDR\r"), kIdAnswer);
    EXPECT_EQ(exchange(line, "#1BDR400000001\r"), "\x06#1BDR400000001000002\r");
    EXPECT_EQ(exchange(line, "#1BDR400000001\r"), "\x06#1BDR400000001000001\r");
    EXPECT_TRUE(line.faults().empty());
}

TEST(SimLine, WrongChecksumCarriesThroughAllDigits) {
    Reply reply{"\x06", "#1BDR400000000FFFF\r", true};
    ASSERT_TRUE(damageReply(FaultKind::WrongChecksum, reply));
    EXPECT_EQ(reply.frame, "#1BDR4000000000000\r");
    reply.frame = "#1BDR40000000000AF\r";
    ASSERT_TRUE(damageReply(FaultKind::WrongChecksum, reply));
    EXPECT_EQ(reply.frame, "#1BDR40000000000B0\r");
}

TEST(SimLine, SlowFaultAndAddressedFaults) {
    Line line;
    line.addBox('1');
    line.addBox('2');
    line.faults().add(FaultKind::Slow, 1, '2');
    const double arrival = send(line, "#2DF1\r", 9600, 0.0);
    const auto slow = takeAll(line);
    ASSERT_EQ(slow.size(), 1u);
    EXPECT_GE(slow[0].time, arrival + Line::kDefaultSlowDelay);
    line.faults().add(FaultKind::Silence, FaultPlan::kPersistent, '2');
    EXPECT_EQ(exchange(line, "#2DF1\r"), "");
    EXPECT_EQ(exchange(line, "#2DF1\r"), "");
    EXPECT_EQ(exchange(line, "#1DF1\r"), "\x06");
}

TEST(SimLine, VanishFaultTakesThePortAfterTheCountedReplies) {
    Line line;
    line.addBox('1');
    line.faults().add(FaultKind::Vanish, 2);
    EXPECT_EQ(exchange(line, "#1DF1\r", 9600, 0.0), "\x06");
    EXPECT_FALSE(line.vanished(1.0));
    EXPECT_EQ(exchange(line, "#1DF1\r", 9600, 1.0), "\x06");
    EXPECT_FALSE(line.vanished(1.5));
    EXPECT_EQ(exchange(line, "#1DF1\r", 9600, 2.0), "");
    EXPECT_TRUE(line.vanished(2.0));
}

TEST(SimLine, VanishedLineDropsLaterBytes) {
    Line line;
    line.addBox('1');
    const double arrival = send(line, "#1IDR\r", 9600, 0.0);
    line.vanishAt(arrival + 4 * kChar9600 + 1e-9);
    EXPECT_EQ(takeAll(line).size(), 4u);
    EXPECT_EQ(exchange(line, "#1IDR\r", 9600, 1.0), "");
    EXPECT_TRUE(line.vanished(1.0));
}

TEST(SimLine, FaultNames) {
    for (auto kind : {FaultKind::Silence, FaultKind::Nak, FaultKind::Can, FaultKind::Garbled,
                      FaultKind::EarlyCr, FaultKind::MissingCr, FaultKind::WrongChecksum,
                      FaultKind::Slow, FaultKind::Vanish})
        EXPECT_EQ(faultKindFromName(faultName(kind)), kind);
    EXPECT_FALSE(faultKindFromName("Silence"));
}

}  // namespace
}  // namespace plv7::sim
