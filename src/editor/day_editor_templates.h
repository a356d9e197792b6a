// The dialog templates of the day editor, built from one sport-block builder and one day-block builder,
// so all eight forms share their look and their tab order: each sport block top to bottom, then the day
// block, the date row and the buttons.
#pragma once

#include "editor/day_editor_layout.h"
#include "platform/dialog.h"

namespace sb::editor {

// The template of a form, built once and kept.
const platform::DialogTemplate& dayEditorTemplate(const DayEditorLayout& layout);

}  // namespace sb::editor
