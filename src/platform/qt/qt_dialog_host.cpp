// Control states of a Qt dialog read from and written to its widgets, and the widgets' signals turned
// into the procedure's events.
#include "platform/qt/qt_dialog_host.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTextCursor>
#include <algorithm>

#include "platform/qt/list_view_table.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_text.h"

namespace sb::platform::qt {

namespace {

bool hasItems(ControlKind kind) {
    return kind == ControlKind::ListBox || kind == ControlKind::DropDownList ||
           kind == ControlKind::ComboEdit;
}

bool isButtonKind(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::DefaultButton ||
           kind == ControlKind::CheckBox || kind == ControlKind::RadioButton;
}

}  // namespace

QtDialogHost::QtDialogHost(const DialogTemplate& dialog, DialogProcedure& procedure, QWidget& surface,
                           std::unique_ptr<QtServices> services)
    : template_(dialog),
      procedure_(&procedure),
      surface_(surface),
      services_(std::move(services)),
      units_(dialogUnitsOf(surface.font())) {
    build();
}

QtDialogHost::~QtDialogHost() = default;

// A label with a mnemonic ("&Zeit") leads Alt+letter to the next field that takes the focus, so a form
// can be filled from the keyboard alone.
void QtDialogHost::giveLabelItsField(const ControlTemplate& control, QWidget* widget, QLabel*& waiting) {
    if (control.kind == ControlKind::GroupBox) {
        const bool hasMnemonic = toQString(control.text) != withoutMnemonic(control.text);
        groupAwaitingField_ = hasMnemonic ? widget : nullptr;
        if (hasMnemonic) widget->installEventFilter(this);
        return;
    }
    if (groupAwaitingField_ && widget->focusPolicy() != Qt::NoFocus) {
        groupFields_[groupAwaitingField_] = widget;
        groupAwaitingField_ = nullptr;
    }
    if (control.kind == ControlKind::Static) {
        bool hasMnemonic = toQString(control.text) != withoutMnemonic(control.text);
        waiting = hasMnemonic ? static_cast<QLabel*>(widget) : nullptr;
        if (waiting) waiting->setText(toQString(control.text));
        return;
    }
    if (waiting && widget->focusPolicy() != Qt::NoFocus) {
        waiting->setBuddy(widget);
        waiting = nullptr;
    }
}

void QtDialogHost::listenForKeys(const ControlTemplate& control, QWidget* widget) {
    QWidget* listener = nullptr;
    if (control.kind == ControlKind::Edit) listener = qobject_cast<QLineEdit*>(widget);
    if (control.kind == ControlKind::ComboEdit) listener = static_cast<QComboBox*>(widget)->lineEdit();
    if (control.kind == ControlKind::RadioButton) listener = widget;
    if (!listener) return;
    keyListeners_[listener] = control.id;
    listener->installEventFilter(this);
}

bool QtDialogHost::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        const auto group = groupFields_.find(watched);
        if (group == groupFields_.end() || !group->second || !group->second->isEnabled()) return false;
        group->second->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    const auto listener = keyListeners_.find(watched);
    if (event->type() != QEvent::KeyPress || listener == keyListeners_.end()) return false;
    const std::optional<Key> key = keyOf(*static_cast<QKeyEvent*>(event));
    if (!key) return false;
    const int id = listener->second;
    if (kindOf(id) == ControlKind::RadioButton) {
        if (*key != Key::Left && *key != Key::Right && *key != Key::Up && *key != Key::Down) return false;
        moveInRadioGroup(id, *key);
        return true;
    }
    if (*key != Key::Enter && *key != Key::PageUp && *key != Key::PageDown) return false;
    bool used = false;
    deliver([&](DialogProcedure& procedure) { used = procedure.keyDown(*this, id, *key); });
    return used;
}

void QtDialogHost::moveInRadioGroup(int id, Key key) {
    const int next = radioButtonAfterArrow(template_, id, key, [this](int button) {
        const QWidget* w = widget(button);
        return w && w->isEnabled() && !w->isHidden();
    });
    if (next == 0) return;
    QWidget* w = widget(next);
    w->setFocus(Qt::TabFocusReason);
    static_cast<QAbstractButton*>(w)->click();
}

void QtDialogHost::stretch(int extraWidth, int extraHeight) {
    const auto list = std::find_if(template_.controls.begin(), template_.controls.end(),
                                   [](const ControlTemplate& c) { return c.kind == ControlKind::ListView; });
    if (!template_.resizable || list == template_.controls.end()) return;
    const QRect grown = placed_[size_t(list - template_.controls.begin())].second;
    const int middle = units_.toPixels(template_.width, template_.height).width() / 2;
    for (size_t i = 0; i < placed_.size(); ++i) {
        auto& [widget, place] = placed_[i];
        if (!widget) continue;
        QRect moved = place;
        if (&template_.controls[i] == &*list) {
            moved.setSize(place.size() + QSize(extraWidth, extraHeight));
        } else {
            if (place.top() >= grown.bottom()) moved.translate(0, extraHeight);
            if (place.left() >= middle) moved.translate(extraWidth, 0);
        }
        widget->setGeometry(moved);
    }
}

void QtDialogHost::build() {
    QLabel* labelAwaitingField = nullptr;
    for (const ControlTemplate& control : template_.controls) {
        QWidget* widget = createControlWidget(control, &surface_, units_);
        giveLabelItsField(control, widget, labelAwaitingField);
        listenForKeys(control, widget);
        placed_.emplace_back(widget, widget->geometry());
        if (control.id == staticControlId) continue;
        Control& entry = controls_[control.id];
        entry.control = &control;
        entry.widget = widget;
        entry.text = control.text;
    }
    for (auto& [id, control] : controls_) connectControl(control);
}

void QtDialogHost::connectControl(Control& entry) {
    int id = entry.control->id;
    QWidget* widget = entry.widget;
    switch (entry.control->kind) {
        case ControlKind::Edit:
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                connect(edit, &QLineEdit::textChanged, this,
                        [this, id] { notify(id, Notification::TextChanged); });
            } else if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) {
                int maxLength = entry.control->maxLength;
                connect(multi, &QPlainTextEdit::textChanged, this, [this, id, multi, maxLength] {
                    // A plain-text field has no length limit of its own: cut what goes beyond it.
                    if (maxLength > 0 && multi->toPlainText().size() > maxLength) {
                        QSignalBlocker blocker(multi);
                        multi->setPlainText(multi->toPlainText().left(maxLength));
                        multi->moveCursor(QTextCursor::End);
                    }
                    notify(id, Notification::TextChanged);
                });
            }
            break;
        case ControlKind::Button:
        case ControlKind::DefaultButton:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
                    [this, id](bool checked) { buttonClicked(id, checked); });
            break;
        case ControlKind::ListBox: {
            auto* list = static_cast<QListWidget*>(widget);
            connect(list, &QListWidget::itemSelectionChanged, this,
                    [this, id] { notify(id, Notification::SelectionChanged); });
            connect(list, &QListWidget::itemDoubleClicked, this,
                    [this, id] { notify(id, Notification::DoubleClicked); });
            break;
        }
        case ControlKind::DropDownList:
        case ControlKind::ComboEdit: {
            auto* combo = static_cast<QComboBox*>(widget);
            connect(combo, &QComboBox::activated, this,
                    [this, id] { notify(id, Notification::SelectionChanged); });
            if (QLineEdit* edit = combo->lineEdit()) {
                connect(edit, &QLineEdit::textEdited, this,
                        [this, id] { notify(id, Notification::TextChanged); });
            }
            break;
        }
        case ControlKind::ListView: {
            auto* table = static_cast<QTableWidget*>(widget);
            connect(table, &QTableWidget::itemSelectionChanged, this,
                    [this, id] { notify(id, Notification::SelectionChanged); });
            connect(table, &QTableWidget::cellDoubleClicked, this,
                    [this, id] { notify(id, Notification::DoubleClicked); });
            connect(table, &QWidget::customContextMenuRequested, this,
                    [this, id] { notify(id, Notification::RightClicked); });
            connect(table->horizontalHeader(), &QWidget::customContextMenuRequested, this,
                    [this, id] { notify(id, Notification::HeaderRightClicked); });
            break;
        }
        case ControlKind::Canvas:
            static_cast<CanvasControl*>(widget)->setHandlers(
                [this, id, widget](QPainter& painter) {
                    deliver([&](DialogProcedure& procedure) {
                        QtCanvas canvas(painter, {widget->width(), widget->height()});
                        procedure.paint(*this, id, canvas);
                    });
                },
                [this, id](QPoint at) {
                    deliver([&](DialogProcedure& procedure) {
                        procedure.mouseDown(*this, id, {at.x(), at.y()});
                    });
                },
                [this, id](Key key) {
                    bool used = false;
                    deliver([&](DialogProcedure& procedure) { used = procedure.keyDown(*this, id, key); });
                    return used;
                });
            break;
        default:
            break;
    }
}

void QtDialogHost::notify(int id, Notification notification) {
    deliver([&](DialogProcedure& procedure) { procedure.command(*this, id, notification); });
}

void QtDialogHost::deliver(const std::function<void(DialogProcedure&)>& event) {
    if (procedure_ && !ended_) event(*procedure_);
}

void QtDialogHost::buttonClicked(int id, bool checkedNow) {
    const Control* entry = find(id);
    if (!entry) return;
    auto* button = static_cast<QAbstractButton*>(entry->widget.data());
    ControlKind kind = entry->control->kind;
    bool manual = entry->control->flags & ManualCheck;
    if (kind == ControlKind::CheckBox && manual) {
        QSignalBlocker blocker(button);
        button->setChecked(!checkedNow);
    } else if (kind == ControlKind::RadioButton) {
        QSignalBlocker blocker(button);
        if (manual) {
            button->setChecked(!checkedNow);
        } else {
            uncheckRadioGroup(id);
            button->setChecked(true);
        }
    }
    notify(id, Notification::Clicked);
}

void QtDialogHost::uncheckRadioGroup(int id) {
    for (int member : radioGroupOf(template_, id)) setChecked(member, false);
}

const QtDialogHost::Control* QtDialogHost::find(int id) const {
    auto found = controls_.find(id);
    return found == controls_.end() || !found->second.widget ? nullptr : &found->second;
}

QtDialogHost::Control* QtDialogHost::find(int id) {
    auto found = controls_.find(id);
    return found == controls_.end() || !found->second.widget ? nullptr : &found->second;
}

ControlKind QtDialogHost::kindOf(int id) const {
    const Control* entry = find(id);
    return entry ? entry->control->kind : ControlKind::Static;
}

QWidget* QtDialogHost::widget(int id) const {
    const Control* entry = find(id);
    return entry ? entry->widget.data() : nullptr;
}

std::string QtDialogHost::text(int id) const {
    const Control* entry = find(id);
    if (!entry) return {};
    QWidget* widget = entry->widget;
    switch (entry->control->kind) {
        case ControlKind::Edit:
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) return fromQString(edit->text());
            return fromQString(static_cast<QPlainTextEdit*>(widget)->toPlainText());
        case ControlKind::ListBox: {
            QListWidgetItem* item = static_cast<QListWidget*>(widget)->currentItem();
            return item && item->isSelected() ? fromQString(item->text()) : std::string();
        }
        case ControlKind::DropDownList:
        case ControlKind::ComboEdit:
            return fromQString(static_cast<QComboBox*>(widget)->currentText());
        default:
            return entry->text;
    }
}

void QtDialogHost::setText(int id, const std::string& text) {
    Control* entry = find(id);
    if (!entry) return;
    QWidget* widget = entry->widget;
    QString qtext = toQString(text);
    switch (entry->control->kind) {
        case ControlKind::Edit:
            // The widget's own change signal notifies the procedure, as typing does.
            if (this->text(id) == text) return;
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                edit->setText(qtext);
            } else {
                static_cast<QPlainTextEdit*>(widget)->setPlainText(qtext);
            }
            return;
        case ControlKind::ListBox:
        case ControlKind::DropDownList: {
            std::vector<std::string> all = items(id);
            auto found = std::find(all.begin(), all.end(), text);
            setSelection(id, found == all.end() ? -1 : int(found - all.begin()));
            return;
        }
        case ControlKind::ComboEdit: {
            QSignalBlocker blocker(widget);
            static_cast<QComboBox*>(widget)->setEditText(qtext);
            return;
        }
        case ControlKind::Static:
            static_cast<QLabel*>(widget)->setText(withoutMnemonic(text));
            break;
        case ControlKind::GroupBox:
            static_cast<QGroupBox*>(widget)->setTitle(qtext);
            break;
        case ControlKind::Button:
        case ControlKind::DefaultButton:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            static_cast<QAbstractButton*>(widget)->setText(qtext);
            break;
        default:
            break;
    }
    entry->text = text;
}

void QtDialogHost::setCaption(const std::string& caption) {
    surface_.window()->setWindowTitle(toQString(caption));
}

void QtDialogHost::enable(int id, bool enabled) {
    if (id == dialogItself) {
        surface_.setEnabled(enabled);
    } else if (QWidget* w = widget(id)) {
        w->setEnabled(enabled);
    }
}

bool QtDialogHost::isEnabled(int id) const {
    if (id == dialogItself) return surface_.isEnabled();
    QWidget* w = widget(id);
    return w && w->isEnabled();
}

void QtDialogHost::show(int id, bool visible) {
    if (QWidget* w = widget(id)) w->setVisible(visible);
}

bool QtDialogHost::isVisible(int id) const {
    QWidget* w = widget(id);
    return w && !w->isHidden();
}

void QtDialogHost::setFocus(int id) {
    if (QWidget* w = widget(id)) w->setFocus(Qt::OtherFocusReason);
}

void QtDialogHost::setChecked(int id, bool checked) {
    if (!isButtonKind(kindOf(id))) return;
    auto* button = static_cast<QAbstractButton*>(widget(id));
    QSignalBlocker blocker(button);
    button->setChecked(checked);
}

bool QtDialogHost::isChecked(int id) const {
    if (!isButtonKind(kindOf(id))) return false;
    return static_cast<QAbstractButton*>(widget(id))->isChecked();
}

void QtDialogHost::clearItems(int id) {
    ControlKind kind = kindOf(id);
    if (!hasItems(kind)) return;
    QWidget* w = widget(id);
    QSignalBlocker blocker(w);
    if (kind == ControlKind::ListBox) {
        static_cast<QListWidget*>(w)->clear();
    } else {
        auto* combo = static_cast<QComboBox*>(w);
        QString edited = combo->currentText();
        combo->clear();
        // Emptying a combo's list leaves what stands in its edit field.
        if (kind == ControlKind::ComboEdit) combo->setEditText(edited);
    }
}

int QtDialogHost::addItem(int id, const std::string& text) {
    ControlKind kind = kindOf(id);
    if (!hasItems(kind)) return -1;
    const Control* entry = find(id);
    std::vector<std::string> all = items(id);
    int index = (entry->control->flags & Sorted) ? sortedInsertPosition(all, text) : int(all.size());
    QWidget* w = entry->widget;
    QSignalBlocker blocker(w);
    if (kind == ControlKind::ListBox) {
        static_cast<QListWidget*>(w)->insertItem(index, toQString(text));
    } else {
        auto* combo = static_cast<QComboBox*>(w);
        QString edited = combo->currentText();
        bool wasEmpty = combo->count() == 0;
        combo->insertItem(index, toQString(text));
        // Qt selects the first item put into an empty list; the program selects items itself.
        if (wasEmpty) {
            combo->setCurrentIndex(-1);
            if (kind == ControlKind::ComboEdit) combo->setEditText(edited);
        }
    }
    return index;
}

void QtDialogHost::removeItem(int id, int index) {
    ControlKind kind = kindOf(id);
    if (kind == ControlKind::ListView) {
        auto* table = static_cast<QTableWidget*>(widget(id));
        QSignalBlocker blocker(table);
        if (index >= 0 && index < table->rowCount()) table->removeRow(index);
        return;
    }
    if (!hasItems(kind) || index < 0 || index >= int(items(id).size())) return;
    QWidget* w = widget(id);
    QSignalBlocker blocker(w);
    if (kind == ControlKind::ListBox) {
        auto* list = static_cast<QListWidget*>(w);
        int selected = selection(id);
        delete list->takeItem(index);
        if (selected == index) list->clearSelection();
    } else {
        auto* combo = static_cast<QComboBox*>(w);
        QString edited = combo->currentText();
        bool removesSelected = combo->currentIndex() == index;
        combo->removeItem(index);
        if (removesSelected) combo->setCurrentIndex(-1);
        if (kind == ControlKind::ComboEdit) combo->setEditText(edited);
    }
}

void QtDialogHost::setItemText(int id, int index, const std::string& text) {
    ControlKind kind = kindOf(id);
    if (!hasItems(kind) || index < 0 || index >= int(items(id).size())) return;
    QWidget* w = widget(id);
    QSignalBlocker blocker(w);
    if (kind == ControlKind::ListBox) {
        static_cast<QListWidget*>(w)->item(index)->setText(toQString(text));
    } else {
        static_cast<QComboBox*>(w)->setItemText(index, toQString(text));
    }
}

std::vector<std::string> QtDialogHost::items(int id) const {
    std::vector<std::string> all;
    ControlKind kind = kindOf(id);
    if (!hasItems(kind)) return all;
    QWidget* w = widget(id);
    if (kind == ControlKind::ListBox) {
        auto* list = static_cast<QListWidget*>(w);
        for (int i = 0; i < list->count(); ++i) all.push_back(fromQString(list->item(i)->text()));
    } else {
        auto* combo = static_cast<QComboBox*>(w);
        for (int i = 0; i < combo->count(); ++i) all.push_back(fromQString(combo->itemText(i)));
    }
    return all;
}

int QtDialogHost::selection(int id) const {
    QWidget* w = widget(id);
    switch (kindOf(id)) {
        case ControlKind::ListBox: {
            auto* list = static_cast<QListWidget*>(w);
            QListWidgetItem* item = list->currentItem();
            return item && item->isSelected() ? list->row(item) : -1;
        }
        case ControlKind::DropDownList:
        case ControlKind::ComboEdit:
            return static_cast<QComboBox*>(w)->currentIndex();
        case ControlKind::ListView:
            return tableSelection(*static_cast<QTableWidget*>(w));
        default:
            return -1;
    }
}

void QtDialogHost::setSelection(int id, int index) {
    QWidget* w = widget(id);
    ControlKind kind = kindOf(id);
    if (kind == ControlKind::ListView) {
        setTableSelection(*static_cast<QTableWidget*>(w), index);
        return;
    }
    if (!hasItems(kind)) return;
    int count = int(items(id).size());
    if (index < 0 || index >= count) index = -1;
    QSignalBlocker blocker(w);
    if (kind == ControlKind::ListBox) {
        auto* list = static_cast<QListWidget*>(w);
        list->clearSelection();
        list->setCurrentRow(index);
        if (index >= 0) list->scrollToItem(list->item(index));
        return;
    }
    auto* combo = static_cast<QComboBox*>(w);
    QString edited = combo->currentText();
    combo->setCurrentIndex(index);
    // A combo edit without a selection keeps its typed text.
    if (kind == ControlKind::ComboEdit && index < 0) combo->setEditText(edited);
}

void QtDialogHost::insertColumn(int id, int position, const std::string& header) {
    if (kindOf(id) == ControlKind::ListView)
        insertTableColumn(*static_cast<QTableWidget*>(widget(id)), position, header);
}

void QtDialogHost::deleteColumn(int id, int position) {
    if (kindOf(id) == ControlKind::ListView)
        deleteTableColumn(*static_cast<QTableWidget*>(widget(id)), position);
}

std::vector<ListColumn> QtDialogHost::columns(int id) const {
    if (kindOf(id) != ControlKind::ListView) return {};
    return tableColumns(*static_cast<QTableWidget*>(widget(id)));
}

std::vector<int> QtDialogHost::columnOrder(int id) const {
    if (kindOf(id) != ControlKind::ListView) return {};
    return tableColumnOrder(*static_cast<QTableWidget*>(widget(id)));
}

void QtDialogHost::setColumnOrder(int id, const std::vector<int>& order) {
    if (kindOf(id) == ControlKind::ListView)
        setTableColumnOrder(*static_cast<QTableWidget*>(widget(id)), order);
}

void QtDialogHost::fitColumnsToHeaders(int id) {
    if (kindOf(id) == ControlKind::ListView)
        fitTableColumnsToHeaders(*static_cast<QTableWidget*>(widget(id)));
}

void QtDialogHost::insertRow(int id, int position, const std::vector<std::string>& cells) {
    if (kindOf(id) == ControlKind::ListView)
        insertTableRow(*static_cast<QTableWidget*>(widget(id)), position, cells);
}

void QtDialogHost::clearRows(int id) {
    if (kindOf(id) != ControlKind::ListView) return;
    auto* table = static_cast<QTableWidget*>(widget(id));
    QSignalBlocker blocker(table);
    table->setRowCount(0);
}

std::vector<std::vector<std::string>> QtDialogHost::rows(int id) const {
    if (kindOf(id) != ControlKind::ListView) return {};
    return tableRows(*static_cast<QTableWidget*>(widget(id)));
}

void QtDialogHost::setSwatchColour(int id, Colour colour) {
    if (kindOf(id) == ControlKind::ColourSwatch) static_cast<ColourSwatch*>(widget(id))->setColour(colour);
}

Colour QtDialogHost::swatchColour(int id) const {
    if (kindOf(id) != ControlKind::ColourSwatch) return 0;
    return static_cast<ColourSwatch*>(widget(id))->colour();
}

Size QtDialogHost::clientSize(int id) const {
    if (id == dialogItself) return {surface_.width(), surface_.height()};
    QWidget* w = widget(id);
    return w ? Size{w->width(), w->height()} : Size{};
}

void QtDialogHost::repaint(int id) {
    if (id != dialogItself) {
        if (QWidget* w = widget(id)) w->update();
        return;
    }
    for (auto& [controlId, entry] : controls_) {
        if (entry.widget && entry.control->kind == ControlKind::Canvas) entry.widget->update();
    }
}

void QtDialogHost::post(int id, Notification notification) {
    QMetaObject::invokeMethod(
        this, [this, id, notification] { notify(id, notification); }, Qt::QueuedConnection);
}

void QtDialogHost::end(int result) {
    if (endForbidden_ || ended_) return;
    ended_ = true;
    result_ = result;
    if (onEnd_) onEnd_(result);
}

void QtDialogHost::open() {
    deliver([this](DialogProcedure& procedure) { procedure.init(*this); });
}

void QtDialogHost::pressDefault() {
    if (auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget())) {
        if (focused->window() == surface_.window() && focused->isEnabled()) {
            focused->click();
            return;
        }
    }
    for (const ControlTemplate& control : template_.controls) {
        if (control.kind != ControlKind::DefaultButton) continue;
        QWidget* w = widget(control.id);
        if (w && w->isEnabled() && !w->isHidden()) static_cast<QPushButton*>(w)->click();
        return;
    }
    notify(dialogOk, Notification::Clicked);
}

void QtDialogHost::pressClose() {
    deliver([this](DialogProcedure& procedure) { procedure.close(*this); });
}

void QtDialogHost::pressHelp() {
    deliver([this](DialogProcedure& procedure) { procedure.help(*this); });
}

}  // namespace sb::platform::qt
