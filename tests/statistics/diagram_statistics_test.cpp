// Diagram series over a training year: time sums from hh:mm, counted entries, averages over recorded
// days, the splits by sport and by training type, the sport-mode and plan-version rules, and which days
// land in which slot of the four kinds (week 1, week 53, leap years, months of 28 to 31 days); and the
// load series against numbers worked out here from the definition.
#include "statistics/diagram_statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <tuple>
#include <vector>

#include "model/calendar.h"
#include "statistics/training_load.h"

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

SportEntry session(const char* duration, int load) {
    SportEntry entry;
    entry.duration = duration;
    entry.load = load;
    return entry;
}

// What is left on day d of `points` scored on day `from`, in an average of time constant `days`.
double remaining(double points, int from, int d, double days) {
    return d < from ? 0 : points * (1 - std::exp(-1 / days)) * std::exp(-(d - from) / days);
}

// One slot of the series of `code` in the diagram of `kind`, for week or month `period` (no sports).
struct Total {
    int kind;
    int code;
    int period;
    int slot;
    float total;
};

void expectTotals(const TrainingYear& year, std::initializer_list<Total> rows, int sportMode = kModeTriathlon) {
    for (const Total& row : rows) {
        const DiagramSeries series = aggregateDiagram(year, sportMode, {row.kind, row.code, row.period, row.period, 0});
        EXPECT_FLOAT_EQ(series.slots[row.slot].total, row.total) << row.kind << " " << row.code << " " << row.slot;
    }
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
    expectTotals(year, {{kMonthOfYearDiagram, kTimeBike, 0, 0, 91 * 0.016666668f},
                        {kMonthOfYearDiagram, kTimeRun, 0, 0, 1}, {kMonthOfYearDiagram, kCountBike, 0, 0, 3},
                        {kMonthOfYearDiagram, kCountTotal, 0, 0, 6}, {kMonthDiagram, kTimeTotal, 1, 13, 3.5f}});

    // A version-2 document leaves swimming out of every total.
    year.planFileVersion = 2;
    expectTotals(year, {{kMonthOfYearDiagram, kCountTotal, 0, 0, 5}, {kMonthDiagram, kTimeTotal, 1, 13, 2.75f},
                        {kWeekOfYearDiagram, kTimeTotal, 0, 2, 2.75f + 1 / 60.0f}});
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
    expectTotals(year, {{kMonthOfYearDiagram, kTimeBySport, 0, 5, 0.75f}}, kModeRun);
    expectTotals(year, {{kWeekOfYearDiagram, kTimeBySport, 0, 23, 2.5f}});
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
    const auto byType = [&year](int kind, int code, int period, int slot, int type) {
        return aggregateDiagram(year, kModeTriathlon, {kind, code, period, period, 0}).slots[slot].byType[type];
    };

    // Run times by type in the months of the year: the golden drawing months_run_time_by_type.
    EXPECT_EQ((std::vector<float>{12.5f, 2, 21}),
              (std::vector<float>{byType(kMonthDiagram, kActualKmOther, 3, 2, 7),
                                  byType(kWeekOfYearDiagram, kActualKmSwim, 0, 9, 3),
                                  byType(kWeekDiagram, kActualKmRun, 10, 1, 1)}));

    // A digit from a damaged file still lands in one of the ten types.
    year.days[a].actualTypes = -123456;
    EXPECT_FLOAT_EQ(byType(kMonthOfYearDiagram, kActualKmRun, 0, 2, 5), 21.0f);
}

TEST(DiagramStatistics, AveragesTakeOnlyRecordedDays) {
    TrainingYear year = planFor(2009);
    year.days[at(year, 5, 4)].bodyWeight = 70.0f;
    year.days[at(year, 9, 4)].bodyWeight = 72.0f;
    year.days[at(year, 1, 4)].restingPulse = 48;
    year.days[at(year, 2, 4)].restingPulse = 50;
    // 1 to 5 April 2009 are Wednesday to Sunday of week 14; 9 April lies in week 15. Week and month
    // diagrams show the day values themselves, weight without a ladder.
    expectTotals(year, {{kMonthOfYearDiagram, kAverageWeight, 0, 3, 71}, {kMonthOfYearDiagram, kAverageWeight, 0, 4, 0},
                        {kMonthOfYearDiagram, kAverageRestingPulse, 0, 3, 49},
                        {kWeekOfYearDiagram, kAverageWeight, 0, 13, 70},
                        {kWeekOfYearDiagram, kAverageRestingPulse, 0, 13, 49},
                        {kMonthDiagram, kWeight, 4, 8, 72}, {kWeekDiagram, kRestingPulse, 14, 2, 48}});
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
    expectTotals(year, {{kMonthOfYearDiagram, kKmRun, 0, 11, 15}});
}

TEST(DiagramStatistics, WeekDaysSitInTheSlotOfTheirWeekday) {
    TrainingYear year = planFor(2008);  // 1 January 2008 is a Tuesday; leap year
    for (int d = 0; d < 366; ++d) year.days[d].bike.distanceKm = static_cast<float>(d + 1);
    EXPECT_EQ(aggregateWeek(year, kModeTriathlon, kKmBike, 1, 0).slotCount, 7);
    // Monday 31 December 2007 is not in the plan; Tuesday 1 to Sunday 6 January are. Week 53 is Monday
    // 29 to Wednesday 31 December of the leap year; weeks outside 1…53 are clamped.
    for (auto [week, slot, km] : {std::tuple{1, 0, 0}, {1, 1, 1}, {1, 6, 6}, {2, 0, 7}, {53, 0, 364}, {53, 2, 366},
                                  {53, 3, 0}, {99, 2, 366}, {-4, 1, 1}})
        EXPECT_EQ(aggregateWeek(year, kModeTriathlon, kKmBike, week, 0).slots[slot].total, km) << week << " " << slot;

    // A year that opens on a Sunday: week 1 is that Sunday alone.
    year.planYear = 2012;
    DiagramSeries sunday = aggregateWeek(year, kModeTriathlon, kKmBike, 1, 0);
    EXPECT_EQ(std::pair(sunday.slots[6].total, sumOfTotals(sunday)), std::pair(1.0f, 1.0f));
    // Its week 53 runs from Monday 24 to Monday 31 December; the eighth day joins the Monday.
    year.days.fill({});
    year.days[at(year, 31, 12)].run.distanceKm = 42;
    year.days[at(year, 24, 12)].run.distanceKm = 5;
    DiagramSeries eighth = aggregateWeek(year, kModeTriathlon, kKmRun, 53, 0);
    EXPECT_EQ(std::pair(eighth.slots[0].total, sumOfTotals(eighth)), std::pair(47.0f, 47.0f));
    expectTotals(year, {{kWeekOfYearDiagram, kKmRun, 0, 52, 42}});
}

TEST(DiagramStatistics, MonthsHaveOneSlotPerDay) {
    TrainingYear year = planFor(2008);
    for (int d = 0; d < 366; ++d) year.days[d].swim.distanceKm = static_cast<float>(d + 1);
    EXPECT_EQ(aggregateMonth(year, kModeTriathlon, kKmSwim, 2).slotCount, 29);
    expectTotals(year, {{kMonthDiagram, kKmSwim, 2, 0, 32}, {kMonthDiagram, kKmSwim, 2, 28, 60},
                        {kMonthDiagram, kKmSwim, 12, 30, 366},
                        {kMonthOfYearDiagram, kKmSwim, 0, 1, (32 + 60) * 29 / 2}});

    year.planYear = 2009;
    EXPECT_EQ(std::pair(aggregateMonth(year, kModeTriathlon, kKmSwim, 2).slotCount,
                        aggregateMonth(year, kModeTriathlon, kKmSwim, 0).slotCount),
              std::pair(28, 31));
    expectTotals(year, {{kMonthDiagram, kKmSwim, 12, 30, 365}, {kMonthDiagram, kKmSwim, 13, 0, 335}});
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

    // The tallest single bar is the axis, not the day's sum.
    DiagramSeries all = aggregateWeek(year, kModeTriathlon, kTime, 10, 15);
    EXPECT_EQ(all.sports, (SportParts{true, true, true, true}));
    for (float value : {all.slots[0].bySport[kPartSwim], all.maxValue}) EXPECT_FLOAT_EQ(value, 3.0f);
    EXPECT_FLOAT_EQ(all.slots[0].total, 6.5f);

    DiagramSeries bikeAndRun = aggregateWeek(year, kModeTriathlon, kTime, 10, kBitBike | kBitRun);
    EXPECT_EQ(std::pair(bikeAndRun.sports, bikeAndRun.maxValue), std::pair(SportParts{true, true, false, false}, 2.0f));

    // Running mode leaves cycling out even when its bit is set.
    EXPECT_EQ(aggregateWeek(year, kModeRun, kTime, 10, 15).sports, (SportParts{false, true, false, true}));

    DiagramSeries load = aggregateWeek(year, kModeTriathlon, kLoad, 10, kBitBike | kBitSwim);
    EXPECT_EQ(std::tuple(load.slots[0].bySport[kPartBike], load.slots[0].bySport[kPartSwim], load.maxValue),
              std::tuple(4.0f, 2.0f, 4.0f));

    // Older plans have neither load nor swimming; the load legend still names the selection.
    year.planFileVersion = 2;
    DiagramSeries legacyLoad = aggregateWeek(year, kModeTriathlon, kLoad, 10, 15);
    EXPECT_EQ(std::tuple(legacyLoad.sports, legacyLoad.legendSports, sumOfTotals(legacyLoad)),
              std::tuple(SportParts{}, SportParts{true, true, false, true}, 0.0f));
    DiagramSeries legacyTime = aggregateWeek(year, kModeTriathlon, kTime, 10, 15);
    EXPECT_EQ(std::pair(legacyTime.slots[0].bySport[kPartSwim], legacyTime.maxValue), std::pair(0.0f, 2.0f));
}

TEST(DiagramStatistics, UnhandledSeriesStayEmpty) {
    TrainingYear year = planFor(2009);
    // Codes a kind does not compute stay zero even over data.
    for (int d = 0; d < 365; ++d) {
        year.days[d].bodyWeight = 70;
        year.days[d].bike.distanceKm = 30;
        year.days[d].bike.duration = "01:00";
    }
    for (auto [kind, code] : {std::pair{kWeekOfYearDiagram, kWeight}, {kWeekDiagram, kTimeBike},
                              {kWeekDiagram, kTimeBySport}, {kMonthOfYearDiagram, kXyPulse}})
        EXPECT_EQ(sumOfTotals(aggregateDiagram(year, kModeTriathlon, {kind, code, 3, 3, 0})), 0) << code;
    EXPECT_EQ(aggregateDiagram(year, kModeTriathlon, {kXyDiagram, kXyPulse, 1, 1, 0}).slotCount, 0);
    expectTotals(year, {{kMonthDiagram, kKmBike, 2, 27, 30}});
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
            EXPECT_TRUE(std::isfinite(series.maxValue) && series.maxValue >= 0) << kind << " " << code;
        }
    }
    EXPECT_EQ(aggregateMonth(year, kModeBike, kKmBike, 1).maxValue, 12);
}

TEST(TrainingLoad, OneSessionRisesOnItsDayAndDecaysAfter) {
    TrainingYear year = planFor(2009);
    year.days[100].run = session("01:00", 3);
    const LoadSeries series = computeLoadSeries(year);
    for (int d = 0; d < 365; ++d) {
        EXPECT_EQ(series.days[d].points, d == 100 ? 180 : 0);
        EXPECT_NEAR(series.days[d].fitness, remaining(180, 100, d, 42), 1e-9);
        EXPECT_NEAR(series.days[d].fatigue, remaining(180, 100, d, 7), 1e-9);
        EXPECT_NEAR(series.days[d].form, remaining(180, 100, d - 1, 42) - remaining(180, 100, d - 1, 7), 1e-9);
    }
}

TEST(TrainingLoad, SportsOfADayAndTheBoundsOfLoadAndDuration) {
    struct Case {
        SportEntry run, bike, swim, other;
        double points;
        int unloaded;
    } cases[] = {
        {session("00:30", 2), session("01:30", 4), session("00:45", 1), session("00:20", 5), 565, 0},
        {session("01:00", -1), session("01:00", 0), {}, session("", 3), 0, 2},
        {session("01:00", 1), session("01:00", 6), session("01:00", 5), {}, 60 + 300 + 300, 0},
        {session("00:00", 3), session("00:01", 3), session("00:00", 0), {}, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.points);
        for (int planYear : {2008, 2009}) {
            TrainingYear year = planFor(planYear);
            const int last = planYear == 2008 ? 365 : 364;
            DayRecord& day = year.days[last];
            std::tie(day.run, day.bike, day.swim, day.other) = std::tie(c.run, c.bike, c.swim, c.other);
            const LoadSeries series = computeLoadSeries(year);
            ASSERT_EQ(int(series.days.size()), last + 1);
            EXPECT_EQ(std::pair(series.days[last].points, series.unloadedSessions), std::pair(c.points, c.unloaded));
        }
    }
    for (auto [value, text] :
         {std::pair{-0.04, "0.0"}, {0.04, "0.0"}, {-0.06, "-0.1"}, {0.06, "0.1"}, {-12.34, "-12.3"}})
        EXPECT_EQ(formatLoadValue(value), text) << value;
}
