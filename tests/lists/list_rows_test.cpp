// The rows, cells and sums every list shows: which entries become rows for which consumer, the cell
// texts, the days of a period, the search's rows, and stored column orders that must be repaired.
#include <gtest/gtest.h>

#include "list_fixtures.h"
#include "lists/column_order.h"
#include "lists/day_rows.h"
#include "lists/list_columns.h"
#include "lists/list_rows.h"
#include "lists/sum_texts.h"

namespace sb::lists {
namespace {

using model::kBike;
using model::kOther;
using model::kRun;
using model::kSwim;

model::TrainingYear emptyYear(int planYear, int version = 3) {
    model::TrainingYear year;
    year.planYear = planYear;
    year.planFileVersion = version;
    return year;
}

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
    EXPECT_EQ(std::vector<int>{kRun}, searchRowSports(day, 3, 2, 4));
    EXPECT_TRUE(searchRowSports(day, 2, 5, 4) == std::vector<int>{kRun});
}

TEST(ListRows, CellsOfEveryColumn) {
    model::TrainingYear year = emptyYear(2008);
    model::DayRecord& day = year.days[59];  // Friday 29 February
    day.bike = {"Runde", 0, 42.26f, 300, "01:30", 3, "GA1"};
    day.other = {"Kraftraum", 0, 0, 0, "", 2, ""};
    day.plannedTypes = 3;
    day.actualTypes = 1 + 300;
    const model::TrainingTypeLabels labels = testing::testLabels();
    std::vector<std::string> bike;
    for (int id = 0; id <= kColumnCount; ++id) bike.push_back(cellText(id, year, 59, kBike, 50.04f, labels));
    EXPECT_EQ((std::vector<std::string>{"29.02", "Fr", "R", "42.3", "50.0", "01:30", labels[3], labels[1],
                                        "Runde", "GA1", "3", ""}),
              bike);
    EXPECT_EQ("", cellText(kRunningDistanceColumn, year, 59, kOther, 50, labels));
    EXPECT_EQ(labels[3], cellText(kActualTypeColumn, year, 59, kOther, std::nullopt, labels));
    EXPECT_EQ("", cellText(kRunningDistanceColumn, year, 59, kBike, std::nullopt, labels));
    EXPECT_EQ("Fr", cellText(kWeekdayColumn, year, 59, 0, std::nullopt, labels));
    EXPECT_EQ("", cellText(kSportColumn, year, 59, 5, std::nullopt, labels));
    EXPECT_EQ("", cellText(kDateColumn, emptyYear(2009), 365, kBike, std::nullopt, labels));
}

TEST(ListRows, PeriodsFollowTheTrainingWeeksAndMonths) {
    EXPECT_EQ((model::DayRange{0, 6}), listPeriod(ListKind::Week, 1, 2007));       // begins on a Monday
    EXPECT_EQ((model::DayRange{0, 5}), listPeriod(ListKind::Week, 1, 2008));       // to the Sunday
    EXPECT_EQ((model::DayRange{0, 0}), listPeriod(ListKind::Week, 1, 2012));       // 1 January a Sunday
    EXPECT_EQ((model::DayRange{358, 365}), listPeriod(ListKind::Week, 53, 2012));  // eight days
    EXPECT_EQ((model::DayRange{31, 59}), listPeriod(ListKind::Month, 2, 2008));
    EXPECT_EQ((model::DayRange{334, 364}), listPeriod(ListKind::Month, 12, 2009));
    EXPECT_EQ((model::DayRange{0, 365}), listPeriod(ListKind::Year, 0, 2008));
}

TEST(ListRows, WeekRowsRunningTotalsAndSums) {
    model::TrainingYear year = emptyYear(2009);
    year.days[5].bike = {"A", 0, 10, 0, "00:30", 0, ""};  // Tuesday of week 2
    year.days[5].swim = {"", 0, 1.5f, 0, "00:45", 0, ""};
    year.days[6].bike = {"B", 0, 0, 0, "01:00", 0, ""};
    year.days[6].other = {"Yoga", 0, 0, 0, "", 0, ""};
    year.days[7].bike = {"C", 0, 20.5f, 0, "00:00", 0, ""};
    year.days[6].bodyWeight = 70;
    year.days[7].bodyWeight = 71.5f;
    year.days[4].bike.distanceKm = 99;  // Monday: counts for week 2 too
    PeriodList list = periodRows(year, listPeriod(ListKind::Week, 2, 2009));
    ASSERT_EQ(6u, list.rows.size());
    EXPECT_EQ((ListRow{4, kBike, 99, false}), list.rows[0]);
    EXPECT_EQ((ListRow{5, kSwim, 1.5f, false}), list.rows[2]);
    EXPECT_EQ((ListRow{6, kOther, 0, false}), list.rows[4]);
    EXPECT_EQ((ListRow{7, kBike, 129.5f, false}), list.rows[5]);
    const auto lines = sumLines(sumsOf(list.totals), 3);
    ASSERT_EQ(6u, lines.size());
    EXPECT_EQ((std::vector<std::string>{"129.5km", "1.5h", "4x"}), lines[0].values);
    EXPECT_EQ((std::vector<std::string>{"1.5km", "0.8h", "1x"}), lines[2].values);
    EXPECT_EQ((std::vector<std::string>{"0.0h", "1x"}), lines[3].values);
    EXPECT_EQ((std::vector<std::string>{"2.3h", "6x"}), lines[4].values);
    EXPECT_EQ(std::vector<std::string>{"70.8kg"}, lines[5].values);
    EXPECT_EQ("0.0kg", sumLines(sumsOf(PeriodTotals{}), 2)[4].values[0]);
    EXPECT_EQ("Alternativsport", sumLines(sumsOf(PeriodTotals{}), 2)[2].name);
}

TEST(ListRows, SearchShowsTheDateOnlyOnTheDaysFirstRow) {
    model::TrainingYear year = emptyYear(2008);
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

    model::TrainingYear onlyEmpty = emptyYear(2008);
    onlyEmpty.days[3].actualTypes = 7;
    EXPECT_TRUE(searchRows(onlyEmpty, 5, 7).found);
    EXPECT_TRUE(searchRows(onlyEmpty, 5, 7).rows.empty());
    EXPECT_FALSE(searchRows(onlyEmpty, 5, 8).found);
}

TEST(ColumnOrder, StoredValuesAreReadAndDamagedOnesRepaired) {
    EXPECT_EQ((StoredOrder{allColumns(), true}), parseColumnOrder("-1"));
    EXPECT_EQ("11$0$1$2$3$4$5$6$7$8$9$10$", formatColumnOrder(allColumns()));
    EXPECT_EQ((StoredOrder{{0, 8, 3}, false}), parseColumnOrder("3$0$8$3$"));
    EXPECT_EQ((StoredOrder{{0, 8, 3}, true}), parseColumnOrder("12$8$3$8$11$-2$x$"));
    EXPECT_EQ((StoredOrder{{5, 0}, false}), parseColumnOrder("2$5$0$"));
    EXPECT_EQ((StoredOrder{{5, 0}, true}), parseColumnOrder("4$5$0$"));
    EXPECT_EQ((StoredOrder{allColumns(), true}), parseColumnOrder("3$99$a$"));
    EXPECT_EQ((StoredOrder{allColumns(), true}), parseColumnOrder(""));

    ColumnOrder order{0, 3};
    toggleColumn(order, 5);
    toggleColumn(order, 3);
    toggleColumn(order, 0);
    toggleColumn(order, 11);
    EXPECT_EQ((ColumnOrder{0, 5}), order);
}

}  // namespace
}  // namespace sb::lists
