// Reading the plan a command names, with the reader its extension stands for.
#pragma once

#include <string>

#include "model/training_year.h"

namespace sb::cli {

// The plan's version (1…3) with the document read, or 0 after the failure was reported on stderr.
int loadPlan(const std::string& path, model::TrainingYear& year);

}  // namespace sb::cli
