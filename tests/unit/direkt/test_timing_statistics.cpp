#include <gtest/gtest.h>

#include "direkt/Abtastzeitpunkt.h"
#include "direkt/Zeitstatistik.h"

using namespace plv7::direkt;

TEST(Millisekunden, RoundsHalfUpByTruncation) {
    EXPECT_EQ(millisekunden(0.5), 500);
    EXPECT_EQ(millisekunden(0.0004), 0);
    EXPECT_EQ(millisekunden(0.0005), 1);
    EXPECT_EQ(millisekunden(10.5004), 10500);
    EXPECT_EQ(millisekunden(10.5006), 10501);
    EXPECT_EQ(millisekunden(86400.123), 86400123);
}

class ZeitstatistikTest : public ::testing::Test {
protected:
    Zeitstatistik s;
    void SetUp() override { s.erfassungStarten(); }
};

TEST_F(ZeitstatistikTest, FirstTickOnlyStartsAndCountsNothing) {
    EXPECT_FALSE(s.gestartet());
    EXPECT_FALSE(s.takt(100.0, 0.5));
    EXPECT_TRUE(s.gestartet());
    const auto a = s.anzeige();
    EXPECT_EQ(a.messungen, 0);
    EXPECT_EQ(a.fehler, 0);
    EXPECT_DOUBLE_EQ(a.fehlerProzent, 0.0);
    EXPECT_DOUBLE_EQ(s.laufzeit(), 0.0);
}

TEST_F(ZeitstatistikTest, ThreeMillisecondsLateIsOneErrorOfPlusThree) {
    s.takt(100.0, 0.5);
    EXPECT_TRUE(s.takt(100.503, 0.5));
    const auto a = s.anzeige();
    EXPECT_EQ(a.messungen, 1);
    EXPECT_EQ(a.fehler, 1);
    EXPECT_NEAR(a.letzteMs, 3.0, 1e-6);
    EXPECT_NEAR(a.durchschnittMs, 3.0, 1e-6);
    EXPECT_NEAR(a.geringsterMs, 3.0, 1e-6);
    EXPECT_NEAR(a.groessterMs, 3.0, 1e-6);
    EXPECT_DOUBLE_EQ(a.fehlerProzent, 100.0);
}

TEST_F(ZeitstatistikTest, FourTenthsOfAMillisecondLateIsNoError) {
    s.takt(100.0, 0.5);
    EXPECT_FALSE(s.takt(100.5004, 0.5));
    EXPECT_EQ(s.anzeige().fehler, 0);
    EXPECT_EQ(s.anzeige().messungen, 1);
}

TEST_F(ZeitstatistikTest, ErrorsAreJudgedOnRoundedClockReadingsNotOnTheDifference) {
    // 0.9 ms apart from the previous tick's rounding: 100.0004 rounds down, 100.5013 up.
    s.takt(100.0004, 0.5);
    EXPECT_TRUE(s.takt(100.5013, 0.5));
}

TEST_F(ZeitstatistikTest, SmallestAndLargestAreSignedAndChosenByMagnitude) {
    s.takt(10.0, 0.1);
    s.takt(10.105, 0.1);  // +5
    s.takt(10.203, 0.1);  // -2
    s.takt(10.303, 0.1);  // on time
    s.takt(10.41, 0.1);   // +7
    s.takt(10.502, 0.1);  // -8
    const auto a = s.anzeige();
    EXPECT_EQ(a.messungen, 5);
    EXPECT_EQ(a.fehler, 4);
    EXPECT_NEAR(a.geringsterMs, -2.0, 1e-6);
    EXPECT_NEAR(a.groessterMs, -8.0, 1e-6);
    EXPECT_NEAR(a.letzteMs, -8.0, 1e-6);
    EXPECT_NEAR(a.durchschnittMs, (5.0 - 2.0 + 7.0 - 8.0) / 4.0, 1e-6);
    EXPECT_DOUBLE_EQ(a.fehlerProzent, 80.0);

    const auto t = s.anzeigeText();
    EXPECT_EQ(t.fehler, "4");
    EXPECT_EQ(t.messungen, "5");
    EXPECT_EQ(t.fehlerProzent, "80.00");
    EXPECT_EQ(t.geringsterMs, "-2.0");
    EXPECT_EQ(t.groessterMs, "-8.0");
    EXPECT_EQ(t.durchschnittMs, "0.5");
}

TEST_F(ZeitstatistikTest, RestartClearsTheStatisticsButNotTheRunningTime) {
    s.takt(50.0, 0.01);
    s.takt(50.02, 0.01);
    s.takt(50.03, 0.01);
    EXPECT_EQ(s.anzeige().fehler, 1);
    EXPECT_NEAR(s.laufzeit(), 0.03, 1e-9);

    s.neustart();  // a whole frame was drawn: its drawing time counts as no error
    EXPECT_FALSE(s.takt(50.5, 0.01));
    EXPECT_EQ(s.anzeige().fehler, 0);
    EXPECT_EQ(s.anzeige().messungen, 0);
    EXPECT_NEAR(s.laufzeit(), 0.5, 1e-9);
    EXPECT_FALSE(s.takt(50.51, 0.01));
    EXPECT_NEAR(s.laufzeit(), 0.51, 1e-9);

    s.erfassungStarten();
    s.takt(80.0, 0.01);
    EXPECT_DOUBLE_EQ(s.laufzeit(), 0.0);
}

TEST_F(ZeitstatistikTest, LedShinesHalfASecondAfterEachNewError) {
    EXPECT_FALSE(s.zeitfehlerLed(0.0));
    s.takt(1.0, 0.1);
    s.takt(1.15, 0.1);
    EXPECT_TRUE(s.zeitfehlerLed(1.15));
    EXPECT_TRUE(s.zeitfehlerLed(1.65));
    EXPECT_FALSE(s.zeitfehlerLed(1.66));
    s.takt(1.25, 0.1);  // on time: the light is not renewed
    EXPECT_FALSE(s.zeitfehlerLed(1.7));
    s.takt(1.36, 0.1);
    EXPECT_TRUE(s.zeitfehlerLed(1.7));
}

TEST(Abtastzeitpunkt, DateAndTimeBelongTogetherAcrossMidnight) {
    int aufrufe = 0;
    // The date changes between the first date read and the time read.
    auto datum = [&] { return ++aufrufe == 1 ? std::string("12-31-2023") : "01-01-2024"; };
    auto uhrzeit = [&] { return aufrufe <= 1 ? std::string("00:00:00") : "00:00:01"; };
    const auto z = leseAbtastzeitpunkt(datum, uhrzeit);
    EXPECT_EQ(z.datum, "01-01-2024");
    EXPECT_EQ(z.uhrzeit, "00:00:01");
}

TEST(Abtastzeitpunkt, DateIsRearrangedToDayMonthYear) {
    EXPECT_EQ(datumTagMonatJahr("03-17-2024"), "17.03.2024");
    EXPECT_EQ(datumTagMonatJahr("2024"), "2024");
}
