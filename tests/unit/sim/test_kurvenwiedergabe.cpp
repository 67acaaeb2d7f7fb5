#include <gtest/gtest.h>

#include <vector>

#include "Box.h"
#include "kurven/Speicherabbild.h"

namespace plv7::sim {
namespace {

using kurven::Kurvenmodell;

// A box whose memory holds the model's curves, marked as curves.
struct KurvenwiedergabeTest : ::testing::Test {
    Box box{'1'};
    Kurvenmodell m;

    void speichern(std::uint8_t modus = 0x04) {
        std::vector<std::uint8_t> bild;
        ASSERT_EQ(kurven::SpeicherabbildErzeugen(m.kurven, m.einstellungen, bild), 0);
        std::copy(bild.begin(), bild.end(), box.memory().begin());
        box.setMode(modus);
    }
    void befehl(const std::string& text, double sekunden) {
        box.execute(Request{"#1" + text + "\r", false}, sekunden);
    }
    int bei(double sekunden, int ausgang) {
        box.fortschreiben(sekunden);
        return box.outputMillivolts(ausgang);
    }
};

TEST_F(KurvenwiedergabeTest, ARampPlaysOneValuePerTickThenItsRestValue) {
    m.kurven[0].punkte = {{0, 3, 1}, {4095, 1, 1}};  // 0 .. 4095 in three ticks of 10 ms
    m.einstellungen[0] = {2, 2047, 0, 4095, 0.0};
    speichern();
    befehl("DF1", 100.0);
    EXPECT_EQ(box.status(1) & 0x01, 0x01);
    // Half a millisecond into each tick, clear of the rounding of the clock's seconds.
    const std::vector<std::pair<double, int>> erwartet = {
        {0.0005, 0},     {0.0095, 0}, {0.0105, 3333},  {0.0205, 6667}, {0.0305, 10000},
        {0.0395, 10000}, {0.0405, 0}, {0.0755, 10000}, {0.0805, 4999}};
    for (const auto& [t, mv] : erwartet) EXPECT_EQ(bei(100.0 + t, 1), mv) << t;
    EXPECT_EQ(box.status(1) & 0x01, 0);
    EXPECT_EQ(bei(100.0, 2), 0);  // curve 2, a fresh one point curve, ended at 0 as well
}

TEST_F(KurvenwiedergabeTest, ZeroCyclesRepeatUntilStop) {
    m.kurven[3].punkte = {{0, 1, 2}, {4095, 1, 2}};
    m.einstellungen[3].zyklen = 0;
    m.einstellungen[3].ruhewert = 1000;
    speichern();
    box.setOutputMillivolts(4, 1234);
    befehl("DF1", 5.0);
    EXPECT_EQ(bei(5.0 + 3600.15, 4), 10000);
    EXPECT_EQ(box.status(1) & 0x01, 0x01);
    befehl("DF2", 5.0 + 3600.25);
    EXPECT_EQ(box.status(1) & 0x01, 0);
    EXPECT_EQ(bei(5.0 + 3600.35, 4), 0);  // the output holds the value it had at the stop
}

TEST_F(KurvenwiedergabeTest, NothingPlaysWithoutCurvesInTheMemory) {
    m.kurven[0].punkte = {{4095, 1, 1}};
    for (const std::uint8_t modus : {0x00, 0x02, 0x06}) {
        speichern(modus);
        box.setOutputMillivolts(1, 500);
        befehl("DF1", 1.0);
        EXPECT_EQ(bei(1.001, 1), 500) << int{modus};
        EXPECT_EQ(box.status(1) & 0x01, 0);
    }
    speichern();
    box.memory()[1] ^= 1;  // a damaged image
    befehl("DF1", 1.0);
    EXPECT_EQ(bei(1.001, 1), 500);
}

}  // namespace
}  // namespace plv7::sim
