// The season's load of a whole leap year with training on most days in every sport: the load window
// computes it for every drawing and every click, so it must stay far below a millisecond.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "statistics/training_load.h"

namespace {

std::unique_ptr<sb::model::TrainingYear> busyYear() {
    auto year = std::make_unique<sb::model::TrainingYear>();
    year->planYear = 2008;
    for (int d = 0; d < 366; ++d) {
        sb::model::DayRecord& day = year->days[d];
        char duration[8];
        std::snprintf(duration, sizeof duration, "%02d:%02d", d % 4, d % 60);
        for (sb::model::SportEntry* entry : {&day.run, &day.bike, &day.swim, &day.other}) {
            entry->duration = duration;
            entry->load = d % 6;
        }
    }
    return year;
}

void BM_WholeYearLoadSeries(benchmark::State& state) {
    const auto year = busyYear();
    for (auto _ : state) benchmark::DoNotOptimize(sb::statistics::computeLoadSeries(*year));
}
BENCHMARK(BM_WholeYearLoadSeries)->Unit(benchmark::kMicrosecond);

}  // namespace
