// Numbers read and written as the C library does under the "C" locale, whatever locale the program
// runs under, and without overflow on what a damaged file or a stray key press can hold.
#include "fileio/c_numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

using namespace sb::fileio;

TEST(CNumbers, ReadLikeAtoiAndAtof) {
    EXPECT_EQ(atoiC("  42abc"), 42);
    EXPECT_EQ(atoiC("-7"), -7);
    EXPECT_EQ(atoiC("x1"), 0);
    EXPECT_EQ(atoiC("99999999999999"), 2147483647);
    EXPECT_EQ(atoiC("-99999999999999"), -2147483647 - 1);
    EXPECT_DOUBLE_EQ(atofC(" 12.5km"), 12.5);
    EXPECT_DOUBLE_EQ(atofC("12,5"), 12.0);
    EXPECT_DOUBLE_EQ(atofC("-0.25"), -0.25);
    EXPECT_EQ(atofC("--5"), 0);
    EXPECT_TRUE(std::isnan(atofC("nan")));
    EXPECT_TRUE(std::isinf(atofC("1e999")));
    EXPECT_EQ(atofC("1e-400"), 0.0);
    EXPECT_TRUE(std::isinf(atofC("-1e999")) && atofC("-1e999") < 0);
    EXPECT_EQ(atofFloatC("nan"), 0.0f);
    EXPECT_EQ(atofFloatC("1e300"), 0.0f);
    EXPECT_EQ(atofFloatC("70.25"), 70.25f);
}

TEST(CNumbers, WriteWithADecimalPointInEveryLocale) {
    // The program switches to the user's locale; where one with a decimal comma exists, use it.
    const bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    EXPECT_EQ(formatFixed(2.375, 2), "2.38");
    EXPECT_EQ(formatFixed(10.257, 2), "10.26");
    EXPECT_EQ(formatFixed(12.25, 1), "12.2");
    EXPECT_EQ(formatFixed(0.0, 2), "0.00");
    EXPECT_EQ(formatFixed(-1.5, 0), "-2");
    EXPECT_EQ(formatInt(-2147483647 - 1), "-2147483648");
    EXPECT_DOUBLE_EQ(atofC("3.75"), 3.75);
    if (german) std::setlocale(LC_NUMERIC, "C");
}
