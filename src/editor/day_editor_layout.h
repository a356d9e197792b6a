// The eight forms of the day editor: which sport blocks and which fields each shows, and the choice of
// the form by plan version and sport mode. What a form shows is exactly what it stores.
#pragma once

#include <string>
#include <vector>

#include "model/training_year.h"

namespace sb::editor {

struct DayEditorLayout {
    std::string templateName;          // "IDD_DATENAENDERN_RAD"
    std::string caption;               // UTF-8
    std::vector<model::Sport> sports;  // the sport blocks, in the order they are laid out
    bool pulse = true;                 // average pulse of every block
    bool averages = true;              // computed speed or pace and energy of bike and run
    bool types = true;                 // planned and actual training type
    bool extended = true;              // training content, load and the bike's height

    bool shows(model::Sport sport) const;
};

// The form for a plan of this version under this sport mode (SPORTART 1…5, TRIATHLON_BASIC 0/1);
// null when no plan is open. An unknown sport mode counts as the default, triathlon.
const DayEditorLayout* chooseDayEditorLayout(int planFileVersion, int sportMode, int triathlonBasic);
// All eight forms, for building and showing them.
const std::vector<DayEditorLayout>& dayEditorLayouts();

}  // namespace sb::editor
