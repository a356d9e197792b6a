// The calendar views as real Qt dialogs: clicks and keys on the grid reach the views through the
// canvas widget, an unused Enter still presses "OK", and the small control view's fixed labels stay
// clear of what it draws.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <cstdlib>
#include <memory>
#include <string>

#include "calendars/control_view_v2.h"
#include "calendars/planning_view.h"
#include "model/clock.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/qt_services.h"
#include "platform_qt/qt_test_application.h"

using namespace sb;

namespace {

config::ConfigStore defaultSettings() {
    config::ConfigStore settings;
    settings.trainingTypeLabels = model::defaultTrainingTypeLabels();
    settings.trainingTypeColours = model::defaultTrainingTypeColours();
    return settings;
}

void sendKey(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

// A left click on the canvas widget at a point of the 1400 × 1000 grid.
void clickGrid(QWidget* canvas, int x, int y) {
    const platform::Mapping grid{{0, 0}, {1400, 1000}, {0, 0}, {canvas->width(), canvas->height()}};
    const platform::Point at = platform::toDevice(grid, platform::Point{x, y});
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at.x, at.y), canvas->mapToGlobal(QPointF(at.x, at.y)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &press);
}

// The small view's fixed labels stand beside its drawn legend swatches (three columns of 40 × 20 at
// the layout's x 195, 350 and 505, from y 200 to 286); none may reach into a swatch.
void expectLabelsClearOfSwatches(const QWidget& window, QSize canvas) {
    const platform::Mapping layout{{0, 0},
                                   {calendars::small_grid::width, calendars::small_grid::height},
                                   {0, 0},
                                   {canvas.width(), canvas.height()}};
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->wordWrap()) continue;
        const int width = label->fontMetrics().horizontalAdvance(label->text());
        const QRect text(label->geometry().topLeft(), QSize(width, label->height()));
        for (int left : {195, 350, 505}) {
            const platform::Rect swatches =
                platform::toDevice(layout, platform::Rect{left, 200, left + 40, 286});
            const QRect drawn(swatches.left, swatches.top, swatches.right - swatches.left,
                              swatches.bottom - swatches.top);
            EXPECT_FALSE(text.intersects(drawn)) << label->text().toStdString();
        }
    }
}

class CalendarViewsQt : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::qt::test::application();
        model::setClock([] { return model::CivilDate{30, 3, 2008}; });
    }
    void TearDown() override { model::setClock({}); }

    config::ConfigStore settings = defaultSettings();
    platform::qt::QtServices services;
};

TEST_F(CalendarViewsQt, ThePlanningGridTakesClicksAndKeys) {
    auto year = std::make_unique<model::TrainingYear>();
    year->planYear = 2008;
    year->planFileVersion = 3;
    calendars::PlanningView view(*year, settings, "help");
    platform::qt::DialogWindow window(nullptr, services, calendars::planningViewTemplate(), view);
    window.host().open();
    window.show();
    QApplication::processEvents();
    QWidget* canvas = window.host().widget(3);
    ASSERT_NE(nullptr, canvas);
    EXPECT_EQ(canvas, window.focusWidget());  // keys go to the grid from the start

    clickGrid(canvas, 980, 750);  // type 4
    clickGrid(canvas, 250, 300);  // Laufen, 3 March
    EXPECT_EQ(4, model::sportTypeDigit(year->days[62].plannedTypes, model::kRun));
    sendKey(canvas, Qt::Key_Right);  // from 3 March to 4 March
    sendKey(canvas, Qt::Key_7);
    EXPECT_EQ(7, model::sportTypeDigit(year->days[63].plannedTypes, model::kRun));

    sendKey(canvas, Qt::Key_Return);
    EXPECT_TRUE(window.host().ended());
    window.host().detach();
}

TEST_F(CalendarViewsQt, TheSmallControlViewKeepsItsLabelsBesideItsDrawing) {
    auto year = std::make_unique<model::TrainingYear>();
    year->planYear = 2008;
    year->planFileVersion = 2;
    calendars::ControlViewV2 small(*year, settings, "help");
    platform::qt::DialogWindow smallWindow(nullptr, services, calendars::controlViewV2Template(), small);
    smallWindow.host().open();
    smallWindow.show();
    QApplication::processEvents();
    EXPECT_EQ("März", smallWindow.host().text(201));
    expectLabelsClearOfSwatches(smallWindow, smallWindow.host().widget(3)->size());
    sendKey(smallWindow.host().widget(3), Qt::Key_PageDown);
    EXPECT_EQ("April", smallWindow.host().text(201));
    smallWindow.host().detach();
}

}  // namespace
