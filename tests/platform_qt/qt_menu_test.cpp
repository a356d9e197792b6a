// The menu bar taking a changed menu tree in place, and refusing a tree of another shape.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <tuple>

#include "platform/qt/qt_menu.h"

namespace sb::platform::qt {
namespace {

std::vector<MenuItem> fileMenu(bool greyed, bool checked, std::string last) {
    return {MenuItem::popup("&Datei", {MenuItem::command("Ö&ffnen", 1, greyed), MenuItem::separatorLine(),
                                       MenuItem::command(std::move(last), 2, false, checked)}),
            MenuItem::separatorLine(), MenuItem::command("&Hilfe", 3)};
}

TEST(QtMenu, UpdatesABarOfTheSameShapeAndRefusesAnother) {
    QMenuBar bar;
    fillMenuBar(bar, fileMenu(false, false, "1 a.sb3"));
    ASSERT_TRUE(updateMenuBar(bar, fileMenu(true, true, "1 b.sb3")));
    EXPECT_EQ(bar.actions().front()->text(), QStringLiteral("&Datei"));  // the mnemonic kept for Alt+D
    const QList<QAction*> items = bar.actions().front()->menu()->actions();
    EXPECT_EQ(std::tuple(items[0]->isEnabled(), items[2]->isChecked(), items[2]->text().toStdString()),
              std::tuple(false, true, "1 b.sb3"));
    ASSERT_TRUE(updateMenuBar(bar, fileMenu(false, false, "1 b.sb3")));
    EXPECT_EQ(std::tuple(items[0]->isEnabled(), items[2]->isCheckable()), std::tuple(true, false));

    std::vector<MenuItem> longer = fileMenu(false, false, "x");
    longer[0].children.push_back(MenuItem::command("2 c.sb3", 4));
    std::vector<MenuItem> separatorMoved = fileMenu(false, false, "x");
    std::swap(separatorMoved[0].children[1], separatorMoved[0].children[2]);
    std::vector<MenuItem> commandForPopup = fileMenu(false, false, "x");
    commandForPopup[0].children = {};
    for (const auto& other : {longer, separatorMoved, commandForPopup, std::vector<MenuItem>{}}) {
        QMenuBar fresh;
        fillMenuBar(fresh, fileMenu(false, false, "x"));
        EXPECT_FALSE(updateMenuBar(fresh, other));
    }
}

}  // namespace
}  // namespace sb::platform::qt
