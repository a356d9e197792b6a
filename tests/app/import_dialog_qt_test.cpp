// The import dialog on Qt: the workers' rows reach the table through the dialog's own ticks while the
// event loop runs, so the window is never blocked. With SAISONBUCH_SCREENSHOT_DIR set, a season of
// generated rides and runs spread over the year joins the fixture, and the dialog stays open a few
// seconds for a screenshot of the screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include "config/config_store.h"
#include "import/import_dialog.h"
#include "platform/qt/qt_services.h"
#include "platform_qt/qt_test_application.h"
#include "support/season_fixture.h"

using namespace sb;

TEST(ImportDialogQt, RowsArriveWhileTheEventLoopRuns) {
    platform::qt::test::application();
    const char* screenshots = std::getenv("SAISONBUCH_SCREENSHOT_DIR");
    sb::testing::TempDir dir;
    std::vector<std::string> season = sb::testing::writeSeason(dir);
    const int generated = screenshots ? 48 : 0;
    std::filesystem::create_directories(dir / "season/2017");
    for (int i = 0; i < generated; ++i) {
        char start[32];
        std::snprintf(start, sizeof start, "2017-%02d-%02dT%02d:00:00Z", 1 + i / 4, 3 + i % 4 * 6, 7 + i % 3 * 5);
        const bool ride = i % 3 != 1;
        sb::testing::writeBytes(dir / ("season/2017/" + std::to_string(i) + (ride ? "-rad.tcx" : "-lauf.tcx")),
                                sb::testing::tcxActivity(ride ? "Biking" : "Running", start, 2400 + i * 97,
                                                         ride ? 21000 + i * 800 : 7000 + i * 150, 128 + i % 20));
    }
    model::TrainingYear year = sb::testing::seasonPlan(3);
    config::ConfigStore settings;
    platform::qt::QtServices services;
    const auto cancel = [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text() == "Abbrechen") button->click();
    };
    int rows = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        auto* table = dialog ? dialog->findChild<QTableWidget*>() : nullptr;
        if (!table || table->rowCount() < 10 + generated) return;
        rows = table->rowCount();
        poll.stop();
        QTimer::singleShot(screenshots ? 6000 : 0, cancel);
    });
    poll.start(50);
    QTimer::singleShot(30000, cancel);  // rows that never come fail the test instead of hanging it
    EXPECT_FALSE(import::runImportDialog(services, year, import::importTargetOf(3, 5, 0), settings, season));
    EXPECT_EQ(rows, 10 + generated);
    EXPECT_EQ(year.modified, 0);
}
