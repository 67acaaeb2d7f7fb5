#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kurven/KurvenText.h"

namespace plv7::kurven {
namespace {

using namespace kurven_text;

const std::string kKopf =
    "# Kurven exportiert aus PLV7-Steuerung\r\n# Spalte 1 = Zeit in Sekunden\r\n"
    "# Spalte 2 = Y-Wert in Prozent\r\n# Spalte 3 = Zeitbasis\r\n# Spalte 4 = Kuvennummer\r\n\r\n";

TEST(KurvenText, ExportOfFreshCurvesAndItsImportBack) {
    const Kurvenmodell frisch;
    const std::string text = KurvenExportText(frisch.kurven);
    EXPECT_EQ(text, kKopf +
                        "0.000\t0.00\t10ms\t1\r\n\r\n0.000\t0.00\t10ms\t2\r\n\r\n"
                        "0.000\t0.00\t10ms\t3\r\n\r\n0.000\t0.00\t10ms\t4\r\n\r\n");
    const auto import = KurvenImportLesen(text);
    ASSERT_EQ(import.code, 0) << import.meldung;
    for (const auto& punkte : import.kurven) EXPECT_EQ(punkte, Einzelpunkt());
}

TEST(KurvenText, ExportedCurvesImportBackWholeWithEitherLineEnd) {
    Kurvenmodell m;
    m.kurven[0].punkte = {{0, 5, 2}, {2047, 3, 3}, {4095, 1, 1}};
    m.kurven[2].punkte = {{1, 65535, 1}, {4000, 1, 6}};
    std::string text = KurvenExportText(m.kurven);
    EXPECT_NE(text.find("0.500\t49.99\t1sek\t1\r\n3.500\t100.00\t10ms\t1\r\n"), std::string::npos);
    EXPECT_NE(text.find("0.000\t0.02\t10ms\t3\r\n"), std::string::npos);
    for (const bool nurLf : {false, true}) {
        if (nurLf) std::erase(text, '\r');
        const auto import = KurvenImportLesen(text);
        ASSERT_EQ(import.code, 0) << import.meldung;
        EXPECT_EQ(import.kurven[0], m.kurven[0].punkte);
        EXPECT_EQ(import.kurven[2][0].wert, 0);  // 0.02 percent is 0.8 raw
        EXPECT_EQ(import.kurven[2][0].laenge, 65535);
    }
}

TEST(KurvenText, HalfASecondInHundredMillisecondsIsFiveTicks) {
    const auto import = KurvenImportLesen("0\t0\t100ms\t1\n0.5\t50\t100ms\t1\n");
    ASSERT_EQ(import.code, 0);
    EXPECT_EQ(import.kurven[0], (std::vector<Kurvenpunkt>{{0, 5, 2}, {2047, 1, 2}}));
    EXPECT_TRUE(import.kurven[1].empty());
}

TEST(KurvenText, LinesThatAreSkipped) {
    const auto import = KurvenImportLesen("\n   \n  # Kommentar\n0\t0\t10ms\t2\n" +
                                          std::string(200, '#') + "\n0.01\t1\t10ms\t2");
    ASSERT_EQ(import.code, 0) << import.meldung;
    EXPECT_EQ(import.kurven[1].size(), 2u);
}

TEST(KurvenText, EveryRefusalNamesItsLineAndChangesNothing) {
    struct Fall {
        std::string text;
        int code;
        std::string meldung;
    };
    const std::string z = "Fehler in Zeile ";
    const std::vector<Fall> faelle = {
        {"# a\n0\t0\t10ms\n", kFehlerWerte, z + "2:\nFalsche oder zu wenig Werte."},
        {"0\tx\t10ms\t1\n", kFehlerWerte, z + "1:\nFalsche oder zu wenig Werte."},
        {"0\t0\t10ms\t5\n", kFehlerKurvennummer, z + "1:\nKurvennummer 5 ist nicht erlaubt."},
        {"0\t0\t10ms\t1\n0\t0\t10ms\t2\n0.01\t0\t10ms\t1\n", kFehlerNichtZusammenhaengend,
         z + "3:\nAlle Punkte der Kurve 1 müssen zusammenhängend sein."},
        {"0\t0\t10 ms\t1\n", kFehlerZeitbasis, z + "1:\nUnbekannte Zeitbasis '10 ms'."},
        {"0\t100.5\t10ms\t1\n", kFehlerWertBereich,
         z + "1:\nY-Wert 100.50 Prozent liegt nicht zwischen 0 und 100."},
        {"0.1\t0\t10ms\t1\n", kFehlerStartNichtNull, z + "1:\nKurve muß bei Zeit=0 beginnen."},
        {"0\t0\t10ms\t1\n0\t0\t10ms\t1\n", kFehlerZeitNichtFortlaufend,
         z + "2:\nZeitangaben nicht fortlaufend."},
        {"0\t0\t10ms\t1\n655.36\t0\t10ms\t1\n", kFehlerAbschnittZuLang,
         z + "2:\nKuvenabschnitt zu lang\n(muß kleiner sein als 65536 Zeiteinheiten)."},
        {"0\t0\t1sek\t1\n1.5\t0\t10ms\t1\n", kFehlerZeitbasisRaster,
         z + "2:\nZeitunterschied von 1.500 Sekunden läßt sich nicht\ndurch die Zeitbasis 1sek "
             "ausdrücken."},
        // Two microseconds in hours: on the grid (within a millionth), but no whole tick.
        {"0\t0\t1std\t1\n0.000002\t0\t10ms\t1\n", kFehlerAbschnittNull,
         z + "2:\nZeitunterschied zwischen zwei Punkten muß größer Null sein."},
        {"# nichts\n\n", kFehlerKeineDaten, "Keine Kurvendaten gefunden."},
    };
    for (const auto& f : faelle) {
        const auto import = KurvenImportLesen(f.text);
        EXPECT_EQ(import.code, f.code) << f.text;
        EXPECT_EQ(import.meldung, f.meldung) << f.text;
        for (const auto& punkte : import.kurven) EXPECT_TRUE(punkte.empty()) << f.text;
    }
}

TEST(KurvenText, ImportReplacesOnlyItsCurvesAsEdits) {
    Kurvenmodell m;
    m.aktuelleKurve = 3;
    m.kurven[0].kommentar = "bleibt";
    m.dateipfad = "a.plr";
    KurvenImportUebernehmen(m, KurvenImportLesen("0\t50\t10ms\t2\n0.02\t0\t10ms\t2\n"));
    EXPECT_EQ(m.kurven[1].punkte, (std::vector<Kurvenpunkt>{{2047, 2, 1}, {0, 1, 1}}));
    EXPECT_EQ(m.kurven[0].punkte, Einzelpunkt());
    EXPECT_EQ(m.aktuelleKurve, 3);
    EXPECT_EQ(m.rueckgaengigSchritte(1), 1);
    EXPECT_EQ(m.rueckgaengigSchritte(0), 0);
    EXPECT_EQ(m.kurven[0].kommentar, "bleibt");
    EXPECT_EQ(m.dateipfad, "a.plr");
    EXPECT_TRUE(m.geaendert);
}

}  // namespace
}  // namespace plv7::kurven
