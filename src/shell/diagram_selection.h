// The diagram choice behind the axis menus and the user-defined presets: which quantity code a menu
// item stands for, how a chosen code changes the diagram state, which quantity items carry a check
// mark, and switching between the five presets.
#pragma once

#include "shell/application.h"

namespace sb::shell {

// The quantity code of an axis menu item (of a bar diagram or the X-Y diagram), or 0 for any other id.
int quantityCodeOfMenuItem(int menuId);

// Whether an axis menu item carries a check mark in the current state: the item of the current kind's
// quantity, and in the week diagram also the sport items whose time or load bits are set.
bool quantityItemChecked(const config::DiagramChoice& diagram, int menuId);

// Stores a chosen quantity code in the diagram state of the current kind. The per-sport time codes
// 112…115 and load codes 121…124 toggle their sport bit for the week diagram whatever kind is shown.
void setDiagramQuantity(config::DiagramChoice& diagram, int code);

// Makes slot (0…4) the active preset, or none for -1: the preset left keeps the current diagram, the
// preset taken gives its diagram to the current state. Other slots are ignored.
void selectUserDiagram(config::DiagramChoice& diagram, int slot);

}  // namespace sb::shell
