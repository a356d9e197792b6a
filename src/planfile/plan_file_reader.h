// The reader of the current plan file format (sb3). It knows fields only by their position, accepts
// CR LF and LF, and reads whatever a file holds without failing: missing fields and days read empty,
// over-long fields are cut to their widths, non-numbers in number fields and loads outside 0…5 read as 0.
#pragma once

#include <string>
#include <string_view>

#include "model/training_year.h"

namespace sb::planfile {

// The athlete data, year, days and odometers from the bytes of a plan; planLoaded becomes 1. Files are
// read through readPlanFileOfVersion, which checks first that they hold a plan.
void parsePlanFile(std::string_view bytes, model::TrainingYear& year);

}  // namespace sb::planfile
