// The eight day-editor forms: the choice by plan version and sport mode, every control inside the dialog
// in a tab order that follows the form, a key per time; and every typed field of the dialogs whose texts
// are stored filters its input, so no new field can store '?' behind the user's back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <tuple>

#include "editor/athlete_dialog.h"
#include "editor/day_editor_controls.h"
#include "editor/day_editor_layout.h"
#include "editor/day_editor_templates.h"
#include "editor/training_takeover_dialog.h"
#include "options/training_types_page.h"
#include "support/plan_fixtures.h"
#include "tools/odometer_dialog.h"
#include "tools/standard_routes_dialog.h"

using namespace sb;
using namespace sb::editor;
using platform::ControlKind;

TEST(DayEditorTemplates, TheFormFollowsThePlanVersionAndTheSportMode) {
    for (auto [version, mode, basic, name] :
         {std::tuple{3, 1, 1, "RAD"}, {3, 2, 0, "LAUFEN"}, {3, 3, 1, "SCHWIMMEN"}, {3, 4, 1, "DUATHLON"},
          {3, 5, 1, "TRIATHLON_BASIC"}, {3, 5, 0, "TRIATHLON"}, {2, 3, 1, "V2"}, {1, 5, 0, "V1"}})
        EXPECT_EQ(chooseDayEditorLayout(version, mode, basic)->templateName,
                  std::string("IDD_DATENAENDERN_") + name);
    EXPECT_EQ(chooseDayEditorLayout(0, 5, 0), nullptr);
}

// Each form's controls in their order, tab stops marked with '*', are compared whole with a golden file:
// the blocks of its sports (a basic form without pulse and averages, the older versions' without
// content, load and height, version 1 without types), then the day, then the buttons.
TEST(DayEditorTemplates, EveryFormHasExactlyItsControlsInTabOrderInsideTheDialog) {
    std::string forms;
    for (const DayEditorLayout& layout : dayEditorLayouts()) {
        SCOPED_TRACE(layout.templateName);
        const platform::DialogTemplate& dialog = dayEditorTemplate(layout);
        forms += layout.templateName + ":";
        for (const auto& control : dialog.controls) {
            if (control.id != platform::staticControlId)
                forms += " " + std::to_string(control.id) + (control.flags & platform::TabStop ? "*" : "");
            EXPECT_GE(control.rect.x, 0);
            EXPECT_GE(control.rect.y, 0);
            EXPECT_LE(control.rect.x + control.rect.width, dialog.width) << control.text;
            EXPECT_LE(control.rect.y + control.rect.height, dialog.height) << control.text;
        }
        forms += "\n";
        EXPECT_EQ(dialog.control(control::ok)->kind, ControlKind::DefaultButton);
    }
    EXPECT_EQ(sb::testing::fileBytes(sb::testing::goldenPath("editor/day_editor_forms.txt")), forms);
}

// Alt+letter on a block's title leads to that sport's hours; no other control of the form has that letter.
TEST(DayEditorTemplates, EachTimeHasAMnemonicOfItsOwn) {
    auto mnemonic = [](const std::string& text) {
        const size_t at = text.find('&');
        return at == std::string::npos || at + 1 >= text.size()
                   ? '\0'
                   : char(std::tolower(static_cast<unsigned char>(text[at + 1])));
    };
    for (const DayEditorLayout& layout : dayEditorLayouts()) {
        SCOPED_TRACE(layout.templateName);
        const auto& controls = dayEditorTemplate(layout).controls;
        std::multiset<char> letters;
        for (const auto& control : controls) letters.insert(mnemonic(control.text));
        size_t timeKeys = 0;
        for (auto title = controls.begin(); title != controls.end(); ++title) {
            if (title->kind != ControlKind::GroupBox || !mnemonic(title->text)) continue;
            const auto next = std::find_if(title + 1, controls.end(),
                                           [](const auto& c) { return (c.flags & platform::TabStop) != 0; });
            ASSERT_NE(next, controls.end());
            EXPECT_EQ(1u, letters.count(mnemonic(title->text))) << title->text;
            const auto time = std::find_if(layout.sports.begin(), layout.sports.end(),
                                           [&](model::Sport s) { return sportControls(s).hours == next->id; });
            EXPECT_NE(time, layout.sports.end()) << title->text;
            ++timeKeys;
        }
        EXPECT_EQ(layout.sports.size(), timeKeys);
    }
}

TEST(PlanTextFields, EveryTypedFieldFiltersAndOnlyTheTrainingTypeLabelsKeepCommas) {
    using namespace platform;
    const DialogTemplate* labels = &options::trainingTypesPageTemplate();
    const DialogTemplate* triathlon = &dayEditorTemplate(*chooseDayEditorLayout(3, 5, 0));
    for (const DialogTemplate* dialog : {&athleteTemplate(), &trainingTakeoverTemplate(), labels,
                                         &tools::standardRoutesTemplate(), &tools::odometerTemplate(), triathlon})
        for (const ControlTemplate& c : dialog->controls) {
            if ((c.kind == ControlKind::Edit || c.kind == ControlKind::ComboEdit) && (c.flags & TabStop) &&
                !(c.flags & ReadOnly)) {
                EXPECT_EQ(c.flags & (PlanText | CommaAsDot),
                          PlanText | (dialog == labels ? 0u : unsigned(CommaAsDot)))
                    << dialog->name << " " << c.id;
            }
        }
}
