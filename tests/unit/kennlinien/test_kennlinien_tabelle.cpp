// The characteristic from a table: separators and decimal separators decided by the whole
// file, headers, conversion to raw codes, the flat start, merged points, thinning, and every
// refusal with its line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "kennlinien/Kennlinie.h"
#include "kennlinien/KennlinienAusduennung.h"
#include "kennlinien/KennlinienTabelle.h"
#include "konfig/Konfiguration.h"

namespace plv7::kennlinien {
namespace {

using Punkte = std::vector<std::pair<int, int>>;

// Input 2 and output 1 scaled so that a user value is its raw code: tables read as codes.
Konfiguration rohKonfig() {
    Konfiguration k;
    KonfigurationStandardwerte(k);
    k.inskalamax[1] = 4095.0;
    k.outskalamax[0] = 4095.0;
    return k;
}

Punkte punkteAus(const std::vector<Kennlinienpunkt>& punkte) {
    Punkte p;
    int x = 0;
    for (const Kennlinienpunkt& k : punkte) {
        p.emplace_back(x, k.y);
        x += k.laenge;
    }
    return p;
}

struct Fall {
    const char* name;
    std::string text;
    Punkte punkte;
    std::vector<std::string> hinweisteile;  // one piece of text of each notice, in order
};

TEST(KennlinienTabelle, ReadsEveryLayoutOfTwoColumns) {
    const Fall faelle[] = {
        {"tabs, decimal point",
         "0\t0\n100\t200\n4095\t4095\n",
         {{0, 0}, {100, 200}, {4095, 4095}},
         {}},
        {"semicolons, decimal comma", "X;Y\n0;0\n10,4;20,6\n", {{0, 0}, {10, 21}}, {}},
        {"commas, decimal point", "x,y\n0,0\n1.5,2.5\n", {{0, 0}, {2, 3}}, {}},
        {"commas and blanks, decimal point", "0, 0\n7.25 , 9\n", {{0, 0}, {7, 9}}, {}},
        {"blanks, decimal comma, exponent", "0 0\n1000   1,5e3\n", {{0, 0}, {1000, 1500}}, {}},
        {"spreadsheet with empty columns",
         "Temperatur;Leistung;;\n0;0;;\n1,5;2,75;;\n",
         {{0, 0}, {2, 3}},
         {}},
        {"decimal comma only in the last line", "0;0\n1;1\n2,5;3\n", {{0, 0}, {1, 1}, {3, 3}}, {}},
        {"integers with commas are columns", "0,0\n1,2\n2,4\n", {{0, 0}, {1, 2}, {2, 4}}, {}},
        {"headers, byte-order mark, CR LF, blank lines",
         "\xEF\xBB\xBFKennlinie Ventil\r\nX [V]\tY [bar]\r\n\r\n0\t5\r\n\r\n10\t7\r\n\r\n",
         {{0, 5}, {10, 7}},
         {}},
        {"a header of one number", "42\n0;1\n3;4\n", {{0, 1}, {3, 4}}, {}},
        {"flat start",
         "100;50\n200;60\n",
         {{0, 50}, {100, 50}, {200, 60}},
         {"beginnt erst bei X = 100.000 roh"}},
        {"merged points",
         "0;0\n10,2;10\n10,4;20\n20;20\n",
         {{0, 0}, {10, 15}, {20, 20}},
         {"1 Punkt lag weniger als einen Rohwert neben dem vorigen und wurde mit"}},
        {"merged points at the flat start",
         "5;1\n5,3;3\n5,4;5\n9;9\n",
         {{0, 3}, {5, 3}, {9, 9}},
         {"2 Punkte lagen", "beginnt erst bei X = 5.000"}},
    };
    Konfiguration konfig = rohKonfig();
    EinheitSetzen(konfig.ineinheit[1], "roh");
    for (const Fall& f : faelle) {
        Tabellenimport e;
        ASSERT_EQ(KennlinieAusTabelle(f.text, konfig, e), 0) << f.name << ": " << e.meldung;
        EXPECT_EQ(punkteAus(e.punkte), f.punkte) << f.name;
        EXPECT_EQ(e.punkte.back().laenge, 0) << f.name;
        ASSERT_EQ(e.hinweise.size(), f.hinweisteile.size()) << f.name;
        for (std::size_t i = 0; i < e.hinweise.size(); ++i)
            EXPECT_NE(e.hinweise[i].find(f.hinweisteile[i]), std::string::npos)
                << f.name << ": " << e.hinweise[i];
    }
}

TEST(KennlinienTabelle, ConvertsThroughTheScalingsAndRoundsToTheNearestCode) {
    Konfiguration konfig;
    KonfigurationStandardwerte(konfig);
    // Input 2: 0..10 V are 0..200 °C; output 1: 0..10 V are 0..5 bar.
    konfig.inskalamax[1] = 200.0;
    konfig.outskalamax[0] = 5.0;
    Tabellenimport e;
    ASSERT_EQ(KennlinieAusTabelle("°C;bar\n0;0\n100;2,5\n200;5\n", konfig, e), 0) << e.meldung;
    EXPECT_EQ(punkteAus(e.punkte), (Punkte{{0, 0}, {2048, 2048}, {4095, 4095}}));

    // A falling scaling of input 2 turns the table around: the characteristic still rises in X.
    konfig.inskalamin[1] = 200.0;
    konfig.inskalamax[1] = 0.0;
    ASSERT_EQ(KennlinieAusTabelle("0;0\n200;5\n", konfig, e), 0) << e.meldung;
    EXPECT_EQ(punkteAus(e.punkte), (Punkte{{0, 4095}, {4095, 0}}));
}

struct Ablehnung {
    const char* name;
    std::string text;
    int code;
    std::vector<std::string> meldungsteile;
};

TEST(KennlinienTabelle, RefusesWithTheLineAndItsText) {
    using namespace tabelle;
    std::string zickzack;  // every code, alternating between the ends: nothing to thin
    for (int x = 0; x <= 4095; ++x)
        zickzack += std::to_string(x) + ";" + (x % 2 ? "4095" : "0") + "\n";
    const Ablehnung faelle[] = {
        {"bad line after data",
         "x;y\n0;0\nabc;1\n",
         kFehlerZeile,
         {"Fehler in Zeile 3:\n\"abc;1\"\n", "nicht zwei Zahlen"}},
        {"three numbers", "0;0\n1;2;3\n", kFehlerZeile, {"Zeile 2"}},
        {"an empty middle column", "0;0\n1;;2\n", kFehlerZeile, {"Zeile 2"}},
        {"a control character is shown as a blank",
         "0;0\nx\ty\x01z\n",
         kFehlerZeile,
         {"\"x y z\""}},
        {"X does not rise",
         "0;0\n5;1\n5;2\n",
         kFehlerXNichtSteigend,
         {"Zeile 3", "Der X-Wert 5 ist nicht größer als der vorige (5)"}},
        {"X falls", "+0;+5\n-0,2;1\n", kFehlerXNichtSteigend, {"Zeile 2"}},
        {"X beyond input 2",
         "0;0\n4095,6;1\n",
         kFehlerXBereich,
         {"Zeile 2", "X-Wert 4095,6", "Eingang 2 (0.000 bis 4095.000"}},
        {"Y below output 1",
         "h\n0;-0,6\n",
         kFehlerYBereich,
         {"Zeile 2", "Y-Wert -0,6", "Ausgang 1"}},
        {"no data", "nur Text\n\n", kFehlerKeineDaten, {"keine Zeile mit zwei Zahlen"}},
        {"empty", "", kFehlerKeineDaten, {}},
        {"too many points even thinned",
         zickzack,
         kFehlerZuVielePunkte,
         {"noch 4096 Punkte", "höchstens 807"}},
    };
    for (const Ablehnung& f : faelle) {
        Tabellenimport e;
        e.punkte = {{1, 1, 0}};
        EXPECT_EQ(KennlinieAusTabelle(f.text, rohKonfig(), e), f.code) << f.name;
        EXPECT_TRUE(e.punkte.empty() && e.hinweise.empty()) << f.name;
        for (const std::string& teil : f.meldungsteile)
            EXPECT_NE(e.meldung.find(teil), std::string::npos) << f.name << ": " << e.meldung;
    }

    Konfiguration ungueltig = rohKonfig();
    ungueltig.inmax[1] = ungueltig.inmin[1];
    Tabellenimport e;
    EXPECT_EQ(KennlinieAusTabelle("0;0\n", ungueltig, e), kFehlerSkalierung);
}

TEST(KennlinienTabelle, ThinsALongTableToTheFewestPointsWithinOneCode) {
    // A sine over every code: 4096 points, more than a slot holds.
    std::string text;
    std::vector<Rohpunkt> tabelle;
    for (int x = 0; x <= 4095; ++x) {
        const int y = static_cast<int>(std::lround(2047.5 + 2000.0 * std::sin(x / 300.0)));
        tabelle.push_back({x, y});
        text += std::to_string(x) + "\t" + std::to_string(y) + "\n";
    }
    Tabellenimport e;
    ASSERT_EQ(KennlinieAusTabelle(text, rohKonfig(), e), 0) << e.meldung;
    ASSERT_LE(e.punkte.size(), tabelle::kPunkteMax);
    ASSERT_EQ(e.hinweise.size(), 1u);
    EXPECT_NE(e.hinweise[0].find("von 4096 auf " + std::to_string(e.punkte.size())),
              std::string::npos);
    // Every point of the table lies within one code of the thinned line.
    const Punkte p = punkteAus(e.punkte);
    EXPECT_EQ(p.front(), std::make_pair(0, tabelle.front().y));
    EXPECT_EQ(p.back(), std::make_pair(4095, tabelle.back().y));
    std::size_t k = 0;
    for (const Rohpunkt& t : tabelle) {
        while (p[k + 1].first < t.x) ++k;
        const auto [x0, y0] = p[k];
        const auto [x1, y1] = p[k + 1];
        const double linie = y0 + double(y1 - y0) * (t.x - x0) / (x1 - x0);
        ASSERT_LE(std::abs(linie - t.y), 1.0 + 1e-9) << t.x;
    }
}

TEST(KennlinienAusduennung, KeepsTheFewestPoints) {
    struct Fall {
        const char* name;
        std::vector<Rohpunkt> punkte;
        std::vector<Rohpunkt> erwartet;
    };
    const Fall faelle[] = {
        {"two points stay", {{0, 0}, {5, 9}}, {{0, 0}, {5, 9}}},
        {"a straight line", {{0, 0}, {1, 1}, {2, 2}, {3, 3}}, {{0, 0}, {3, 3}}},
        {"one code off is within", {{0, 0}, {1, 2}, {2, 2}}, {{0, 0}, {2, 2}}},
        {"two codes off is not", {{0, 0}, {1, 3}, {2, 2}}, {{0, 0}, {1, 3}, {2, 2}}},
        {"a peak in the middle",
         {{0, 0}, {1, 0}, {2, 2}, {3, 0}, {4, 0}},
         {{0, 0}, {2, 2}, {4, 0}}},
        {"of equal ways the one that turns first",
         {{0, 0}, {1, 1}, {2, 3}, {3, 4}, {4, 4}, {5, 4}},
         {{0, 0}, {2, 3}, {5, 4}}},
    };
    for (const Fall& f : faelle) EXPECT_EQ(Ausduennen(f.punkte), f.erwartet) << f.name;
}

TEST(KennlinienTabelle, FilesAreReadWholeOrRefused) {
    const auto ordner = std::filesystem::temp_directory_path() / "plv7_tabelle_test";
    std::filesystem::create_directories(ordner);
    Tabellenimport e;
    EXPECT_EQ(KennlinieAusTabellendatei(ordner / "fehlt.txt", rohKonfig(), e),
              tabelle::kFehlerOeffnen);
    const auto datei = ordner / "t.csv";
    std::ofstream(datei, std::ios::binary) << "X;Y\r\n0;0\r\n2,5;3\r\n";
    ASSERT_EQ(KennlinieAusTabellendatei(datei, rohKonfig(), e), 0) << e.meldung;
    EXPECT_EQ(punkteAus(e.punkte), (Punkte{{0, 0}, {3, 3}}));
    std::filesystem::resize_file(datei, tabelle::kDateiMax + 1);
    EXPECT_EQ(KennlinieAusTabellendatei(datei, rohKonfig(), e), tabelle::kFehlerZuGross);
    EXPECT_TRUE(e.punkte.empty());
    std::filesystem::remove_all(ordner);
}

}  // namespace
}  // namespace plv7::kennlinien
