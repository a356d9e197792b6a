// Which commands the open plan allows, and which the shown diagram kind allows: the grey state of the
// plan-dependent menu items and toolbar buttons and the enabled state of the week/month navigation.
#pragma once

#include "model/training_year.h"
#include "shell/application.h"
#include "shell/main_window_view.h"

namespace sb::shell {

// False for a plan command while no plan is open, and for the planning calendar, the control view and
// the odometers (31, 47, 59) unless the plan is of version 2 or 3, whose files can hold their data.
// Every other command is always enabled.
bool fileCommandEnabled(const model::TrainingYear& year, int commandId);

// Greys or enables the plan-dependent items of app.menuBar and the toolbar buttons for the plan as it
// is now, and hands the menu bar to the window. Also called after the toolbar is created anew.
void applyFileState(Application& app, MainWindowView& view);

// The buttons "vorheriges" and "nächstes" and the value box (id 251) work for the week and month
// diagrams only. Also called after the toolbar is created anew.
void applyNavigationState(const Application& app, MainWindowView& view);

}  // namespace sb::shell
