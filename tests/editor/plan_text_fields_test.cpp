// Every field the keyboard reaches in the dialogs whose texts are stored filters its input, so no new
// field can store '?' behind the user's back.
#include <gtest/gtest.h>

#include "editor/athlete_dialog.h"
#include "editor/day_editor_templates.h"
#include "editor/training_takeover_dialog.h"
#include "options/training_types_page.h"
#include "tools/odometer_dialog.h"
#include "tools/standard_routes_dialog.h"

using namespace sb::platform;

TEST(PlanTextFields, EveryTypedFieldFiltersAndOnlyTheTrainingTypeLabelsKeepCommas) {
    const DialogTemplate* labels = &sb::options::trainingTypesPageTemplate();
    const DialogTemplate* triathlon =
        &sb::editor::dayEditorTemplate(*sb::editor::chooseDayEditorLayout(3, 5, 0));
    for (const DialogTemplate* dialog :
         {&sb::editor::athleteTemplate(), &sb::editor::trainingTakeoverTemplate(), labels,
          &sb::tools::standardRoutesTemplate(), &sb::tools::odometerTemplate(), triathlon})
        for (const ControlTemplate& c : dialog->controls) {
            if ((c.kind == ControlKind::Edit || c.kind == ControlKind::ComboEdit) && (c.flags & TabStop) &&
                !(c.flags & ReadOnly)) {
                EXPECT_EQ(c.flags & (PlanText | CommaAsDot),
                          PlanText | (dialog == labels ? 0u : unsigned(CommaAsDot)))
                    << dialog->name << " " << c.id;
            }
        }
}
