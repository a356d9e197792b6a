// Writers of the two earlier plan file formats: version 2 (sb2: no swimming, no load, content or
// climbing) and version 1 (sbn: running and cycling only, no types, no odometers).
#pragma once

#include <string>

#include "model/training_year.h"
#include "planfile/plan_file_columns.h"

namespace sb::planfile {

// 0 on success, 1 on failure (an existing file is then unchanged). withSwim is ignored: the format has
// no swim block.
int writePlanFileV2(const model::TrainingYear& year, const std::string& path,
                    const PlanFileColumns& columns = {}, const TypeLabels& labels = {});
std::string formatPlanFileV2(const model::TrainingYear& year, const PlanFileColumns& columns = {},
                             const TypeLabels& labels = {});
// Always the whole year in the fixed version 1 layout.
int writePlanFileV1(const model::TrainingYear& year, const std::string& path);
std::string formatPlanFileV1(const model::TrainingYear& year);

}  // namespace sb::planfile
