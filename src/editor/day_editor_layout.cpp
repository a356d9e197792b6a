// The table of the eight day-editor forms and the choice among them.
#include "editor/day_editor_layout.h"

#include <algorithm>
#include <utility>

namespace sb::editor {

namespace {

constexpr const char* kCaption = "Trainingsdatensätze bearbeiten";

DayEditorLayout full(std::string name, std::vector<model::Sport> sports) {
    DayEditorLayout layout;
    layout.templateName = std::move(name);
    layout.caption = kCaption;
    layout.sports = std::move(sports);
    return layout;
}

std::vector<DayEditorLayout> buildLayouts() {
    using model::kBike, model::kRun, model::kSwim, model::kOther;
    std::vector<DayEditorLayout> layouts{
        full("IDD_DATENAENDERN_RAD", {kBike, kOther}),
        full("IDD_DATENAENDERN_LAUFEN", {kRun, kOther}),
        full("IDD_DATENAENDERN_SCHWIMMEN", {kSwim, kOther}),
        full("IDD_DATENAENDERN_DUATHLON", {kBike, kRun, kOther}),
        full("IDD_DATENAENDERN_TRIATHLON_BASIC", {kSwim, kBike, kRun, kOther}),
        full("IDD_DATENAENDERN_TRIATHLON", {kSwim, kBike, kRun, kOther}),
        full("IDD_DATENAENDERN_V2", {kBike, kRun, kOther}),
        full("IDD_DATENAENDERN_V1", {kBike, kRun}),
    };
    DayEditorLayout& basic = layouts[4];
    basic.pulse = false;
    basic.averages = false;

    DayEditorLayout& v2 = layouts[6];
    v2.caption = "Trainingsdatensätze bearbeiten  (funktionsreduziert für Saisonbuch V2.x Dateien)";
    v2.extended = false;

    // Version-1 files hold no training types, so the form offers none that could not be kept.
    DayEditorLayout& v1 = layouts[7];
    v1.caption = "Trainingsdatensätze bearbeiten  (funktionsreduziert für Saisonbuch v1.x Dateien)";
    v1.extended = false;
    v1.types = false;
    return layouts;
}

}  // namespace

bool DayEditorLayout::shows(model::Sport sport) const {
    return std::find(sports.begin(), sports.end(), sport) != sports.end();
}

const std::vector<DayEditorLayout>& dayEditorLayouts() {
    static const std::vector<DayEditorLayout> layouts = buildLayouts();
    return layouts;
}

const DayEditorLayout* chooseDayEditorLayout(int planFileVersion, int sportMode, int triathlonBasic) {
    const auto& layouts = dayEditorLayouts();
    switch (planFileVersion) {
        case 1:
            return &layouts[7];
        case 2:
            return &layouts[6];
        case 3:
            break;
        default:
            return nullptr;
    }
    switch (sportMode) {
        case 1:
            return &layouts[0];
        case 2:
            return &layouts[1];
        case 3:
            return &layouts[2];
        case 4:
            return &layouts[3];
        default:
            return triathlonBasic == 1 ? &layouts[4] : &layouts[5];
    }
}

}  // namespace sb::editor
