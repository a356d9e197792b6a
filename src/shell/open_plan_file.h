// Opening a plan file chosen by the user: the version by the name, the notice for an older format, the
// reader of that version, and after a failure the offer to reopen the previous file.
#pragma once

#include <string>

#include "model/training_year.h"
#include "platform/services.h"

namespace sb::shell {

enum class OpenResult {
    Opened,            // the chosen file is the open plan
    NotAPlanFile,      // the name has no plan extension: nothing was read and no plan is open
    PreviousReopened,  // the chosen file could not be read; the previous file is open again
    NothingOpen,       // the chosen file could not be read and no plan is open: the document is empty,
                       // planFileVersion, planLoaded and modified are 0, currentFileName names the last
                       // good file
};

// The main window enables the plan commands when year.planFileVersion is not 0 afterwards.
OpenResult openPlanFile(platform::Services& services, model::TrainingYear& year, const std::string& path);

}  // namespace sb::shell
