// Showing one day in the day editor, and what follows the user's typing: the fields of a sport without
// a time are disabled, and speed or pace and energy are recomputed from the fields as they stand.
#pragma once

#include "editor/day_editor_layout.h"
#include "model/training_year.h"
#include "platform/dialog.h"

namespace sb::editor {

// Fills the form from day `dayIndex`. Numbers are shown with the precision the plan file keeps, so
// storing an unchanged day changes nothing, and merely looking at a day leaves the plan unchanged.
void showDay(platform::DialogHost& host, const DayEditorLayout& layout, const model::TrainingYear& year,
             int dayIndex);

// A sport whose hours and minutes both read 0 has its other fields disabled.
void updateTimeEnabling(platform::DialogHost& host, const DayEditorLayout& layout);
// Average speed, running pace and energies from the current field contents.
void updateDerivedValues(platform::DialogHost& host, const DayEditorLayout& layout,
                         const model::TrainingYear& year);

// Distances and weight as the form shows them.
std::string formatDistance(float kilometres);

}  // namespace sb::editor
