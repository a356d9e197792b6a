// The eight day-editor forms: the choice by plan version and sport mode, every control a form needs
// inside the dialog, and a tab order that follows the form (the Qt dialog test checks for overlaps).
// Every field the keyboard reaches in the dialogs whose texts are stored filters its input, so no new
// field can store '?' behind the user's back.
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
#include "tools/odometer_dialog.h"
#include "tools/standard_routes_dialog.h"

using namespace sb;
using namespace sb::editor;
using platform::ControlKind;

namespace {

std::string chosen(int version, int sportMode, int basic) {
    const DayEditorLayout* layout = chooseDayEditorLayout(version, sportMode, basic);
    return layout ? layout->templateName : "";
}

}  // namespace

TEST(DayEditorTemplates, TheFormFollowsThePlanVersionAndTheSportMode) {
    for (auto [version, mode, basic, name] :
         {std::tuple{3, 1, 1, "RAD"}, {3, 2, 0, "LAUFEN"}, {3, 3, 1, "SCHWIMMEN"}, {3, 4, 1, "DUATHLON"},
          {3, 5, 1, "TRIATHLON_BASIC"}, {3, 5, 0, "TRIATHLON"}, {2, 3, 1, "V2"}, {1, 5, 0, "V1"}})
        EXPECT_EQ(chosen(version, mode, basic), std::string("IDD_DATENAENDERN_") + name);
    EXPECT_EQ(chosen(0, 5, 0), "");
    EXPECT_EQ(dayEditorTemplate(*chooseDayEditorLayout(2, 1, 0)).caption,
              "Trainingsdatensätze bearbeiten  (funktionsreduziert für Saisonbuch V2.x Dateien)");
    EXPECT_EQ(dayEditorTemplate(*chooseDayEditorLayout(1, 1, 0)).caption,
              "Trainingsdatensätze bearbeiten  (funktionsreduziert für Saisonbuch v1.x Dateien)");
}

// Which fields each form has, written out from the table of controls rather than from the forms' flags.
static std::set<int> expectedControls(const std::string& name) {
    using Ids = std::set<int>;
    const Ids bike{206, 207, 200, 205, 201, 202, 210, 208, 209, 211, 203, 204};
    const Ids run{225, 226, 220, 221, 222, 229, 227, 228, 230, 223, 224};
    const Ids swim{265, 266, 260, 261, 262, 269, 267, 268, 270};
    const Ids other{243, 244, 240, 242, 241, 248, 246, 247, 249};
    const Ids pulseAndAverages{201, 221, 261, 242, 203, 204, 223, 224};
    const Ids contentLoadHeight{210, 211, 205, 229, 230, 248, 249};
    const Ids types{208, 209, 227, 228};
    auto join = [](std::initializer_list<Ids> parts) {
        Ids all{280, 281, 282, 283, 284, 285, 286, 287, 288, 290, 291, 292, 293, 294, 295, 296, 297, 298};
        for (const Ids& part : parts) all.insert(part.begin(), part.end());
        return all;
    };
    auto without = [](Ids all, const Ids& gone) {
        for (int id : gone) all.erase(id);
        return all;
    };
    if (name == "IDD_DATENAENDERN_RAD") return join({bike, other});
    if (name == "IDD_DATENAENDERN_LAUFEN") return join({run, other});
    if (name == "IDD_DATENAENDERN_SCHWIMMEN") return join({swim, other});
    if (name == "IDD_DATENAENDERN_DUATHLON") return join({bike, run, other});
    if (name == "IDD_DATENAENDERN_TRIATHLON") return join({swim, bike, run, other});
    if (name == "IDD_DATENAENDERN_TRIATHLON_BASIC") return without(join({swim, bike, run, other}), pulseAndAverages);
    if (name == "IDD_DATENAENDERN_V2") return without(join({bike, run, other}), contentLoadHeight);
    if (name == "IDD_DATENAENDERN_V1") return without(without(join({bike, run}), contentLoadHeight), types);
    return {};
}

TEST(DayEditorTemplates, EveryFormHasExactlyItsControlsInsideTheDialog) {
    for (const DayEditorLayout& layout : dayEditorLayouts()) {
        SCOPED_TRACE(layout.templateName);
        const platform::DialogTemplate& dialog = dayEditorTemplate(layout);
        std::set<int> ids;
        for (const auto& control : dialog.controls) {
            if (control.id != platform::staticControlId) {
                EXPECT_TRUE(ids.insert(control.id).second) << control.id;
            }
            EXPECT_GE(control.rect.x, 0);
            EXPECT_GE(control.rect.y, 0);
            EXPECT_LE(control.rect.x + control.rect.width, dialog.width) << control.text;
            EXPECT_LE(control.rect.y + control.rect.height, dialog.height) << control.text;
        }
        EXPECT_EQ(ids, expectedControls(layout.templateName));
        EXPECT_EQ(dialog.control(control::ok)->kind, ControlKind::DefaultButton);
    }
}

TEST(DayEditorTemplates, TabOrderRunsThroughEachBlockThenTheDayThenTheButtons) {
    const auto& dialog = dayEditorTemplate(*chooseDayEditorLayout(3, 1, 0));
    std::vector<int> order;
    for (const auto& control : dialog.controls) {
        if (control.flags & platform::TabStop) order.push_back(control.id);
    }
    EXPECT_EQ(order, (std::vector<int>{206, 207, 200, 201, 205, 202, 210, 209, 211,  // bike
                                       243, 244, 240, 242, 241, 248, 247, 249,       // other
                                       280, 281, 282, 283,                           // day
                                       286, 287, 292, 290, 291, 293, 294, 296, 297, 298, 295}));
}

// Alt+letter on a block's title leads to that sport's hours; no other control of the form has that letter.
TEST(DayEditorTemplates, EachTimeHasAMnemonicOfItsOwn) {
    auto mnemonic = [](const std::string& text) {
        const size_t at = text.find('&');
        return at == std::string::npos || at + 1 >= text.size() ? std::string() : text.substr(at + 1, 1);
    };
    for (const DayEditorLayout& layout : dayEditorLayouts()) {
        SCOPED_TRACE(layout.templateName);
        const auto& controls = dayEditorTemplate(layout).controls;
        std::multiset<std::string> letters;
        for (const auto& control : controls) {
            std::string letter = mnemonic(control.text);
            for (char& c : letter) c = char(std::tolower(static_cast<unsigned char>(c)));
            if (!letter.empty()) letters.insert(letter);
        }
        size_t timeKeys = 0;
        for (size_t i = 0; i < controls.size(); ++i) {
            if (controls[i].kind != ControlKind::GroupBox || mnemonic(controls[i].text).empty()) continue;
            auto next = std::find_if(controls.begin() + long(i) + 1, controls.end(),
                                     [](const auto& c) { return (c.flags & platform::TabStop) != 0; });
            ASSERT_NE(next, controls.end());
            std::string letter = mnemonic(controls[i].text);
            letter[0] = char(std::tolower(static_cast<unsigned char>(letter[0])));
            EXPECT_EQ(1u, letters.count(letter)) << controls[i].text;
            const auto time = std::find_if(layout.sports.begin(), layout.sports.end(),
                                           [&](model::Sport s) { return sportControls(s).hours == next->id; });
            EXPECT_NE(time, layout.sports.end()) << controls[i].text;
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
