// The HTML year document byte for byte against golden files: the whole year with every column, each
// optional column left out, an end of 1 January, a start after the end, and texts to escape.
#include <gtest/gtest.h>

#include <cstdlib>

#include "list_fixtures.h"
#include "output/year_document.h"
#include "support/plan_fixtures.h"

namespace sb::output {
namespace {

using planfile::PlanFileColumns;

PlanFileColumns everyColumn(int firstDay, int lastDay) {
    PlanFileColumns columns;
    columns.firstDay = firstDay;
    columns.lastDay = lastDay;
    columns.withDateColumns = 1;
    columns.withKcal = 1;
    columns.withCumulativeKm = 1;
    columns.withAverages = 1;
    columns.typeColumns = 2;
    return columns;
}

struct GoldenCase {
    const char* name;
    int PlanFileColumns::*switchedOff;  // nullptr: every column on
    int firstDay;
    int lastDay;
};

TEST(YearDocument, MatchesTheGoldenFiles) {
    model::TrainingYear year = lists::testing::fullYear(2008);
    year.days[3].weather = "Regen <5\xB0> & \"Wind\"";
    year.days[3].restingPulse = 48;
    const GoldenCase cases[] = {
        {"year_2008.htm", nullptr, 0, 365},
        {"from_december_to_1_1.htm", nullptr, 334, 0},
        {"start_after_end.htm", nullptr, 40, 10},
        {"no_cumulative.htm", &PlanFileColumns::withCumulativeKm, 0, 9},
        {"no_averages.htm", &PlanFileColumns::withAverages, 0, 9},
        {"no_pulse.htm", &PlanFileColumns::withPulse, 0, 9},
        {"no_kcal.htm", &PlanFileColumns::withKcal, 0, 9},
        {"no_types.htm", &PlanFileColumns::typeColumns, 0, 9},
        {"no_weight.htm", &PlanFileColumns::withWeight, 0, 9},
        {"no_run.htm", &PlanFileColumns::withRun, 0, 9},
    };
    for (const GoldenCase& c : cases) {
        PlanFileColumns columns = everyColumn(c.firstDay, c.lastDay);
        if (c.switchedOff) columns.*c.switchedOff = 0;
        const sb::testing::TempDir dir;
        const std::string golden = sb::testing::goldenPath(std::string("year/") + c.name);
        ASSERT_EQ(0, writeYearDocument(year, dir.file(c.name), columns, lists::testing::testLabels()));
        if (std::getenv("SAISONBUCH_UPDATE_GOLDEN"))
            sb::testing::writeBytes(golden, sb::testing::fileBytes(dir / c.name));
        EXPECT_EQ(sb::testing::fileBytes(golden), sb::testing::fileBytes(dir / c.name)) << c.name;
    }
    EXPECT_EQ(1, writeYearDocument(year, "/nonexistent-folder/x.htm", everyColumn(0, 0),
                                   lists::testing::testLabels()));
}

}  // namespace
}  // namespace sb::output
