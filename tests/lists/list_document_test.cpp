// The list, search and year documents byte for byte against golden files: a full year with texts to
// escape, a month, week 1 and week 53, the search; the year document with every column, each optional
// column left out, an end of 1 January and a start after the end; plus the proposed file names.
#include <gtest/gtest.h>

#include "list_fixtures.h"
#include "lists/list_document.h"
#include "output/html_frame.h"
#include "output/year_document.h"
#include "support/plan_fixtures.h"

namespace sb::lists {
namespace {

using planfile::PlanFileColumns;
using sb::testing::fileBytes;
using sb::testing::goldenPath;
using testing::fullYear;
using testing::testLabels;

void expectGoldenDocument(const std::string& document, const std::string& name) {
    const sb::testing::TempDir dir;
    ASSERT_TRUE(output::writeHtmlDocument(dir.file(name), document));
    EXPECT_EQ(fileBytes(goldenPath("lists/" + name)), fileBytes(dir / name)) << name;
}

TEST(ListDocument, MatchesTheGoldenFiles) {
    const model::TrainingYear year2008 = fullYear(2008);
    const ColumnOrder reordered{0, 1, 2, 3, 4, 8, 9, 6, 7};
    expectGoldenDocument(listDocument(year2008, ListKind::Year, 0, allColumns(), testLabels()), "year_2008.htm");
    expectGoldenDocument(listDocument(year2008, ListKind::Month, 2, reordered, testLabels()), "month_2_2008.htm");
    expectGoldenDocument(searchDocument(year2008, 5, 3, allColumns(), testLabels()), "search_3_2008.htm");

    model::TrainingYear year2012 = fullYear(2012, 2);
    year2012.club.clear();
    year2012.trainer = "Tom";
    expectGoldenDocument(listDocument(year2012, ListKind::Week, 1, allColumns(), testLabels()), "week_1_2012.htm");
    expectGoldenDocument(listDocument(year2012, ListKind::Week, 53, {0, 1, 2, 3, 4, 5}, testLabels()),
                         "week_53_2012.htm");
}

TEST(ListDocument, ProposedNames) {
    EXPECT_EQ("7_Wochen_Liste.htm", listDocumentName(ListKind::Week, 7, 2008));
    EXPECT_EQ("12_Monats_Liste.htm", listDocumentName(ListKind::Month, 12, 2008));
    EXPECT_EQ("2008_Jahres_Liste.htm", listDocumentName(ListKind::Year, 0, 2008));
    EXPECT_EQ("a_b_c_d_e_f_g_h_i_ 5%_Such_Liste.htm", searchDocumentName("a/b\\c:d*e?f\"g<h>i| 5%"));
}

TEST(YearDocument, MatchesTheGoldenFiles) {
    model::TrainingYear year = fullYear(2008);
    year.days[3].weather = "Regen <5\xB0> & \"Wind\"";
    year.days[3].restingPulse = 48;
    const struct {
        const char* name;
        int PlanFileColumns::*switchedOff;  // nullptr: every column on
        int firstDay;
        int lastDay;
    } cases[] = {
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
    for (const auto& c : cases) {
        PlanFileColumns columns{
            .firstDay = c.firstDay, .lastDay = c.lastDay, .withDateColumns = 1, .withKcal = 1};
        columns.withCumulativeKm = 1;
        columns.withAverages = 1;
        columns.typeColumns = 2;
        if (c.switchedOff) columns.*c.switchedOff = 0;
        const sb::testing::TempDir dir;
        ASSERT_EQ(0, output::writeYearDocument(year, dir.file(c.name), columns, testLabels()));
        EXPECT_EQ(fileBytes(goldenPath(std::string("year/") + c.name)), fileBytes(dir / c.name)) << c.name;
    }
}

}  // namespace
}  // namespace sb::lists
