#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "konfig/Konfiguration.h"
#include "kurven/KurvenWerkzeuge.h"

namespace plv7::kurven {
namespace {

using Punkte = std::vector<Kurvenpunkt>;

const std::string kUngleicheZeitbasen =
    "Punkt kann nicht gelöscht werden, da die beiden angrenzenden \nGeraden unterschiedliche "
    "Zeitbasen haben. \nWandeln Sie die Zeitbasis von einer der Geraden in die der anderen um.";
const std::string kAufloesenZuLang =
    "Punkt kann nicht gelöscht werden, da die resultierende \nGerade zu lang währe. \nWandeln Sie "
    "die Geraden in eine größere Zeitbasis um.";
const std::string kUnvorhergesehen = "Unvorhergesehene Operation.";

class KurvenWerkzeuge : public ::testing::Test {
protected:
    void SetUp() override { KonfigurationStandardwerte(); }
    void TearDown() override { KonfigurationStandardwerte(); }

    Kurvenmodell mit(Punkte punkte) {
        Kurvenmodell m;
        m.aktuell().punkte = std::move(punkte);
        return m;
    }
};

TEST_F(KurvenWerkzeuge, RasterSnapsToTheUserGridAndSurvivesAZeroStep) {
    gKonfig.outskalamax[0] = 100.0;         // 0..10 V = 0..100 %
    EXPECT_EQ(RasterY(0, 1.0, 100.0), 82);  // 2 x 40.95
    EXPECT_EQ(RasterY(0, 1.0, 4100.0), 4095);
    EXPECT_EQ(RasterY(0, 0.0, 99.4), 99);
    EXPECT_EQ(RasterY(0, 1.0, -20.0), 0);
    gKonfig.outskalamax[0] = 0.0;  // every user value maps onto the same code
    EXPECT_EQ(RasterY(0, 1.0, 77.6), 78);
}

TEST_F(KurvenWerkzeuge, NearestPointWeighsPixelsAndPrefersTheLowerIndex) {
    const Punkte p{{0, 10, 1}, {4095, 10, 1}, {0, 1, 1}};  // starts 0, 100, 200
    const Zeitfenster f{0, 199};
    EXPECT_EQ(NaechsterPunkt(p, 90.0, 3000.0, f, 400, 300), 1u);
    EXPECT_EQ(NaechsterPunkt(p, 100.0, 0.0, f, 400, 300), 0u);  // 200 px either way
    EXPECT_EQ(NaechsterPunkt(p, 5000.0, 0.0, f, 400, 300), 2u);
}

TEST_F(KurvenWerkzeuge, DrawingWithHundredMillisecondsAt1234) {
    Kurvenmodell m;
    const Punktlage v = ZeichnenVorschau(m.aktuell().punkte, 2, 1234.0, 500);
    EXPECT_EQ(v.x, 1200.0);
    EXPECT_EQ(PunktAnhaengen(m, 2, 1234.0, 500), "");
    EXPECT_EQ(m.aktuell().punkte, (Punkte{{0, 12, 2}, {500, 1, 2}}));
    EXPECT_EQ(Kurvendauer(m.aktuell().punkte), 1300);
    EXPECT_EQ(m.rueckgaengigSchritte(0), 1);
    // Left of the last point: one tick after it; far right: refused.
    EXPECT_EQ(ZeichnenVorschau(m.aktuell().punkte, 2, 0.0, 0).x, 1300.0);
    EXPECT_EQ(PunktAnhaengen(m, 1, 1e9, 0),
              "Gerade zu lang!\nWählen Sie eine größere Zeiteinheit.");
    EXPECT_EQ(m.aktuell().punkte.size(), 2u);
}

TEST_F(KurvenWerkzeuge, MoveSnapsToTheCoarserNeighbourAndKeepsTheDuration) {
    // 0 ─10×10ms→ 100 ─2×100ms→ 300 ─closing 10ms
    Kurvenmodell m = mit({{0, 10, 1}, {100, 2, 2}, {200, 1, 1}});
    EXPECT_EQ(VerschiebenX(m.aktuell().punkte, 1, 140.0), 100.0);  // grid of 100 ms from 300
    EXPECT_EQ(VerschiebenX(m.aktuell().punkte, 1, 20.0), 100.0);   // never onto point 0
    // The last point moves in its predecessor's grid and changes the duration.
    EXPECT_EQ(VerschiebenX(m.aktuell().punkte, 2, 420.0), 400.0);
    EXPECT_EQ(PunktVerschieben(m, 2, 420.0, 7), "");
    EXPECT_EQ(m.aktuell().punkte, (Punkte{{0, 10, 1}, {100, 3, 2}, {7, 1, 1}}));
    // Point 0 changes only its value, and a move to where it is takes no undo step.
    EXPECT_EQ(PunktVerschieben(m, 0, 999.0, 42), "");
    EXPECT_EQ(m.aktuell().punkte.front(), (Kurvenpunkt{42, 10, 1}));
    const int schritte = m.rueckgaengigSchritte(0);
    EXPECT_EQ(PunktVerschieben(m, 0, 0.0, 42), "");
    EXPECT_EQ(m.rueckgaengigSchritte(0), schritte);
}

TEST_F(KurvenWerkzeuge, MovingAnInnerPointSetsBothNeighbourLengthsAndKeepsTheDuration) {
    struct Fall {
        const char* was;
        Punkte vorher;
        double x;
        std::string meldung;
        Punkte nachher;
    };
    const std::vector<Fall> faelle = {
        // 0 ─10×10ms→ 100 ─2×100ms→ 300: the coarser right grid, counted back from 300
        {"right grid",
         {{0, 10, 1}, {100, 2, 2}, {200, 1, 1}},
         190.0,
         "",
         {{0, 20, 1}, {55, 1, 2}, {200, 1, 1}}},
        // 0 ─2×100ms→ 200 ─30×10ms→ 500: the coarser left grid, counted from 0
        {"left grid",
         {{0, 2, 2}, {100, 30, 1}, {0, 1, 1}},
         340.0,
         "",
         {{0, 3, 2}, {55, 20, 1}, {0, 1, 1}}},
        // 60000 ticks of 10 ms, then 2 minutes: one minute less gives 66000 ticks
        {"left neighbour too long",
         {{0, 60000, 1}, {5, 2, 5}, {0, 1, 1}},
         700000.0,
         "Resultierende Gerade ist zu lang!",
         {{0, 60000, 1}, {5, 2, 5}, {0, 1, 1}}},
    };
    for (const auto& f : faelle) {
        Kurvenmodell m = mit(f.vorher);
        EXPECT_EQ(PunktVerschieben(m, 1, f.x, 55), f.meldung) << f.was;
        EXPECT_EQ(m.aktuell().punkte, f.nachher) << f.was;
        EXPECT_EQ(Kurvendauer(m.aktuell().punkte), Kurvendauer(f.vorher)) << f.was;
        EXPECT_EQ(m.rueckgaengigSchritte(0), f.meldung.empty() ? 1 : 0) << f.was;
    }
}

// The sum check guards the duration: whatever the two time bases and wherever the point is
// dragged, a move that is taken leaves the curve exactly as long as before.
TEST_F(KurvenWerkzeuge, NoInnerMoveChangesTheDuration) {
    for (std::uint8_t links = 1; links <= 6; ++links) {
        for (std::uint8_t rechts = 1; rechts <= 6; ++rechts) {
            const Punkte vorher{{0, 3, links}, {9, 4, rechts}, {0, 1, 1}};
            const std::int64_t dauer = Kurvendauer(vorher);
            for (int schritt = 0; schritt <= 40; ++schritt) {
                Kurvenmodell m = mit(vorher);
                const double x = static_cast<double>(dauer) * schritt / 40.0;
                const std::string meldung = PunktVerschieben(m, 1, x, 9);
                const auto& p = m.aktuell().punkte;
                EXPECT_EQ(Kurvendauer(p), dauer) << int{links} << int{rechts} << " " << x;
                if (meldung.empty()) {
                    EXPECT_GE(p[0].laenge, 1);
                    EXPECT_GE(p[1].laenge, 1);
                } else {
                    EXPECT_EQ(p, vorher);
                    EXPECT_TRUE(meldung == kUnvorhergesehen ||
                                meldung == "Resultierende Gerade ist zu lang!")
                        << meldung;
                }
            }
        }
    }
}

struct KoordinatenFall {
    const char* name;
    std::size_t punkt;
    std::int64_t zeit;
    double wert;  // user unit, 0..10 V
    std::string fehler;
    Punkte danach;
};

TEST_F(KurvenWerkzeuge, CoordinatesDialogChecks) {
    const Punkte vorher{{0, 10, 1}, {4095, 10, 2}, {0, 1, 1}};  // starts 0, 100, 1100
    const std::vector<KoordinatenFall> faelle{
        {"value above full scale", 1, 100, 10.5, "Y-Wert zu groß.", vorher},
        {"value below zero keeps the time",
         1,
         200,
         -1.0,
         "Y-Wert zu klein.",
         {{0, 20, 1}, {4095, 9, 2}, {0, 1, 1}}},
        {"first point in time", 0, 10, 0.0,
         "Der erste Punkt kann nicht auf der Zeitachse verschoben werden.", vorher},
        {"off the grid", 1, 150, 10.0,
         "Die angegebene Zeitkoordinate paßt nicht ins Zeitraster \n(Der Punkt muß ins "
         "Zeitraster der vorherigen und der folgenden Gerade passen).",
         vorher},
        {"onto the next point", 1, 1100, 10.0,
         "Die angegebene Zeitkoordinate ist zu groß \n(Der Punkt kann nicht auf eine Zeit "
         "größer oder gleich der \ndes nächsten Punktes verschoben werden).",
         vorher},
        {"time and value", 1, 300, 5.0, "", {{0, 30, 1}, {2048, 8, 2}, {0, 1, 1}}},
    };
    for (const auto& f : faelle) {
        Kurvenmodell m = mit(vorher);
        EXPECT_EQ(PunktKoordinatenSetzen(m, f.punkt, f.zeit, f.wert), f.fehler) << f.name;
        EXPECT_EQ(m.aktuell().punkte, f.danach) << f.name;
        EXPECT_EQ(m.RueckgaengigMoeglich(), f.danach != vorher) << f.name;
    }
}

TEST_F(KurvenWerkzeuge, DissolveKeepsTheDurationAndRefusesWhatItCannotJoin) {
    Kurvenmodell m = mit({{0, 3, 1}, {50, 1, 1}});
    EXPECT_EQ(PunktAufloesen(m, 1), "");
    EXPECT_EQ(m.aktuell().punkte, (Punkte{{0, 1, 1}}));
    EXPECT_EQ(PunktAufloesen(m, 0), "Letzter Punkt kann nicht gelöscht werden");

    m = mit({{0, 3, 1}, {50, 4, 1}, {9, 1, 1}});
    EXPECT_EQ(PunktAufloesen(m, 1), "");
    EXPECT_EQ(m.aktuell().punkte, (Punkte{{0, 7, 1}, {9, 1, 1}}));

    m = mit({{0, 3, 1}, {50, 4, 2}, {9, 1, 1}});
    EXPECT_EQ(PunktAufloesen(m, 1), kUngleicheZeitbasen);
    m = mit({{0, 65535, 1}, {50, 1, 1}, {9, 1, 1}});
    EXPECT_EQ(PunktAufloesen(m, 1), kAufloesenZuLang);
    EXPECT_EQ(m.aktuell().punkte.size(), 3u);
    EXPECT_FALSE(m.RueckgaengigMoeglich());
}

TEST_F(KurvenWerkzeuge, SplitPlacesThePointOnTheLine) {
    Kurvenmodell m = mit({{0, 3, 3}, {3000, 1, 3}});
    EXPECT_EQ(GeradeTeilen(m, 2000.0), "");
    EXPECT_EQ(m.aktuell().punkte, (Punkte{{0, 2, 3}, {2000, 1, 3}, {3000, 1, 3}}));
    EXPECT_EQ(GeradeTeilen(m, 2100.0),  // one tick long
              "Gerade kann nicht geteilt werden, da sie eine Länge \n von nur einer Zeiteinheit "
              "hat.");
    EXPECT_EQ(GeradeTeilen(m, 3500.0), "");  // the closing segment is not split
    EXPECT_EQ(m.aktuell().punkte.size(), 3u);
}

TEST_F(KurvenWerkzeuge, TimeBaseChangeKeepsTheDurationOrRefuses) {
    Kurvenmodell m = mit({{0, 3, 3}, {5, 1, 3}});
    EXPECT_EQ(ZeitbasisAendern(m, 10.0, 4),
              "Die Länge der Gerade läßt sich nicht durch die \nneue Zeitbasis teilen.");
    EXPECT_EQ(ZeitbasisAendern(m, 10.0, 2), "");
    EXPECT_EQ(m.aktuell().punkte, (Punkte{{0, 30, 2}, {5, 1, 2}}));
    // The closing segment keeps its ticks; beyond the end nothing changes.
    EXPECT_EQ(ZeitbasisAendern(m, 3050.0, 5), "");
    EXPECT_EQ(m.aktuell().punkte.back(), (Kurvenpunkt{5, 1, 5}));
    const auto vorher = m.aktuell().punkte;
    EXPECT_EQ(ZeitbasisAendern(m, 1e9, 1), "");
    EXPECT_EQ(m.aktuell().punkte, vorher);
}

TEST_F(KurvenWerkzeuge, LengthChangeInTheSegmentsOwnTicks) {
    Kurvenmodell m = mit({{0, 3, 2}, {5, 1, 2}});
    EXPECT_EQ(GeradenlaengeAendern(m, 0, 250),
              "Die Länge der Geraden muß durch ihre Zeitbasis teilbar sein.");
    EXPECT_EQ(GeradenlaengeAendern(m, 0, 0), "Die neue Länge der Geraden ist zu klein.");
    EXPECT_EQ(GeradenlaengeAendern(m, 0, 6553600),
              "Die neue Länge der Geraden ist zu groß. \nWählen Sie eine größere Zeitbasis.");
    EXPECT_EQ(GeradenlaengeAendern(m, 0, 700), "");
    EXPECT_EQ(m.aktuell().punkte.front().laenge, 7);
    EXPECT_EQ(GeradenlaengeAendern(m, 1, 700), "");  // the closing segment stays
    EXPECT_EQ(m.aktuell().punkte.back().laenge, 1);
}

TEST_F(KurvenWerkzeuge, PointsReadAsStoredWithoutATimeBaseAreRefusedNotBroken) {
    // Files carry time bases and lengths without checks: code 0 has no tick.
    const Punkte vorher{{0, 4, 0}, {10, 0, 1}, {20, 70000, 1}, {30, 1, 1}};
    Kurvenmodell m = mit(vorher);
    EXPECT_EQ(PunktVerschieben(m, 1, 50.0, 10), "Unvorhergesehene Operation.");
    EXPECT_EQ(PunktKoordinatenSetzen(m, 1, 100, 0.0).substr(0, 30),
              "Die angegebene Zeitkoordinate ");
    EXPECT_EQ(PunktAufloesen(m, 2), kAufloesenZuLang);  // 0 + 70000 ticks
    EXPECT_EQ(m.aktuell().punkte, vorher);
}

}  // namespace
}  // namespace plv7::kurven
