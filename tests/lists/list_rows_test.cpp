// Which entries become rows for which consumer, the search's rows, and stored column orders that must
// be repaired (cells, periods and sums are checked by the golden documents and the dialogs).
#include <gtest/gtest.h>

#include "list_fixtures.h"
#include "lists/column_order.h"
#include "lists/day_rows.h"
#include "lists/list_columns.h"
#include "lists/list_rows.h"

namespace sb::lists {
namespace {

using model::kOther;
using model::kRun;
using model::kSwim;

TEST(ListRows, EachConsumerAdmitsEntriesByItsOwnRule) {
    model::DayRecord day;
    day.bike.duration = "00:00";
    day.run.duration = "00:01";
    day.other.route = "K";
    day.swim.distanceKm = 1;
    EXPECT_EQ((std::vector<int>{kRun, kSwim}), listRowSports(day, 3));
    EXPECT_EQ((std::vector<int>{kRun, kOther, kSwim}), printedRowSports(day, 3));
    EXPECT_EQ(std::vector<int>{kRun}, listRowSports(day, 2));
    day.other.route = "Ki";
    EXPECT_EQ((std::vector<int>{kRun, kOther}), listRowSports(day, 1));
    EXPECT_FALSE(dayWithoutTraining(day));
    EXPECT_TRUE(dayWithoutTraining(model::DayRecord{}));

    day.actualTypes = 4444;
    EXPECT_EQ((std::vector<int>{kSwim, kRun}), searchRowSports(day, 3, 5, 4));
}

// February 1800 has 29 days by the plan year's rule, so the month list ends on its 29th.
TEST(ListRows, MonthPeriodsFollowThePlanYear) {
    EXPECT_EQ(listPeriod(ListKind::Month, 2, 1800), (model::DayRange{31, 59}));
    EXPECT_EQ(listPeriod(ListKind::Month, 2, 1900), (model::DayRange{31, 58}));
}

TEST(ListRows, SearchShowsTheDateOnlyOnTheDaysFirstRow) {
    model::TrainingYear year;
    year.planYear = 2008;
    year.planFileVersion = 3;
    year.days[10].actualTypes = 4444;  // the swim entry holds nothing: the bike row carries the date
    year.days[10].bike = {"", 0, 10, 0, "", 0, ""};
    year.days[10].run = {"", 0, 5, 0, "", 0, ""};
    year.days[12].actualTypes = 4;
    year.days[12].bike = {"", 0, 10, 0, "", 0, ""};
    const model::TrainingTypeLabels labels = testing::testLabels();
    SearchList list = searchRows(year, 5, 4);
    ASSERT_EQ(3u, list.rows.size());
    EXPECT_EQ((std::vector<std::string>{"11.01", "Fr", "R", ""}),
              rowCells(list.rows[0], {0, 1, 2, 4}, year, labels));
    EXPECT_EQ((std::vector<std::string>{"", "", "L", "5.0"}),
              rowCells(list.rows[1], {0, 1, 2, 3}, year, labels));
    EXPECT_EQ("13.01", rowCells(list.rows[2], {0}, year, labels)[0]);
    EXPECT_EQ(1u, searchRows(year, 1, 4).rows.size() - 1);

    year.days[3].actualTypes = 7;  // on a day without entries: found, but no row
    EXPECT_TRUE(searchRows(year, 5, 7).found);
    EXPECT_TRUE(searchRows(year, 5, 7).rows.empty());
    EXPECT_FALSE(searchRows(year, 5, 8).found);
}

TEST(ColumnOrder, StoredValuesAreReadAndDamagedOnesRepaired) {
    EXPECT_EQ((StoredOrder{allColumns(), true}), parseColumnOrder("-1"));
    EXPECT_EQ((StoredOrder{{0, 8, 3}, false}), parseColumnOrder("3$0$8$3$"));
    EXPECT_EQ((StoredOrder{{0, 8, 3}, true}), parseColumnOrder("12$8$3$8$11$-2$x$"));
    EXPECT_EQ((StoredOrder{{5, 0}, false}), parseColumnOrder("2$5$0$"));
    EXPECT_EQ((StoredOrder{{5, 0}, true}), parseColumnOrder("4$5$0$"));
    EXPECT_EQ((StoredOrder{allColumns(), true}), parseColumnOrder("3$99$a$"));
    EXPECT_EQ((StoredOrder{allColumns(), true}), parseColumnOrder(""));
}

}  // namespace
}  // namespace sb::lists
