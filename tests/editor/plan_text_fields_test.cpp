// Every field the user types into in the dialogs whose texts go into the plan, the routes or the
// settings filters its input, so no new field can store '?' for a character behind the user's back.
#include <gtest/gtest.h>

#include <tuple>

#include "editor/athlete_dialog.h"
#include "editor/day_editor_layout.h"
#include "editor/day_editor_templates.h"
#include "editor/training_takeover_dialog.h"
#include "options/training_types_page.h"
#include "tools/odometer_dialog.h"
#include "tools/standard_routes_dialog.h"

using namespace sb;
using platform::ControlKind;

TEST(PlanTextFields, EveryTypedFieldFiltersAndOnlyTheTrainingTypeLabelsKeepCommas) {
    std::vector<const platform::DialogTemplate*> dialogs{
        &editor::athleteTemplate(), &editor::trainingTakeoverTemplate(),
        &options::trainingTypesPageTemplate(), &tools::standardRoutesTemplate(), &tools::odometerTemplate()};
    for (auto [version, mode, basic] :
         {std::tuple{3, 1, 1}, {3, 2, 0}, {3, 3, 1}, {3, 4, 1}, {3, 5, 1}, {3, 5, 0}, {2, 3, 1}, {1, 5, 0}})
        dialogs.push_back(&editor::dayEditorTemplate(*editor::chooseDayEditorLayout(version, mode, basic)));
    int typedFields = 0;
    for (const platform::DialogTemplate* dialog : dialogs) {
        const bool keepsCommas = dialog == &options::trainingTypesPageTemplate();
        for (const platform::ControlTemplate& control : dialog->controls) {
            // The fields the keyboard reaches; the rest only show what the procedure puts there.
            const bool typed =
                (control.kind == ControlKind::Edit || control.kind == ControlKind::ComboEdit) &&
                (control.flags & platform::TabStop) && !(control.flags & platform::ReadOnly);
            if (!typed) continue;
            ++typedFields;
            EXPECT_TRUE(control.flags & platform::PlanText) << dialog->name << " " << control.id;
            EXPECT_EQ(bool(control.flags & platform::CommaAsDot), !keepsCommas)
                << dialog->name << " " << control.id;
        }
    }
    EXPECT_GT(typedFields, 100);
}
