// Storing the day shown in the day editor: every field is checked and stored on its own, so one
// rejected field (reported with its message) keeps its old value and the others are still stored.
#pragma once

#include "editor/day_editor_layout.h"
#include "model/training_year.h"
#include "platform/dialog.h"

namespace sb::editor {

// Stores the fields of the form into day `dayIndex`: the sports in the order bike, run, swim, other,
// then the day values. Returns 1 when any field was rejected, else 0.
int storeDay(platform::DialogHost& host, const DayEditorLayout& layout, model::TrainingYear& year,
             int dayIndex);

}  // namespace sb::editor
