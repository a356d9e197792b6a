// Every dialog the program builds, as a real Qt window: no label, button, check box or group title is
// cut off. A new dialog joins the list below. With SAISONBUCH_SCREENSHOT_DIR set, the routes dialog is
// saved there as a PNG.
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
#include "options/general_pages.h"
#include "options/pulse_zones_page.h"
#include "options/training_types_page.h"
#include "output/export_dialog.h"
#include "output/overview_print_dialog.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/qt_services.h"
#include "shell/print_progress_dialog.h"
#include "tools/basal_metabolism_dialog.h"
#include "tools/body_mass_index_dialog.h"
#include "tools/gear_calculator_dialog.h"
#include "tools/odometer_dialog.h"
#include "tools/standard_routes_dialog.h"
#include "tools/waist_hip_dialog.h"

using namespace sb;

namespace {

QApplication& application() {
    if (auto* running = qobject_cast<QApplication*>(QCoreApplication::instance())) return *running;
    static int argc = 1;
    static char name[] = "test_app";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

std::vector<const platform::DialogTemplate*> everyDialog() {
    std::vector<const platform::DialogTemplate*> dialogs{
        &editor::athleteTemplate(),
        &tools::standardRoutesTemplate(),
        &shell::printProgressTemplate(),
        &calendars::planningViewTemplate(),
        &calendars::controlViewTemplate(),
        &calendars::controlViewV2Template(),
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
    };
    for (const editor::DayEditorLayout& layout : editor::dayEditorLayouts()) {
        dialogs.push_back(&editor::dayEditorTemplate(layout));
    }
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

}  // namespace

TEST(DialogTexts, NoTextOfAnyDialogIsCutOff) {
    application();
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
        if (directory && dialog->name == "STDSTRECKEN") {
            EXPECT_TRUE(window.grab().save(QString::fromUtf8(directory) + "/routes-dialog.png"));
        }
        window.host().detach();
    }
}
