// One paint of a calendar view: the month grid with its hit areas onto the recording canvas (the
// calendar code alone), for both variants and a four-row sport mode.
#include <benchmark/benchmark.h>

#include "calendars/calendar_grid.h"
#include "charts/chart_frame.h"
#include "platform/headless/recording_canvas.h"

namespace {

using namespace sb::calendars;

const sb::model::TrainingYear& plannedYear() {
    static const sb::model::TrainingYear year = [] {
        sb::model::TrainingYear plan;
        plan.planYear = 2008;
        plan.planFileVersion = 3;
        for (int d = 0; d < 366; ++d) {
            plan.days[std::size_t(d)].plannedTypes = (d * 7919) % 10000;
            plan.days[std::size_t(d)].actualTypes = (d * 104729) % 10000;
        }
        return plan;
    }();
    return year;
}

void paintCalendar(benchmark::State& state) {
    CalendarGrid grid;
    grid.year = &plannedYear();
    grid.month = 3;
    grid.variant = GridVariant(state.range(0));
    grid.sportMode = 5;
    for (int type = 0; type < sb::model::kTrainingTypeCount; ++type) {
        grid.typeLabels[std::size_t(type)] = "Typ " + std::to_string(type);
        grid.typeColours[std::size_t(type)] = sb::platform::rgb(type * 20, 100, 200);
    }
    CalendarHitAreas areas;
    for (auto _ : state) {
        sb::platform::headless::RecordingCanvas canvas({752, 316});
        sb::charts::setupDialogFrame(canvas, {752, 316}, dialogFace);
        drawCalendarGrid(canvas, grid, &areas);
        benchmark::DoNotOptimize(canvas.calls().data());
        benchmark::DoNotOptimize(areas.dayCells.data());
    }
}
BENCHMARK(paintCalendar)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
