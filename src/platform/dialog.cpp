// Plain helpers shared by every dialog host: control look-up and the order of sorted lists.
#include "platform/dialog.h"

#include <algorithm>

namespace sb::platform {

const ControlTemplate* DialogTemplate::control(int id) const {
    for (const ControlTemplate& control : controls) {
        if (control.id == id && id != staticControlId) return &control;
    }
    return nullptr;
}

int compareItemTexts(const std::string& a, const std::string& b) {
    auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : int(c); };
    size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        int difference = fold(a[i]) - fold(b[i]);
        if (difference != 0) return difference;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

int sortedInsertPosition(const std::vector<std::string>& items, const std::string& text) {
    auto place = std::upper_bound(
        items.begin(), items.end(), text,
        [](const std::string& t, const std::string& item) { return compareItemTexts(t, item) < 0; });
    return int(place - items.begin());
}

std::vector<int> radioGroupOf(const DialogTemplate& dialog, int id) {
    const auto& controls = dialog.controls;
    auto first = std::find_if(controls.begin(), controls.end(), [id](const auto& c) { return c.id == id; });
    while (first != controls.begin() && first != controls.end() && !(first->flags & GroupStart)) --first;
    std::vector<int> group;
    for (auto control = first; control != controls.end(); ++control) {
        if (control != first && (control->flags & GroupStart)) break;
        if (control->kind == ControlKind::RadioButton) group.push_back(control->id);
    }
    return group;
}

int radioButtonAfterArrow(const DialogTemplate& dialog, int id, Key key, const std::function<bool(int)>& usable) {
    const std::vector<int> group = radioGroupOf(dialog, id);
    const auto at = std::find(group.begin(), group.end(), id);
    const int step = key == Key::Left || key == Key::Up ? -1 : 1;
    const int size = int(group.size());
    for (int i = 1; i < size; ++i) {
        const int next = group[size_t(((at - group.begin()) + step * i + size) % size)];
        if (usable(next)) return next;
    }
    return 0;
}

}  // namespace sb::platform
