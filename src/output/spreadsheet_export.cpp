// The spreadsheet export's choices, date range and column switches.
#include "output/spreadsheet_export.h"

#include "model/calendar.h"

namespace sb::output {

ExportChoices limitToPlanVersion(ExportChoices choices, int planFileVersion) {
    if (planFileVersion != 2 && planFileVersion != 3) {
        choices.other = 0;
        choices.trainingTypes = 0;
    }
    if (planFileVersion != 3) choices.swim = 0;
    return choices;
}

ExportRange exportRange(const ExportDates& dates, int planYear) {
    if (!model::isValidDayMonth(dates.startDay, dates.startMonth, planYear) ||
        !model::isValidDayMonth(dates.endDay, dates.endMonth, planYear))
        return {0, model::dayCount(planYear) - 1, true};
    return {model::dayOfYear(dates.startDay, dates.startMonth, planYear) - 1,
            model::dayOfYear(dates.endDay, dates.endMonth, planYear) - 1, false};
}

planfile::PlanFileColumns spreadsheetColumns(const ExportChoices& choices, const ExportRange& range) {
    planfile::PlanFileColumns columns;
    columns.firstDay = range.firstDay;
    columns.lastDay = range.lastDay;
    columns.withRun = choices.run;
    columns.withBike = choices.bike;
    columns.withPulse = choices.pulse;
    columns.withWeight = choices.weight;
    columns.withDateColumns = 1;
    columns.withKcal = choices.kcal;
    columns.withCumulativeKm = choices.cumulativeKm;
    columns.withAverages = choices.averages;
    columns.withOther = choices.other;
    columns.typeColumns = choices.trainingTypes ? 2 : 0;
    columns.withSwim = choices.swim;
    return columns;
}

}  // namespace sb::output
