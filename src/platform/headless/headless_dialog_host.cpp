// Control states of a headless dialog and the user actions a test script performs on them.
#include "platform/headless/headless_dialog_host.h"

#include <algorithm>

#include "model/text_encoding.h"
#include "platform/headless/headless_services.h"

namespace sb::platform::headless {

namespace {

bool hasItems(ControlKind kind) {
    return kind == ControlKind::ListBox || kind == ControlKind::DropDownList ||
           kind == ControlKind::ComboEdit;
}

std::string cutToLength(const std::string& text, int maxLength) {
    if (maxLength <= 0) return text;
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && characters++ == size_t(maxLength)) {
            return text.substr(0, i);
        }
    }
    return text;
}

}  // namespace

HeadlessDialogHost::HeadlessDialogHost(const DialogTemplate& dialog, DialogProcedure& procedure,
                                       HeadlessServices& services)
    : template_(dialog), procedure_(&procedure), services_(services), caption_(dialog.caption) {
    for (const ControlTemplate& control : template_.controls) {
        if (control.id == staticControlId) continue;
        ControlState& state = controls_[control.id];
        if (!hasItems(control.kind)) state.text = control.text;
        state.enabled = (control.flags & Disabled) == 0;
        state.visible = (control.flags & Hidden) == 0;
    }
}

ControlState* HeadlessDialogHost::find(int id) {
    auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : &found->second;
}

const ControlState* HeadlessDialogHost::find(int id) const {
    auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : &found->second;
}

const ControlState* HeadlessDialogHost::state(int id) const {
    return find(id);
}

ControlKind HeadlessDialogHost::kindOf(int id) const {
    const ControlTemplate* control = template_.control(id);
    return control ? control->kind : ControlKind::Static;
}

void HeadlessDialogHost::unexpected(const std::string& what) {
    services_.reportUnexpected(template_.name + ": " + what);
}

std::string HeadlessDialogHost::text(int id) const {
    const ControlState* state = find(id);
    if (!state) return {};
    ControlKind kind = kindOf(id);
    if (kind == ControlKind::ListBox || kind == ControlKind::DropDownList) {
        return state->selection >= 0 ? state->items[state->selection] : std::string();
    }
    return state->text;
}

void HeadlessDialogHost::setText(int id, const std::string& text) {
    ControlState* state = find(id);
    if (!state) return;
    ControlKind kind = kindOf(id);
    if (kind == ControlKind::ListBox || kind == ControlKind::DropDownList) {
        auto found = std::find(state->items.begin(), state->items.end(), text);
        state->selection = found == state->items.end() ? -1 : int(found - state->items.begin());
        return;
    }
    if (state->text == text) return;
    state->text = text;
    if (kind == ControlKind::Edit && procedure_ && !ended_)
        procedure_->command(*this, id, Notification::TextChanged);
}

void HeadlessDialogHost::enable(int id, bool enabled) {
    if (id == dialogItself) {
        dialogEnabled_ = enabled;
    } else if (ControlState* state = find(id)) {
        state->enabled = enabled;
    }
}

bool HeadlessDialogHost::isEnabled(int id) const {
    if (id == dialogItself) return dialogEnabled_;
    const ControlState* state = find(id);
    return state && state->enabled;
}

void HeadlessDialogHost::show(int id, bool visible) {
    if (ControlState* state = find(id)) state->visible = visible;
}

bool HeadlessDialogHost::isVisible(int id) const {
    const ControlState* state = find(id);
    return state && state->visible;
}

void HeadlessDialogHost::setChecked(int id, bool checked) {
    if (ControlState* state = find(id)) state->checked = checked;
}

bool HeadlessDialogHost::isChecked(int id) const {
    const ControlState* state = find(id);
    return state && state->checked;
}

void HeadlessDialogHost::clearItems(int id) {
    ControlState* state = find(id);
    if (!state || !hasItems(kindOf(id))) return;
    state->items.clear();
    state->selection = -1;
}

int HeadlessDialogHost::addItem(int id, const std::string& text) {
    ControlState* state = find(id);
    if (!state || !hasItems(kindOf(id))) return -1;
    const ControlTemplate* control = template_.control(id);
    int index =
        (control->flags & Sorted) ? sortedInsertPosition(state->items, text) : int(state->items.size());
    state->items.insert(state->items.begin() + index, text);
    if (state->selection >= index) ++state->selection;
    return index;
}

void HeadlessDialogHost::removeItem(int id, int index) {
    ControlState* state = find(id);
    const bool rows = kindOf(id) == ControlKind::ListView;
    if (!state || index < 0 || index >= int(rows ? state->rows.size() : state->items.size())) return;
    if (rows)
        state->rows.erase(state->rows.begin() + index);
    else
        state->items.erase(state->items.begin() + index);
    if (state->selection == index) {
        state->selection = -1;
    } else if (state->selection > index) {
        --state->selection;
    }
}

void HeadlessDialogHost::setItemText(int id, int index, const std::string& text) {
    ControlState* state = find(id);
    if (!state || index < 0 || index >= int(state->items.size())) return;
    state->items[index] = text;
}

std::vector<std::string> HeadlessDialogHost::items(int id) const {
    const ControlState* state = find(id);
    return state ? state->items : std::vector<std::string>{};
}

int HeadlessDialogHost::selection(int id) const {
    const ControlState* state = find(id);
    return state ? state->selection : -1;
}

void HeadlessDialogHost::setSelection(int id, int index) {
    ControlState* state = find(id);
    if (!state) return;
    int count = kindOf(id) == ControlKind::ListView ? int(state->rows.size()) : int(state->items.size());
    state->selection = index >= 0 && index < count ? index : -1;
    if (kindOf(id) == ControlKind::ComboEdit && state->selection >= 0) state->text = state->items[index];
}

void HeadlessDialogHost::insertColumn(int id, int position, const std::string& header) {
    ControlState* state = find(id);
    if (!state || kindOf(id) != ControlKind::ListView) return;
    position = std::clamp(position, 0, int(state->columns.size()));
    state->columns.insert(state->columns.begin() + position, {header, 0});
    for (auto& row : state->rows) row.insert(row.begin() + position, std::string());
    for (int& index : state->columnOrder) {
        if (index >= position) ++index;
    }
    int shownAt = std::min(position, int(state->columnOrder.size()));
    state->columnOrder.insert(state->columnOrder.begin() + shownAt, position);
}

void HeadlessDialogHost::deleteColumn(int id, int position) {
    ControlState* state = find(id);
    if (!state || position < 0 || position >= int(state->columns.size())) return;
    state->columns.erase(state->columns.begin() + position);
    for (auto& row : state->rows) row.erase(row.begin() + position);
    std::erase(state->columnOrder, position);
    for (int& index : state->columnOrder) {
        if (index > position) --index;
    }
}

std::vector<ListColumn> HeadlessDialogHost::columns(int id) const {
    const ControlState* state = find(id);
    return state ? state->columns : std::vector<ListColumn>{};
}

std::vector<int> HeadlessDialogHost::columnOrder(int id) const {
    const ControlState* state = find(id);
    return state ? state->columnOrder : std::vector<int>{};
}

void HeadlessDialogHost::setColumnOrder(int id, const std::vector<int>& order) {
    ControlState* state = find(id);
    if (!state) return;
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (size_t i = 0; i < sorted.size(); ++i) {
        if (sorted[i] != int(i)) return;
    }
    if (sorted.size() == state->columns.size()) state->columnOrder = order;
}

void HeadlessDialogHost::fitColumnsToHeaders(int id) {
    ControlState* state = find(id);
    if (!state) return;
    // As wide as a 7-pixel font needs for the header, plus the header's padding.
    for (ListColumn& column : state->columns) column.width = int(column.header.size()) * 7 + 12;
}

void HeadlessDialogHost::insertRow(int id, int position, const std::vector<std::string>& cells) {
    ControlState* state = find(id);
    if (!state || kindOf(id) != ControlKind::ListView) return;
    std::vector<std::string> row = cells;
    row.resize(state->columns.size());
    position = std::clamp(position, 0, int(state->rows.size()));
    state->rows.insert(state->rows.begin() + position, std::move(row));
    if (state->selection >= position) ++state->selection;
}

void HeadlessDialogHost::clearRows(int id) {
    ControlState* state = find(id);
    if (!state) return;
    state->rows.clear();
    state->selection = -1;
}

std::vector<std::vector<std::string>> HeadlessDialogHost::rows(int id) const {
    const ControlState* state = find(id);
    return state ? state->rows : std::vector<std::vector<std::string>>{};
}

void HeadlessDialogHost::setSwatchColour(int id, Colour colour) {
    if (ControlState* state = find(id)) state->swatchColour = colour;
}

Colour HeadlessDialogHost::swatchColour(int id) const {
    const ControlState* state = find(id);
    return state ? state->swatchColour : 0;
}

Size HeadlessDialogHost::clientSize(int id) const {
    const int scale = headlessPixelsPerDialogUnit;
    if (id == dialogItself) return {template_.width * scale, template_.height * scale};
    const ControlTemplate* control = template_.control(id);
    if (!control) return {};
    return {control->rect.width * scale, control->rect.height * scale};
}

void HeadlessDialogHost::end(int result) {
    if (endForbidden_) {
        unexpected("a property-sheet page tried to end the sheet");
        return;
    }
    ended_ = true;
    result_ = result;
}

Services& HeadlessDialogHost::services() {
    return services_;
}

void HeadlessDialogHost::deliver(const std::function<void(DialogProcedure&)>& event) {
    if (!procedure_ || ended_) {
        unexpected("action after the dialog ended");
        return;
    }
    event(*procedure_);
    while (!posted_.empty() && procedure_ && !ended_) {
        auto [id, notification] = posted_.front();
        posted_.pop_front();
        procedure_->command(*this, id, notification);
    }
}

void HeadlessDialogHost::open() {
    deliver([this](DialogProcedure& procedure) { procedure.init(*this); });
}

ControlState* HeadlessDialogHost::usable(int id, const char* action) {
    std::string what = std::string(action) + " on control " + std::to_string(id);
    ControlState* state = find(id);
    if (!state) {
        unexpected(what + ", which does not exist");
    } else if (!state->visible || !state->enabled || !dialogEnabled_) {
        unexpected(what + ", which is disabled or hidden");
    } else if (!procedure_ || ended_) {
        unexpected(what + " after the dialog ended");
    } else {
        return state;
    }
    return nullptr;
}

void HeadlessDialogHost::type(int id, const std::string& text) {
    ControlState* state = usable(id, "typing");
    if (!state) return;
    ControlKind kind = kindOf(id);
    const ControlTemplate* control = template_.control(id);
    if ((kind != ControlKind::Edit && kind != ControlKind::ComboEdit) || (control->flags & ReadOnly)) {
        unexpected("typing on control " + std::to_string(id) + ", which takes no typing");
        return;
    }
    if ((control->flags & Digits) && text.find_first_not_of("0123456789") != std::string::npos) return;
    state->text = cutToLength(text, control->maxLength);
    if (control->flags & PlanText) {
        model::StorableText kept = model::storableText(state->text, (control->flags & CommaAsDot) != 0);
        state->text = kept.text;
        if (kept.refused) hints_.push_back(model::unstorableHint(*kept.refused));
    }
    deliver(
        [this, id](DialogProcedure& procedure) { procedure.command(*this, id, Notification::TextChanged); });
}

void HeadlessDialogHost::uncheckRadioGroup(int id) {
    for (int member : radioGroupOf(template_, id)) setChecked(member, false);
}

void HeadlessDialogHost::press(int id) {
    ControlState* state = usable(id, "pressing");
    if (!state) return;
    const ControlTemplate* control = template_.control(id);
    bool automatic = (control->flags & ManualCheck) == 0;
    switch (control->kind) {
        case ControlKind::Button:
        case ControlKind::DefaultButton:
            break;
        case ControlKind::CheckBox:
            if (automatic) state->checked = !state->checked;
            break;
        case ControlKind::RadioButton:
            if (automatic) {
                uncheckRadioGroup(id);
                state->checked = true;
            }
            break;
        default:
            unexpected("pressing control " + std::to_string(id) + ", which is no button");
            return;
    }
    deliver([this, id](DialogProcedure& procedure) { procedure.command(*this, id, Notification::Clicked); });
}

void HeadlessDialogHost::choose(int id, int index) {
    ControlState* state = usable(id, "choosing");
    if (!state) return;
    ControlKind kind = kindOf(id);
    int count = kind == ControlKind::ListView ? int(state->rows.size()) : int(state->items.size());
    if ((!hasItems(kind) && kind != ControlKind::ListView) || index < 0 || index >= count) {
        unexpected("choosing entry " + std::to_string(index) + " of control " + std::to_string(id) +
                   ", which has no such entry");
        return;
    }
    setSelection(id, index);
    deliver([this, id](DialogProcedure& procedure) {
        procedure.command(*this, id, Notification::SelectionChanged);
    });
}

void HeadlessDialogHost::choose(int id, const std::string& itemText) {
    const ControlState* state = find(id);
    int index = -1;
    if (state) {
        auto found = std::find(state->items.begin(), state->items.end(), itemText);
        if (found != state->items.end()) index = int(found - state->items.begin());
    }
    if (index < 0) {
        unexpected("choosing \"" + itemText + "\" in control " + std::to_string(id) +
                   ", which does not list it");
        return;
    }
    choose(id, index);
}

void HeadlessDialogHost::doubleClick(int id, int index) {
    choose(id, index);
    if (selection(id) != index || !usable(id, "double-clicking")) return;
    deliver([this, id](DialogProcedure& procedure) {
        procedure.command(*this, id, Notification::DoubleClicked);
    });
}

void HeadlessDialogHost::rightClick(int id) {
    if (!usable(id, "right-clicking")) return;
    deliver(
        [this, id](DialogProcedure& procedure) { procedure.command(*this, id, Notification::RightClicked); });
}

void HeadlessDialogHost::rightClickHeader(int id) {
    if (!usable(id, "right-clicking the header")) return;
    deliver([this, id](DialogProcedure& procedure) {
        procedure.command(*this, id, Notification::HeaderRightClicked);
    });
}

void HeadlessDialogHost::click(int id, Point at) {
    if (!usable(id, "clicking")) return;
    if (kindOf(id) != ControlKind::Canvas) {
        unexpected("clicking control " + std::to_string(id) + ", which is no canvas");
        return;
    }
    deliver([this, id, at](DialogProcedure& procedure) { procedure.mouseDown(*this, id, at); });
}

void HeadlessDialogHost::pressKey(int id, Key key) {
    if (!usable(id, "typing on")) return;
    const ControlKind kind = kindOf(id);
    const bool arrow = key == Key::Left || key == Key::Right || key == Key::Up || key == Key::Down;
    if (kind == ControlKind::RadioButton && arrow) return pressArrowInRadioGroup(id, key);
    const bool editKey = key == Key::Enter || key == Key::PageUp || key == Key::PageDown;
    if (kind != ControlKind::Canvas && !((kind == ControlKind::Edit || kind == ControlKind::ComboEdit) && editKey)) {
        unexpected("pressing a key on control " + std::to_string(id) + ", which does not take it");
        return;
    }
    bool used = false;
    deliver([this, id, key, &used](DialogProcedure& procedure) { used = procedure.keyDown(*this, id, key); });
    if (used || key != Key::Enter || ended_) return;
    for (const ControlTemplate& control : template_.controls)
        if (control.kind == ControlKind::DefaultButton) press(control.id);
}

void HeadlessDialogHost::pressArrowInRadioGroup(int id, Key key) {
    const auto usable = [this](int button) { return isEnabled(button) && isVisible(button); };
    const int next = radioButtonAfterArrow(template_, id, key, usable);
    if (next == 0) return;
    focus_ = next;
    press(next);
}

void HeadlessDialogHost::dragColumn(int id, int from, int to) {
    ControlState* state = usable(id, "dragging a column");
    if (!state) return;
    auto& order = state->columnOrder;
    if (from < 0 || to < 0 || from >= int(order.size()) || to >= int(order.size())) {
        unexpected("dragging a column of control " + std::to_string(id) + " outside its headers");
        return;
    }
    int moved = order[from];
    order.erase(order.begin() + from);
    order.insert(order.begin() + to, moved);
}

void HeadlessDialogHost::pressClose() {
    deliver([this](DialogProcedure& procedure) { procedure.close(*this); });
}

void HeadlessDialogHost::pressHelp() {
    deliver([this](DialogProcedure& procedure) { procedure.help(*this); });
}

RecordingCanvas HeadlessDialogHost::paint(int id) {
    RecordingCanvas canvas(clientSize(id));
    if (kindOf(id) != ControlKind::Canvas) {
        unexpected("painting control " + std::to_string(id) + ", which is no canvas");
        return canvas;
    }
    deliver([this, id, &canvas](DialogProcedure& procedure) { procedure.paint(*this, id, canvas); });
    return canvas;
}

}  // namespace sb::platform::headless
