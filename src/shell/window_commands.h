// The main window's own commands: showing a diagram, the user presets and their kinds, the axis
// quantities, the toolbar and status-bar switches, help, printing the diagram, and the dialogs of this
// folder (athlete data, standard routes).
#pragma once

#include "platform/services.h"
#include "shell/application.h"
#include "shell/main_window_view.h"

namespace sb::shell {

// Shows diagram kind 1…4 and releases an active preset.
void showDiagram(Application& app, MainWindowView& view, int kind);
// Preset slot 0…4 becomes the active one.
void activatePreset(Application& app, MainWindowView& view, int slot);
// While a preset is active: kind 1…4 for the preset's diagram.
void setPresetKind(Application& app, MainWindowView& view, int kind);
// The "&Y-Achse" item menuId chooses the axis quantity of the shown diagram.
void chooseQuantity(Application& app, MainWindowView& view, int menuId);

void toggleToolbar(Application& app, MainWindowView& view);
void toggleStatusBar(Application& app, MainWindowView& view);

// The shown diagram (a bar diagram or the X-Y diagram of a recording) on the printer the user chooses.
void printCurrentDiagram(Application& app, MainWindowView& view, platform::Services& services);

// The athlete data and the standard routes; the dispatcher frames them in the modal view.
void editAthleteData(Application& app, platform::Services& services);
void editStandardRoutes(Application& app, platform::Services& services);

}  // namespace sb::shell
