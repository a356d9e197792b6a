// The list printouts as recorded drawing (text and position per line) against golden files, page
// breaks included, and columns narrowed to fit the sheet.
#include <gtest/gtest.h>

#include <algorithm>

#include "list_fixtures.h"
#include "lists/list_printout.h"
#include "platform/headless/headless_services.h"

namespace sb::lists {
namespace {

using platform::headless::CallKind;
using platform::headless::HeadlessPrinter;
using platform::headless::PrintAnswer;
using platform::headless::PrintedDocument;

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

// A short sheet, so that a month runs over two pages.
PrintAnswer shortSheet() {
    PrintAnswer answer;
    answer.geometry = {1400, 700, 0, 0};
    return answer;
}

TEST(ListPrintout, PagesMatchTheGoldenRecordings) {
    const model::TrainingYear year = testing::fullYear(2008);
    const model::TrainingTypeLabels labels = testing::testLabels();
    std::deque<PrintedDocument> log;
    auto keepGoing = [] { return true; };
    const lists::ListPrintout week10{ListKind::Week, 10, {0, 1, 2, 3, 4, 5, 8}, true, true, 5};
    {
        HeadlessPrinter printer(PrintAnswer{}, log);
        ASSERT_TRUE(lists::printList(printer, year, week10, labels, keepGoing));
    }
    {
        HeadlessPrinter printer(shortSheet(), log);
        lists::ListPrintout month{ListKind::Month, 2, {1, 0, 2, 3, 7}, false, true, 2};
        ASSERT_TRUE(lists::printList(printer, year, month, labels, keepGoing));
    }
    {
        HeadlessPrinter printer(shortSheet(), log);
        ASSERT_TRUE(lists::printSearchList(printer, year, 5, 3, {0, 1, 2, 3, 8}, labels, keepGoing));
    }
    ASSERT_EQ(3u, log.size());  // the month and the search each run over two pages
    testing::expectGolden(recorded(log[0]), "lists/week_10_2008.print");
    testing::expectGolden(recorded(log[1]), "lists/month_2_2008.print");
    testing::expectGolden(recorded(log[2]), "lists/search_3_2008.print");

    HeadlessPrinter printer(PrintAnswer{}, log);
    lists::ListPrintout wholeYear{ListKind::Year, 0, allColumns(), false, false, 5};
    ASSERT_TRUE(lists::printList(printer, year, wholeYear, labels, keepGoing));
    EXPECT_EQ("Saisonbuch Jahr 2008", log.back().name);
    EXPECT_EQ(12u, log.back().pages.size());
    PrintAnswer tiny;
    tiny.geometry = {1400, 60, 0, 0};
    HeadlessPrinter tinyPrinter(tiny, log);
    ASSERT_TRUE(lists::printList(tinyPrinter, year, week10, labels, keepGoing));
    EXPECT_EQ(14u, log.back().pages.size());  // nine rows and five sum lines, one below each header

    int calls = 0;
    EXPECT_FALSE(lists::printList(printer, year, wholeYear, labels, [&calls] { return ++calls < 40; }));
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
        PrintAnswer sheet;
        sheet.geometry = {width, 7016, 0, 0};
        HeadlessPrinter printer(sheet, log);
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
