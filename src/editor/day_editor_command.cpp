// Runs the day editor for the main window and asks about odometers that became due.
#include "editor/day_editor_command.h"

#include "editor/day_editor.h"
#include "editor/day_editor_layout.h"
#include "tools/odometer_due_check.h"

namespace sb::editor {

DayEditorOutcome runDayEditorCommand(platform::Services& services, model::TrainingYear& year,
                                     const config::ConfigStore& settings, const config::RouteStore& routes,
                                     const std::string& helpFile, int firstDay) {
    const DayEditorLayout* layout =
        chooseDayEditorLayout(year.planFileVersion, settings.sportMode, settings.triathlonBasic);
    if (!layout) return DayEditorOutcome::NoPlan;
    openDayEditor(services, *layout, {year, settings, routes, helpFile, firstDay});
    if (!tools::checkOdometersDue(year)) return DayEditorOutcome::Closed;
    platform::Answer answer =
        services.messageBox("Ein Kilometerzähler hat ausgelöst.\nansehen?", "Erinnerung",
                            platform::Buttons::YesNo, platform::Icon::Question);
    return answer == platform::Answer::Yes ? DayEditorOutcome::OdometersWanted : DayEditorOutcome::Closed;
}

}  // namespace sb::editor
