#include <gtest/gtest.h>

#include "direkt/Direktrechnung.h"
#include "direkt/Grafikeinteilung.h"

using namespace plv7::direkt;

namespace {
// User value of a channel whose codes 0..4095 map linearly onto lo..hi.
Umrechnung linear(double lo, double hi) {
    return [lo, hi](int, double code) { return lo + (hi - lo) * code / 4095.0; };
}
}  // namespace

TEST(Nachkommastellen, OneCodeStepStaysVisible) {
    EXPECT_EQ(Nachkommastellen(0.0, 10.0), 3);
    EXPECT_EQ(Nachkommastellen(0.0, 1000.0), 1);
    EXPECT_EQ(Nachkommastellen(0.0, 4.095), 3);
    EXPECT_EQ(Nachkommastellen(0.0, 40950.0), 0);
    EXPECT_EQ(Nachkommastellen(0.0, 1e9), 0);
    EXPECT_EQ(Nachkommastellen(10.0, 0.0), 3);  // a falling scaling counts its span
    EXPECT_EQ(Nachkommastellen(5.0, 5.0), 3);   // empty range
    EXPECT_EQ(Nachkommastellen(0.0, 1e-300), 15);
}

TEST(Ausgaenge, ValuesAboveTheLimitArePulledBack) {
    EXPECT_EQ(begrenzterAusgangswert(12.0, 10.0), 10.0);
    EXPECT_EQ(begrenzterAusgangswert(-3.0, 10.0), -3.0);  // only the upper side
    const Ausgangswert a = ausgangswert([](int, double w) { return w / 12.0; }, 0, 30.0, 5.0);
    EXPECT_DOUBLE_EQ(a.volts, 2.5);
    EXPECT_DOUBLE_EQ(a.prozent, 50.0);
    EXPECT_DOUBLE_EQ(ausgangswert([](int, double w) { return w; }, 0, 3.0, 0.0).prozent, 0.0);
}

TEST(Ausgaenge, ZeroIsTheUserValueZeroClampedIntoTheRange) {
    // 0..5 V onto 2..10 units on a 10 V box: codes 0..4095 span 2..18.
    EXPECT_DOUBLE_EQ(ausgangNullwert(linear(2.0, 18.0), 0), 2.0);
    EXPECT_DOUBLE_EQ(ausgangNullwert(linear(-5.0, 5.0), 0), 0.0);
    EXPECT_DOUBLE_EQ(ausgangNullwert(linear(-10.0, -2.0), 0), -2.0);
    EXPECT_DOUBLE_EQ(ausgangNullwert(linear(10.0, 2.0), 0), 2.0);  // falling: nearest end
}

TEST(Skalierung, ChannelControlsFollowTheScaling) {
    const Kanalanzeige a = skaliereKanal(linear(0.0, 1000.0), 1, 25.0);
    EXPECT_DOUBLE_EQ(a.lo, 0.0);
    EXPECT_DOUBLE_EQ(a.hi, 1000.0);
    EXPECT_EQ(a.nachkommastellen, 1);
    EXPECT_DOUBLE_EQ(a.wert, 250.0);
    const Kanalanzeige f = skaliereKanal(linear(10.0, 0.0), 1, 0.0);
    EXPECT_DOUBLE_EQ(f.untergrenze(), 0.0);
    EXPECT_DOUBLE_EQ(f.obergrenze(), 10.0);
    EXPECT_DOUBLE_EQ(f.wert, 10.0);
}

TEST(Abtastzeit, TimerRunsNoFasterThanTwoMilliseconds) {
    EXPECT_DOUBLE_EQ(timerIntervall(0.001), 0.002);
    EXPECT_DOUBLE_EQ(timerIntervall(0.5), 0.5);
    EXPECT_TRUE(schnelleAbtastung(0.05));
    EXPECT_FALSE(schnelleAbtastung(0.1));
}

TEST(Grafikeinteilung, AxesAndDivisions) {
    EXPECT_EQ(begrenztePunkteProDiv(1000), 832);
    EXPECT_EQ(begrenztePunkteProDiv(26), 26);
    EXPECT_EQ(bildlaenge(26) + 1, 313);
    EXPECT_DOUBLE_EQ(sekundenProDiv(26, 0.5), 13.0);

    EXPECT_DOUBLE_EQ(yAchse(20, 0).bis, 100.0);
    EXPECT_DOUBLE_EQ(yAchse(1, 10).von, 10.0);
    EXPECT_DOUBLE_EQ(yAchse(1, 10).bis, 15.0);  // range at least 5
    EXPECT_DOUBLE_EQ(yAchse(20, 99).von, 95.0);

    EXPECT_DOUBLE_EQ(einheitProDiv(0.0, 1000.0, 20), 200.0);
    EXPECT_EQ(einheitProDivText("mBar"), "mBar/Div");
}

TEST(Grafikeinteilung, TriggerLineStandsAtTheTriggerInstant) {
    const Triggerstrich s = triggerstrich(50.0, 600.0, -2, 1);
    EXPECT_TRUE(s.sichtbar);
    EXPECT_EQ(s.x, 50 + 100 - 2);
    EXPECT_FALSE(triggerstrich(50.0, 600.0, -2, 0).sichtbar);
    EXPECT_FALSE(triggerstrich(50.0, 600.0, 1, 1).sichtbar);
    EXPECT_EQ(triggerstrichPosition(-2, 10), 20);
    EXPECT_EQ(triggerstrichPosition(3, 10), 0);
}

TEST(Grafikeinteilung, CoverOfTheRightEdge) {
    const Abdeckung a = abdeckung(650.0, 600.0, 26);  // 50 / 26 + 0.5 -> 3 pixels a point
    EXPECT_EQ(a.links, 650 - 3 - 1);
    EXPECT_EQ(a.breite, 15);
}
