// What a numeric field commits for a typed number, and how a number fits its field.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/Eingabegrenzen.h"
#include "base/Zahlanzeige.h"

using plv7::eingabeBegrenzen;
using plv7::Eingabebereich;
using plv7::zahlFuerAnzeige;

namespace {

constexpr double kOffen = std::numeric_limits<double>::infinity();

struct Fall {
    const char* was;
    double getippt;
    Eingabebereich bereich;
    double erwartet;
};

}  // namespace

TEST(Eingabegrenzen, ATypedNumberPastAnEndBecomesThatEndNeverAShorterNumber) {
    const Fall faelle[] = {
        {"output 0..10 with limit 10", 12.0, Eingabebereich{0.0, 10.0}.hoechstens(10.0), 10.0},
        {"output scaled 0..120", 150.0, {0.0, 120.0}, 120.0},
        {"sampling interval", 50000.0, {0.001, 34560.0}, 34560.0},
        {"below the range", -1.0, {0.0, 10.0}, 0.0},
        {"inside the range, exactly as typed", 1.23456, {0.0, 10.0}, 1.23456},
        {"limit inside the range", 7.5, Eingabebereich{0.0, 10.0}.hoechstens(4.0), 4.0},
        {"limit below the range: the range wins", 5.0, Eingabebereich{2.0, 18.0}.hoechstens(1.0),
         2.0},
        {"open range", -250000.0, {-kOffen, kOffen}, -250000.0},
        {"whole numbers round", 2.5, {1.0, 10000.0, true}, 3.0},
        {"whole numbers past the end", 50000.4, {1.0, 10000.0, true}, 10000.0},
        {"negative whole numbers", -11.6, {-11.0, 11.0, true}, -11.0},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(eingabeBegrenzen(f.getippt, f.bereich), f.erwartet) << f.was;
    }
    EXPECT_TRUE(std::isnan(eingabeBegrenzen(std::nan(""), {0.0, 10.0})));
}

TEST(Zahlanzeige, FixedWhileItFitsThenFewerDecimalsThenTheShortestGForm) {
    EXPECT_EQ(zahlFuerAnzeige(10.0, 3, 11), "10.000");
    EXPECT_EQ(zahlFuerAnzeige(-250000.0, 3, 11), "-250000.000");
    EXPECT_EQ(zahlFuerAnzeige(12345678.9, 3, 11), "12345678.90");
    EXPECT_EQ(zahlFuerAnzeige(1e300, 0, 8), "1e+300");
    EXPECT_EQ(zahlFuerAnzeige(-1.2345678e300, 3, 11), "-1.235e+300");
    EXPECT_EQ(zahlFuerAnzeige(-0.0004, 3, 11), "0.000");
    EXPECT_EQ(zahlFuerAnzeige(-0.06, 1, 11), "-0.1");
    // Nothing fits: the shortest form all the same, never an empty text.
    EXPECT_EQ(zahlFuerAnzeige(-1e300, 3, 2), "-1e+300");
}
