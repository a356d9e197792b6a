// Turning MenuItem trees into QMenu and QMenuBar entries.
#include "platform/qt/qt_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "platform/qt/qt_text.h"

namespace sb::platform::qt {

namespace {

void setCommandState(QAction& action, const MenuItem& item) {
    action.setEnabled(!item.greyed);
    action.setCheckable(item.checked);
    action.setChecked(item.checked);
}

void addCommand(QMenu& menu, const MenuItem& item) {
    // Qt shows the text after a tab as the shortcut column, just like the menu texts expect.
    QAction* action = menu.addAction(toQString(item.text));
    action->setData(item.id);
    setCommandState(*action, item);
}

// Separators of the bar itself are left out by fillMenuBar; in a popup they are actions.
bool updateActions(const QList<QAction*>& actions, const std::vector<MenuItem>& items, bool barLevel) {
    qsizetype next = 0;
    for (const MenuItem& item : items) {
        if (item.separator && barLevel) continue;
        if (next == actions.size()) return false;
        QAction& action = *actions[next++];
        if (item.separator != action.isSeparator()) return false;
        if (item.separator) continue;
        QMenu* popup = action.menu();
        if (item.children.empty() != (popup == nullptr)) return false;
        const QString text = toQString(item.text);
        if (action.text() != text) action.setText(text);
        if (popup) {
            popup->setEnabled(!item.greyed);
            if (!updateActions(popup->actions(), item.children, false)) return false;
        } else {
            action.setData(item.id);
            setCommandState(action, item);
        }
    }
    return next == actions.size();
}

}  // namespace

void fillMenu(QMenu& menu, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        if (item.separator) {
            menu.addSeparator();
        } else if (!item.children.empty()) {
            QMenu* popup = menu.addMenu(toQString(item.text));
            popup->setEnabled(!item.greyed);
            fillMenu(*popup, item.children);
        } else {
            addCommand(menu, item);
        }
    }
}

void fillMenuBar(QMenuBar& bar, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        if (item.separator) continue;
        if (!item.children.empty()) {
            QMenu* popup = bar.addMenu(toQString(item.text));
            popup->setEnabled(!item.greyed);
            fillMenu(*popup, item.children);
        } else {
            QAction* action = bar.addAction(toQString(item.text));
            action->setData(item.id);
            setCommandState(*action, item);
        }
    }
}

bool updateMenuBar(QMenuBar& bar, const std::vector<MenuItem>& items) {
    return updateActions(bar.actions(), items, true);
}

int commandIdOf(const QAction* action) {
    return action && action->data().isValid() ? action->data().toInt() : 0;
}

}  // namespace sb::platform::qt
