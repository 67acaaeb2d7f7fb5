#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "konfig/KonfigUmrechnung.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

class Umrechnung : public ::testing::Test {
protected:
    void SetUp() override {
        gespeichert_ = gKonfig;
        KonfigurationStandardwerte();
    }
    void TearDown() override { gKonfig = gespeichert_; }

private:
    Konfiguration gespeichert_;
};

TEST_F(Umrechnung, DefaultsMakeUserValuesEqualVolts) {
    for (int k = 0; k < 4; ++k) {
        for (double v : {0.0, 0.001, 2.5, 9.999, 10.0, -3.0, 12.0}) {
            EXPECT_DOUBLE_EQ(AusgangSpannungInEinheit(k, v), v);
            EXPECT_DOUBLE_EQ(AusgangEinheitInSpannung(k, v), v);
            EXPECT_DOUBLE_EQ(EingangSpannungInEinheit(k, v), v);
            EXPECT_DOUBLE_EQ(EingangEinheitInSpannung(k, v), v);
        }
    }
    EXPECT_EQ(AusgangCodeInSpannung(4095), 10.0);
    EXPECT_EQ(AusgangSpannungInCode(10.0), 4095.0);
    EXPECT_EQ(EingangCodeInSpannung(4095), 10.0);
    EXPECT_EQ(EingangSpannungInCode(10.0), 4095.0);
    EXPECT_EQ(AusgangCodeInSpannung(0), 0.0);
    EXPECT_EQ(EingangEinheitInCode(3, 10.0), 4095.0);
}

TEST_F(Umrechnung, PressureSensorOnInputOne) {
    gKonfig.inmin[0] = 1.0;
    gKonfig.inmax[0] = 6.0;
    gKonfig.inskalamin[0] = 0.0;
    gKonfig.inskalamax[0] = 1000.0;
    EXPECT_EQ(EingangCodeInSpannung(2047), 4.998778998778999);
    EXPECT_EQ(EingangCodeInEinheit(0, 2047), 799.7557997557998);
    EXPECT_EQ(EingangEinheitInCode(0, 799.7557997557998), 2047.0);
    EXPECT_EQ(EingangSpannungInEinheit(0, 1.0), 0.0);
    EXPECT_EQ(EingangSpannungInEinheit(0, 6.0), 1000.0);
    // Only input 1 and only the inputs are scaled.
    EXPECT_EQ(EingangCodeInEinheit(1, 2047), EingangCodeInSpannung(2047));
    EXPECT_EQ(AusgangCodeInEinheit(0, 2047), AusgangCodeInSpannung(2047));
}

TEST_F(Umrechnung, PowerSupplyOnOutputOneIsNotRounded) {
    gKonfig.outmax[0] = 5.0;
    gKonfig.outskalamax[0] = 60.0;
    EXPECT_EQ(AusgangEinheitInSpannung(0, 30.0), 2.5);
    EXPECT_EQ(AusgangEinheitInCode(0, 30.0), 1023.75);
    EXPECT_EQ(AusgangCodeInEinheit(0, 4095), 120.0);  // beyond the interval: not clamped
}

TEST_F(Umrechnung, FullScaleOfEachDirectionIsItsOwn) {
    gKonfig.voutmax = 4.095;
    EXPECT_EQ(AusgangCodeInSpannung(1000), 1.0);
    EXPECT_EQ(EingangCodeInSpannung(1000), 1000 * 10.0 / 4095.0);
    gKonfig.vinmax = 5.0;
    EXPECT_EQ(EingangCodeInSpannung(4095), 5.0);
    EXPECT_EQ(EingangSpannungInCode(5.0), 4095.0);
    EXPECT_DOUBLE_EQ(AusgangSpannungInCode(4.095), 4095.0);  // not exact in doubles
    EXPECT_EQ(AusgangCodeInSpannung(5000), 5.0);             // codes are not clamped either
}

TEST_F(Umrechnung, ReversedChannelFalls) {
    gKonfig.outmin[2] = 10.0;
    gKonfig.outmax[2] = 0.0;
    EXPECT_EQ(AusgangSpannungInEinheit(2, 0.0), 10.0);
    EXPECT_EQ(AusgangSpannungInEinheit(2, 10.0), 0.0);
    EXPECT_EQ(AusgangEinheitInSpannung(2, 2.5), 7.5);
    EXPECT_TRUE(plv7::AusgangSkalierungGueltig(gKonfig, 2));
}

TEST_F(Umrechnung, ConversionsReadTheCurrentRecordAtTheCall) {
    EXPECT_EQ(EingangSpannungInEinheit(1, 5.0), 5.0);
    gKonfig.inskalamax[1] = 100.0;
    EXPECT_EQ(EingangSpannungInEinheit(1, 5.0), 50.0);
}

TEST_F(Umrechnung, EqualVoltagesGiveTheLowerUserValueAndLowerVoltage) {
    gKonfig.outmin[1] = 3.0;
    gKonfig.outmax[1] = 3.0;
    gKonfig.outskalamin[1] = 7.0;
    gKonfig.outskalamax[1] = 9.0;
    EXPECT_FALSE(plv7::AusgangSkalierungGueltig(gKonfig, 1));
    EXPECT_TRUE(plv7::AusgangSkalierungGueltig(gKonfig, 0));
    EXPECT_EQ(AusgangSpannungInEinheit(1, 3.0), 7.0);
    EXPECT_EQ(AusgangSpannungInEinheit(1, 8.0), 7.0);
    EXPECT_EQ(AusgangEinheitInSpannung(1, 8.0), 3.0);
    EXPECT_EQ(AusgangCodeInEinheit(1, 100), 7.0);
    EXPECT_EQ(AusgangEinheitInCode(1, 8.0), AusgangSpannungInCode(3.0));
}

TEST_F(Umrechnung, EqualUserValuesGiveAConstantAndTheLowerVoltage) {
    gKonfig.inmin[3] = 1.0;
    gKonfig.inmax[3] = 5.0;
    gKonfig.inskalamin[3] = 4.0;
    gKonfig.inskalamax[3] = 4.0;
    EXPECT_FALSE(plv7::EingangSkalierungGueltig(gKonfig, 3));
    EXPECT_EQ(EingangSpannungInEinheit(3, 2.0), 4.0);
    EXPECT_EQ(EingangEinheitInSpannung(3, 4.0), 1.0);
    EXPECT_EQ(EingangEinheitInSpannung(3, 100.0), 1.0);
    EXPECT_EQ(EingangEinheitInCode(3, 4.0), EingangSpannungInCode(1.0));
}

TEST_F(Umrechnung, AllZeroRecordNeverYieldsNanOrInfinity) {
    gKonfig = Konfiguration{};
    for (int k = -1; k <= 4; ++k) {
        for (double x : {0.0, 1.0, -1.0, 4095.0, kInf, -kInf, kNan}) {
            for (double r : {AusgangCodeInSpannung(x), AusgangSpannungInCode(x),
                             AusgangSpannungInEinheit(k, x), AusgangEinheitInSpannung(k, x),
                             AusgangCodeInEinheit(k, x), AusgangEinheitInCode(k, x),
                             EingangCodeInSpannung(x), EingangSpannungInCode(x),
                             EingangSpannungInEinheit(k, x), EingangEinheitInSpannung(k, x),
                             EingangCodeInEinheit(k, x), EingangEinheitInCode(k, x)}) {
                EXPECT_TRUE(std::isfinite(r)) << "k " << k << " x " << x;
                EXPECT_EQ(r, 0.0);
            }
        }
    }
    EXPECT_FALSE(plv7::VollausschlagGueltig(0.0));
}

TEST_F(Umrechnung, NonFiniteNumbersInTheRecordAreInvalidNotContagious) {
    gKonfig.outmin[0] = kNan;
    gKonfig.inmax[1] = kInf;
    gKonfig.inskalamin[2] = -kInf;
    gKonfig.vinmax = kNan;
    EXPECT_FALSE(plv7::AusgangSkalierungGueltig(gKonfig, 0));
    EXPECT_FALSE(plv7::EingangSkalierungGueltig(gKonfig, 1));
    EXPECT_FALSE(plv7::EingangSkalierungGueltig(gKonfig, 2));
    EXPECT_FALSE(plv7::VollausschlagGueltig(gKonfig.vinmax));
    EXPECT_EQ(AusgangSpannungInEinheit(0, 5.0), 0.0);  // lower user value
    EXPECT_EQ(AusgangEinheitInSpannung(0, 5.0), 0.0);  // lower voltage NaN: 0
    EXPECT_EQ(EingangEinheitInSpannung(1, 5.0), 0.0);  // lower voltage
    EXPECT_EQ(EingangSpannungInEinheit(2, 5.0), 0.0);  // lower user value not finite: 0
    EXPECT_EQ(EingangCodeInSpannung(2047), 0.0);
    EXPECT_EQ(EingangSpannungInCode(5.0), 0.0);
}

TEST_F(Umrechnung, OverflowingResultsFallBackToTheLowerEnd) {
    gKonfig.outmin[0] = 0.0;
    gKonfig.outmax[0] = 1e-300;
    gKonfig.outskalamin[0] = 2.0;
    gKonfig.outskalamax[0] = 1e300;
    EXPECT_FALSE(plv7::AusgangSkalierungGueltig(gKonfig, 0));  // slope beyond range
    EXPECT_EQ(AusgangSpannungInEinheit(0, 1.0), 2.0);
    gKonfig.outmax[0] = 1.0;
    gKonfig.outskalamax[0] = 1e300;
    EXPECT_TRUE(plv7::AusgangSkalierungGueltig(gKonfig, 0));
    EXPECT_EQ(AusgangSpannungInEinheit(0, 1e300), 2.0);
}

TEST_F(Umrechnung, UnknownChannelGivesZero) {
    EXPECT_FALSE(plv7::AusgangSkalierungGueltig(gKonfig, 4));
    EXPECT_FALSE(plv7::EingangSkalierungGueltig(gKonfig, -1));
    EXPECT_EQ(AusgangSpannungInEinheit(4, 5.0), 0.0);
    EXPECT_EQ(EingangEinheitInSpannung(-1, 5.0), 0.0);
}

TEST(UmrechnungMitRecord, UsesTheGivenRecordNotTheCurrentOne) {
    Konfiguration c;
    KonfigurationStandardwerte(c);
    c.vinmax = 5.0;
    c.inskalamax[0] = 1.0;
    EXPECT_EQ(plv7::EingangCodeInEinheit(c, 0, 4095), 0.5);
    EXPECT_EQ(plv7::EingangEinheitInCode(c, 0, 0.5), 4095.0);
}

}  // namespace
