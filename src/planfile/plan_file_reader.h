// The reader of the current plan file format (sb3). It knows fields only by their position, accepts
// CR LF and LF, and reads whatever a file holds without failing: missing fields and days read empty,
// over-long fields are cut to their widths, non-numbers in number fields and loads outside 0…5 read as 0.
#pragma once

#include <string>
#include <string_view>

#include "model/training_year.h"

namespace sb::planfile {

// 0 on success, 1 when the file cannot be opened or read; the document is then untouched. On success
// the athlete data, year, days and odometers are replaced and planLoaded is 1.
int readPlanFile(const std::string& path, model::TrainingYear& year);
// The same from bytes already in memory.
void parsePlanFile(std::string_view bytes, model::TrainingYear& year);

}  // namespace sb::planfile
