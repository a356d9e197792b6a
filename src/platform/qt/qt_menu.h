// Real menus from the program's menu trees: popup menus of dialogs and the main window's menu bar.
// Each command action carries its id as QAction::data(), so one triggered(QAction*) handler serves all.
#pragma once

#include <vector>

#include "platform/menu.h"

class QAction;
class QMenu;
class QMenuBar;

namespace sb::platform::qt {

void fillMenu(QMenu& menu, const std::vector<MenuItem>& items);
void fillMenuBar(QMenuBar& bar, const std::vector<MenuItem>& items);
// Gives a bar made by fillMenuBar the texts and states of `items` when they have the bar's shape (the
// same popups, commands and separators in the same places); false when they have not, and the bar,
// then partly changed, must be replaced.
bool updateMenuBar(QMenuBar& bar, const std::vector<MenuItem>& items);
// The command id of an action made by the two above; 0 for anything else.
int commandIdOf(const QAction* action);

}  // namespace sb::platform::qt
