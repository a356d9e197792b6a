// The plan-file commands of the main window: New, Open, the history entries, Save, Save As and Exit,
// with their questions and messages, and the creation of a new plan file that start-up shares.
#pragma once

#include <optional>
#include <string>

#include "platform/services.h"
#include "shell/application.h"
#include "shell/main_window_view.h"
#include "shell/open_plan_file.h"

namespace sb::shell {

// The name a plan is written under: it ends in ".sb3", the format every new or renamed plan gets;
// ".sb2" and ".sbn" are replaced, any other name is extended.
std::string withPlanExtension(const std::string& path);

// The save-if-modified question before the document is replaced or the program ends. A plan whose name
// names no plan format goes through Save As. false: abandon the action (cancelled or not saved).
bool saveChangesFirst(Application& app, MainWindowView& view, platform::Services& services);

// Opens the plan at path with its lock: the lock question first, then the open flow; nothing when the
// user cancelled at the lock question (the open plan stays). A plan opened read-only holds no lock.
std::optional<OpenResult> openGuardedPlan(Application& app, platform::Services& services,
                                          const std::string& path);

// The save dialog and the write of the current format; true when the plan was written.
bool saveAsFlow(Application& app, MainWindowView& view, platform::Services& services);

// The athlete dialog of a new plan on an empty document, which replaces the open plan only on OK; false
// when the user cancelled, and the open plan stays as it was.
bool enterNewAthlete(Application& app, platform::Services& services);

// Writes the document as a new plan file at path. Whether or not the write succeeds, the plan is then
// the open plan under that name; a failed write leaves it modified, so the user can save again.
void writeNewPlan(Application& app, platform::Services& services, const std::string& path);

// The question before an existing file is replaced by a new or renamed plan; true to replace it.
bool confirmReplacePlan(platform::Services& services, const std::string& path);

void newPlan(Application& app, MainWindowView& view, platform::Services& services);
void openPlan(Application& app, MainWindowView& view, platform::Services& services);
// "Öffnen" without its file dialog: the save question, then the plan at `path`.
void openPlanPath(Application& app, MainWindowView& view, platform::Services& services,
                  const std::string& path);
// The shown history entry `index` (0-based); nothing for an entry that is not shown.
void openHistoryEntry(Application& app, MainWindowView& view, platform::Services& services, int index);
void savePlan(Application& app, MainWindowView& view, platform::Services& services);
void savePlanAs(Application& app, MainWindowView& view, platform::Services& services);
// Exit and the window's close box. false when the user chose to stay.
bool exitProgram(Application& app, MainWindowView& view, platform::Services& services);

}  // namespace sb::shell
