// The eight day-editor forms as real Qt dialogs on a filled-in plan day: no control covers another, and with SAISONBUCH_SCREENSHOT_DIR set each form is saved as a PNG there.
#include <gtest/gtest.h>

#include <QApplication>
#include <cctype>
#include <cstdlib>
#include <string>

#include "config/config_store.h"
#include "config/route_store.h"
#include "editor/day_editor.h"
#include "editor/day_editor_controls.h"
#include "editor/day_editor_layout.h"
#include "editor/day_editor_templates.h"
#include "model/calendar.h"
#include "model/clock.h"
#include "model/training_year.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/qt_services.h"
#include "platform_qt/qt_test_application.h"

using namespace sb;

namespace {

// A June day of a season in full swing, with every sport trained.
model::TrainingYear seasonPlan() {
    model::TrainingYear year;
    year.planYear = 2009;
    year.planFileVersion = 3;
    const int day = model::dayOfYear(17, 6, 2009) - 1;
    model::DayRecord& d = year.days[size_t(day)];
    d.bike = {"Waldrunde", 142, 68.4f, 640.0f, "02:15", 3, "GA1 mit 3 Sprints"};
    d.run = {"Stadtpark", 151, 10.2f, 0, "00:48", 2, "locker. Steigerungen"};
    d.swim = {"Hallenbad", 128, 2.5f, 0, "00:50", 2, "Technik Kraul"};
    d.other = {"Studio", 110, 0, 0, "01:00", 1, "Krafttraining Rumpf"};
    d.plannedTypes = 3313;
    d.actualTypes = 8312;
    d.bodyWeight = 71.5f;
    d.restingPulse = 48;
    d.weather =
        "sonnig 24 \xB0"
        "C";
    d.comment = "Beine schwer nach dem Wochenende";
    return year;
}

config::ConfigStore settings(int sportMode, int triathlonBasic) {
    config::ConfigStore store;
    const char* labels[] = {"k. A.        ", "ausd. aerob  ", "ausd. anaerob", "grundl. ausd.",
                            "intervalltr. ", "Kraftausdauer", "Leistungstest", "Regenerations",
                            "Techniktrain.", "Wettkampf    "};
    for (int code = 0; code < 10; ++code) store.trainingTypeLabels[size_t(code)] = labels[code];
    store.sportMode = sportMode;
    store.triathlonBasic = triathlonBasic;
    return store;
}

std::string shortName(const std::string& templateName) {
    std::string name = templateName.substr(std::string("IDD_DATENAENDERN_").size());
    for (char& c : name) c = c == '_' ? '-' : char(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

void expectNoOverlap(const QWidget& window) {
    std::vector<const QWidget*> controls;
    for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->objectName().startsWith("control_") && !child->inherits("QGroupBox") && child->isVisible())
            controls.push_back(child);
    }
    for (size_t i = 0; i < controls.size(); ++i) {
        for (size_t j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << controls[i]->objectName().toStdString() << " " << controls[j]->objectName().toStdString();
        }
    }
}

}  // namespace

TEST(DayEditorScreenshots, EveryFormShowsAFilledDayCleanly) {
    platform::qt::test::application();
    model::setClock([] { return model::CivilDate{17, 6, 2009}; });
    const char* directory = std::getenv("SAISONBUCH_SCREENSHOT_DIR");
    config::RouteStore routes;
    routes.routes[0] = {21.5f, "Waldrunde"};
    routes.routes[1] = {10.2f, "Stadtpark"};

    struct Form {
        int version;
        int sportMode;
        int basic;
    };
    for (Form form : {Form{3, 1, 0}, Form{3, 2, 0}, Form{3, 3, 0}, Form{3, 4, 0}, Form{3, 5, 1},
                      Form{3, 5, 0}, Form{2, 5, 0}, Form{1, 5, 0}}) {
        const editor::DayEditorLayout* layout =
            editor::chooseDayEditorLayout(form.version, form.sportMode, form.basic);
        ASSERT_NE(layout, nullptr);
        SCOPED_TRACE(layout->templateName);
        model::TrainingYear year = seasonPlan();
        year.planFileVersion = form.version;
        config::ConfigStore store = settings(form.sportMode, form.basic);
        editor::DayEditorProcedure procedure(*layout, {year, store, routes, "help/inhalt.html"});

        platform::qt::QtServices services;
        platform::qt::DialogWindow window(nullptr, services, editor::dayEditorTemplate(*layout), procedure);
        window.host().open();
        window.show();
        QApplication::processEvents();
        EXPECT_EQ(window.host().text(editor::control::day), "17");

        expectNoOverlap(window);
        if (directory) {
            QString path = QString::fromStdString(std::string(directory) + "/day-editor-" +
                                                  shortName(layout->templateName) + ".png");
            EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
        }
        window.host().detach();
    }
    model::setClock({});
}
