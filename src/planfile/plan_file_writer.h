// The writer of the current plan file format (sb3), which with other column switches is also the
// spreadsheet export. Callers that show progress hold a platform::WaitCursor around the call.
#pragma once

#include <string>

#include "model/training_year.h"
#include "planfile/plan_file_columns.h"

namespace sb::planfile {

// 0 on success, 1 when the file cannot be written; a failed write leaves an existing file unchanged.
// labels are needed only for typeColumns 2.
int writePlanFile(const model::TrainingYear& year, const std::string& path,
                  const PlanFileColumns& columns = {}, const TypeLabels& labels = {});
// The bytes writePlanFile writes.
std::string formatPlanFile(const model::TrainingYear& year, const PlanFileColumns& columns = {},
                           const TypeLabels& labels = {});

}  // namespace sb::planfile
