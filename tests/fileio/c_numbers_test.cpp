// Numbers read and written as the C library does under the "C" locale, whatever locale the program
// runs under, and without overflow on what a damaged file or a stray key press can hold.
#include "fileio/c_numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <tuple>

using namespace sb::fileio;

TEST(CNumbers, ReadLikeAtoiAndAtof) {
    for (auto [text, value] : {std::pair{"  42abc", 42}, {"-7", -7}, {"x1", 0}, {"99999999999999", 2147483647},
                               {"-99999999999999", -2147483647 - 1}})
        EXPECT_EQ(atoiC(text), value) << text;
    for (auto [text, value] : {std::pair{" 12.5km", 12.5}, {"12,5", 12.0}, {"-0.25", -0.25}, {"--5", 0.0},
                               {"1e-400", 0.0}, {"1e999", HUGE_VAL}, {"-1e999", -HUGE_VAL}})
        EXPECT_EQ(atofC(text), value) << text;
    EXPECT_TRUE(std::isnan(atofC("nan")));
    // A float field takes 0 for what it cannot hold.
    for (auto [text, value] : {std::pair{"nan", 0.0f}, {"1e300", 0.0f}, {"70.25", 70.25f}})
        EXPECT_EQ(atofFloatC(text), value) << text;
}

TEST(CNumbers, WriteWithADecimalPointInEveryLocale) {
    // The program switches to the user's locale; where one with a decimal comma exists, use it.
    const bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    for (auto [value, decimals, text] : {std::tuple{2.375, 2, "2.38"}, {10.257, 2, "10.26"}, {12.25, 1, "12.2"},
                                         {0.0, 2, "0.00"}, {-1.5, 0, "-2"}})
        EXPECT_EQ(formatFixed(value, decimals), text) << value;
    EXPECT_EQ(formatInt(-2147483647 - 1), "-2147483648");
    EXPECT_DOUBLE_EQ(atofC("3.75"), 3.75);
    if (german) std::setlocale(LC_NUMERIC, "C");
}
