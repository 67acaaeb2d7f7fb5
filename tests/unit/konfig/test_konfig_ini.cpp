#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "ini/IniText.h"
#include "konfig/KonfigIni.h"

namespace {

using ::testing::ElementsAreArray;

// A section as the reader sees it: numbers and texts by tag.
struct Sektion {
    std::map<std::string, double> zahlen;
    std::map<std::string, std::string> texte;

    plv7::KonfigIniQuelle quelle() const {
        return {
            .zahl = [this](const std::string& tag) -> std::optional<double> {
                const auto it = zahlen.find(tag);
                if (it == zahlen.end()) return std::nullopt;
                return it->second;
            },
            .text = [this](const std::string& tag) -> std::optional<std::string> {
                const auto it = texte.find(tag);
                if (it == texte.end()) return std::nullopt;
                return it->second;
            },
        };
    }
};

Sektion ausEintraegen(const Konfiguration& c) {
    Sektion s;
    for (const auto& e : plv7::KonfigIniEintraege(c)) {
        if (e.istText) {
            s.texte[e.tag] = e.text;
        } else {
            s.zahlen[e.tag] = e.zahl;
        }
    }
    return s;
}

Konfiguration standard() {
    Konfiguration c;
    KonfigurationStandardwerte(c);
    return c;
}

// Cases the settings-store tests do not name: 16 digits rather than the shortest round trip,
// a tiny negative exponent, a full-scale voltage.
TEST(KonfigIniWert, NumbersAreWrittenAsPercentPoint16g) {
    EXPECT_EQ(plv7::ini::formatDouble(4.095), "4.095");
    EXPECT_EQ(plv7::ini::formatDouble(0.1 + 0.2), "0.3");
    EXPECT_EQ(plv7::ini::formatDouble(-1e-300), "-1e-300");
    EXPECT_EQ(plv7::KonfigIniWert({.tag = "vinmax", .istText = false, .zahl = 4.095, .text = {}}),
              "4.095");
}

TEST(KonfigIniZeilen, DefaultsInWriteOrder) {
    std::vector<std::string> erwartet = {"voutmax = 10", "vinmax = 10"};
    for (int k = 0; k < 4; ++k) {
        const auto n = std::to_string(k);
        for (const auto& zeile :
             {"outmin" + n + " = 0", "outmax" + n + " = 10", "outskalamin" + n + " = 0",
              "outskalamax" + n + " = 10", "outeinheit" + n + " = \"V\"", "inmin" + n + " = 0",
              "inmax" + n + " = 10", "inskalamin" + n + " = 0", "inskalamax" + n + " = 10",
              "ineinheit" + n + " = \"V\""}) {
            erwartet.push_back(zeile);
        }
    }
    ASSERT_EQ(erwartet.size(), plv7::kKonfigIniAnzahl);
    EXPECT_THAT(plv7::KonfigIniZeilen(standard()), ElementsAreArray(erwartet));
}

TEST(KonfigIniZeilen, ValuesOfEachChannelGoToTheirOwnTags) {
    auto c = standard();
    c.voutmax = 4.095;
    c.inskalamax[3] = 1000.0;
    c.outmin[2] = -0.5;
    plv7::EinheitSetzen(c.ineinheit[1], "mBar abs");
    const auto zeilen = plv7::KonfigIniZeilen(c);
    EXPECT_EQ(zeilen[0], "voutmax = 4.095");
    EXPECT_EQ(zeilen[2 + 2 * 10 + 0], "outmin2 = -0.5");
    EXPECT_EQ(zeilen[2 + 1 * 10 + 9], "ineinheit1 = \"mBar abs\"");
    EXPECT_EQ(zeilen[2 + 3 * 10 + 8], "inskalamax3 = 1000");
}

TEST(KonfigIniZeilen, ControlCharactersOfAUnitCannotBreakTheLine) {
    auto c = standard();
    plv7::EinheitSetzen(c.outeinheit[0], "\r\nport=3");
    c.ineinheit[0] = {'m', '\t', 'V', '\x7f', '\0', '\n', '\n', '\n', '\0'};
    const auto zeilen = plv7::KonfigIniZeilen(c);
    EXPECT_EQ(zeilen[2 + 4], "outeinheit0 = \"port=3\"");
    EXPECT_EQ(zeilen[2 + 9], "ineinheit0 = \"mV\"");
}

TEST(KonfigIniLesen, StartsFromTheDefaultsAndTakesWhatIsPresent) {
    Sektion s;
    s.zahlen["voutmax"] = 4.095;
    s.zahlen["inskalamax2"] = 1000.0;
    s.zahlen["outmin0"] = -99.0;  // no range check
    s.texte["ineinheit2"] = "mBar";
    s.texte["outeinheit0"] = "V";
    Konfiguration c;
    c.vinmax = 3.0;
    c.inmax[1] = 77.0;
    plv7::KonfigIniLesen(s.quelle(), c);
    EXPECT_EQ(c.voutmax, 4.095);
    EXPECT_EQ(c.vinmax, 10.0);
    EXPECT_EQ(c.inmax[1], 10.0);
    EXPECT_EQ(c.inskalamax[2], 1000.0);
    EXPECT_EQ(c.outmin[0], -99.0);
    EXPECT_EQ(plv7::EinheitText(c.ineinheit[2]), "mBar");
    EXPECT_EQ(plv7::EinheitText(c.outeinheit[0]), "V");
    // A missing unit is empty, not the default "V".
    EXPECT_EQ(plv7::EinheitText(c.outeinheit[1]), "");
    EXPECT_EQ(plv7::EinheitText(c.ineinheit[3]), "");
}

TEST(KonfigIniLesen, UnitKeepsAllEightCharactersAndNoMore) {
    Sektion s;
    s.texte["outeinheit3"] = "12345678";
    s.texte["ineinheit0"] = "123456789";
    s.texte["ineinheit1"] = "";
    Konfiguration c;
    plv7::KonfigIniLesen(s.quelle(), c);
    EXPECT_EQ(plv7::EinheitText(c.outeinheit[3]), "12345678");
    EXPECT_EQ(plv7::EinheitText(c.ineinheit[0]), "12345678");
    EXPECT_EQ(plv7::EinheitText(c.ineinheit[1]), "");
}

TEST(KonfigIniLesen, RoundTripOfEveryItem) {
    Konfiguration c;
    for (std::size_t k = 0; k < 4; ++k) {
        const double n = static_cast<double>(k);
        c.outmin[k] = 0.25 + n;
        c.outmax[k] = 5.5 - n;
        c.outskalamin[k] = -100.0 * n;
        c.outskalamax[k] = 1e-3 * n;
        c.inmin[k] = 1.0 + n;
        c.inmax[k] = 6.0 + n;
        c.inskalamin[k] = 0.5 * n;
        c.inskalamax[k] = 1000.0 + n;
        plv7::EinheitSetzen(c.outeinheit[k], "Ausg" + std::to_string(k) + "xyz");
        plv7::EinheitSetzen(c.ineinheit[k], "mBar" + std::to_string(k));
    }
    c.voutmax = 5.0;
    c.vinmax = 4.095;
    Konfiguration gelesen;
    const auto s = ausEintraegen(c);
    plv7::KonfigIniLesen(s.quelle(), gelesen);
    EXPECT_EQ(KonfigurationenVergleichen(c, gelesen), 1);
    EXPECT_EQ(plv7::EinheitText(gelesen.outeinheit[2]), "Ausg2xyz");

    // Units are the settings file's Windows-1252 bytes, the undefined ones among them.
    plv7::EinheitSetzen(c.ineinheit[3], "\x80/\xB0" "C\x81\x9D");
    plv7::KonfigIniLesen(ausEintraegen(c).quelle(), gelesen);
    EXPECT_EQ(plv7::EinheitText(gelesen.ineinheit[3]), "\x80/\xB0" "C\x81\x9D");
    EXPECT_EQ(plv7::EinheitAlsUtf8(gelesen.ineinheit[3]), "€/°C\u0081\u009D");
}

}  // namespace
