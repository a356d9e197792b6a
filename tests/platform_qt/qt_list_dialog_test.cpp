// The year list in real Qt widgets at twice the scale: the list grows with its enlarged window, and a
// dialog taller than the screen scrolls.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <cstdlib>

#include "config/route_store.h"
#include "editor/day_editor.h"
#include "editor/day_editor_controls.h"
#include "lists/list_dialog.h"
#include "lists/list_dialog_templates.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/qt_services.h"
#include "support/plan_fixtures.h"

namespace sb::platform::qt {
namespace {

// Qt takes the scale only when it starts, so the test runs itself again in a process of its own.
TEST(QtListDialog, AtTwiceTheScaleTheListGrowsWithItsWindowAndATallDialogScrolls) {
    if (std::getenv("QT_SCALE_FACTOR") == nullptr || std::string(std::getenv("QT_SCALE_FACTOR")) != "2") {
        const std::string command =
            "QT_SCALE_FACTOR=2 /proc/" + std::to_string(::getpid()) +
            "/exe --gtest_filter=QtListDialog.AtTwiceTheScaleTheListGrowsWithItsWindowAndATallDialogScrolls";
        EXPECT_EQ(0, std::system(command.c_str()));
        return;
    }
    config::ConfigStore settings;
    model::TrainingYear year = sb::testing::plan2009();
    QtServices services;
    QTimer::singleShot(0, [&] {
        auto* window = dynamic_cast<DialogWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
        QWidget* table = window->host().widget(lists::list_dialog::list);
        QWidget* close = window->host().widget(lists::list_dialog::closeButton);
        const QRect listBefore = table->geometry();
        const QRect closeBefore = close->geometry();
        // The window first keeps to the small screen; enlarged beyond the template, the list takes the room.
        window->resize(table->parentWidget()->minimumSize() + QSize(100, 300));
        QApplication::processEvents();
        EXPECT_EQ(listBefore.size() + QSize(100, 300), table->size());
        EXPECT_EQ(closeBefore.topLeft() + QPoint(100, 300), close->pos());
        qobject_cast<QPushButton*>(close)->click();
    });
    lists::runListDialog(services, lists::ListKind::Year, {year, settings, ""});

    config::RouteStore routes;
    QTimer::singleShot(0, [&] {
        auto* window = dynamic_cast<DialogWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        EXPECT_LE(window->height(), QGuiApplication::primaryScreen()->availableGeometry().height());
        auto* scroll = window->findChild<QScrollArea*>();
        ASSERT_NE(scroll, nullptr);
        EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
        QWidget* ok = window->host().widget(editor::control::ok);
        scroll->ensureWidgetVisible(ok);
        EXPECT_TRUE(scroll->viewport()->rect().contains(ok->mapTo(scroll->viewport(), QPoint(1, 1))));
        qobject_cast<QPushButton*>(window->host().widget(editor::control::cancel))->click();
    });
    editor::openDayEditor(services, *editor::chooseDayEditorLayout(3, 5, 0), {year, settings, routes, ""});
}

}  // namespace
}  // namespace sb::platform::qt
