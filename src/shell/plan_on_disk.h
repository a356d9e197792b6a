// The plan file changed by someone else since this program read or wrote it: the question before the
// program writes over it, and the quiet reload of an unchanged plan when the window becomes active.
#pragma once

#include "platform/services.h"
#include "shell/application.h"
#include "shell/main_window_view.h"
#include "shell/save_if_modified.h"

namespace sb::shell {

// Remembers the plan file as it is now, after it was read or written.
void rememberPlanOnDisk(Application& app);

// Before the plan is written under its own name. A file that changed since it was remembered gives the
// question; one that vanished is written without asking.
WriteDecision confirmWriteOverChanges(Application& app, MainWindowView& view, platform::Services& services);

// The window became active: an unmodified plan whose file changed is read again, with a notice.
void planWindowActivated(Application& app, MainWindowView& view);

}  // namespace sb::shell
