// Text export and import of characteristics: exact export bytes, the example import, every
// refusal with its line, skipped lines and long lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "kennlinien/KennlinienText.h"

using namespace plv7;
using namespace plv7::kennlinien;
namespace kt = plv7::kennlinien::kennlinien_text;

namespace {

int importiere(const std::string& text, std::vector<Kennlinienpunkt>& punkte,
               std::string& meldung) {
    return KennlinienTextImportieren(text, punkte, meldung);
}

}  // namespace

TEST(KennlinienText, ExportOfTheDefault) {
    EXPECT_EQ(KennlinienExportText(KennlinieStandard()),
              "# Kennlinie exportiert aus PLV7-Steuerung\r\n"
              "# Spalte 1 = X-Wert in Prozent\r\n"
              "# Spalte 2 = Y-Wert in Prozent\r\n"
              "\r\n"
              "0.00\t100.00\r\n"
              "\r\n");
}

TEST(KennlinienText, TheThreeLineExampleAndSkippedLines) {
    std::vector<Kennlinienpunkt> punkte;
    std::string meldung;
    ASSERT_EQ(importiere("   # Kommentar\n   \n\n0\t0\r\n50\t100\n100\t0", punkte, meldung), 0);
    const std::vector<Kennlinienpunkt> erwartet = {{0, 2047, 0}, {4095, 2047, 0}, {0, 0, 0}};
    EXPECT_EQ(punkte, erwartet);
}

TEST(KennlinienText, RefusalsNameTheLineAndLeaveThePointsAlone) {
    struct Fall {
        std::string text;
        int code;
        std::string meldung;
    };
    const Fall faelle[] = {
        {"# a\n0\n", kt::kFehlerWerte, "Fehler in Zeile 2:\nFalsche oder zu wenig Werte."},
        {"0\tx\n", kt::kFehlerWerte, "Fehler in Zeile 1:\nFalsche oder zu wenig Werte."},
        {"0\tnan\n", kt::kFehlerWerte, "Fehler in Zeile 1:\nFalsche oder zu wenig Werte."},
        {"0\t100.5\n", kt::kFehlerYBereich,
         "Fehler in Zeile 1:\nDer Y-Wert 100.5 % liegt nicht zwischen 0 und 100 %."},
        {"0\t0\n-0.25\t0\n", kt::kFehlerXBereich,
         "Fehler in Zeile 2:\nDer X-Wert -0.25 % liegt nicht zwischen 0 und 100 %."},
        {"0.5\t0\n", kt::kFehlerNichtBeiNull, "Fehler in Zeile 1:\nKurve muß bei X=0 beginnen."},
        {"0\t0\n\n10\t1\n10\t2\n", kt::kFehlerNichtFortlaufend,
         "Fehler in Zeile 4:\nX-Achse nicht fortlaufend."},
        {"0\t0\n0.01\t1\n", kt::kFehlerAbstandNull,
         "Fehler in Zeile 2:\nX-Unterschied zwischen zwei Punkten muß größer Null sein."},
        {"# nichts\n\n", kt::kFehlerKeineDaten, "Keine Kurvendaten gefunden."},
        {"", kt::kFehlerKeineDaten, "Keine Kurvendaten gefunden."},
    };
    for (const Fall& fall : faelle) {
        std::vector<Kennlinienpunkt> punkte = {{1, 0, 0}};
        std::string meldung;
        EXPECT_EQ(importiere(fall.text, punkte, meldung), fall.code) << fall.text;
        EXPECT_EQ(meldung, fall.meldung) << fall.text;
        EXPECT_EQ(punkte.size(), 1u);
    }
}

TEST(KennlinienText, OnlyTheFirst95CharactersOfALineCount) {
    std::vector<Kennlinienpunkt> punkte;
    std::string meldung;
    // The second number begins after character 95 and is never seen.
    const std::string lang = "0" + std::string(94, ' ') + "\t50\n";
    EXPECT_EQ(importiere(lang, punkte, meldung), kt::kFehlerWerte);
    // A comment that goes on for ever is still one line.
    ASSERT_EQ(importiere("#" + std::string(5000, 'x') + "\n0\t50\n", punkte, meldung), 0);
    EXPECT_EQ(punkte.size(), 1u);
}

TEST(KennlinienText, ExportThenImportOfAFileGivesTheSamePoints) {
    const auto ordner = std::filesystem::temp_directory_path() /
                        ("plv7-kennl-text-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(ordner);
    Kennlinie k;
    // Whole percent steps of X and Y survive the two decimals exactly.
    k.punkte = {{0, 819, 0}, {4095, 819, 0}, {2048, 0, 0}};
    ASSERT_EQ(KennlinieExportieren(ordner / "k.txt", k), 0);
    std::vector<Kennlinienpunkt> punkte;
    std::string meldung;
    ASSERT_EQ(KennlinieImportieren(ordner / "k.txt", punkte, meldung), 0) << meldung;
    ASSERT_EQ(punkte.size(), 3u);
    EXPECT_EQ(punkte[0].laenge, 819);
    EXPECT_EQ(punkte[1].y, 4095);
    EXPECT_EQ(punkte[2].laenge, 0);
    EXPECT_EQ(KennlinieImportieren(ordner / "fehlt.txt", punkte, meldung),
              kt::kFehlerImportOeffnen);
    std::filesystem::remove_all(ordner);
}
