// The list and search documents byte for byte against golden files: a full year with texts to escape,
// a month, week 1 and week 53, and the search; plus the proposed file names.
#include <gtest/gtest.h>

#include <cstdlib>

#include "list_fixtures.h"
#include "output/html_frame.h"
#include "lists/list_document.h"
#include "support/plan_fixtures.h"

namespace sb::lists {
namespace {

using lists::ListKind;
using lists::testing::fullYear;
using sb::testing::fileBytes;
using sb::testing::goldenPath;
using lists::testing::testLabels;

// Writes the document as the program does and compares the file with the golden one; with
// SAISONBUCH_UPDATE_GOLDEN set the golden file is rewritten instead.
void expectGolden(const std::string& document, const std::string& name) {
    const sb::testing::TempDir dir;
    const std::string golden = goldenPath("lists/" + name);
    ASSERT_TRUE(output::writeHtmlDocument(dir.file(name), document));
    if (std::getenv("SAISONBUCH_UPDATE_GOLDEN")) sb::testing::writeBytes(golden, fileBytes(dir / name));
    EXPECT_EQ(fileBytes(golden), fileBytes(dir / name)) << name;
}

TEST(ListDocument, MatchesTheGoldenFiles) {
    const model::TrainingYear year2008 = fullYear(2008);
    const lists::ColumnOrder reordered{0, 1, 2, 3, 4, 8, 9, 6, 7};
    expectGolden(listDocument(year2008, ListKind::Year, 0, lists::allColumns(), testLabels()),
                 "year_2008.htm");
    expectGolden(listDocument(year2008, ListKind::Month, 2, reordered, testLabels()), "month_2_2008.htm");
    expectGolden(searchDocument(year2008, 5, 3, lists::allColumns(), testLabels()), "search_3_2008.htm");

    model::TrainingYear year2012 = fullYear(2012, 2);
    year2012.club.clear();
    year2012.trainer = "Tom";
    expectGolden(listDocument(year2012, ListKind::Week, 1, lists::allColumns(), testLabels()),
                 "week_1_2012.htm");
    expectGolden(listDocument(year2012, ListKind::Week, 53, {0, 1, 2, 3, 4, 5}, testLabels()),
                 "week_53_2012.htm");
}

TEST(ListDocument, NamesAndFailures) {
    EXPECT_EQ("7_Wochen_Liste.htm", listDocumentName(ListKind::Week, 7, 2008));
    EXPECT_EQ("12_Monats_Liste.htm", listDocumentName(ListKind::Month, 12, 2008));
    EXPECT_EQ("2008_Jahres_Liste.htm", listDocumentName(ListKind::Year, 0, 2008));
    EXPECT_EQ("a_b_c_d_e_f_g_h_i_ 5%_Such_Liste.htm", searchDocumentName("a/b\\c:d*e?f\"g<h>i| 5%"));
    EXPECT_FALSE(output::writeHtmlDocument("/nonexistent-folder/x.htm", "x"));
}

}  // namespace
}  // namespace sb::lists
