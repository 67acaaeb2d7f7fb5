#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "konfig/Konfiguration.h"

namespace {

double leDouble(const plv7::KonfigBild& bild, std::size_t offset) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i) bits |= std::uint64_t{bild[offset + i]} << (8 * i);
    return std::bit_cast<double>(bits);
}

std::string textAt(const plv7::KonfigBild& bild, std::size_t offset) {
    return std::string(reinterpret_cast<const char*>(bild.data() + offset));
}

// Every number distinct, so a field written to the wrong place shows.
Konfiguration unterschiedlicheWerte() {
    Konfiguration c;
    c.voutmax = 4.095;
    c.vinmax = 5.0;
    for (std::size_t k = 0; k < 4; ++k) {
        const double n = static_cast<double>(k);
        c.outmin[k] = 0.1 + n;
        c.outmax[k] = 10.1 + n;
        c.outskalamin[k] = 20.1 + n;
        c.outskalamax[k] = 30.1 + n;
        c.inmin[k] = 40.1 + n;
        c.inmax[k] = 50.1 + n;
        c.inskalamin[k] = 60.1 + n;
        c.inskalamax[k] = 70.1 + n;
        plv7::EinheitSetzen(c.outeinheit[k], "out" + std::to_string(k));
        plv7::EinheitSetzen(c.ineinheit[k], "in" + std::to_string(k));
    }
    return c;
}

class GlobalKonfig : public ::testing::Test {
protected:
    void SetUp() override { gespeichert_ = gKonfig; }
    void TearDown() override {
        gKonfig = gespeichert_;
        plv7::setKonfigAnzeige(nullptr);
    }

private:
    Konfiguration gespeichert_;
};

TEST(KonfigBild, EveryFieldAtItsOffset) {
    const auto bild = plv7::KonfigurationInBild(unterschiedlicheWerte());
    ASSERT_EQ(bild.size(), 352u);
    EXPECT_EQ(leDouble(bild, 0), 4.095);
    EXPECT_EQ(leDouble(bild, 176), 5.0);
    for (std::size_t k = 0; k < 4; ++k) {
        const double n = static_cast<double>(k);
        EXPECT_EQ(leDouble(bild, 8 + 8 * k), 0.1 + n);
        EXPECT_EQ(leDouble(bild, 40 + 8 * k), 10.1 + n);
        EXPECT_EQ(leDouble(bild, 72 + 8 * k), 20.1 + n);
        EXPECT_EQ(leDouble(bild, 104 + 8 * k), 30.1 + n);
        EXPECT_EQ(textAt(bild, 136 + 9 * k), "out" + std::to_string(k));
        EXPECT_EQ(leDouble(bild, 184 + 8 * k), 40.1 + n);
        EXPECT_EQ(leDouble(bild, 216 + 8 * k), 50.1 + n);
        EXPECT_EQ(leDouble(bild, 248 + 8 * k), 60.1 + n);
        EXPECT_EQ(leDouble(bild, 280 + 8 * k), 70.1 + n);
        EXPECT_EQ(textAt(bild, 312 + 9 * k), "in" + std::to_string(k));
    }
    for (std::size_t i = 172; i < 176; ++i) EXPECT_EQ(bild[i], 0) << i;
    for (std::size_t i = 348; i < 352; ++i) EXPECT_EQ(bild[i], 0) << i;
}

TEST(KonfigBild, DoublesAreLittleEndianIeee) {
    Konfiguration c;
    c.voutmax = 10.0;  // 0x4024000000000000
    const auto bild = plv7::KonfigurationInBild(c);
    const std::uint8_t erwartet[8] = {0, 0, 0, 0, 0, 0, 0x24, 0x40};
    EXPECT_EQ(std::memcmp(bild.data(), erwartet, 8), 0);
}

TEST(KonfigBild, RoundTripKeepsEveryFieldAndBytesBehindTheNul) {
    auto original = unterschiedlicheWerte();
    original.outeinheit[2] = {'m', 'V', '\0', 'x', 'y', 'z', 1, 2, '\0'};
    original.inmin[3] = -0.0;
    const auto bild = plv7::KonfigurationInBild(original);
    const auto zurueck = plv7::KonfigurationAusBild(bild);
    EXPECT_EQ(plv7::KonfigurationInBild(zurueck), bild);
    EXPECT_EQ(zurueck.outeinheit[2], original.outeinheit[2]);
    EXPECT_TRUE(std::signbit(zurueck.inmin[3]));
}

TEST(KonfigBild, UnitFieldWithoutNulIsCutToEightCharacters) {
    auto bild = plv7::KonfigurationInBild(unterschiedlicheWerte());
    std::memset(bild.data() + 136, 'A', 9);
    std::memset(bild.data() + 312 + 27, 'B', 9);
    const auto c = plv7::KonfigurationAusBild(bild);
    EXPECT_EQ(plv7::EinheitText(c.outeinheit[0]), "AAAAAAAA");
    EXPECT_EQ(plv7::EinheitText(c.ineinheit[3]), "BBBBBBBB");
    EXPECT_EQ(c.outeinheit[0][8], '\0');
    EXPECT_EQ(plv7::EinheitText(c.outeinheit[1]), "out1");
}

TEST(Einheit, SetCutsToEightAndKeepsBytesBehind) {
    Konfiguration::Einheit e{'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i'};
    plv7::EinheitSetzen(e, "mBar");
    EXPECT_EQ(plv7::EinheitText(e), "mBar");
    EXPECT_EQ(e[5], 'f');
    plv7::EinheitSetzen(e, "123456789");
    EXPECT_EQ(plv7::EinheitText(e), "12345678");
    plv7::EinheitSetzen(e, std::string_view("ab\0cd", 5));
    EXPECT_EQ(plv7::EinheitText(e), "ab");
}

TEST(Einheit, OnlyPrintableCharactersOfTheCodePageAreTaken) {
    for (const char32_t c :
         {U' ', U'm', U'~', U'\u00A0', U'\u00B5', U'\u00FF', U'\u20AC', U'\u2030', U'\u0081'}) {
        EXPECT_TRUE(plv7::EinheitZeichenTauglich(c)) << static_cast<unsigned>(c);
    }
    for (const char32_t c : {U'\t', U'\x1F', U'\x7F', U'\u0080', U'\u009F', U'\u0100', U'\u2192'}) {
        EXPECT_FALSE(plv7::EinheitZeichenTauglich(c)) << static_cast<unsigned>(c);
    }
}

TEST_F(GlobalKonfig, ProgramStartsWithTheDefaults) {
    // gKonfig as the program starts is checked against the defaults written explicitly.
    Konfiguration erwartet;
    KonfigurationStandardwerte(erwartet);
    Konfiguration beimStart = gKonfig;
    EXPECT_EQ(KonfigurationenVergleichen(beimStart, erwartet), 1);
}

TEST_F(GlobalKonfig, DefaultsAreTenVoltsOntoVolts) {
    gKonfig = unterschiedlicheWerte();
    gKonfig.ineinheit[1] = {'x', 'y', 'z', 'w', 'q', 'r', 's', 't', '\0'};
    KonfigurationStandardwerte();
    EXPECT_EQ(gKonfig.voutmax, 10.0);
    EXPECT_EQ(gKonfig.vinmax, 10.0);
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(gKonfig.outmin[k], 0.0);
        EXPECT_EQ(gKonfig.outmax[k], 10.0);
        EXPECT_EQ(gKonfig.outskalamin[k], 0.0);
        EXPECT_EQ(gKonfig.outskalamax[k], 10.0);
        EXPECT_EQ(plv7::EinheitText(gKonfig.outeinheit[k]), "V");
        EXPECT_EQ(gKonfig.inmin[k], 0.0);
        EXPECT_EQ(gKonfig.inmax[k], 10.0);
        EXPECT_EQ(gKonfig.inskalamin[k], 0.0);
        EXPECT_EQ(gKonfig.inskalamax[k], 10.0);
        EXPECT_EQ(plv7::EinheitText(gKonfig.ineinheit[k]), "V");
    }
    EXPECT_EQ(gKonfig.ineinheit[1][2], 'z');  // behind the NUL: left as it was
}

TEST(Vergleichen, EqualRecordsAndEveryFieldThatDiffers) {
    const auto basis = unterschiedlicheWerte();
    EXPECT_EQ(KonfigurationenVergleichen(basis, basis), 1);
    for (std::size_t k = 0; k < 4; ++k) {
        for (auto feld :
             {&Konfiguration::outmin, &Konfiguration::outmax, &Konfiguration::outskalamin,
              &Konfiguration::outskalamax, &Konfiguration::inmin, &Konfiguration::inmax,
              &Konfiguration::inskalamin, &Konfiguration::inskalamax}) {
            auto anders = basis;
            (anders.*feld)[k] = std::nextafter((anders.*feld)[k], 1e9);  // no tolerance
            EXPECT_EQ(KonfigurationenVergleichen(basis, anders), 0) << k;
        }
        auto anders = basis;
        anders.outeinheit[k][0] = 'X';
        EXPECT_EQ(KonfigurationenVergleichen(anders, basis), 0);
        anders = basis;
        anders.ineinheit[k][0] = 'X';
        EXPECT_EQ(KonfigurationenVergleichen(anders, basis), 0);
    }
    auto anders = basis;
    anders.voutmax = 10.0;
    EXPECT_EQ(KonfigurationenVergleichen(basis, anders), 0);
    anders = basis;
    anders.vinmax = 10.0;
    EXPECT_EQ(KonfigurationenVergleichen(basis, anders), 0);
}

TEST(Vergleichen, UnitCaseCountsBytesBehindTheNulDoNot) {
    Konfiguration a;
    KonfigurationStandardwerte(a);
    auto b = a;
    b.outeinheit[0][0] = 'v';
    EXPECT_EQ(KonfigurationenVergleichen(a, b), 0);
    b = a;
    b.ineinheit[3][5] = 'Q';
    b.outeinheit[1][8] = 'Q';
    EXPECT_EQ(KonfigurationenVergleichen(a, b), 1);
    b = a;
    plv7::EinheitSetzen(b.outeinheit[2], "VV");  // a longer text with the same beginning
    EXPECT_EQ(KonfigurationenVergleichen(a, b), 0);
}

TEST_F(GlobalKonfig, SetzenTakesTheRecordAndRefreshesTheWindow) {
    int angezeigt = 0;
    plv7::setKonfigAnzeige([&] {
        ++angezeigt;
        EXPECT_EQ(gKonfig.vinmax, 5.0);  // already current when the window reads it
    });
    KonfigurationSetzen(unterschiedlicheWerte());
    EXPECT_EQ(angezeigt, 1);
    EXPECT_EQ(KonfigurationenVergleichen(gKonfig, unterschiedlicheWerte()), 1);
    plv7::setKonfigAnzeige(nullptr);
    KonfigurationSetzen(Konfiguration{});  // without a window
    EXPECT_EQ(gKonfig.vinmax, 0.0);
}

}  // namespace
