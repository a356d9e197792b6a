// What every plan reader must keep, whatever the bytes: bytes that are no plan are never read; of a plan
// the year is the one the check found and the days read lie within it; the second save of a read plan
// writes what the first wrote (a plan does not degrade further each time it is saved) and is a whole
// plan; text fields stay within their widths, it can be exported with every column, and the diagram
// series of the plan can be computed (of one quantity an input picks, since all of them for every input
// would slow the search a hundredfold).
#pragma once

#include <string>

#include "model/diagram_quantity.h"
#include "fuzz_target.h"
#include "model/training_types.h"
#include "model/calendar.h"
#include "model/training_year.h"
#include "planfile/plan_file_shape.h"
#include "planfile/plan_file_version.h"
#include "planfile/plan_file_writer.h"
#include "statistics/diagram_statistics.h"

inline void checkPlanWidths(const sb::model::TrainingYear& year) {
    namespace width = sb::model::width;
    fuzzRequire(year.firstName.size() < width::name && year.lastName.size() < width::name);
    fuzzRequire(year.club.size() < width::name && year.trainer.size() < width::name);
    fuzzRequire(year.birthDate.size() < width::birthDate);
    for (const sb::model::DayRecord& day : year.days) {
        for (const sb::model::SportEntry* entry : {&day.bike, &day.run, &day.swim, &day.other}) {
            fuzzRequire(entry->route.size() < width::route && entry->content.size() < width::content);
            fuzzRequire(entry->duration.size() < width::duration);
        }
        fuzzRequire(day.weather.size() < width::weather && day.comment.size() < width::comment);
    }
    for (const sb::model::Odometer& odometer : year.odometers)
        fuzzRequire(odometer.description.size() < width::odometerDescription);
}

inline void computeSeries(const sb::model::TrainingYear& year, int code) {
    for (int kind = sb::model::kWeekOfYearDiagram; kind <= sb::model::kMonthDiagram; ++kind) {
        const sb::statistics::DiagramSelection selection{kind, code, 53, 12, 15};
        sb::statistics::aggregateDiagram(year, 5, selection);
    }
    for (int selector = 0; selector < 4; ++selector) sb::model::yearDistanceTotal(year, selector);
}

// Whatever was read can be exported with every optional column.
inline void exportEverything(const sb::model::TrainingYear& year) {
    sb::planfile::PlanFileColumns all;
    all.withDateColumns = all.withKcal = all.withCumulativeKm = all.withAverages = 1;
    all.typeColumns = 2;
    fuzzRequire(!sb::planfile::formatPlanFile(year, all, sb::model::defaultTrainingTypeLabels()).empty());
}

// parse reads bytes of the version into a year.
inline void checkPlanReader(std::string_view bytes, int version,
                            void (*parse)(std::string_view, sb::model::TrainingYear&)) {
    using sb::planfile::PlanShape;
    const sb::planfile::PlanShapeOutcome shape = sb::planfile::planShapeOf(bytes, version);
    if (shape.shape == PlanShape::NotAPlan) return;
    fuzzRequire(shape.planYear >= 1 && shape.planYear <= 9999);
    fuzzRequire(shape.daysRead >= 1 && shape.daysRead <= sb::model::dayCount(shape.planYear));
    sb::model::TrainingYear year;
    parse(bytes, year);
    fuzzRequire(year.planYear == shape.planYear);
    checkPlanWidths(year);
    computeSeries(year, 103 + static_cast<int>(bytes.size() % 48));
    exportEverything(year);
    const std::string saved = sb::planfile::formatPlanFileOfVersion(version, year);
    const sb::planfile::PlanShapeOutcome savedShape = sb::planfile::planShapeOf(saved, version);
    fuzzRequire(savedShape.shape == PlanShape::Whole && savedShape.planYear == shape.planYear);
    sb::model::TrainingYear reread;
    parse(saved, reread);
    fuzzRequire(sb::planfile::formatPlanFileOfVersion(version, reread) == saved);
}
