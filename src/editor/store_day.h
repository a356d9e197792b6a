// Storing the day shown in the day editor: every field is checked in the order of the form, and the
// first rejected field (reported with its message, the cursor put into it) keeps the whole day as it
// was, so a day is never stored half.
#pragma once

#include "editor/day_editor_layout.h"
#include "model/training_year.h"
#include "platform/dialog.h"

namespace sb::editor {

// Stores the fields of the form into day `dayIndex`: the sports in the order bike, run, swim, other,
// then the day values. Returns 1 when a field was rejected (nothing stored), else 0. The plan counts
// as changed only when a stored value differs from before.
int storeDay(platform::DialogHost& host, const DayEditorLayout& layout, model::TrainingYear& year,
             int dayIndex);

}  // namespace sb::editor
