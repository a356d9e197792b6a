// The main window's toolbar as data: the 28 entries of the button table (image, command, separator,
// the value box's placeholder), their tooltip and customisation texts, and the user's layout of the
// toolbar (which entries, in which order), kept in the configuration file as [TOOLBAR] LAYOUT.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "config/config_store.h"
#include "platform/services.h"

namespace sb::shell {

constexpr int kToolbarEntryCount = 28;
// The value box is an edit field over the placeholder of its entry, inset from the placeholder's left
// and right edges, full height. It shows the week or month number.
constexpr int kValueBoxEntry = 26;
constexpr int kValueBoxWidth = 50;
constexpr int kValueBoxInset = 2;
// A layout holds at most this many entries (separators may repeat), so it fits one setting.
constexpr int kMaxToolbarLayoutSize = 64;

// Image i is the 16×16 square at x = 16 × i of resources/toolbar/toolbar.png.
struct ToolbarButton {
    int image = -1;   // -1 for separators and the value box
    int command = 0;  // 0 for separators
    bool separator = false;
    int width = 0;  // pixels of a placeholder; 0 for a normal button
};

const std::array<ToolbarButton, kToolbarEntryCount>& toolbarButtons();

// The tooltip of a toolbar command; a preset button names the preset's diagram.
std::string toolbarTooltip(const config::DiagramChoice& diagram, int commandId);

// The full toolbar: every entry once, in table order.
std::vector<int> defaultToolbarLayout();
// The saved layout, or the full toolbar when none is saved or the saved one is damaged.
std::vector<int> loadToolbarLayout(config::ConfigStore& settings);

// Customisation. Each change is saved at once; false when nothing changed (a position outside the
// layout, an unknown entry, a button that is already on the toolbar, a full layout).
bool insertToolbarEntry(config::ConfigStore& settings, std::vector<int>& layout, int position, int entry);
bool deleteToolbarEntry(config::ConfigStore& settings, std::vector<int>& layout, int position);
void resetToolbarLayout(config::ConfigStore& settings, std::vector<int>& layout);

// Ids of the context menu's items; an insert item carries its entry.
constexpr int kToolbarRemoveItem = 1;
constexpr int kToolbarResetItem = 2;
constexpr int kToolbarInsertItem = 100;  // + entry

// The toolbar's context menu at the layout position clicked (the layout's size for a click beside the
// buttons): insert an entry before it (one not on the toolbar yet, or a separator), remove it, or
// reset the toolbar. true when the layout changed; it is then saved already, or the user was told why not.
bool customiseToolbar(platform::Services& services, config::ConfigStore& settings, std::vector<int>& layout,
                      int position);

}  // namespace sb::shell
