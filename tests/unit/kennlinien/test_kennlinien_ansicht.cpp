// The characteristic window's view: Y zoom and what the graphs draw (the X window is base's).
#include <gtest/gtest.h>

#include "kennlinien/KennlinienAnsicht.h"

using namespace plv7;

TEST(KennlinienAnsicht, YZoomRefusesAnEmptyRange) {
    KennlinienAnsicht a;
    EXPECT_TRUE(YZoomSetzen(a, -50.0, 9000.0));
    EXPECT_EQ(a.yMin, 0);
    EXPECT_EQ(a.yMax, 4095);
    EXPECT_TRUE(YZoomSetzen(a, 100.9, 200.9));
    EXPECT_EQ(a.yMin, 100);
    EXPECT_EQ(a.yMax, 200);
    for (auto [lo, hi] : {std::pair{300.0, 300.0}, {400.0, 100.0}, {5000.0, 6000.0}}) {
        EXPECT_FALSE(YZoomSetzen(a, lo, hi));
        EXPECT_EQ(a.yMin, 100);
        EXPECT_EQ(a.yMax, 200);
    }
}

TEST(KennlinienAnsicht, DrawingTheDefaultAndAViewBeyondTheLastPoint) {
    KennlinienZeichnung z;
    KennlinieZeichnen(Kennlinie{}, KennlinienAnsicht{}, z);
    EXPECT_EQ(z.punkteX, std::vector<double>{0.0});
    EXPECT_EQ(z.ergaenzungX, (std::vector<double>{0.0, 4095.0}));
    EXPECT_EQ(z.ergaenzungY, (std::vector<double>{4095.0, 4095.0}));
    EXPECT_TRUE(z.linienX.empty());
    EXPECT_EQ(z.ergStufenX.size(), 4095u + 2u);
    EXPECT_EQ(z.uebersichtX, (std::vector<double>{0.0, 4095.0}));

    Kennlinie k;
    k.punkte = {{0, 100, 0}, {1000, 100, 0}, {500, 0, 0}};
    KennlinienAnsicht a{{3000, 3999}, 0, 4095, Darstellung::Linien};
    KennlinieZeichnen(k, a, z);
    EXPECT_TRUE(z.linienX.empty());  // both lines lie left of the view
    EXPECT_EQ(z.ergaenzungX, (std::vector<double>{200.0, 4095.0}));
    EXPECT_TRUE(z.ergStufenX.empty());
    EXPECT_EQ(z.uebersichtX, (std::vector<double>{0.0, 100.0, 200.0, 4095.0}));

    a = {{0, 150}, 0, 4095, Darstellung::Stufen};
    KennlinieZeichnen(k, a, z);
    EXPECT_TRUE(z.linienX.empty());
    EXPECT_EQ(z.punkteX, (std::vector<double>{0.0, 100.0}));
    // The second line's steps end with the view: 51 steps after its lead-in.
    EXPECT_EQ(z.stufenX.size(), (100u + 2u) + (1u + 51u));
}

TEST(KennlinienAnsicht, LastPointAt4095HasNoCompletionPiece) {
    Kennlinie k;
    k.punkte = {{0, 4095, 0}, {7, 0, 0}};
    KennlinienZeichnung z;
    KennlinieZeichnen(k, KennlinienAnsicht{}, z);
    EXPECT_TRUE(z.ergaenzungX.empty());
    EXPECT_TRUE(z.ergStufenX.empty());
    EXPECT_EQ(z.linienX, (std::vector<double>{0.0, 4095.0}));
}
