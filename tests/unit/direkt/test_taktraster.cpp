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

TEST(Taktraster, TheActiveWaitEndsAtTheDeadlineOrAfterTwoMilliseconds) {
    Taktraster raster;
    raster.setIntervall(2.0);
    raster.neuStarten(bei(0us));
    EXPECT_EQ(raster.aktivesWartenBis(bei(1'999'850us)), bei(2'000'000us));
    // The clock stalls or jumps: the active wait still ends after 2 ms.
    EXPECT_EQ(raster.aktivesWartenBis(bei(100'000us)), bei(102'000us));
}

TEST(Weckvorlauf, FollowsALateWakeUpAtOnceComesDownSlowlyAndIgnoresPreemption) {
    using plv7::direkt::Weckvorlauf;
    Weckvorlauf vorlauf;
    EXPECT_EQ(vorlauf.dauer(), 150us);  // half as much again as the assumed 100 us
    vorlauf.geweckt(bei(1'000us), bei(1'300us));
    EXPECT_EQ(vorlauf.dauer(), 450us);
    // Sixty-four punctual wake-ups take it down to about a third.
    for (int i = 0; i < 64; ++i) vorlauf.geweckt(bei(0us), bei(0us));
    EXPECT_GT(vorlauf.dauer(), 150us);
    EXPECT_LT(vorlauf.dauer(), 200us);
    // Waking early counts as on time; never below the floor.
    for (int i = 0; i < 1000; ++i) vorlauf.geweckt(bei(10us), bei(0us));
    EXPECT_EQ(vorlauf.dauer(), Weckvorlauf::kMindestens);
    // A wake-up later than the ceiling is another process's turn, not the kernel's latency:
    // waiting actively through it would not help.
    vorlauf.geweckt(bei(0us), bei(5'000us));
    EXPECT_EQ(vorlauf.dauer(), Weckvorlauf::kMindestens);
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

TEST(Anzeigeplanung, TheChartIsDrawnAtMostTwentyFiveTimesASecond) {
    Anzeigeplanung plan;
    plan.starten(10.0);
    EXPECT_FALSE(plan.grafikZeichnen(10.039));
    EXPECT_TRUE(plan.grafikZeichnen(10.041));
    plan.grafikGezeichnet(10.05);
    EXPECT_FALSE(plan.grafikZeichnen(10.08));
    EXPECT_TRUE(plan.grafikZeichnen(10.091));
}

}  // namespace
