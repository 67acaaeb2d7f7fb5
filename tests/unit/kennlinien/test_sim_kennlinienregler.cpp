// The simulated box applying a stored characteristic: output 1 from input 2 through the
// selected slot and its filter, output 2 at the slot's value, only while started.
#include <gtest/gtest.h>

#include "Box.h"
#include "kennlinien/Kennlinienblock.h"

using namespace plv7;
using namespace plv7::kennlinien;
using namespace plv7::sim;

namespace {

struct Regler : ::testing::Test {
    Box box{'1'};

    void slotSchreiben(int slot, std::vector<Kennlinienpunkt> punkte, std::uint16_t ausgang2,
                       std::uint16_t ms) {
        Kennlinie k;
        k.punkte = std::move(punkte);
        std::vector<std::uint8_t> block;
        ASSERT_EQ(KennlinienblockErzeugen(k, ausgang2, ms, block), 0);
        std::ranges::copy(block, box.memory().begin() + KennlinienSlotAdresse(slot));
    }
    // Any request moves the box's clock on.
    void bis(double seconds) { box.execute(Request{"#1M1R\r"}, seconds); }
    void eingang(int n, double volts) { box.setInputSource(n, {InputKind::Constant, volts}); }
};

}  // namespace

TEST(KennlinienWert, StepsOfTheLinesAndTheFlatEnd) {
    const std::vector<Kennlinienpunkt> punkte = {{0, 10, 0}, {1000, 5, 0}, {0, 0, 0}};
    const std::pair<int, int> faelle[] = {{0, 0},    {3, 300}, {9, 900}, {10, 1000},
                                          {11, 800}, {15, 0},  {4095, 0}};
    for (const auto& [x, y] : faelle) EXPECT_EQ(kennlinienWert(punkte, x), y) << x;
}

TEST_F(Regler, AfterStartOutput1FollowsTheSelectedSlotAndOutput2HoldsItsValue) {
    slotSchreiben(2, {{0, 4095, 0}, {4095, 0, 0}}, 1000, 0);
    slotSchreiben(7, {{4095, 0, 0}}, 4095, 0);
    box.setMode(0x02);
    eingang(2, 4.0);  // code 1638
    eingang(3, 2.0);
    bis(0.0);
    EXPECT_EQ(box.outputMillivolts(1), 0);  // not started
    box.setRunning(true);
    bis(0.1);
    EXPECT_EQ(box.outputMillivolts(1), 4000);  // code 1638
    EXPECT_EQ(box.outputMillivolts(2), 2442);  // code 1000
    eingang(3, 6.6);                           // rounds to slot 7
    bis(0.2);
    EXPECT_EQ(box.outputMillivolts(1), 10000);
    EXPECT_EQ(box.outputMillivolts(2), 10000);
}

TEST_F(Regler, TheTimeConstantSmoothsOutput1) {
    slotSchreiben(1, {{4095, 0, 0}}, 0, 1000);
    box.setMode(0x02);
    eingang(3, 1.0);
    box.setRunning(true);
    bis(0.0);
    EXPECT_EQ(box.outputMillivolts(1), 0);
    bis(1.0);
    EXPECT_NEAR(box.outputMillivolts(1), 6321, 3);  // 1 - 1/e of the way
    bis(10.0);
    EXPECT_NEAR(box.outputMillivolts(1), 10000, 3);
}

TEST_F(Regler, CurvesInTheAreaStoppingOrABrokenBlockLeaveTheOutputs) {
    slotSchreiben(1, {{4095, 0, 0}}, 0, 0);
    eingang(3, 1.0);
    box.setRunning(true);
    box.setOutputMillivolts(1, 1234);
    box.setMode(0x06);
    bis(1.0);
    EXPECT_EQ(box.outputMillivolts(1), 1234);
    box.setMode(0x02);
    box.memory()[1] ^= 0xFF;  // checksum
    bis(2.0);
    EXPECT_EQ(box.outputMillivolts(1), 1234);
    box.memory()[1] ^= 0xFF;
    box.setRunning(false);
    bis(3.0);
    EXPECT_EQ(box.outputMillivolts(1), 1234);
    box.setRunning(true);
    bis(4.0);
    EXPECT_EQ(box.outputMillivolts(1), 10000);
}
