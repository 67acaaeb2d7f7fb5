// The visible window both editors' large graphs share: zoom steps, zoom to the marking, full
// view, scroll bar, and the mark tool's marking.
#include <gtest/gtest.h>

#include <vector>

#include "base/Sichtfenster.h"

namespace plv7 {
namespace {

constexpr double kKurvenGrenze = 1e16;  // a curve's window
constexpr double kKennlinienGrenze = 4095;

struct ZoomFall {
    Sichtfenster vorher;
    bool plus;
    double grenze;
    Sichtfenster danach;
};

TEST(Sichtfenster, ZoomSteps) {
    const std::vector<ZoomFall> faelle{
        {{0, 200}, true, kKurvenGrenze, {33, 166}},
        {{0, 200}, false, kKurvenGrenze, {0, 300}},
        {{5, 5}, true, kKurvenGrenze, {5, 5}},
        {{7, 8}, true, kKurvenGrenze, {7, 7}},
        {{1000, 1000}, false, kKurvenGrenze, {999, 1000}},
        {{0, 9'000'000'000'000'000}, false, kKurvenGrenze, {0, 9'999'999'999'999'999}},
        // The characteristic: 4095 wide, then a third narrower each step, and back.
        {{0, 4094}, true, kKennlinienGrenze, {682, 3411}},
        {{682, 3411}, true, kKennlinienGrenze, {1137, 2956}},
        {{1137, 2956}, true, kKennlinienGrenze, {1440, 2652}},
        {{1440, 2652}, false, kKennlinienGrenze, {1136, 2955}},
        {{0, 4094}, false, kKennlinienGrenze, {0, 4094}},
        // The narrowest window stays one unit wide, and two when zoomed out at either end.
        {{0, 0}, true, kKennlinienGrenze, {0, 0}},
        {{0, 0}, false, kKennlinienGrenze, {0, 1}},
        {{5000, 5000}, false, kKennlinienGrenze, {4999, 5000}},
    };
    for (const auto& f : faelle) {
        const Sichtfenster z = f.plus ? ZoomPlus(f.vorher) : ZoomMinus(f.vorher, f.grenze);
        EXPECT_EQ(z, f.danach) << f.vorher.min << ".." << f.vorher.max << (f.plus ? " +" : " -")
                               << " gave " << z.min << ".." << z.max;
    }
    EXPECT_EQ(ZoomVoll(4095), (Sichtfenster{0, 4094}));
    EXPECT_EQ(ZoomVoll(0), (Sichtfenster{0, 0}));  // a curve of 0 ms
}

TEST(Sichtfenster, ZoomToTheMarkingRemovesIt) {
    Sichtfenster f{0, 4094};
    Markierung m;
    EXPECT_FALSE(ZoomMarkierung(f, m));
    m = {100, 300, true};
    EXPECT_TRUE(ZoomMarkierung(f, m));
    EXPECT_EQ(f, (Sichtfenster{100, 299}));
    EXPECT_FALSE(m.vorhanden);
    m = {50, 50, true};  // no width: the view stays, the marking goes
    EXPECT_TRUE(ZoomMarkierung(f, m));
    EXPECT_EQ(f, (Sichtfenster{100, 299}));
    EXPECT_FALSE(m.vorhanden);
    m = {220.05, 220.5, true};  // behind a paste: never an empty window
    EXPECT_TRUE(ZoomMarkierung(f, m));
    EXPECT_EQ(f, (Sichtfenster{220, 220}));
}

struct RollFall {
    Sichtfenster fenster;
    std::int64_t grenze;
    int groesse, position;
};

TEST(Sichtfenster, ScrollBarFollowsTheWindowAndBack) {
    const std::vector<RollFall> faelle{
        {{0, 200}, 10, 100, 0},  // wider than the curve
        {{500, 599}, 1000, 10, 55},  {{0, 4094}, 4095, 100, 0}, {{1000, 1999}, 4095, 24, 32},
        {{2000, 2000}, 4095, 1, 48}, {{0, 0}, 0, 100, 0},
    };
    for (const auto& f : faelle) {
        const Rollbalken r = RollbalkenStand(f.fenster, f.grenze);
        EXPECT_EQ(r.groesse, f.groesse) << f.fenster.min << ".." << f.fenster.max;
        EXPECT_EQ(r.position, f.position) << f.fenster.min << ".." << f.fenster.max;
    }
    EXPECT_EQ(Gerollt({500, 599}, 1000, 100), (Sichtfenster{900, 999}));
    EXPECT_EQ(Gerollt({0, 200}, 10, 50), (Sichtfenster{0, 200}));
    EXPECT_EQ(Gerollt({1000, 1999}, 4095, 100), (Sichtfenster{3095, 4094}));
    EXPECT_EQ(Gerollt({1000, 1999}, 4095, 0), (Sichtfenster{0, 999}));
}

TEST(Sichtfenster, DraggingAMarkingEitherWayRoundsAndOrdersItsEnds) {
    Markierung m;
    MarkierungZiehen(m, 300.4);
    MarkierungZiehen(m, 120.0);
    EXPECT_TRUE(m.vorhanden);
    EXPECT_FALSE(m.neu);
    MarkierungLoslassen(m, 99.6);
    EXPECT_EQ(m.start, 100.0);
    EXPECT_EQ(m.ende, 300.0);
    EXPECT_TRUE(m.neu);
    // The next drag starts afresh.
    MarkierungZiehen(m, 10.2);
    MarkierungLoslassen(m, 20.7);
    EXPECT_EQ(m.start, 10.0);
    EXPECT_EQ(m.ende, 21.0);
    AllesMarkieren(m, 4095);
    EXPECT_EQ(m.start, 0.0);
    EXPECT_EQ(m.ende, 4095.0);
    EXPECT_TRUE(m.vorhanden);
}

}  // namespace
}  // namespace plv7
