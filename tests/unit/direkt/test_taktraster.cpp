// The sampling timer's deadlines and the direct window's repaint plan, on a made-up clock.
#include <gtest/gtest.h>

#include <chrono>

#include "direkt/Anzeigeplanung.h"
#include "direkt/Taktraster.h"

namespace {

using namespace std::chrono_literals;
using plv7::direkt::Anzeigeplanung;
using plv7::direkt::Taktraster;
using Zeitpunkt = Taktraster::Zeitpunkt;

Zeitpunkt bei(std::chrono::microseconds t) {
    return Zeitpunkt(t);
}

TEST(Taktraster, DeadlinesLieOnWholeMillisecondsOneIntervalApart) {
    Taktraster raster;
    raster.setIntervall(0.005);
    raster.neuStarten(bei(10'300us));
    EXPECT_EQ(raster.faellig(), bei(16'000us));
    EXPECT_EQ(raster.weckenInMillisekunden(bei(10'300us)), 3);  // 5.7 ms less the 2.5 ms lead
    EXPECT_DOUBLE_EQ(raster.getaktet(bei(16'100us)), 0.0001);
    EXPECT_EQ(raster.faellig(), bei(21'000us));
}

TEST(Taktraster, ALateTickMovesTheGridToItselfInsteadOfBunchingTheNextOnes) {
    Taktraster raster;
    raster.setIntervall(0.005);
    raster.neuStarten(bei(0us));
    ASSERT_EQ(raster.faellig(), bei(5'000us));
    // A tick 13.4 ms late: the next one keeps a whole interval from its rounded start.
    EXPECT_NEAR(raster.getaktet(bei(18'400us)), 0.0134, 1e-12);
    EXPECT_EQ(raster.faellig(), bei(23'000us));
    // Up to a quarter millisecond late keeps the grid.
    raster.getaktet(bei(23'250us));
    EXPECT_EQ(raster.faellig(), bei(28'000us));
}

TEST(Taktraster, WakingSleepingAndWaitingBeforeTheDeadline) {
    Taktraster raster;
    raster.setIntervall(2.0);
    raster.neuStarten(bei(0us));
    EXPECT_EQ(raster.weckenInMillisekunden(bei(0us)), 1997);
    EXPECT_TRUE(raster.zuFruehGeweckt(bei(1'990'000us)));
    EXPECT_FALSE(raster.zuFruehGeweckt(bei(1'993'000us)));
    EXPECT_EQ(raster.schlafdauer(bei(1'998'000us)), 1850us);
    EXPECT_EQ(raster.schlafdauer(bei(1'999'900us)), 0us);
    EXPECT_EQ(raster.aktivesWartenBis(bei(1'999'850us)), bei(2'000'000us));
    // The clock stalls or jumps: the active wait still ends after 2 ms.
    raster.neuStarten(bei(0us));
    EXPECT_EQ(raster.aktivesWartenBis(bei(100'000us)), bei(102'000us));
    // A deadline already passed arms the timer at once.
    EXPECT_EQ(raster.weckenInMillisekunden(bei(3'000'000us)), 0);
}

TEST(Anzeigeplanung, NumbersAtMostTenTimesASecondAndOnlyWhenASampleWaits) {
    Anzeigeplanung plan;
    plan.starten(0.0);
    EXPECT_FALSE(plan.messwerteZeigen(0.01));
    plan.neuerMesswert();
    EXPECT_TRUE(plan.messwerteZeigen(0.01));  // the first sample at once
    plan.neuerMesswert();
    EXPECT_FALSE(plan.messwerteZeigen(0.05));
    EXPECT_FALSE(plan.messwerteZeigen(0.1099));
    EXPECT_TRUE(plan.messwerteZeigen(0.11));
    EXPECT_FALSE(plan.messwerteZeigen(0.5));  // shown, nothing new since
}

TEST(Anzeigeplanung, PaintingAtOnceFollowsASlowerPaintingAtOnceAndAFasterOneSlowly) {
    Anzeigeplanung plan;
    EXPECT_TRUE(plan.sofortMalen(0.001));
    plan.gemalt(0.004);
    EXPECT_DOUBLE_EQ(plan.maldauer(), 0.004);
    EXPECT_FALSE(plan.sofortMalen(0.0049));
    EXPECT_TRUE(plan.sofortMalen(0.005));
    plan.gemalt(0.0);
    EXPECT_DOUBLE_EQ(plan.maldauer(), 0.0036);
}

TEST(Anzeigeplanung, TheChartIsDrawnWhenItFitsAndAtLeastOnceASecond) {
    Anzeigeplanung plan;
    plan.starten(10.0);
    EXPECT_TRUE(plan.grafikZeichnen(10.1, 0.0031, 0.0025));
    EXPECT_FALSE(plan.grafikZeichnen(10.1, 0.0030, 0.0025));
    EXPECT_TRUE(plan.grafikZeichnen(11.0, 0.0, 0.0025));
    plan.grafikGezeichnet(11.0);
    EXPECT_FALSE(plan.grafikZeichnen(11.5, 0.0, 0.0025));
}

}  // namespace
