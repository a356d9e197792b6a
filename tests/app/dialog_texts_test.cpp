// Every dialog the program builds, as a real Qt window: no label, button, check box or group title is
// cut off, no control of a day-editor form covers another, and the small control view's fixed labels
// stay clear of what it draws. A new dialog joins the list below. With
// SAISONBUCH_SCREENSHOT_DIR set, each dialog is saved there as a PNG named after its template.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <cstdlib>
#include <vector>

#include "calendars/control_view.h"
#include "calendars/control_view_v2.h"
#include "calendars/planning_view.h"
#include "editor/athlete_dialog.h"
#include "editor/day_editor_layout.h"
#include "editor/day_editor_templates.h"
#include "editor/training_takeover_dialog.h"
#include "import/import_dialog.h"
#include "lists/list_dialog_templates.h"
#include "load/load_window.h"
#include "lists/list_print_dialog.h"
#include "options/general_pages.h"
#include "options/pulse_zones_page.h"
#include "options/training_types_page.h"
#include "output/export_dialog.h"
#include "output/overview_print_dialog.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/qt_services.h"
#include "recordings/recording_info_dialogs.h"
#include "recordings/zone_charts.h"
#include "recordings/zone_dialog.h"
#include "platform/print_progress_dialog.h"
#include "tools/basal_metabolism_dialog.h"
#include "tools/body_mass_index_dialog.h"
#include "tools/gear_calculator_dialog.h"
#include "tools/odometer_dialog.h"
#include "tools/standard_routes_dialog.h"
#include "tools/waist_hip_dialog.h"

using namespace sb;

namespace {

std::vector<const platform::DialogTemplate*> everyDialog() {
    std::vector<const platform::DialogTemplate*> dialogs{
        &editor::athleteTemplate(),
        &tools::standardRoutesTemplate(),
        &platform::printProgressTemplate(),
        &calendars::planningViewTemplate(),
        &calendars::controlViewTemplate(),
        &calendars::controlViewV2Template(),
        &load::loadWindowTemplate(),
        &tools::odometerTemplate(),
        &tools::basalMetabolismTemplate(),
        &tools::bodyMassIndexTemplate(),
        &tools::waistHipTemplate(),
        &tools::gearCalculatorTemplate(),
        &output::exportTemplate(),
        &output::overviewPrintV3Template(),
        &output::overviewPrintV2Template(),
        &options::workspacePageTemplate(),
        &options::sportPageTemplate(),
        &options::stylePageTemplate(),
        &options::displayPageTemplate(),
        &options::trainingTypesPageTemplate(),
        &options::pulseZonesPageTemplate(),
        &lists::listTemplate(lists::ListKind::Week),
        &lists::listTemplate(lists::ListKind::Month),
        &lists::listTemplate(lists::ListKind::Year),
        &lists::searchTemplate(),
        &lists::listPrintTemplate(),
        &recordings::polarInfoTemplate(),
        &recordings::bikeInfoTemplate(),
        &editor::trainingTakeoverTemplate(),
        &recordings::activityInfoTemplate(),
        &import::importTemplate(),
        &recordings::zoneTemplate(),
        &recordings::zoneChartTemplate(),
    };
    for (const editor::DayEditorLayout& layout : editor::dayEditorLayouts())
        dialogs.push_back(&editor::dayEditorTemplate(layout));
    return dialogs;
}

void expectTextFits(const QWidget& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        // Lines break where the text says; a word-wrapped label breaks them itself.
        const QStringList lines = label->text().split('\n');
        for (const QString& line : lines) {
            if (!label->wordWrap()) {
                EXPECT_LE(label->fontMetrics().horizontalAdvance(line), label->width()) << line.toStdString();
            }
        }
        EXPECT_LE(label->fontMetrics().height() * lines.size(), label->height()) << label->text().toStdString();
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        // Push buttons need room for their frame; check boxes and radio buttons for their indicator.
        const int needed = qobject_cast<const QPushButton*>(button)
                               ? button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) + 8
                               : button->sizeHint().width();
        EXPECT_LE(needed, button->width()) << button->text().toStdString();
    }
    for (const QGroupBox* group : window.findChildren<QGroupBox*>()) {
        EXPECT_LE(group->fontMetrics().horizontalAdvance(group->title()) + 16, group->width())
            << group->title().toStdString();
    }
}

void expectNoOverlap(const QWidget& window) {
    std::vector<const QWidget*> controls;
    for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->objectName().startsWith("control_") && !child->inherits("QGroupBox") && child->isVisible())
            controls.push_back(child);
    for (size_t i = 0; i < controls.size(); ++i)
        for (size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << controls[i]->objectName().toStdString() << " " << controls[j]->objectName().toStdString();
}

// The small control view's fixed labels stand beside its drawn legend swatches (three columns of 40 × 20
// at the layout's x 195, 350 and 505, from y 200 to 286); none may reach into a swatch.
void expectLabelsClearOfSwatches(const QWidget& window, QSize canvas) {
    const platform::Mapping layout{{0, 0},
                                   {calendars::small_grid::width, calendars::small_grid::height},
                                   {0, 0},
                                   {canvas.width(), canvas.height()}};
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->wordWrap()) continue;
        const QRect text(label->geometry().topLeft(),
                         QSize(label->fontMetrics().horizontalAdvance(label->text()), label->height()));
        for (int left : {195, 350, 505}) {
            const platform::Rect swatch = platform::toDevice(layout, platform::Rect{left, 200, left + 40, 286});
            const QRect drawn(swatch.left, swatch.top, swatch.right - swatch.left, swatch.bottom - swatch.top);
            EXPECT_FALSE(text.intersects(drawn)) << label->text().toStdString();
        }
    }
}

}  // namespace

TEST(DialogTexts, NoTextOfAnyDialogIsCutOff) {
    const char* directory = std::getenv("SAISONBUCH_SCREENSHOT_DIR");
    for (const platform::DialogTemplate* dialog : everyDialog()) {
        SCOPED_TRACE(dialog->name);
        platform::DialogProcedure idle;
        platform::qt::QtServices services;
        platform::qt::DialogWindow window(nullptr, services, *dialog, idle);
        window.host().open();
        window.show();
        QApplication::processEvents();
        expectTextFits(window);
        if (dialog->name.starts_with("IDD_DATENAENDERN")) expectNoOverlap(window);
        if (dialog == &calendars::controlViewV2Template())
            expectLabelsClearOfSwatches(window, window.host().widget(3)->size());
        if (directory) {
            EXPECT_TRUE(window.grab().save(QString::fromUtf8(directory) + "/" +
                                           QString::fromStdString(dialog->name) + ".png"));
        }
        window.host().detach();
    }
}
