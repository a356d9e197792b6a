// Plans for the list tests: a full year with training on most days, texts that HTML must escape, and
// labels as the user may name them.
#pragma once

#include <string>

#include "model/training_types.h"
#include "model/training_year.h"

namespace sb::lists::testing {

// Every day of `planYear` filled by a fixed rule: rides, runs, swims, alternative sports with and
// without time, weights on some days, and on a few days routes, contents and comments with <, & and ".
model::TrainingYear fullYear(int planYear, int version = 3);
// The default labels, with label 3 holding <, & and ".
model::TrainingTypeLabels testLabels();

}  // namespace sb::lists::testing
