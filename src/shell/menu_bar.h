// The main window's menu bar, built from scratch out of the program state: the sport mode and the open
// plan's version decide the axis lists, the diagram kind decides the axis menus, the settings decide
// the device menus and the file history.
#pragma once

#include <vector>

#include "platform/menu.h"
#include "shell/application.h"

namespace sb::shell {

// The whole tree with its check marks, every command greyed that the dispatcher would not run now, so
// a rebuild can never offer a command the state does not allow.
std::vector<platform::MenuItem> buildMenuBar(const Application& app);

// How many history entries the "&Datei" menu shows, from the first history command on; the history keys
// Ctrl+1…Ctrl+9 beyond it have no entry to open.
int shownHistoryCount(const config::ConfigStore& settings);

}  // namespace sb::shell
