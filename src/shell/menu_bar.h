// The main window's menu bar, built from scratch out of the program state: the sport mode and the open
// plan's version decide the axis lists, the diagram kind decides the axis menus, the settings decide
// the device menus and the file history.
#pragma once

#include <vector>

#include "platform/menu.h"
#include "shell/application.h"
#include "shell/main_window_view.h"

namespace sb::shell {

// The whole tree with its check marks, and with the plan-dependent items already greyed for the plan
// as it is now, so a rebuild can never make the plan commands available without a plan.
std::vector<platform::MenuItem> buildMenuBar(const Application& app);

// After a change of diagram kind, preset or recording: the navigation state, then the menu bar built
// anew into app.menuBar and handed to the window.
void refreshMenuBar(Application& app, MainWindowView& view);

// How many history entries the "&Datei" menu shows (commands 20 … 19 + this count); the history keys
// Ctrl+1…Ctrl+9 beyond it have no entry to open.
int shownHistoryCount(const config::ConfigStore& settings);

}  // namespace sb::shell
