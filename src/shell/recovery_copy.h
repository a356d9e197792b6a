// The recovery copy of a plan with unsaved changes: kept up to date while the program runs, written at
// once when the program is ended from outside, offered at the next start, and removed once the changes
// are saved or given up.
#pragma once

#include "platform/services.h"
#include "shell/application.h"
#include "shell/main_window_view.h"

namespace sb::shell {

// How often the program looks for changes to copy; well inside the half minute a change may wait.
constexpr int kRecoveryCheckSeconds = 10;

// The folder of the copies inside the program directory.
std::string recoveryFolder(const Application& app);

// Writes the copy when the plan has unsaved changes the copy does not hold yet. false when a copy was
// needed and could not be written (the status bar says so, once).
bool keepRecoveryCopy(Application& app);
// The changes were saved or given up, or another plan replaces them.
void removeRecoveryCopy(Application& app);

// The periodic check of the running program; shows the notice of a copy that could not be written.
void recoveryTimer(Application& app, MainWindowView& view);

// At start, before the last plan is reloaded: offers the newest copy of an ended program. true when the
// recovered plan is now open (it replaces the reload).
bool offerRecoveryCopy(Application& app, platform::Services& services);

// The session ends or a signal asks the program to end: the copy at once, then the end without a
// question.
void endUnasked(Application& app, MainWindowView& view, platform::Services& services);

}  // namespace sb::shell
