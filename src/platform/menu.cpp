// Look-up in a menu tree.
#include "platform/menu.h"

namespace sb::platform {

MenuItem* findMenuItem(std::vector<MenuItem>& items, int id) {
    for (MenuItem& item : items) {
        if (!item.separator && item.children.empty() && item.id == id) return &item;
        if (MenuItem* found = findMenuItem(item.children, id)) return found;
    }
    return nullptr;
}

const MenuItem* findMenuItem(const std::vector<MenuItem>& items, int id) {
    return findMenuItem(const_cast<std::vector<MenuItem>&>(items), id);
}

}  // namespace sb::platform
