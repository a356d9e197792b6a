// Readers of the two earlier plan file formats (sb2 version 2, sbn version 1). Fields the format does
// not have stay empty; the reading rules are those of the current format.
#pragma once

#include <string>
#include <string_view>

#include "model/training_year.h"

namespace sb::planfile {

// 0 on success, 1 when the file cannot be opened or read (the document is then untouched).
int readPlanFileV2(const std::string& path, model::TrainingYear& year);
int readPlanFileV1(const std::string& path, model::TrainingYear& year);
void parsePlanFileV2(std::string_view bytes, model::TrainingYear& year);
void parsePlanFileV1(std::string_view bytes, model::TrainingYear& year);

}  // namespace sb::planfile
