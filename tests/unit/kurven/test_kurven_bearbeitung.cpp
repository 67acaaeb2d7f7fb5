#include <gtest/gtest.h>

#include <vector>

#include "konfig/Konfiguration.h"
#include "kurven/KurvenBearbeitung.h"

namespace plv7::kurven {
namespace {

using Punkte = std::vector<Kurvenpunkt>;

// Four segments of 100 ms from 0 and the closing one: starts 0, 100, 200, 300, 400.
Kurvenmodell vierGeraden() {
    Kurvenmodell m;
    m.aktuell().punkte = {{0, 10, 1}, {1, 10, 1}, {2, 10, 1}, {3, 10, 1}, {4, 1, 1}};
    return m;
}

struct MarkierungsFall {
    double start, ende;
    bool leer;
    std::size_t erster, letzter;
};

TEST(KurvenBearbeitung, AMarkingCoversWholeSegmentsOnly) {
    const Punkte p = vierGeraden().aktuell().punkte;
    const std::vector<MarkierungsFall> faelle{
        {100, 300, false, 1, 2}, {120, 300, false, 2, 2}, {100, 299, false, 1, 1},
        {120, 180, true, 0, 0},  {0, 410, false, 0, 3},
    };
    for (const auto& f : faelle) {
        const MarkiertePunkte m = Markiert(p, {f.start, f.ende, true});
        EXPECT_EQ(m.leer, f.leer) << f.start << ".." << f.ende;
        if (!f.leer) {
            EXPECT_EQ(m.erster, f.erster) << f.start << ".." << f.ende;
            EXPECT_EQ(m.letzter, f.letzter) << f.start << ".." << f.ende;
        }
    }
}

TEST(KurvenBearbeitung, AMarkingInsideOneSegmentCopiesAndDeletesNothingButPastesAfterIt) {
    Kurvenmodell m = vierGeraden();
    m.zwischenablage = {{9, 2, 1}};
    m.markierung = {120, 180, true};
    Kopieren(m);
    EXPECT_EQ(m.zwischenablage, (Punkte{{9, 2, 1}}));
    EXPECT_FALSE(Loeschen(m));
    EXPECT_FALSE(m.RueckgaengigMoeglich());
    m.markierung = {120, 180, true};
    EXPECT_TRUE(Einfuegen(m));
    // The piece follows point 1 and starts at the level of the point it moves back.
    EXPECT_EQ(m.aktuell().punkte,
              (Punkte{{0, 10, 1}, {1, 10, 1}, {2, 2, 1}, {2, 10, 1}, {3, 10, 1}, {4, 1, 1}}));
    EXPECT_EQ(m.markierung.start, 220.05);
}

TEST(KurvenBearbeitung, CutAndPasteMovesThePieceToWhereTheMarkingStands) {
    Kurvenmodell m = vierGeraden();
    m.markierung = {100, 200, true};
    EXPECT_TRUE(Ausschneiden(m));
    EXPECT_EQ(m.zwischenablage, (Punkte{{1, 10, 1}}));
    EXPECT_EQ(m.aktuell().punkte, (Punkte{{0, 10, 1}, {2, 10, 1}, {3, 10, 1}, {4, 1, 1}}));
    EXPECT_FALSE(m.markierung.vorhanden);
    // Marking the segment of point 0 exactly replaces it by the clipboard at index 0.
    m.markierung = {0, 100, true};
    EXPECT_TRUE(Einfuegen(m));
    EXPECT_EQ(m.aktuell().punkte, (Punkte{{2, 10, 1}, {2, 10, 1}, {3, 10, 1}, {4, 1, 1}}));
    EXPECT_EQ(m.rueckgaengigSchritte(0), 2);
}

TEST(KurvenBearbeitung, CuttingTheWholeCurveKeepsTheLastPoint) {
    Kurvenmodell m = vierGeraden();
    AllesMarkieren(m);
    EXPECT_EQ(m.markierung.ende, 410.0);
    EXPECT_TRUE(Ausschneiden(m));
    EXPECT_EQ(m.aktuell().punkte, (Punkte{{4, 1, 1}}));
    EXPECT_EQ(m.zwischenablage.size(), 4u);
}

TEST(KurvenBearbeitung, ValueRangeNeedsMinimumBelowMaximum) {
    KonfigurationStandardwerte();
    Kurvenmodell m;
    EXPECT_FALSE(WertebereichSetzen(m, 5.0, 5.0));
    EXPECT_EQ(m.einstellungen[0].yMax, 4095);
    EXPECT_TRUE(WertebereichSetzen(m, -3.0, 20.0));
    EXPECT_EQ(m.einstellungen[0].yMin, 0);
    EXPECT_EQ(m.einstellungen[0].yMax, 4095);
    EXPECT_TRUE(WertebereichSetzen(m, 2.5, 5.0));
    EXPECT_EQ(m.einstellungen[0].yMin, 1023);
    EXPECT_EQ(m.einstellungen[0].yMax, 2047);
}

}  // namespace
}  // namespace plv7::kurven
