// The list printouts as recorded drawing (text and position per line) against golden files, page
// breaks included, and columns narrowed to fit the sheet.
#include <gtest/gtest.h>

#include <algorithm>

#include "list_fixtures.h"
#include "lists/list_printout.h"
#include "platform/headless/headless_services.h"
#include "support/plan_fixtures.h"

namespace sb::lists {
namespace {

using platform::headless::CallKind;
using platform::headless::HeadlessPrinter;
using platform::headless::PrintAnswer;
using platform::headless::PrintedDocument;
using sb::testing::fileBytes;
using sb::testing::goldenPath;

// One line per text: page, x, y and the text.
std::string recorded(const PrintedDocument& document) {
    std::string lines = document.name + "\n";
    for (std::size_t page = 0; page < document.pages.size(); ++page) {
        for (const auto& call : document.pages[page].calls()) {
            if (call.kind != CallKind::Text) continue;
            lines += std::to_string(page + 1) + " " + std::to_string(call.points[0].x) + " " +
                     std::to_string(call.points[0].y) + " " + call.text + "\n";
        }
    }
    return lines;
}

PrintAnswer sheet(int width, int height) {
    PrintAnswer answer;
    answer.geometry = {width, height, 0, 0};
    return answer;
}

TEST(ListPrintout, PagesMatchTheGoldenRecordings) {
    const model::TrainingYear year = testing::fullYear(2008);
    const model::TrainingTypeLabels labels = testing::testLabels();
    std::deque<PrintedDocument> log;
    auto print = [&](const PrintAnswer& answer, const ListPrintout& printout) {
        HeadlessPrinter printer(answer, log);
        return printList(printer, year, printout, labels, [] { return true; });
    };
    const ListPrintout week10{ListKind::Week, 10, {0, 1, 2, 3, 4, 5, 8}, true, true, 5};
    ASSERT_TRUE(print(PrintAnswer{}, week10));
    // A short sheet, so that the month and the search each run over two pages.
    ASSERT_TRUE(print(sheet(1400, 700), {ListKind::Month, 2, {1, 0, 2, 3, 7}, false, true, 2}));
    {
        HeadlessPrinter printer(sheet(1400, 700), log);
        ASSERT_TRUE(printSearchList(printer, year, 5, 3, {0, 1, 2, 3, 8}, labels, [] { return true; }));
    }
    ASSERT_EQ(3u, log.size());
    EXPECT_EQ(fileBytes(goldenPath("lists/week_10_2008.print")), recorded(log[0]));
    EXPECT_EQ(fileBytes(goldenPath("lists/month_2_2008.print")), recorded(log[1]));
    EXPECT_EQ(fileBytes(goldenPath("lists/search_3_2008.print")), recorded(log[2]));

    const ListPrintout wholeYear{ListKind::Year, 0, allColumns(), false, false, 5};
    ASSERT_TRUE(print(PrintAnswer{}, wholeYear));
    EXPECT_EQ(std::tuple(log.back().name, log.back().pages.size()), std::tuple("Saisonbuch Jahr 2008", 12u));
    ASSERT_TRUE(print(sheet(1400, 60), week10));
    EXPECT_EQ(14u, log.back().pages.size());  // nine rows and five sum lines, one below each header

    int calls = 0;
    HeadlessPrinter printer(PrintAnswer{}, log);
    EXPECT_FALSE(printList(printer, year, wholeYear, labels, [&calls] { return ++calls < 40; }));
    EXPECT_TRUE(log.back().aborted);
}

// All eleven columns need 1273 units at the headless printer's font beside margins of 175: a sheet of
// 1623 keeps the widths, a narrower one scales them all so the last header ends inside the margin.
TEST(ListPrintout, ColumnsThatDoNotFitAreNarrowedByOneFactor) {
    const model::TrainingYear year = testing::fullYear(2008);
    std::deque<PrintedDocument> log;
    ColumnOrder order = allColumns();
    std::rotate(order.begin(), order.begin() + 1, order.end());  // reordered: the date goes last
    for (auto [width, lastHeaderX] : {std::pair{1623, 1396}, {1622, 1393}, {1500, 1277}}) {
        HeadlessPrinter printer(sheet(width, 7016), log);
        ASSERT_TRUE(printList(printer, year, {ListKind::Month, 3, order, false, true, 5},
                            testing::testLabels(), [] { return true; }));
        const auto& page = log.back().pages.at(0);
        const auto* last = page.findText("Datum");
        ASSERT_NE(nullptr, last);
        EXPECT_EQ(lastHeaderX, last->points[0].x) << width;
        EXPECT_LE(last->points[0].x + page.textWidth("Datum"), width - 175) << width;
    }
}

}  // namespace
}  // namespace sb::lists
