// The HTML year document: every training entry between two days of the plan in one fixed table, with
// the same column switches as the spreadsheet export.
#pragma once

#include <string>

#include "model/training_year.h"
#include "planfile/plan_file_columns.h"

namespace sb::output {

// withDateColumns is not read: the weekday and date cells are always part of the table.
std::string yearDocument(const model::TrainingYear& year, const planfile::PlanFileColumns& columns,
                         const planfile::TypeLabels& labels);

// 0 on success; 1 when the file could not be written, and then the old file is left as it was.
int writeYearDocument(const model::TrainingYear& year, const std::string& path,
                      const planfile::PlanFileColumns& columns, const planfile::TypeLabels& labels);

}  // namespace sb::output
