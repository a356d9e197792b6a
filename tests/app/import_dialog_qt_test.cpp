// The import dialog on Qt: the workers' rows reach the table through the dialog's own ticks while the
// event loop runs, so the window is never blocked.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "config/config_store.h"
#include "import/import_dialog.h"
#include "platform/qt/qt_services.h"
#include "support/season_fixture.h"

using namespace sb;

TEST(ImportDialogQt, RowsArriveWhileTheEventLoopRuns) {
    sb::testing::TempDir dir;
    std::vector<std::string> season = sb::testing::writeSeason(dir);
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
        if (!table || table->rowCount() < 10) return;
        rows = table->rowCount();
        poll.stop();
        QTimer::singleShot(0, cancel);
    });
    poll.start(50);
    QTimer::singleShot(30000, cancel);  // rows that never come fail the test instead of hanging it
    EXPECT_FALSE(import::runImportDialog(services, year, import::importTargetOf(3, 5, 0), settings, season));
    EXPECT_EQ(rows, 10);
    EXPECT_EQ(year.modified, 0);
}
