// Turning MenuItem trees into QMenu and QMenuBar entries.
#include "platform/qt/qt_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "platform/qt/qt_text.h"

namespace sb::platform::qt {

namespace {

void addCommand(QMenu& menu, const MenuItem& item) {
    // Qt shows the text after a tab as the shortcut column, just like the menu texts expect.
    QAction* action = menu.addAction(toQString(item.text));
    action->setData(item.id);
    action->setEnabled(!item.greyed);
    if (item.checked) {
        action->setCheckable(true);
        action->setChecked(true);
    }
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
            action->setEnabled(!item.greyed);
        }
    }
}

int commandIdOf(const QAction* action) {
    return action && action->data().isValid() ? action->data().toInt() : 0;
}

}  // namespace sb::platform::qt
