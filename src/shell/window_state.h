// What the window shows of the program's state besides the client area: the menu bar with its grey
// state and check marks, the toolbar buttons, the title and the status bar. Grey state comes from the
// command table alone, so a menu item, its toolbar button and the dispatcher always agree.
#pragma once

#include <string>

#include "shell/application.h"
#include "shell/main_window_view.h"

namespace sb::shell {

// "anna.sb3* – Saisonbuch" for an open plan (the mark while it has unsaved changes), "Saisonbuch"
// without one.
std::string windowTitle(const Application& app);

// The toolbar buttons and the value box enabled exactly when their command may run. Also called after
// the toolbar is created anew.
void applyToolbarState(const Application& app, MainWindowView& view);

// Everything above for the state as it is now: the menu bar built anew into app.menuBar and handed to
// the window, the toolbar state, the title and the status bar texts; and the load window, which shows
// the plan as it is now.
void showWindowState(Application& app, MainWindowView& view);

}  // namespace sb::shell
