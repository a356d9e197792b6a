// The load series against numbers worked out here from the definition: one session decaying through
// the year, all four sports on one day, the bounds of load and duration, and the length of the year.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "statistics/training_load.h"

using namespace sb;
using statistics::computeLoadSeries;

namespace {

model::SportEntry session(const char* duration, int load) {
    model::SportEntry entry;
    entry.duration = duration;
    entry.load = load;
    return entry;
}

std::unique_ptr<model::TrainingYear> yearOf(int planYear) {
    auto year = std::make_unique<model::TrainingYear>();
    year->planYear = planYear;
    return year;
}

}  // namespace

TEST(TrainingLoad, OneSessionRisesOnItsDayAndDecaysAfter) {
    auto year = yearOf(2009);
    const int sessionDay = 100;
    year->days[sessionDay].run = session("01:00", 3);
    const statistics::LoadSeries series = computeLoadSeries(*year);
    ASSERT_EQ(series.days.size(), 365u);
    const double fitness = 180 * (1 - std::exp(-1.0 / 42));
    const double fatigue = 180 * (1 - std::exp(-1.0 / 7));
    for (int d = 0; d < 365; ++d) {
        const statistics::LoadDay& day = series.days[d];
        SCOPED_TRACE(d);
        const double f = d < sessionDay ? 0 : fitness * std::exp(-(d - sessionDay) / 42.0);
        const double e = d < sessionDay ? 0 : fatigue * std::exp(-(d - sessionDay) / 7.0);
        const double before = d <= sessionDay ? 0 : fitness * std::exp(-(d - 1 - sessionDay) / 42.0) -
                                                     fatigue * std::exp(-(d - 1 - sessionDay) / 7.0);
        EXPECT_EQ(day.points, d == sessionDay ? 180 : 0);
        EXPECT_NEAR(day.fitness, f, 1e-9);
        EXPECT_NEAR(day.fatigue, e, 1e-9);
        EXPECT_NEAR(day.form, before, 1e-9);
    }
    EXPECT_LT(series.days[sessionDay + 1].form, 0);  // the morning after: tired before fit
    EXPECT_GT(series.days[sessionDay + 30].form, 0);
    EXPECT_EQ(series.unloadedSessions, 0);
}

TEST(TrainingLoad, FourSportsAddUpAndSessionsWithoutLoadAreCounted) {
    auto year = yearOf(2009);
    model::DayRecord& day = year->days[10];
    day.run = session("00:30", 2);
    day.bike = session("01:30", 4);
    day.swim = session("00:45", 1);
    day.other = session("00:20", 5);
    year->days[11].bike = session("02:00", 0);
    year->days[11].run = session("", 3);  // load without time: no session
    const statistics::LoadSeries series = computeLoadSeries(*year);
    EXPECT_EQ(series.days[10].points, 60 + 360 + 45 + 100);
    EXPECT_EQ(series.days[11].points, 0);
    EXPECT_EQ(series.unloadedSessions, 1);
    EXPECT_NEAR(series.days[10].fitness, 565 * (1 - std::exp(-1.0 / 42)), 1e-9);
}

TEST(TrainingLoad, LoadAndDurationBounds) {
    struct Case {
        const char* duration;
        int load;
        double points;
        int unloaded;
    } cases[] = {
        {"01:00", -1, 0, 1}, {"01:00", 0, 0, 1},   {"01:00", 1, 60, 0}, {"01:00", 5, 300, 0},
        {"01:00", 6, 300, 0}, {"00:00", 3, 0, 0},  {"00:01", 3, 3, 0},  {"00:00", 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.duration) + " load " + std::to_string(c.load));
        auto year = yearOf(2009);
        year->days[0].swim = session(c.duration, c.load);
        const statistics::LoadSeries series = computeLoadSeries(*year);
        EXPECT_EQ(series.days[0].points, c.points);
        EXPECT_EQ(series.unloadedSessions, c.unloaded);
    }
}

TEST(TrainingLoad, LeapYearHasItsLastDayAndValuesPrintWithoutNegativeZero) {
    auto leap = yearOf(2008);
    leap->days[365].other = session("00:10", 1);
    const statistics::LoadSeries series = computeLoadSeries(*leap);
    ASSERT_EQ(series.days.size(), 366u);
    EXPECT_EQ(series.days[365].points, 10);
    EXPECT_EQ(computeLoadSeries(*yearOf(2009)).days.size(), 365u);

    struct Case {
        double value;
        const char* text;
    } cases[] = {{-0.04, "0.0"}, {0.04, "0.0"}, {-0.06, "-0.1"}, {0.06, "0.1"}, {180, "180.0"}, {-12.34, "-12.3"}};
    for (const Case& c : cases) EXPECT_EQ(statistics::formatLoadValue(c.value), c.text) << c.value;
}
