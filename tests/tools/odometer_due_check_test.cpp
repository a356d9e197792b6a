// The odometer due check over a plan year.
#include <gtest/gtest.h>

#include "model/training_year.h"
#include "tools/odometer_due_check.h"

using namespace sb;

namespace {

// Kilometres and state of the first six odometers.
std::vector<std::pair<int, int>> readings(const model::TrainingYear& year) {
    std::vector<std::pair<int, int>> result;
    for (int i = 0; i < 6; ++i) result.emplace_back(year.odometers[i].currentKm, year.odometers[i].state);
    return result;
}

}  // namespace

TEST(OdometerDueCheck, SumsTheChosenSportsFromTheStartDay) {
    model::TrainingYear year;
    year.planYear = 2008;
    year.planFileVersion = 3;
    year.days[10].bike.distanceKm = 10.6f;
    year.days[20].bike.distanceKm = 10.6f;
    year.days[20].run.distanceKm = 5.5f;
    year.days[365].run.distanceKm = 1.0f;   // 31 December of a leap year counts
    year.days[5].bike.distanceKm = 100.0f;  // before the start days below
    year.odometers[0] = {6, 0, 0, 21, 1, "Rad", 1};
    year.odometers[1] = {6, 100, 0, 500, 3, "beides", 1};
    year.odometers[2] = {-5, 0, 0, 100, 2, "Laufen", 1};  // a start before the year counts from 1 January
    year.odometers[3] = {0, 900, 0, 100, 1, "aus", 0};    // inactive: never due
    year.odometers[4] = {400, 50, 0, 50, 1, "nach dem Jahr", 1};
    year.odometers[5] = {0, 5000, 0, 10, 1, "", 1};  // free slot

    EXPECT_TRUE(tools::checkOdometersDue(year));
    EXPECT_EQ(readings(year), (std::vector<std::pair<int, int>>{{21, 3}, {127, 1}, {6, 1}, {1021, 0}, {50, 3}, {0, 1}}));

    // Switched off, an odometer is not made due again; one whose kilometres went away keeps its state
    // but no longer calls for the reminder.
    year.days[10].bike.distanceKm = 0;
    year.odometers[4].state = 0;
    EXPECT_FALSE(tools::checkOdometersDue(year));
    EXPECT_EQ(year.odometers[4].state, 0);
    EXPECT_EQ(readings(year)[0], std::pair(10, 3));
}
