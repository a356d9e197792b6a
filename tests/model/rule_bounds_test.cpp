// Every bound of the typed day values, the load scale and the week and month ranges, each pinned on both
// sides: the last value allowed and the first refused.
#include <gtest/gtest.h>

#include <cmath>

#include "model/day_limits.h"
#include "model/period_range.h"

using namespace sb::model;

namespace {

// Whole-number rules in the table of decimal ones; a value just below 0 stays below 0.
template <bool (*rule)(int)>
bool whole(double value) {
    return rule(int(std::floor(value)));
}

}  // namespace

TEST(RuleBounds, EachBoundAdmitsItsLastValueAndRefusesTheNext) {
    struct Row {
        const char* rule;
        bool (*allowed)(double);
        double lowest;
        double last;
        double firstRefused;
    };
    const Row rows[] = {
        {"distance", dayDistanceAllowed, 0, 500, 500.01}, {"route", routeLengthAllowed, 0, 499.99, 500},
        {"height", heightAllowed, 0, 10000, 10000.1},     {"weight", bodyWeightAllowed, 0, 150, 150.1},
        {"pulse", whole<pulseAllowed>, 0, 240, 241},      {"hours", whole<hoursAllowed>, 0, 24, 25},
        {"minutes", whole<minutesAllowed>, 0, 59, 60},    {"load", whole<loadAllowed>, 0, 5, 6},
        {"week", whole<isTrainingWeek>, 1, 53, 54},       {"month", whole<isMonth>, 1, 12, 13},
    };
    for (const Row& row : rows) {
        EXPECT_TRUE(row.allowed(row.lowest)) << row.rule;
        EXPECT_FALSE(row.allowed(row.lowest - 0.01)) << row.rule;
        EXPECT_TRUE(row.allowed(row.last)) << row.rule;
        EXPECT_FALSE(row.allowed(row.firstRefused)) << row.rule;
    }
    EXPECT_EQ(std::pair(clampWeek(54), clampWeek(0)), std::pair(53, 1));
    EXPECT_EQ(std::pair(clampMonth(13), clampMonth(0)), std::pair(12, 1));
}
