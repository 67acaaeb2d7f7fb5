#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "SimulatedPort.h"
#include "link/Rahmenformat.h"

namespace plv7::sim {
namespace {

long write(SimulatedPort& port, const std::string& bytes) {
    return port.write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

// Reads until CR or a failed read.
std::string readFrame(SimulatedPort& port) {
    std::string bytes;
    for (int b = port.readByte(); b >= 0; b = port.readByte()) {
        bytes += static_cast<char>(b);
        if (b == '\r') break;
    }
    return bytes;
}

struct SimulatedPortTest : ::testing::Test {
    std::shared_ptr<Line> line = std::make_shared<Line>();
    SimulatedPort port{line};
    void SetUp() override {
        line->addBox('1')->setBaud(115200);
        ASSERT_TRUE(port.open(115200));
        ASSERT_TRUE(port.setReadTimeout(0.5));
    }
};

TEST_F(SimulatedPortTest, RoundTripTakesAtLeastTheWireTime) {
    const double start = SimulatedPort::now();
    ASSERT_EQ(write(port, "#1IDR\r"), 6);
    EXPECT_EQ(readFrame(port), "\x06#1ORV-PLV7RS232B-V1.00\r");
    EXPECT_GE(SimulatedPort::now() - start, protocol::wireSeconds(6 + 24, 115200));
}

TEST_F(SimulatedPortTest, OutputQueueDrainsAtWireSpeed) {
    line->box('1')->setBaud(9600);
    ASSERT_TRUE(port.open(9600));
    const std::string block = "#1BDW400000040" + std::string(128, '0') + "0001\r";  // 64 zeros
    ASSERT_EQ(block.size(), 147u);
    const double start = SimulatedPort::now();
    ASSERT_EQ(write(port, block), 147);
    EXPECT_GT(port.outputQueueLength(), 0);
    long last = 147;
    while (true) {
        const long queued = port.outputQueueLength();
        ASSERT_GE(queued, 0);
        EXPECT_LE(queued, last);
        last = queued;
        if (queued == 0) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_GE(SimulatedPort::now() - start, protocol::wireSeconds(147, 9600));
    EXPECT_EQ(port.readByte(), 0x06);
}

TEST_F(SimulatedPortTest, OutputQueueHoldsAtMost512Bytes) {
    ASSERT_TRUE(port.open(4800));
    const std::string noise(600, 'x');
    EXPECT_EQ(write(port, noise), kQueueSize);
    EXPECT_EQ(write(port, "x"), 0);
    EXPECT_TRUE(port.flushOutput());
    EXPECT_EQ(port.outputQueueLength(), 0);
}

TEST_F(SimulatedPortTest, ReadTimesOutWithoutAnswer) {
    ASSERT_TRUE(port.setReadTimeout(0.05));
    const double start = SimulatedPort::now();
    ASSERT_EQ(write(port, "#9IDR\r"), 6);
    EXPECT_EQ(port.readByte(), -1);
    EXPECT_GE(SimulatedPort::now() - start, 0.05);
}

TEST_F(SimulatedPortTest, BoxAtAnotherRateStaysSilent) {
    line->box('1')->setBaud(9600);
    ASSERT_TRUE(port.setReadTimeout(0.05));
    ASSERT_EQ(write(port, "#1IDR\r"), 6);
    EXPECT_EQ(port.readByte(), -1);
}

TEST_F(SimulatedPortTest, FlushInputDropsWhatHasArrived) {
    ASSERT_TRUE(port.setReadTimeout(0.05));
    ASSERT_EQ(write(port, "#1IDR\r"), 6);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));  // > 30 characters at 115200
    EXPECT_TRUE(port.flushInput());
    EXPECT_EQ(port.readByte(), -1);
    ASSERT_EQ(write(port, "#1M1R\r"), 6);
    EXPECT_EQ(readFrame(port), "\x06#1M1R$00\r");
}

TEST_F(SimulatedPortTest, ShortReadAndCommonAddress) {
    ASSERT_EQ(write(port, "#&V3W10.000\r"), 12);
    ASSERT_EQ(write(port, "#14\r"), 4);
    EXPECT_EQ(readFrame(port), "#1\x4E\x10\r");
}

TEST_F(SimulatedPortTest, ClosedPortRefusesWork) {
    EXPECT_TRUE(port.close());
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(write(port, "#1IDR\r"), -1);
    EXPECT_EQ(port.readByte(), -1);
    EXPECT_EQ(port.outputQueueLength(), -1);
    EXPECT_FALSE(port.flushInput());
    EXPECT_FALSE(port.open(0));
}

TEST_F(SimulatedPortTest, VanishedPortFailsEverything) {
    line->faults().add(FaultKind::Vanish, 1);
    ASSERT_EQ(write(port, "#1DF1\r"), 6);
    EXPECT_EQ(port.readByte(), 0x06);
    EXPECT_EQ(write(port, "#1DF1\r"), -1);
    EXPECT_EQ(port.readByte(), -1);
    EXPECT_EQ(port.outputQueueLength(), -1);
    EXPECT_FALSE(port.flushInput());
    EXPECT_FALSE(port.flushOutput());
    EXPECT_FALSE(port.setReadTimeout(0.5));
    EXPECT_FALSE(port.close());
    EXPECT_FALSE(port.open(115200));
}

TEST_F(SimulatedPortTest, ReadEndsWhenThePortVanishesWhileWaiting) {
    ASSERT_TRUE(port.setReadTimeout(5.0));
    line->vanishAt(SimulatedPort::now() + 0.05);
    const double start = SimulatedPort::now();
    EXPECT_EQ(port.readByte(), -1);
    EXPECT_LT(SimulatedPort::now() - start, 4.0);
}

}  // namespace
}  // namespace plv7::sim
