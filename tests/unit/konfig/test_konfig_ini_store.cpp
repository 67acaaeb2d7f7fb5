// The konfig section through the settings store and its file text.
#include <gtest/gtest.h>

#include <string>

#include "ini/IniStore.h"
#include "konfig/KonfigIni.h"
#include "konfig/KonfigIniStore.h"

namespace {

Konfiguration beispiel() {
    Konfiguration c;
    KonfigurationStandardwerte(c);
    c.voutmax = 4.095;
    c.inmin[0] = 1.0;
    c.inmax[0] = 6.0;
    c.inskalamax[0] = 1000.0;
    c.outskalamin[3] = -0.001;
    plv7::EinheitSetzen(c.ineinheit[0], "mBar");
    plv7::EinheitSetzen(c.outeinheit[1], "12345678");
    plv7::EinheitSetzen(c.ineinheit[2], "m/s abs");
    return c;
}

TEST(KonfigIniStore, FileHoldsEveryLineOfTheRecord) {
    plv7::IniStore store;
    plv7::KonfigInIniSchreiben(beispiel(), store);
    const auto text = store.serialize();
    EXPECT_NE(text.find("[konfig]\r\n"), std::string::npos);
    for (const auto& zeile : plv7::KonfigIniZeilen(beispiel())) {
        EXPECT_NE(text.find("\n" + zeile + "\r\n"), std::string::npos) << zeile;
    }
    EXPECT_NE(text.find("\noutskalamin3 = -0.001\r\n"), std::string::npos);
    EXPECT_NE(text.find("\nouteinheit1 = \"12345678\"\r\n"), std::string::npos);
}

TEST(KonfigIniStore, RoundTripKeepsAnEightCharacterUnit) {
    plv7::IniStore geschrieben;
    plv7::KonfigInIniSchreiben(beispiel(), geschrieben);
    plv7::IniStore gelesen;
    gelesen.parse(geschrieben.serialize());
    Konfiguration c;
    plv7::KonfigAusIniLesen(gelesen, c);
    EXPECT_EQ(KonfigurationenVergleichen(c, beispiel()), 1);
    EXPECT_EQ(plv7::EinheitText(c.outeinheit[1]), "12345678");
    EXPECT_EQ(plv7::EinheitText(c.ineinheit[2]), "m/s abs");
}

TEST(KonfigIniStore, HandWrittenSection) {
    plv7::IniStore store;
    store.parse(
        "[KONFIG]\r\n"
        "VoutMax = 5\r\n"
        "outmax0 = abc\r\n"
        "inskalamax1 = 1e3\r\n"
        "outeinheit0 = \"Kelvin123\"\r\n"
        "ineinheit1 = mV\r\n");
    Konfiguration c;
    plv7::KonfigAusIniLesen(store, c);
    EXPECT_EQ(c.voutmax, 5.0);     // tag in other case
    EXPECT_EQ(c.outmax[0], 10.0);  // not a number: default
    EXPECT_EQ(c.inskalamax[1], 1000.0);
    EXPECT_EQ(plv7::EinheitText(c.outeinheit[0]), "Kelvin12");
    EXPECT_EQ(plv7::EinheitText(c.ineinheit[1]), "mV");
    EXPECT_EQ(plv7::EinheitText(c.ineinheit[0]), "");  // missing: empty
}

TEST(KonfigIniStore, FileWithoutTheSectionGivesDefaultNumbersAndEmptyUnits) {
    plv7::IniStore store;
    store.parse("[com]\r\n");
    Konfiguration c = beispiel();
    plv7::KonfigAusIniLesen(store, c);
    EXPECT_EQ(c.voutmax, 10.0);
    EXPECT_EQ(c.inmin[0], 0.0);
    EXPECT_EQ(c.inmax[0], 10.0);
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(plv7::EinheitText(c.outeinheit[k]), "");
        EXPECT_EQ(plv7::EinheitText(c.ineinheit[k]), "");
    }
}

}  // namespace
