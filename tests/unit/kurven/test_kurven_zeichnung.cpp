// What the curve window's graphs draw: visible segments, steps thinned to the pixels, markers,
// the closing segment, background curves, time-base markers and the overview.
#include <gtest/gtest.h>

#include <vector>

#include "kurven/KurvenZeichnung.h"

namespace plv7::kurven {
namespace {

using Werte = std::vector<double>;

// Segments of 100, 100, 500 ms ("10ms", "10ms", "100ms") and the closing one of 10 ms:
// starts 0, 100, 200, 700, duration 710.
std::vector<Kurvenpunkt> vierPunkte() {
    return {{0, 10, 1}, {1000, 10, 1}, {2000, 5, 2}, {4000, 1, 1}};
}

constexpr Zeichenart kAktuell{true, true, true, true};

TEST(KurvenZeichnung, TheWholeCurveAtOneMsAPixel) {
    Kurvenbild b;
    KurveZeichnen(vierPunkte(), {0, 709}, 710.0, kAktuell, b);
    EXPECT_EQ(b.linien.x, (Werte{0, 100, 200, 700}));
    EXPECT_EQ(b.linien.y, (Werte{0, 1000, 2000, 4000}));
    EXPECT_EQ(b.schlusslinie.x, (Werte{700, 710}));
    EXPECT_EQ(b.schlusslinie.y, (Werte{4000, 0}));
    // Every tick a step, each segment closed by its end point.
    EXPECT_EQ(b.stufen.x.size(), (10u + 1u) + (10u + 1u) + (5u + 1u));
    EXPECT_EQ(b.schlussstufen.x, (Werte{700, 710}));
    EXPECT_EQ(b.punkte.x, (Werte{0, 100, 200, 700}));
}

TEST(KurvenZeichnung, OnlyTheSegmentsInTheWindow) {
    Kurvenbild b;
    KurveZeichnen(vierPunkte(), {250, 350}, 101.0, kAktuell, b);
    EXPECT_EQ(b.linien.x, (Werte{200, 700}));
    EXPECT_TRUE(b.schlusslinie.x.empty());
    EXPECT_EQ(b.punkte.x, (Werte{200}));
    // From the step before the window to the one after it, then the segment's end.
    EXPECT_EQ(b.stufen.x, (Werte{200, 300, 400, 700}));
    EXPECT_EQ(b.stufen.y, (Werte{2000, 2400, 2800, 4000}));
}

TEST(KurvenZeichnung, StepsAndMarkersThinToThePixels) {
    Kurvenbild b;
    KurveZeichnen(vierPunkte(), {0, 709}, 7.0, kAktuell, b);  // about 100 ms a pixel
    EXPECT_EQ(b.stufen.x, (Werte{0, 100, 100, 200, 200, 300, 400, 500, 600, 700}));
    EXPECT_EQ(b.punkte.x, (Werte{0, 700}));
    // Neither lines nor steps: nothing at all, not even markers.
    KurveZeichnen(vierPunkte(), {0, 709}, 710.0, {false, false, true, true}, b);
    EXPECT_TRUE(b.linien.x.empty() && b.stufen.x.empty() && b.punkte.x.empty());
}

TEST(KurvenZeichnung, BackgroundCurvesMarkersAndOverview) {
    Kurvenmodell m;
    for (auto& k : m.kurven) k.punkte = vierPunkte();
    m.aktuelleKurve = 2;
    m.fenster = {0, 709};
    Kurvengrafik g;
    const std::array<bool, kKurvenAnzahl> hintergrund{false, true, true, false};
    KurvengrafikZeichnen(m, hintergrund, true, 710.0, g);
    // Behind lines and steps only the steps of other curves; never the current one.
    EXPECT_TRUE(g.hintergrund[0].stufen.x.empty());
    EXPECT_TRUE(g.hintergrund[1].linien.x.empty());
    EXPECT_EQ(g.hintergrund[1].stufen.x.size(), 30u);  // closing steps not apart
    EXPECT_TRUE(g.hintergrund[1].punkte.x.empty());
    EXPECT_TRUE(g.hintergrund[2].stufen.x.empty());
    EXPECT_EQ(g.aktuell.linien.x.size(), 4u);
    ASSERT_EQ(g.marken.size(), 3u);
    EXPECT_FALSE(g.marken[0].linie);
    EXPECT_EQ(g.marken[1].zeit, 200.0);
    EXPECT_EQ(g.marken[1].zeitbasis, 2);
    EXPECT_EQ(g.marken[2].zeit, 700.0);
    EXPECT_EQ(g.uebersicht.x, (Werte{0, 100, 200, 700, 710}));
    EXPECT_EQ(g.uebersicht.y, (Werte{0, 1000, 2000, 4000, 0}));
    EXPECT_EQ(g.dauer, 710.0);

    m.darstellung = Darstellung::Linien;
    KurvengrafikZeichnen(m, hintergrund, false, 710.0, g);
    EXPECT_EQ(g.hintergrund[1].linien.x, (Werte{0, 100, 200, 700, 710}));
    EXPECT_TRUE(g.hintergrund[1].stufen.x.empty());
    EXPECT_TRUE(g.aktuell.stufen.x.empty());
    EXPECT_TRUE(g.marken.empty());
}

}  // namespace
}  // namespace plv7::kurven
