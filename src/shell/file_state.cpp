// The plan-dependent enabled state. Without a plan every command that reads or writes the document is
// off, so Save can never write an empty year over the last plan's file.
#include "shell/file_state.h"

#include <algorithm>
#include <array>

#include "charts/diagram_quantity.h"

namespace sb::shell {
namespace {

constexpr std::array<int, 24> kPlanCommands{12, 13, 14, 15, 18, 30, 31, 32, 40, 41, 42, 43,
                                            44, 45, 46, 47, 48, 49, 50, 51, 52, 57, 58, 59};
constexpr std::array<int, 3> kVersionTwoCommands{31, 47, 59};
constexpr std::array<int, 3> kNavigationControls{254, 251, 253};

bool contains(const auto& ids, int id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

}  // namespace

bool fileCommandEnabled(const model::TrainingYear& year, int commandId) {
    if (!contains(kPlanCommands, commandId)) return true;
    if (contains(kVersionTwoCommands, commandId))
        return year.planFileVersion == 2 || year.planFileVersion == 3;
    return year.planFileVersion != 0;
}

void applyFileState(Application& app, MainWindowView& view) {
    for (int id : kPlanCommands) {
        const bool enabled = fileCommandEnabled(app.year, id);
        if (platform::MenuItem* item = platform::findMenuItem(app.menuBar, id)) item->greyed = !enabled;
        view.setToolbarButtonEnabled(id, enabled);
    }
    view.setMenuBar(app.menuBar);
}

void applyNavigationState(const Application& app, MainWindowView& view) {
    const int kind = app.diagram.diagramKind;
    const bool enabled = kind == charts::kWeekDiagram || kind == charts::kMonthDiagram;
    for (int id : kNavigationControls) view.setToolbarButtonEnabled(id, enabled);
}

}  // namespace sb::shell
