// The full-year list with all eleven columns: its rows, every cell text and the sums, as the year list
// and its document compute them.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "lists/list_rows.h"
#include "lists/sum_texts.h"
#include "model/training_types.h"

namespace {

using namespace sb;

const model::TrainingYear& busyYear() {
    static const model::TrainingYear year = [] {
        model::TrainingYear plan;
        plan.planYear = 2008;
        plan.planFileVersion = 3;
        for (int d = 0; d < 366; ++d) {
            model::DayRecord& day = plan.days[std::size_t(d)];
            char duration[8];
            std::snprintf(duration, sizeof duration, "%02d:%02d", 1 + d % 3, d % 60);
            day.bike = {"Hausrunde", 130, 30.0f + float(d % 50), 300, duration, d % 6, "Grundlage"};
            if (d % 2 == 0) day.run = {"Stadtpark", 150, 8.0f + float(d % 13), 0, "00:45", 3, "locker"};
            if (d % 3 == 0) day.swim = {"Hallenbad", 0, 2.5f, 0, "00:45", 1, "Technik"};
            if (d % 5 == 0) day.other = {"Kraftraum", 0, 0, 0, "01:00", 2, ""};
            day.plannedTypes = 1234;
            day.actualTypes = 4321;
            day.bodyWeight = 70.5f;
        }
        return plan;
    }();
    return year;
}

void BM_YearListRowsCellsAndSums(benchmark::State& state) {
    const model::TrainingYear& year = busyYear();
    const lists::ColumnOrder order = lists::allColumns();
    const model::TrainingTypeLabels& labels = model::defaultTrainingTypeLabels();
    for (auto _ : state) {
        const lists::PeriodList list =
            lists::periodRows(year, lists::listPeriod(lists::ListKind::Year, 0, 2008));
        std::size_t bytes = 0;
        for (const lists::ListRow& row : list.rows)
            for (const std::string& cell : lists::rowCells(row, order, year, labels)) bytes += cell.size();
        benchmark::DoNotOptimize(bytes);
        benchmark::DoNotOptimize(lists::sumLines(lists::sumsOf(list.totals), 3));
    }
}
BENCHMARK(BM_YearListRowsCellsAndSums)->Unit(benchmark::kMicrosecond);

}  // namespace
