// What a spreadsheet export writes: the chosen boxes limited to what the plan's version holds, the
// date range with its whole-year fallback, and the writer's column switches made from both.
#pragma once

#include "planfile/plan_file_columns.h"

namespace sb::output {

// The check boxes of the export, 1 checked, 0 unchecked.
struct ExportChoices {
    int bike = 1;
    int run = 1;
    int other = 1;
    int swim = 1;
    int cumulativeKm = 1;
    int averages = 1;
    int pulse = 1;
    int weight = 1;
    int kcal = 1;
    int trainingTypes = 1;  // planned and actual types, as labels per sport
};

// Older plans have no other sport and no types (version 1) and no swimming (versions 1 and 2).
ExportChoices limitToPlanVersion(ExportChoices choices, int planFileVersion);

struct ExportDates {
    int startDay = 1;
    int startMonth = 1;
    int endDay = 31;
    int endMonth = 12;
};

struct ExportRange {
    int firstDay = 0;
    int lastDay = 0;           // 0 = the last day of the year, as the writer reads it
    bool wholeYearFallback = false;  // a date was invalid: the whole year is exported
};

// Day indices of the dates in the plan year; an invalid start or end date gives the whole year. An end
// of 1 January is index 0, which the writer takes as the end of the year.
ExportRange exportRange(const ExportDates& dates, int planYear);

planfile::PlanFileColumns spreadsheetColumns(const ExportChoices& choices, const ExportRange& range);

}  // namespace sb::output
