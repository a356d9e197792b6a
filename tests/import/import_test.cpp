// The import with real recordings and generated archives: unpacking bounds, bombs and cut archives, a
// multisport file split by sport, a file and its export counted once, what each plan version takes; and
// the dialog, whose checked rows and chosen sports decide what "Übernehmen" writes.
#include <gtest/gtest.h>

#include <zip.h>

#include "config/config_store.h"
#include "import/import_dialog.h"
#include "import/import_inputs.h"
#include "import/import_reader.h"
#include "import/import_rows.h"
#include "import/unpacking.h"
#include "import/zip_archive.h"
#include "platform/headless/headless_services.h"
#include "support/season_fixture.h"

using namespace sb;
using namespace sb::import;
using sb::testing::gzipped;
using sb::testing::recordingBytes;
using sb::testing::zipped;
namespace id = sb::import::import_dialog;
using platform::headless::HeadlessDialogHost;

namespace {

// The problem of each activity read from the file, an empty text for one read well.
std::vector<std::string> problemsOf(const std::string& path) {
    std::vector<std::string> problems;
    for (const ImportedActivity& activity : readImportInput({path}, 0, [] { return false; }))
        problems.push_back(activity.problem);
    return problems;
}

std::vector<std::string> statuses(const std::vector<ImportRow>& rows) {
    std::vector<std::string> texts;
    for (const ImportRow& row : rows) texts.push_back(statusText(row));
    return texts;
}

int rowOfFile(const HeadlessDialogHost& dialog, const std::string& ending) {
    const auto rows = dialog.rows(id::rows);
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i][1].ends_with(ending)) return int(i);
    return -1;
}

}  // namespace

TEST(Unpacking, BoundsHoldOnBothSides) {
    constexpr std::uint64_t MiB = 1 << 20;
    struct Case {
        std::uint64_t unpacked, packed;
        const char* message;
    };
    for (const Case& c : std::vector<Case>{
             {512 * MiB, 512 * MiB, ""},
             {512 * MiB + 1, 512 * MiB, kTooLargeMessage},
             {MiB, 1, ""},  // small files may pack at any ratio
             {200 * 2 * MiB, 2 * MiB, ""},
             {200 * 2 * MiB + 2 * MiB, 2 * MiB, kPackingRatioMessage},
         })
        EXPECT_STREQ(unpackingLimitMessage(c.unpacked, c.packed), c.message) << c.unpacked << " " << c.packed;
}

TEST(Unpacking, BombsAndCutFilesAreRefusedWithTheirMessages) {
    const std::string zeros(8 << 20, '\0');
    EXPECT_EQ(gunzip(gzipped(zeros)).message, kPackingRatioMessage);
    const std::string ride = recordingBytes("garmin-edge-820-bike.fit");
    EXPECT_EQ(gunzip(gzipped(ride)).bytes, ride);
    const std::string packed = gzipped(ride);
    EXPECT_EQ(gunzip(packed.substr(0, packed.size() - 9)).message, "Die gz-Datei ist beschädigt oder unvollständig.");

    sb::testing::TempDir dir;
    const std::string archive = zipped({{"bomb.fit", zeros}, {"ride.fit", ride}});
    sb::testing::writeBytes(dir / "bomb.zip", archive);
    sb::testing::writeBytes(dir / "cut.zip", archive.substr(0, archive.size() - 30));
    std::string nested = zipped({{"ride.fit", ride}});
    for (int level = 0; level < kDeepestNesting; ++level) nested = zipped({{"deeper.zip", nested}});
    sb::testing::writeBytes(dir / "deep.zip", nested);

    EXPECT_EQ(problemsOf(dir.file("bomb.zip")), (std::vector<std::string>{kPackingRatioMessage, ""}));
    EXPECT_EQ(problemsOf(dir.file("cut.zip")), std::vector<std::string>{kDamagedArchiveMessage});
    EXPECT_EQ(problemsOf(dir.file("deep.zip")),
              std::vector<std::string>{"Das ZIP-Archiv ist zu tief in andere Archive verschachtelt."});
}

TEST(ImportRows, AMultisportFileGivesOneRowPerSportWithoutTransitions) {
    const std::vector<ImportedActivity> read =
        activitiesOfRecording("multisport.fit", recordingBytes("activity-large-fenxi2-multisport.fit"));
    ASSERT_EQ(read.size(), 3u);
    // A generic session names no sport.
    EXPECT_EQ(std::tuple(read[0].sport, read[1].sport, read[2].sport),
              std::tuple(0, model::kRun, model::kBike));
    EXPECT_NEAR(read[1].durationSeconds, 2294.84 + 6764.48, 0.01);  // both runs, without the transitions
    EXPECT_NEAR(read[1].distanceKm, 2.24523 + 12.74037, 1e-4);
    EXPECT_NEAR(read[2].distanceKm, 28.92827, 1e-4);

    model::TrainingYear year;
    year.planYear = 2015;
    year.planFileVersion = 3;
    std::vector<ImportedActivity> keyed = read;
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        keyed[i].key = {0, i};
        keyed[i].file = "multisport.fit";
    }
    const ImportTarget runMode = importTargetOf(3, 2, 0);  // SPORTART Laufen: sessions without a sport run
    const std::vector<ImportRow> rows = buildImportRows(keyed, year, runMode, {});
    EXPECT_EQ(statuses(rows), (std::vector<std::string>{"neu", "neu"}));
    EXPECT_EQ(rows[0].file, "multisport.fit (2 Aufzeichnungen)");  // the generic session joins the runs
}

TEST(ImportRows, AFileAndItsExportCountOnceAndEachVersionTakesWhatItHolds) {
    sb::testing::TempDir dir;
    for (const char* name : {"vkurup_python-tcxparser_test.tcx", "vkurup_python-tcxparser_no_hr.tcx"})
        sb::testing::writeBytes(dir / name, recordingBytes(name));
    const std::vector<ImportedActivity> read = readAllInputs(collectImportInputs({dir.path().string()}));
    ASSERT_EQ(read.size(), 2u);
    model::TrainingYear year;
    year.planYear = 2012;
    for (int version : {1, 2, 3}) {
        year.planFileVersion = version;
        const ImportTarget target = importTargetOf(version, 5, 0);
        std::vector<ImportRow> rows = buildImportRows(read, year, target, {});
        EXPECT_EQ(statuses(rows), (std::vector<std::string>{"neu", "doppelt"}));
        // The run chosen as a swim: only a version-3 plan holds swimming.
        ImportChoices swim;
        swim.sports[read[1].key] = model::kSwim;
        rows = buildImportRows(read, year, target, swim);
        EXPECT_EQ(statuses(rows).back(), version == 3 ? "neu" : "nicht im Plan") << version;
    }
    const ImportTarget target = importTargetOf(3, 5, 0);
    ImportChoices ride;
    ride.sports[read[1].key] = model::kBike;
    const TakeOutcome taken = takeImportRows(buildImportRows(read, year, target, ride), target, year);
    EXPECT_EQ(takeSummary(taken), "2 Trainings übernommen, 0 übersprungen.");
    EXPECT_EQ(year.days[360].run.avgPulse, 0);  // the export without heart rate came first
    // 26 December, with the climbing a version-3 plan holds.
    const model::SportEntry& bike = year.days[360].bike;
    EXPECT_EQ(std::tuple(bike.duration, bike.distanceKm, bike.heightMetres, year.modified),
              std::tuple("00:33", 4.69f, 126.0f, 1));
}

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
        EXPECT_EQ(std::tuple(rows[std::size_t(walk)][0], rows[std::size_t(run)][9], rows[std::size_t(run)][0],
                             rows[std::size_t(heart)][9]),
                  std::tuple("☑", "Tag belegt", "☐", "Sportart fehlt"));

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
    EXPECT_TRUE(year.days == expected.days);
    EXPECT_EQ(year.modified, 1);
}
