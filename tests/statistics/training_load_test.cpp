// The load series against numbers worked out here from the definition: one session decaying through
// the year, the four sports of a day, the bounds of load and duration, and the length of the year.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <tuple>

#include "statistics/training_load.h"

using namespace sb;

namespace {

model::SportEntry session(const char* duration, int load) {
    model::SportEntry entry;
    entry.duration = duration;
    entry.load = load;
    return entry;
}

// What is left on day d of `points` scored on day `from`, in an average of time constant `days`.
double remaining(double points, int from, int d, double days) {
    return d < from ? 0 : points * (1 - std::exp(-1 / days)) * std::exp(-(d - from) / days);
}

}  // namespace

TEST(TrainingLoad, OneSessionRisesOnItsDayAndDecaysAfter) {
    auto year = std::make_unique<model::TrainingYear>();
    year->planYear = 2009;
    year->days[100].run = session("01:00", 3);
    const statistics::LoadSeries series = statistics::computeLoadSeries(*year);
    for (int d = 0; d < 365; ++d) {
        EXPECT_EQ(series.days[d].points, d == 100 ? 180 : 0);
        EXPECT_NEAR(series.days[d].fitness, remaining(180, 100, d, 42), 1e-9);
        EXPECT_NEAR(series.days[d].fatigue, remaining(180, 100, d, 7), 1e-9);
        EXPECT_NEAR(series.days[d].form, remaining(180, 100, d - 1, 42) - remaining(180, 100, d - 1, 7), 1e-9);
    }
}

TEST(TrainingLoad, SportsOfADayAndTheBoundsOfLoadAndDuration) {
    struct Case {
        model::SportEntry run, bike, swim, other;
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
            auto year = std::make_unique<model::TrainingYear>();
            year->planYear = planYear;
            const int last = planYear == 2008 ? 365 : 364;
            model::DayRecord& day = year->days[last];
            std::tie(day.run, day.bike, day.swim, day.other) = std::tie(c.run, c.bike, c.swim, c.other);
            const statistics::LoadSeries series = statistics::computeLoadSeries(*year);
            ASSERT_EQ(int(series.days.size()), last + 1);
            EXPECT_EQ(std::pair(series.days[last].points, series.unloadedSessions), std::pair(c.points, c.unloaded));
        }
    }
    for (auto [value, text] :
         {std::pair{-0.04, "0.0"}, {0.04, "0.0"}, {-0.06, "-0.1"}, {0.06, "0.1"}, {-12.34, "-12.3"}})
        EXPECT_EQ(statistics::formatLoadValue(value), text) << value;
}
