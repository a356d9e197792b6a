// The writers against hand-checked files: the plan layout of each version, each column switch of the
// spreadsheet export, the day range, and texts and type digits that would break the layout.
#include "planfile/plan_file_writer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/training_types.h"
#include "planfile/plan_file_version.h"
#include "support/plan_fixtures.h"
#include "planfile/legacy_plan_writer.h"

using namespace sb::planfile;
using namespace sb::testing;

namespace {

PlanFileColumns exportRange(int withDateColumns = 1) {
    PlanFileColumns columns;
    columns.firstDay = 58;
    columns.lastDay = 60;
    columns.withDateColumns = withDateColumns;
    return columns;
}

}  // namespace

TEST(PlanFileWriter, EachVersionMatchesItsFormatByteForByte) {
    TempDir dir;
    for (const std::string name : {"plan_2009.sb3", "plan_2009.sb2", "plan_2009.sbn"}) {
        ASSERT_EQ(0, writePlanFileOfVersion(planFileVersionOf(name), dir.file(name), plan2009()));
        EXPECT_EQ(fileBytes(goldenPath("planfile/" + name)), fileBytes(dir / name));
    }
}

TEST(PlanFileWriter, ColumnSwitchesShapeTheExport) {
    const auto labels = sb::model::defaultTrainingTypeLabels();
    const auto year = exportFixture2008();
    EXPECT_EQ(fileBytes(goldenPath("planfile/plan_range.sb3")), formatPlanFile(year, exportRange(0), labels));
    EXPECT_EQ(fileBytes(goldenPath("planfile/export_dates.csv")), formatPlanFile(year, exportRange(), labels));

    PlanFileColumns sums = exportRange();
    sums.withKcal = sums.withCumulativeKm = sums.withAverages = 1;
    sums.typeColumns = 0;
    EXPECT_EQ(fileBytes(goldenPath("planfile/export_kcal_cumulative_averages.csv")),
              formatPlanFile(year, sums, labels));

    PlanFileColumns types = exportRange();
    types.typeColumns = 2;
    EXPECT_EQ(fileBytes(goldenPath("planfile/export_types2.csv")), formatPlanFile(year, types, labels));

    PlanFileColumns bike = exportRange();
    bike.withRun = bike.withSwim = bike.withOther = bike.withPulse = bike.withWeight = bike.typeColumns = 0;
    EXPECT_EQ(fileBytes(goldenPath("planfile/export_bike_only.csv")), formatPlanFile(year, bike, labels));

    PlanFileColumns all = exportRange();
    all.withKcal = all.withCumulativeKm = all.withAverages = 1;
    all.typeColumns = 2;
    EXPECT_EQ(fileBytes(goldenPath("planfile/export_v2_all.csv")), formatPlanFileV2(year, all, labels));
}

TEST(PlanFileWriter, DayRangeStaysInsideTheYear) {
    const auto year = exportFixture2008();
    const auto lines = [](const std::string& text) { return std::count(text.begin(), text.end(), '\n'); };
    PlanFileColumns columns;
    columns.withDateColumns = 1;
    columns.lastDay = 400;
    const std::string whole = formatPlanFile(year, columns);
    EXPECT_EQ(3 + 366, lines(whole));
    EXPECT_NE(std::string::npos, whole.find("\r\nMi,31.12.,"));

    columns.firstDay = 100;
    columns.lastDay = 50;
    EXPECT_EQ(3, lines(formatPlanFile(year, columns)));

    columns.firstDay = -5;
    columns.lastDay = 0;
    EXPECT_EQ(3 + 366, lines(formatPlanFile(year, columns)));
}

TEST(PlanFileWriter, TextsThatWouldBreakTheLayoutAreMadeSafe) {
    sb::model::TrainingYear year = exportFixture2008();
    year.club = "RSC K\xf6ln, e.V.";
    year.days[0].comment = std::string("a,b\r\nc\0d", 9);
    const std::string text = formatPlanFile(year);
    EXPECT_NE(std::string::npos, text.find("Verein:,RSC K\xf6ln. e.V.,Geschlecht:,w,\r\n"));
    EXPECT_NE(std::string::npos, text.find(",0.00,0,0,0,a.b  c,,\r\n"));
}

TEST(PlanFileWriter, OutOfRangeTypeDigitsStillNameALabel) {
    sb::model::TrainingYear year = exportFixture2008();
    year.days[0].plannedTypes = -5;
    year.days[0].actualTypes = 123456;
    PlanFileColumns columns;
    columns.lastDay = 0;
    columns.typeColumns = 2;
    const std::string text = formatPlanFile(year, columns, sb::model::defaultTrainingTypeLabels());
    EXPECT_NE(std::string::npos, text.find("kommentar\r\n,0.00,,0,0,,k. A.        "
                                           ",Kraftausdauer,,0.00,0,,0,0,,Kraftausdauer,Leistungstest,"));
    sb::planfile::TypeLabels commas = sb::model::defaultTrainingTypeLabels();
    commas[5] = "Kraft, Ausdauer";
    EXPECT_NE(std::string::npos,
              formatPlanFile(year, columns, commas).find(",Kraft. Ausdauer,Leistungstest,"))
        << "a comma in a label would shift every later column";
}
