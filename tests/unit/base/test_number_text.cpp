// Numbers as text for files, frames and the command line: a dot whatever the locale.
#include <gtest/gtest.h>

#include <clocale>
#include <limits>

#include "base/NumberText.h"

using plv7::formatFixed;
using plv7::parseDouble;
using plv7::parseInteger;

TEST(NumberText, FixedNotationRoundsLikePrintfInTheCLocale) {
    EXPECT_EQ(formatFixed(10.0, 3), "10.000");
    EXPECT_EQ(formatFixed(4.9996, 3), "5.000");
    EXPECT_EQ(formatFixed(1.2344, 3), "1.234");
    EXPECT_EQ(formatFixed(-0.5, 0), "-0");
    EXPECT_EQ(formatFixed(2.5, 0), "2");  // exact binary ties round to even, as printf does
    EXPECT_EQ(formatFixed(1e308, 15).size(), 309u + 16u);
    EXPECT_EQ(formatFixed(1.0, 40), "1.000000000000000");  // at most 15 decimals
    EXPECT_EQ(formatFixed(1.0, -3), "1");
}

TEST(NumberText, GermanLocaleKeepsTheDot) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale";
    EXPECT_EQ(formatFixed(4.998, 3), "4.998");
    EXPECT_EQ(parseDouble("4.5"), 4.5);
    EXPECT_FALSE(parseDouble("4,5"));
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(NumberText, IntegersInDecimalOrHexOnlyWhenTheWholeTextIsOne) {
    EXPECT_EQ(parseInteger("42"), 42);
    EXPECT_EQ(parseInteger("-7"), -7);
    EXPECT_EQ(parseInteger("+7"), 7);
    EXPECT_EQ(parseInteger("0x7FC0"), 0x7FC0);
    EXPECT_EQ(parseInteger("0XfF"), 255);
    for (const char* bad :
         {"", "-", "0x", "12a", " 1", "1 ", "--1", "0x-1", "+-1", "1.0", "99999999999999999999"}) {
        EXPECT_FALSE(parseInteger(bad)) << bad;
    }
}

TEST(NumberText, DoublesOnlyWhenTheWholeTextIsAFiniteNumber) {
    EXPECT_EQ(parseDouble("2.5"), 2.5);
    EXPECT_EQ(parseDouble("+2.5"), 2.5);
    EXPECT_EQ(parseDouble("-1e3"), -1000.0);
    for (const char* bad : {"", "+", "+-1", "++1", "2.5V", "inf", "nan", "1e999", "2,5", " 2"}) {
        EXPECT_FALSE(parseDouble(bad)) << bad;
    }
}
