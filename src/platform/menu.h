// A menu as a plain tree: the main window's menu bar and the popup menus of dialogs are built as
// data by the program and turned into real menus by the platform.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace sb::platform {

// Texts are UTF-8 with '&' marking the mnemonic and '\t' separating the shortcut text, as in
// "Ö&ffnen\tCrtl+O". An item with children is a popup; its own id is not used.
struct MenuItem {
    std::string text;
    int id = 0;
    bool greyed = false;
    bool checked = false;
    bool separator = false;
    std::vector<MenuItem> children;

    static MenuItem command(std::string text, int id, bool greyed = false, bool checked = false) {
        return {std::move(text), id, greyed, checked, false, {}};
    }
    static MenuItem popup(std::string text, std::vector<MenuItem> children) {
        return {std::move(text), 0, false, false, false, std::move(children)};
    }
    static MenuItem separatorLine() { return {{}, 0, false, false, true, {}}; }
    bool operator==(const MenuItem&) const = default;
};

// The item with this id anywhere in the tree, or null.
const MenuItem* findMenuItem(const std::vector<MenuItem>& items, int id);
MenuItem* findMenuItem(std::vector<MenuItem>& items, int id);

}  // namespace sb::platform
