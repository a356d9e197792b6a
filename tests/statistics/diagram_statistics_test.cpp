// Diagram series over a training year: time sums from hh:mm, counted entries, averages over recorded
// days, the splits by sport and by training type, the sport-mode and plan-version rules, and which days
// land in which slot of the four kinds (week 1, week 53, leap years, months of 28 to 31 days).
#include "statistics/diagram_statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

#include "model/calendar.h"

using namespace sb::model;
using namespace sb::statistics;
using sb::model::TrainingYear;

namespace {

TrainingYear planFor(int planYear, int version = 3) {
    TrainingYear year;
    year.planYear = planYear;
    year.planFileVersion = version;
    return year;
}

// Day index of a date of the plan year.
int at(const TrainingYear& year, int day, int month) {
    return sb::model::dayOfYear(day, month, year.planYear) - 1;
}

float sumOfTotals(const DiagramSeries& series) {
    float sum = 0;
    for (int k = 0; k < series.slotCount; ++k) sum += series.slots[k].total;
    return sum;
}

}  // namespace

TEST(DiagramStatistics, TimesCountsAndTotalsFollowTheDayRecords) {
    TrainingYear year = planFor(2009);
    int day = at(year, 14, 1);
    year.days[day].bike.duration = "01:30";
    year.days[day].run.duration = "1:30";  // fixed positions: one hour, not ninety minutes
    year.days[day].swim.duration = "00:45";
    year.days[day].other.duration = "00:15";
    year.days[at(year, 15, 1)].bike.duration = "00:01";  // 0 km with a minute is a unit
    year.days[at(year, 16, 1)].bike.duration = "00:00";  // 0 km without time is none
    year.days[at(year, 17, 1)].bike.distanceKm = -5;     // a negative distance counts as none
    year.days[at(year, 18, 1)].bike.distanceKm = 0.01f;

    DiagramSeries bikeTime = aggregateMonthOfYear(year, kModeTriathlon, kTimeBike);
    EXPECT_FLOAT_EQ(bikeTime.slots[0].total, 91 * 0.016666668f);
    EXPECT_FLOAT_EQ(aggregateMonthOfYear(year, kModeTriathlon, kTimeRun).slots[0].total, 1.0f);

    EXPECT_EQ(aggregateMonthOfYear(year, kModeTriathlon, kCountBike).slots[0].total, 3);
    EXPECT_EQ(aggregateMonthOfYear(year, kModeTriathlon, kCountTotal).slots[0].total, 6);
    EXPECT_FLOAT_EQ(aggregateMonth(year, kModeTriathlon, kTimeTotal, 1).slots[13].total, 3.5f);

    // A version-2 document leaves swimming out of every total.
    year.planFileVersion = 2;
    EXPECT_EQ(aggregateMonthOfYear(year, kModeTriathlon, kCountTotal).slots[0].total, 5);
    EXPECT_FLOAT_EQ(aggregateMonth(year, kModeTriathlon, kTimeTotal, 1).slots[13].total, 2.75f);
    EXPECT_FLOAT_EQ(aggregateWeekOfYear(year, kModeTriathlon, kTimeTotal).slots[2].total, 2.75f + 1 / 60.0f);
}

TEST(DiagramStatistics, StackBySportFollowsSportModeAndVersionAndMatchesTheLegend) {
    TrainingYear year = planFor(2009);
    int day = at(year, 10, 6);
    year.days[day].bike.duration = "01:00";
    year.days[day].run.duration = "00:30";
    year.days[day].swim.duration = "00:45";
    year.days[day].other.duration = "00:15";

    DiagramSeries duathlon = aggregateMonth(year, kModeDuathlon, kTimeBySport, 6);
    const DiagramSlot& slot = duathlon.slots[9];
    EXPECT_EQ(std::vector<float>(slot.bySport.begin(), slot.bySport.end()), (std::vector<float>{1, 0.5f, 0, 0.25f}));
    EXPECT_FLOAT_EQ(slot.total, 1.75f);
    EXPECT_EQ(duathlon.legendSports, (SportParts{true, true, false, true}));

    DiagramSeries running = aggregateMonthOfYear(year, kModeRun, kTimeBySport);
    EXPECT_FLOAT_EQ(running.slots[5].total, 0.75f);

    EXPECT_FLOAT_EQ(aggregateWeekOfYear(year, kModeTriathlon, kTimeBySport).slots[23].total, 2.5f);
    EXPECT_EQ(aggregateWeekOfYear(year, kModeTriathlon, kTimeBySport).legendSports,
              (SportParts{true, true, true, true}));

    // Triathlon mode on a version-2 plan: no swim part, so the legend names no swimming either.
    year.planFileVersion = 2;
    DiagramSeries legacy = aggregateMonth(year, kModeTriathlon, kTimeBySport, 6);
    EXPECT_FLOAT_EQ(legacy.slots[9].total, 1.75f);
    EXPECT_EQ(legacy.legendSports, (SportParts{true, true, false, true}));
}

TEST(DiagramStatistics, ActualPlanCodesSplitBySportDigitOfTheActualTypes) {
    TrainingYear year = planFor(2009);
    int a = at(year, 3, 3), b = at(year, 20, 3), c = at(year, 21, 3);
    year.days[a].run.duration = "02:00";
    year.days[a].run.distanceKm = 21;
    year.days[a].actualTypes = 3710;  // run 1, other 7, swim 3
    year.days[b].run.duration = "01:00";
    year.days[b].actualTypes = 40;  // run 4
    year.days[c].run.distanceKm = 0;
    year.days[c].actualTypes = 90;  // no amount, so no type gets anything
    year.days[a].other.distanceKm = 12.5f;
    year.days[a].swim.distanceKm = 2;

    DiagramSeries time = aggregateMonthOfYear(year, kModeTriathlon, kActualTimeRun);
    EXPECT_FLOAT_EQ(time.slots[2].total, 3.0f);
    EXPECT_FLOAT_EQ(time.slots[2].byType[1], 2.0f);
    EXPECT_FLOAT_EQ(time.slots[2].byType[4], 1.0f);

    EXPECT_FLOAT_EQ(aggregateMonth(year, kModeTriathlon, kActualKmOther, 3).slots[2].byType[7], 12.5f);
    EXPECT_FLOAT_EQ(aggregateWeekOfYear(year, kModeTriathlon, kActualKmSwim).slots[9].byType[3], 2.0f);
    EXPECT_FLOAT_EQ(aggregateWeek(year, kModeTriathlon, kActualKmRun, 10, 0).slots[1].byType[1], 21.0f);

    // A digit from a damaged file still lands in one of the ten types.
    year.days[a].actualTypes = -123456;
    DiagramSeries damaged = aggregateMonthOfYear(year, kModeTriathlon, kActualKmRun);
    EXPECT_FLOAT_EQ(damaged.slots[2].byType[5], 21.0f);
}

TEST(DiagramStatistics, AveragesTakeOnlyRecordedDays) {
    TrainingYear year = planFor(2009);
    year.days[at(year, 5, 4)].bodyWeight = 70.0f;
    year.days[at(year, 9, 4)].bodyWeight = 72.0f;
    year.days[at(year, 1, 4)].restingPulse = 48;
    year.days[at(year, 2, 4)].restingPulse = 50;

    DiagramSeries weight = aggregateMonthOfYear(year, kModeTriathlon, kAverageWeight);
    EXPECT_EQ(std::pair(weight.slots[3].total, weight.slots[4].total), std::pair(71.0f, 0.0f));
    EXPECT_FLOAT_EQ(aggregateMonthOfYear(year, kModeTriathlon, kAverageRestingPulse).slots[3].total, 49.0f);
    // 1 to 5 April 2009 are Wednesday to Sunday of week 14; 9 April lies in week 15.
    EXPECT_FLOAT_EQ(aggregateWeekOfYear(year, kModeTriathlon, kAverageWeight).slots[13].total, 70.0f);
    EXPECT_FLOAT_EQ(aggregateWeekOfYear(year, kModeTriathlon, kAverageRestingPulse).slots[13].total, 49.0f);

    // Week and month diagrams show the day values themselves, weight without a ladder.
    DiagramSeries daily = aggregateMonth(year, kModeTriathlon, kWeight, 4);
    EXPECT_FLOAT_EQ(daily.slots[8].total, 72.0f);
    EXPECT_EQ(aggregateWeek(year, kModeTriathlon, kRestingPulse, 14, 0).slots[2].total, 48);
}

TEST(DiagramStatistics, WeekOfYearSlotsFollowTheWeekNumberWithoutRollOver) {
    TrainingYear year = planFor(2010);
    for (int d = 0; d < 365; ++d) year.days[d].bike.distanceKm = 1;
    DiagramSeries km = aggregateWeekOfYear(year, kModeTriathlon, kKmBike);
    // 1 to 3 January 2010 belong to week 53 of 2009, week 1 starts on Monday 4 January, week 52 holds
    // Monday 27 to Friday 31 December and nothing of the next year.
    EXPECT_EQ(std::tuple(km.slotCount, km.slots[52].total, km.slots[0].total, km.slots[51].total, sumOfTotals(km)),
              std::tuple(53, 3.0f, 7.0f, 5.0f, 365.0f));

    year = planFor(2009);
    year.days[at(year, 28, 12)].run.distanceKm = 10;
    year.days[at(year, 31, 12)].run.distanceKm = 5;
    year.days[365].run.distanceKm = 1000;  // beyond a common year: never read
    DiagramSeries run = aggregateWeekOfYear(year, kModeTriathlon, kKmRun);
    EXPECT_EQ(std::pair(run.slots[52].total, run.maxValue), std::pair(15.0f, 15.0f));
    EXPECT_EQ(aggregateMonthOfYear(year, kModeTriathlon, kKmRun).slots[11].total, 15);
}

TEST(DiagramStatistics, WeekDaysSitInTheSlotOfTheirWeekday) {
    TrainingYear year = planFor(2008);  // 1 January 2008 is a Tuesday; leap year
    for (int d = 0; d < 366; ++d) year.days[d].bike.distanceKm = static_cast<float>(d + 1);
    // Monday 31 December 2007 is not in the plan; Tuesday 1 to Sunday 6 January are.
    DiagramSeries first = aggregateWeek(year, kModeTriathlon, kKmBike, 1, 0);
    EXPECT_EQ(std::tuple(first.slotCount, first.slots[0].total, first.slots[1].total, first.slots[6].total),
              std::tuple(7, 0.0f, 1.0f, 6.0f));
    EXPECT_EQ(aggregateWeek(year, kModeTriathlon, kKmBike, 2, 0).slots[0].total, 7);

    // Monday 29 to Wednesday 31 December of the leap year.
    DiagramSeries last = aggregateWeek(year, kModeTriathlon, kKmBike, 53, 0);
    EXPECT_EQ(std::tuple(last.slots[0].total, last.slots[2].total, last.slots[3].total), std::tuple(364.0f, 366.0f, 0.0f));
    EXPECT_EQ(aggregateWeek(year, kModeTriathlon, kKmBike, 99, 0).slots[2].total, 366);
    EXPECT_EQ(aggregateWeek(year, kModeTriathlon, kKmBike, -4, 0).slots[1].total, 1);

    // A year that opens on a Sunday: week 1 is that Sunday alone.
    year.planYear = 2012;
    DiagramSeries sunday = aggregateWeek(year, kModeTriathlon, kKmBike, 1, 0);
    EXPECT_EQ(sunday.slots[6].total, 1);
    EXPECT_EQ(sumOfTotals(sunday), 1);
    // Its week 53 runs from Monday 24 to Monday 31 December; the eighth day joins the Monday.
    year.days.fill({});
    year.days[at(year, 31, 12)].run.distanceKm = 42;
    year.days[at(year, 24, 12)].run.distanceKm = 5;
    DiagramSeries eighth = aggregateWeek(year, kModeTriathlon, kKmRun, 53, 0);
    EXPECT_EQ(std::pair(eighth.slots[0].total, sumOfTotals(eighth)), std::pair(47.0f, 47.0f));
    EXPECT_EQ(aggregateWeekOfYear(year, kModeTriathlon, kKmRun).slots[52].total, 42);
}

TEST(DiagramStatistics, MonthsHaveOneSlotPerDay) {
    TrainingYear year = planFor(2008);
    for (int d = 0; d < 366; ++d) year.days[d].swim.distanceKm = static_cast<float>(d + 1);
    DiagramSeries february = aggregateMonth(year, kModeTriathlon, kKmSwim, 2);
    EXPECT_EQ(std::tuple(february.slotCount, february.slots[0].total, february.slots[28].total),
              std::tuple(29, 32.0f, 60.0f));
    EXPECT_EQ(aggregateMonth(year, kModeTriathlon, kKmSwim, 12).slots[30].total, 366);
    EXPECT_EQ(aggregateMonthOfYear(year, kModeTriathlon, kKmSwim).slots[1].total, (32 + 60) * 29 / 2);

    year.planYear = 2009;
    EXPECT_EQ(aggregateMonth(year, kModeTriathlon, kKmSwim, 2).slotCount, 28);
    EXPECT_EQ(aggregateMonth(year, kModeTriathlon, kKmSwim, 12).slots[30].total, 365);
    EXPECT_EQ(aggregateMonth(year, kModeTriathlon, kKmSwim, 0).slotCount, 31);
    EXPECT_EQ(aggregateMonth(year, kModeTriathlon, kKmSwim, 13).slots[0].total, 335);
}

TEST(DiagramStatistics, WeekTimeAndLoadSetSelectedSportsSideBySide) {
    TrainingYear year = planFor(2009);
    int monday = at(year, 2, 3);  // week 10 of 2009
    year.days[monday].bike.duration = "02:00";
    year.days[monday].run.duration = "01:00";
    year.days[monday].swim.duration = "03:00";
    year.days[monday].other.duration = "00:30";
    year.days[monday].bike.load = 4;
    year.days[monday].swim.load = 2;

    DiagramSeries all = aggregateWeek(year, kModeTriathlon, kTime, 10, 15);
    EXPECT_EQ(all.sports, (SportParts{true, true, true, true}));
    EXPECT_FLOAT_EQ(all.slots[0].bySport[kPartSwim], 3.0f);
    EXPECT_FLOAT_EQ(all.maxValue, 3.0f);  // the tallest single bar, not the day's sum
    EXPECT_FLOAT_EQ(all.slots[0].total, 6.5f);

    DiagramSeries bikeAndRun = aggregateWeek(year, kModeTriathlon, kTime, 10, kBitBike | kBitRun);
    EXPECT_EQ(bikeAndRun.sports, (SportParts{true, true, false, false}));
    EXPECT_FLOAT_EQ(bikeAndRun.maxValue, 2.0f);

    // Running mode leaves cycling out even when its bit is set.
    EXPECT_EQ(aggregateWeek(year, kModeRun, kTime, 10, 15).sports, (SportParts{false, true, false, true}));

    DiagramSeries load = aggregateWeek(year, kModeTriathlon, kLoad, 10, kBitBike | kBitSwim);
    EXPECT_EQ(std::tuple(load.slots[0].bySport[kPartBike], load.slots[0].bySport[kPartSwim], load.maxValue),
              std::tuple(4.0f, 2.0f, 4.0f));

    // Older plans have neither load nor swimming; the load legend still names the selection.
    year.planFileVersion = 2;
    DiagramSeries legacyLoad = aggregateWeek(year, kModeTriathlon, kLoad, 10, 15);
    EXPECT_EQ(legacyLoad.sports, (SportParts{}));
    EXPECT_EQ(legacyLoad.legendSports, (SportParts{true, true, false, true}));
    EXPECT_EQ(sumOfTotals(legacyLoad), 0);
    DiagramSeries legacyTime = aggregateWeek(year, kModeTriathlon, kTime, 10, 15);
    EXPECT_EQ(legacyTime.slots[0].bySport[kPartSwim], 0);
    EXPECT_FLOAT_EQ(legacyTime.maxValue, 2.0f);
}

TEST(DiagramStatistics, EmptyAndUnhandledSeries) {
    TrainingYear year = planFor(2009);
    for (int code : {kKmBike, kCountTotal, kTimeBySport, kClimbing, kAverageWeight, kActualTimeOther}) {
        DiagramSeries series = aggregateWeekOfYear(year, kModeTriathlon, code);
        EXPECT_EQ(series.maxValue, 0) << code;
    }

    // Codes a kind does not compute stay zero even over data.
    for (int d = 0; d < 365; ++d) {
        year.days[d].bodyWeight = 70;
        year.days[d].bike.distanceKm = 30;
        year.days[d].bike.duration = "01:00";
    }
    EXPECT_EQ(sumOfTotals(aggregateWeekOfYear(year, kModeTriathlon, kWeight)), 0);
    EXPECT_EQ(sumOfTotals(aggregateWeek(year, kModeTriathlon, kTimeBike, 3, 0)), 0);
    EXPECT_EQ(sumOfTotals(aggregateWeek(year, kModeTriathlon, kTimeBySport, 3, 0)), 0);
    EXPECT_EQ(sumOfTotals(aggregateMonthOfYear(year, kModeTriathlon, kXyPulse)), 0);

    DiagramSelection xy{kXyDiagram, kXyPulse, 1, 1, 0};
    EXPECT_EQ(aggregateDiagram(year, kModeTriathlon, xy).slotCount, 0);
    DiagramSelection month{kMonthDiagram, kKmBike, 1, 2, 0};
    EXPECT_EQ(aggregateDiagram(year, kModeTriathlon, month).slots[27].total, 30);
}

TEST(DiagramStatistics, DamagedPlansNeitherCrashNorSpoilTheAxis) {
    TrainingYear year = planFor(0, 0);
    year.days[0].bike.distanceKm = std::numeric_limits<float>::quiet_NaN();
    year.days[1].bike.distanceKm = 12;
    year.days[2].bike.duration = "x";
    year.days[3].bike.duration = "99:99";
    for (int kind = kWeekOfYearDiagram; kind <= kMonthDiagram; ++kind) {
        for (int code = 100; code <= 151; ++code) {
            DiagramSeries series = aggregateDiagram(year, 9, {kind, code, 0, 0, 255});
            EXPECT_TRUE(std::isfinite(series.maxValue)) << kind << " " << code;
            EXPECT_GE(series.maxValue, 0);
        }
    }
    DiagramSeries km = aggregateMonth(year, kModeBike, kKmBike, 1);
    EXPECT_EQ(km.maxValue, 12);
}
