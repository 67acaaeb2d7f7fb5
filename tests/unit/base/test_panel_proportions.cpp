#include <gtest/gtest.h>

#include "base/PanelProportions.h"

using plv7::PanelgroesseBerechnen;
using plv7::PanelSize;

TEST(PanelProportions, TheSmallerFactorWinsAndTheOtherSideFollows) {
    const PanelSize designed{800, 600};
    // Twice the width, 1.5 times the height: factor 1.5, the width follows.
    EXPECT_EQ(PanelgroesseBerechnen(designed, {1600, 900}), (PanelSize{1200, 900}));
    // Higher than wide: the height follows the width.
    EXPECT_EQ(PanelgroesseBerechnen(designed, {1000, 2000}), (PanelSize{1000, 750}));
    // Rounding half up of the following side.
    EXPECT_EQ(PanelgroesseBerechnen({3, 3}, {5, 9}), (PanelSize{5, 5}));
    EXPECT_EQ(PanelgroesseBerechnen({800, 601}, {1000, 2000}), (PanelSize{1000, 751}));
}

TEST(PanelProportions, NeverSmallerThanDesigned) {
    const PanelSize designed{800, 600};
    EXPECT_EQ(PanelgroesseBerechnen(designed, {700, 900}), designed);
    EXPECT_EQ(PanelgroesseBerechnen(designed, {900, 500}), designed);
    EXPECT_EQ(PanelgroesseBerechnen(designed, designed), designed);
    EXPECT_EQ(PanelgroesseBerechnen(designed, {0, 0}), designed);
}
