// The odometers' due check: sums the cycled and run kilometres from each odometer's start day and marks
// the active odometers whose total has reached their due value.
#pragma once

#include "model/training_year.h"

namespace sb::tools {

// Recomputes currentKm of every odometer in use and makes the active ones that reached dueKm due
// (state 3); an inactive odometer is never made due and no state is lowered. true when at least one
// odometer is due after this run. Plans of the first version have no odometers: false, nothing changed.
bool checkOdometersDue(model::TrainingYear& year);

}  // namespace sb::tools
