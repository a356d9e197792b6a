// The main window's own commands: showing a diagram, the user presets and their kinds, the axis
// quantities, the toolbar and status-bar switches, help, printing the diagram, and the dialogs of this
// folder (athlete data, standard routes).
#pragma once

#include "platform/services.h"
#include "shell/application.h"
#include "shell/main_window_view.h"

namespace sb::shell {

// Commands 43…46: kind 1…4.
void showDiagram(Application& app, MainWindowView& view, int kind);
// Commands 48…52: preset slot 0…4.
void activatePreset(Application& app, MainWindowView& view, int slot);
// Commands 53…56, while a preset is active: kind 1…4 for the preset's diagram.
void setPresetKind(Application& app, MainWindowView& view, int kind);
// Commands 209…242: the axis quantity of the shown diagram.
void chooseQuantity(Application& app, MainWindowView& view, int menuId);

void toggleToolbar(Application& app, MainWindowView& view);
void toggleStatusBar(Application& app, MainWindowView& view);
// After the window created its toolbar anew: the buttons take the plan and diagram state again.
void toolbarCreated(Application& app, MainWindowView& view);


// Command 18: the shown diagram (a bar diagram or the X-Y diagram of a recording) on the printer the
// user chooses.
void printCurrentDiagram(Application& app, MainWindowView& view, platform::Services& services);

// Commands 30 and 58; the dispatcher frames them in the modal view.
void editAthleteData(Application& app, MainWindowView& view, platform::Services& services);
void editStandardRoutes(Application& app, platform::Services& services);

}  // namespace sb::shell
