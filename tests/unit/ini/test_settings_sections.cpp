#include <gtest/gtest.h>

#include <string>

#include "direkt/DirektSettings.h"
#include "ini/IniStore.h"
#include "link/ComSettings.h"

using plv7::ComSettings;
using plv7::DirektSettings;
using plv7::IniStore;

namespace {

ComSettings comFrom(std::string_view items) {
    return plv7::readComSettings(IniStore::fromText("[com]\r\n" + std::string(items)));
}

DirektSettings direktFrom(std::string_view items) {
    return plv7::readDirektSettings(IniStore::fromText("[direkt]\r\n" + std::string(items)));
}

}  // namespace

TEST(ComSettingsTest, OnlyTheHeaderGivesAddressOne9600AndNoPort) {
    const ComSettings settings = comFrom("");
    EXPECT_EQ(settings.adresse, '1');
    EXPECT_EQ(settings.baudrate, 9600);
    EXPECT_EQ(settings.letzterPort, -1);
    EXPECT_EQ(settings.port, -1);
}

TEST(ComSettingsTest, ValidValuesAreTaken) {
    const ComSettings settings =
        comFrom("adresse = 38\r\nbaud = 115200\r\nlport = 8\r\nport = 1\r\n");
    EXPECT_EQ(settings.adresse, '&');
    EXPECT_EQ(settings.baudrate, 115200);
    EXPECT_EQ(settings.letzterPort, 8);
    EXPECT_EQ(settings.port, 1);
    EXPECT_EQ(comFrom("adresse = 57\r\n").adresse, '9');
}

TEST(ComSettingsTest, TagsInOtherCaseAreFound) {
    const ComSettings settings = plv7::readComSettings(
        IniStore::fromText("[COM]\r\nBaud = 38400\r\nAdresse = 50\r\nPORT = 4\r\n"));
    EXPECT_EQ(settings.baudrate, 38400);
    EXPECT_EQ(settings.adresse, '2');
    EXPECT_EQ(settings.port, 4);
}

TEST(ComSettingsTest, BaudRatesOutsideTheListFallBackTo9600) {
    for (const char* baud :
         {"4800", "0", "-9600", "9601", "19200.0", "fast", "4294976896" /* 9600 + 2^32 */}) {
        EXPECT_EQ(comFrom(std::string("baud = ") + baud + "\r\n").baudrate, 9600) << baud;
    }
    for (long baud : {9600L, 19200L, 38400L, 57600L, 115200L}) {
        EXPECT_EQ(comFrom("baud = " + std::to_string(baud) + "\r\n").baudrate, baud);
    }
}

TEST(ComSettingsTest, InvalidAddressesAndPortsFallBack) {
    for (const char* code :
         {"48", "58", "37", "39", "0", "-1", "x", "4294967345" /* '1' + 2^32 */, "4294967346"}) {
        EXPECT_EQ(comFrom(std::string("adresse = ") + code + "\r\n").adresse, '1') << code;
    }
    for (const char* port : {"0", "9", "-2", "COM3", "4294967299" /* 3 + 2^32 */}) {
        const ComSettings settings =
            comFrom(std::string("port = ") + port + "\r\nlport = " + port + "\r\n");
        EXPECT_EQ(settings.port, -1) << port;
        EXPECT_EQ(settings.letzterPort, -1) << port;
    }
}

TEST(ComSettingsTest, WrittenItemsAreTheSectionOfTheFile) {
    IniStore store;
    plv7::writeComSettings(store,
                           {.adresse = '&', .baudrate = 57600, .letzterPort = 3, .port = -1});
    EXPECT_EQ(store.serialize(),
              "[com]\r\nadresse = 38\r\nbaud = 57600\r\nlport = 3\r\nport = -1\r\n\r\n");
    const ComSettings back = plv7::readComSettings(IniStore::fromText(store.serialize()));
    EXPECT_EQ(back.adresse, '&');
    EXPECT_EQ(back.baudrate, 57600);
    EXPECT_EQ(back.letzterPort, 3);
    EXPECT_EQ(back.port, -1);
}

TEST(DirektSettingsTest, MissingItemsTakeTheirFallbacks) {
    const DirektSettings settings = plv7::readDirektSettings(IniStore());
    EXPECT_EQ(settings.kurve, (std::array<bool, 4>{true, true, true, true}));
    EXPECT_TRUE(settings.grafikZeigen);
    EXPECT_FALSE(settings.einzelbild);
    EXPECT_FALSE(settings.verzoegertZeichnen);
    EXPECT_EQ(settings.punkteProDiv, 20);
    EXPECT_EQ(settings.abtastzeit, std::nullopt);
    EXPECT_EQ(settings.prozentProDiv, 20);
    EXPECT_EQ(settings.yOffsetInProzent, 0);
    EXPECT_EQ(settings.triggerQuelle, 0);
    EXPECT_EQ(settings.triggerSchwelle, 50);
    EXPECT_EQ(settings.triggerFlanke, 1);
    EXPECT_EQ(settings.triggerDelay, 0);
    for (const auto& limit : settings.begrenzung) EXPECT_EQ(limit, std::nullopt);
}

TEST(DirektSettingsTest, SwitchesTakeAnyNonZeroAsOn) {
    const DirektSettings settings = direktFrom(
        "kurve1 = 0\r\nkurve2 = -3\r\nkurve3 = 4294967296\r\nkurve4 = x\r\n"
        "osziloskop = 0\r\neinzelbild = 7\r\nverzoegert = 1\r\n");
    EXPECT_EQ(settings.kurve, (std::array<bool, 4>{false, true, true, true}));
    EXPECT_FALSE(settings.grafikZeigen);
    EXPECT_TRUE(settings.einzelbild);
    EXPECT_TRUE(settings.verzoegertZeichnen);
    EXPECT_TRUE(direktFrom("osziloskop = 2\r\n").grafikZeigen);
    EXPECT_FALSE(direktFrom("einzelbild = 0\r\n").einzelbild);
}

TEST(DirektSettingsTest, IntegerRangesIncludeTheirEnds) {
    struct Case {
        const char* tag;
        long low, high;
        int fallback;
        int DirektSettings::*field;
    };
    const Case cases[] = {
        {"punktediv", 1, 100, 20, &DirektSettings::punkteProDiv},
        {"yprodiv", 1, 20, 20, &DirektSettings::prozentProDiv},
        {"yoff", 0, 95, 0, &DirektSettings::yOffsetInProzent},
        {"tquelle", 0, 4, 0, &DirektSettings::triggerQuelle},
        {"tdelay", -11, 11, 0, &DirektSettings::triggerDelay},
    };
    for (const Case& c : cases) {
        const auto read = [&](long value) {
            return direktFrom(std::string(c.tag) + " = " + std::to_string(value) + "\r\n").*c.field;
        };
        EXPECT_EQ(read(c.low), c.low) << c.tag;
        EXPECT_EQ(read(c.high), c.high) << c.tag;
        EXPECT_EQ(read(c.low - 1), c.fallback) << c.tag;
        EXPECT_EQ(read(c.high + 1), c.fallback) << c.tag;
        EXPECT_EQ(read(c.low + (1L << 32)), c.fallback) << c.tag;
    }
}

TEST(DirektSettingsTest, TriggerEdgeIsRisingOrFalling) {
    EXPECT_EQ(direktFrom("tflanke = -1\r\n").triggerFlanke, -1);
    EXPECT_EQ(direktFrom("tflanke = 1\r\n").triggerFlanke, 1);
    EXPECT_EQ(direktFrom("tflanke = 0\r\n").triggerFlanke, 1);
    EXPECT_EQ(direktFrom("tflanke = -2\r\n").triggerFlanke, 1);
}

TEST(DirektSettingsTest, SampleTimeOutsideItsRangeKeepsTheControlValue) {
    EXPECT_EQ(direktFrom("abtastzeit = 0.001\r\n").abtastzeit, 0.001);
    EXPECT_EQ(direktFrom("abtastzeit = 34560\r\n").abtastzeit, 34560.0);
    EXPECT_EQ(direktFrom("abtastzeit = 0.5\r\n").abtastzeit, 0.5);
    for (const char* value : {"0.000999", "34560.01", "0", "-1", "1,5", "nan", "inf"}) {
        EXPECT_EQ(direktFrom(std::string("abtastzeit = ") + value + "\r\n").abtastzeit,
                  std::nullopt)
            << value;
    }
}

TEST(DirektSettingsTest, TriggerThresholdIsAPercentage) {
    EXPECT_EQ(direktFrom("tschwelle = 0\r\n").triggerSchwelle, 0);
    EXPECT_EQ(direktFrom("tschwelle = 100\r\n").triggerSchwelle, 100);
    EXPECT_EQ(direktFrom("tschwelle = 12.5\r\n").triggerSchwelle, 12.5);
    EXPECT_EQ(direktFrom("tschwelle = -0.1\r\n").triggerSchwelle, 50);
    EXPECT_EQ(direktFrom("tschwelle = 100.5\r\n").triggerSchwelle, 50);
}

TEST(DirektSettingsTest, LimitsTakeAnyNumberWhenPresent) {
    const DirektSettings settings =
        direktFrom("grenze1 = -1e6\r\ngrenze2 = 2.5\r\ngrenze4 = 10V\r\n");
    EXPECT_EQ(settings.begrenzung[0], -1e6);
    EXPECT_EQ(settings.begrenzung[1], 2.5);
    EXPECT_EQ(settings.begrenzung[2], std::nullopt);
    EXPECT_EQ(settings.begrenzung[3], std::nullopt);
}

TEST(DirektSettingsTest, WrittenItemsAreTheSectionOfTheFile) {
    DirektSettings settings;
    settings.kurve = {true, false, true, false};
    settings.einzelbild = true;
    settings.punkteProDiv = 50;
    settings.abtastzeit = 0.1;
    settings.triggerFlanke = -1;
    settings.triggerDelay = -11;
    settings.triggerSchwelle = 33.3;
    settings.begrenzung = {10.0, 1e-05, 0.0, -2.5};
    IniStore store;
    plv7::writeDirektSettings(store, settings);
    EXPECT_EQ(store.serialize(),
              "[direkt]\r\nabtastzeit = 0.1\r\neinzelbild = 1\r\n"
              "grenze1 = 10\r\ngrenze2 = 1e-05\r\ngrenze3 = 0\r\ngrenze4 = -2.5\r\n"
              "kurve1 = 1\r\nkurve2 = 0\r\nkurve3 = 1\r\nkurve4 = 0\r\n"
              "osziloskop = 1\r\npunktediv = 50\r\ntdelay = -11\r\ntflanke = -1\r\n"
              "tquelle = 0\r\ntschwelle = 33.3\r\nverzoegert = 0\r\nyoff = 0\r\nyprodiv = 20\r\n"
              "\r\n");
    const DirektSettings back = plv7::readDirektSettings(IniStore::fromText(store.serialize()));
    EXPECT_EQ(back.kurve, settings.kurve);
    EXPECT_EQ(back.abtastzeit, 0.1);
    EXPECT_EQ(back.triggerSchwelle, 33.3);
    EXPECT_EQ(back.begrenzung, settings.begrenzung);
}

TEST(DirektSettingsTest, UnknownValuesAreLeftOutWhenWriting) {
    IniStore store;
    plv7::writeDirektSettings(store, DirektSettings{});
    EXPECT_EQ(store.getDouble("direkt", "abtastzeit"), std::nullopt);
    EXPECT_EQ(store.getDouble("direkt", "grenze1"), std::nullopt);
    EXPECT_EQ(store.getInt("direkt", "kurve1"), 1);
}
