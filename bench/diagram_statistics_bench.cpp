// Aggregation of diagram series over a full, realistic training year: each of the four kinds with the
// quantities that do the most work per day (stacks, type splits, counts, averages).
#include <benchmark/benchmark.h>

#include <cstdio>

#include "statistics/diagram_statistics.h"

namespace {

using namespace sb::model;
using namespace sb::statistics;

// A triathlete's year: training on most days, several sports on many, types and day values throughout.
const sb::model::TrainingYear& realisticYear() {
    static const sb::model::TrainingYear year = [] {
        sb::model::TrainingYear plan;
        plan.planYear = 2008;
        plan.planFileVersion = 3;
        for (int d = 0; d < 366; ++d) {
            sb::model::DayRecord& day = plan.days[d];
            char duration[8];
            if (d % 7 != 0) {
                day.bike.distanceKm = 30.0f + static_cast<float>(d % 50);
                std::snprintf(duration, sizeof duration, "%02d:%02d", 1 + d % 3, d % 60);
                day.bike.duration = duration;
                day.bike.heightMetres = static_cast<float>(100 + d % 900);
                day.bike.load = d % 6;
            }
            if (d % 2 == 0) {
                day.run.distanceKm = 8.0f + static_cast<float>(d % 13);
                std::snprintf(duration, sizeof duration, "00:%02d", 35 + d % 25);
                day.run.duration = duration;
                day.run.load = (d + 2) % 6;
            }
            if (d % 3 == 0) {
                day.swim.distanceKm = 1.5f + static_cast<float>(d % 3);
                day.swim.duration = "00:45";
            }
            if (d % 11 == 0) day.other.duration = "01:10";
            day.actualTypes = (d * 7919) % 10000;
            day.plannedTypes = (d * 104729) % 10000;
            if (d % 2 == 1) day.bodyWeight = 70.0f + static_cast<float>(d % 5) * 0.3f;
            if (d % 3 != 2) day.restingPulse = 44 + d % 8;
        }
        return plan;
    }();
    return year;
}

void weekOfYearSeries(benchmark::State& state) {
    int code = static_cast<int>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(aggregateWeekOfYear(realisticYear(), kModeTriathlon, code));
}

void monthOfYearSeries(benchmark::State& state) {
    int code = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(aggregateMonthOfYear(realisticYear(), kModeTriathlon, code));
}

void weekSeries(benchmark::State& state) {
    int code = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(aggregateWeek(realisticYear(), kModeTriathlon, code, 53, 15));
}

void monthSeries(benchmark::State& state) {
    int code = static_cast<int>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(aggregateMonth(realisticYear(), kModeTriathlon, code, 12));
}

}  // namespace

BENCHMARK(weekOfYearSeries)
    ->Arg(kTimeBySport)
    ->Arg(kActualTimeRun)
    ->Arg(kCountTotal)
    ->Arg(kAverageWeight)
    ->Arg(kKmBike);
BENCHMARK(monthOfYearSeries)
    ->Arg(kTimeBySport)
    ->Arg(kActualTimeRun)
    ->Arg(kCountTotal)
    ->Arg(kAverageRestingPulse);
BENCHMARK(weekSeries)->Arg(kTime)->Arg(kLoad)->Arg(kActualKmBike);
BENCHMARK(monthSeries)->Arg(kTimeBySport)->Arg(kActualTimeSwim)->Arg(kWeight);
