// Opening a plan file chosen by the user: the version by the name, the refusal of a file that is not a
// plan, the notice for an older format, the warning for a plan cut short, and after a failure the offer
// to reopen the previous file.
#pragma once

#include <string>

#include "model/training_year.h"
#include "planfile/plan_file_version.h"
#include "platform/services.h"

namespace sb::shell {

enum class OpenResult {
    Opened,            // the chosen file is the open plan
    NotAPlanFile,      // the name has no plan extension: nothing was read and no plan is open
    NotAPlan,          // the file holds no plan: nothing changed, the plan that was open stays open
    PreviousReopened,  // the chosen file could not be read; the previous file is open again
    NothingOpen,       // the chosen file could not be read and no plan is open: the document is empty,
                       // planFileVersion, planLoaded and modified are 0, currentFileName names the last
                       // good file
};

// The main window enables the plan commands when year.planFileVersion is not 0 afterwards.
OpenResult openPlanFile(platform::Services& services, model::TrainingYear& year, const std::string& path);

// Makes a plan just read the open one under path; a plan cut short is named with the last day read.
void takeReadPlan(platform::Services& services, model::TrainingYear& year, const std::string& path, int version,
                  const planfile::PlanShapeOutcome& shape);

}  // namespace sb::shell
