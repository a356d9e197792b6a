// Readers of the two earlier plan file formats (sb2 version 2, sbn version 1). Fields the format does
// not have stay empty; the reading rules are those of the current format.
#pragma once

#include <string>
#include <string_view>

#include "model/training_year.h"

namespace sb::planfile {

void parsePlanFileV2(std::string_view bytes, model::TrainingYear& year);
void parsePlanFileV1(std::string_view bytes, model::TrainingYear& year);

}  // namespace sb::planfile
