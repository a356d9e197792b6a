// The day information's distance form (its lines are tested through the control views).
#include <gtest/gtest.h>

#include "calendars/day_information.h"

namespace sb::calendars {
namespace {

TEST(DayInformation, DistanceHasFourSignificantDigitsRoundedAwayFromZero) {
    EXPECT_EQ("12.5", fourDigitDistance(12.5f));
    EXPECT_EQ("105.3", fourDigitDistance(105.27f));
    EXPECT_EQ("1235", fourDigitDistance(1234.56f));
    EXPECT_EQ("1235", fourDigitDistance(1234.5));  // an exact half goes up, not to the even digit
    EXPECT_EQ("42", fourDigitDistance(42.0));
    EXPECT_EQ("0.1", fourDigitDistance(0.1));
    EXPECT_EQ("0.", fourDigitDistance(0));
    EXPECT_EQ("1.235e+004", fourDigitDistance(12345));
    EXPECT_EQ("1e+004", fourDigitDistance(9999.7));
    EXPECT_EQ("5e-002", fourDigitDistance(0.05));
    EXPECT_EQ("-12.5", fourDigitDistance(-12.5));
}

}  // namespace
}  // namespace sb::calendars
