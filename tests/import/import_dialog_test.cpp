// The import dialog driven headlessly: a folder and an archive chosen with its buttons, the rows and
// their check boxes, a sport chosen for a row without one, and "Übernehmen" writing exactly the
// checked rows with the summary.
#include <gtest/gtest.h>

#include "config/config_store.h"
#include "import/import_dialog.h"
#include "platform/headless/headless_services.h"
#include "support/season_fixture.h"

using namespace sb;
namespace id = sb::import::import_dialog;
using platform::headless::HeadlessDialogHost;

namespace {

int rowOfFile(const HeadlessDialogHost& dialog, const std::string& ending) {
    const auto rows = dialog.rows(id::rows);
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i][1].size() >= ending.size() && rows[i][1].compare(rows[i][1].size() - ending.size(), ending.size(), ending) == 0)
            return int(i);
    return -1;
}

}  // namespace

TEST(ImportDialog, RowsChecksAndSportsDecideWhatIsWritten) {
    sb::testing::TempDir dir;
    const std::vector<std::string> season = sb::testing::writeSeason(dir);
    model::TrainingYear year = sb::testing::seasonPlan(3);
    config::ConfigStore settings;
    config::openConfigFile(settings, dir.file("train.cfg"));
    platform::headless::HeadlessServices services;
    services.answerFileDialogs({season[0], season[1]});
    services.scriptDialog("IDD_IMPORT", [&](HeadlessDialogHost& dialog) {
        EXPECT_FALSE(dialog.isEnabled(id::takeButton));
        dialog.press(id::folderButton);
        dialog.press(id::filesButton);
        EXPECT_EQ(dialog.text(id::progressText), "7 Dateien gelesen, 10 Zeilen");
        const auto rows = dialog.rows(id::rows);
        ASSERT_EQ(rows.size(), 10u);
        EXPECT_EQ(rows[0], (std::vector<std::string>{"", "season.zip/old/test.tcx.gz", "26.12.2012",
                                                     "21:29", "Laufen", "00:33", "4.69", "157", "126",
                                                     "anderes Jahr"}));
        const int walk = rowOfFile(dialog, "walk.fit"), run = rowOfFile(dialog, "run.fit");
        const int rides = rowOfFile(dialog, "(2 Aufzeichnungen)"), heart = rowOfFile(dialog, ".hrm");
        EXPECT_EQ(rows[std::size_t(walk)][0], "☑");
        EXPECT_EQ(rows[std::size_t(run)][9], "Tag belegt");
        EXPECT_EQ(rows[std::size_t(run)][0], "☐");
        EXPECT_EQ(rows[std::size_t(heart)][9], "Sportart fehlt");

        dialog.choose(id::rows, heart);
        EXPECT_FALSE(dialog.isEnabled(id::takeRow));
        dialog.choose(id::sport, "Rad");
        EXPECT_EQ(dialog.rows(id::rows)[std::size_t(heart)][9], "neu");
        EXPECT_TRUE(dialog.isChecked(id::takeRow));
        dialog.choose(id::rows, run);
        dialog.press(id::takeRow);
        dialog.doubleClick(id::rows, rides);
        EXPECT_EQ(dialog.rows(id::rows)[std::size_t(rides)][0], "☐");
        EXPECT_EQ(dialog.rows(id::rows).size(), 10u);
        EXPECT_EQ(dialog.rows(id::rows)[std::size_t(walk)], rows[std::size_t(walk)]);
        dialog.press(id::takeButton);
    });
    EXPECT_TRUE(import::runImportDialog(services, year, import::importTargetOf(3, 5, 0), settings, {}));
    EXPECT_EQ(services.messageTexts(), (std::vector<std::string>{"3 Trainings übernommen, 7 übersprungen."}));
    EXPECT_TRUE(services.unexpected().empty());
    EXPECT_EQ(config::readSetting(settings, "IMPORT", "ORDNER", "", config::WriteBack::No), season[0]);

    model::TrainingYear expected = sb::testing::seasonPlan(3);
    expected.days[161].run = {"", 84, 0.16f, 0, "00:01", 0, ""};   // replaced
    expected.days[161].other = {"", 75, 0.07f, 0, "00:01", 0, ""};  // the walk
    expected.days[308].bike = {"", 103, 1.08f, 0, "00:03", 0, ""};  // the heart-rate file as a ride
    for (int day = 0; day < model::kMaxDays; ++day)
        EXPECT_EQ(year.days[std::size_t(day)], expected.days[std::size_t(day)]) << day;
    EXPECT_EQ(year.modified, 1);
}
