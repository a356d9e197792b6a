// Storing the day shown in the day editor: every field is checked in the order of the form; a
// rejected field is reported with its message and keeps its stored value, the others are stored.
#pragma once

#include "editor/day_editor_layout.h"
#include "model/training_year.h"
#include "platform/dialog.h"

namespace sb::editor {

// Stores the fields of the form into day `dayIndex`: the sports in the order bike, run, swim, other,
// then the day values. Returns 1 when a field was rejected (the cursor is then in the first of them), else 0. The plan counts
// as changed only when a stored value differs from before.
int storeDay(platform::DialogHost& host, const DayEditorLayout& layout, model::TrainingYear& year,
             int dayIndex);

}  // namespace sb::editor
