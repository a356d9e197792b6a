// The "Trainingsdaten" command: the day editor in the form that suits the open plan and the sport mode,
// followed by the odometer due check and its reminder. firstDay as in DayEditorContext.
#pragma once

#include <string>

#include "config/config_store.h"
#include "config/route_store.h"
#include "model/training_year.h"
#include "platform/services.h"

namespace sb::editor {

enum class DayEditorOutcome {
    NoPlan,           // no plan open: nothing was shown
    Closed,           // the editor ran; no reminder, or the user declined to see the odometers
    OdometersWanted,  // the user asked to see the odometers after the reminder
};

DayEditorOutcome runDayEditorCommand(platform::Services& services, model::TrainingYear& year,
                                     const config::ConfigStore& settings, const config::RouteStore& routes,
                                     const std::string& helpFile, int firstDay = -1);

}  // namespace sb::editor
