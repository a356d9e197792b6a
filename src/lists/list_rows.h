// The rows of a week, month or year list and of the search list, with the period totals the lists
// show below them. The dialogs, the printouts and the documents all take their rows from here.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "lists/column_order.h"
#include "model/calendar.h"
#include "model/training_types.h"
#include "model/training_year.h"

namespace sb::lists {

enum class ListKind { Week = 1, Month = 2, Year = 3 };

// The days of week 1…53, month 1…12 or the whole plan year (number ignored); a number outside its range
// is clamped.
model::DayRange listPeriod(ListKind kind, int number, int planYear);

struct ListRow {
    int dayIndex = 0;
    int sport = 0;                   // model::Sport
    std::optional<float> runningKm;  // the sport's distance in the period up to this day; none in the search
    bool repeatsDay = false;         // not the day's first row in the search: date and weekday stay empty
    bool operator==(const ListRow&) const = default;
};

// Indexed by model::Sport − 1 (Rad, Laufen, Alternativ, Schwimmen).
using PerSport = std::array<float, 4>;

// Collected day by day: distances before the day's rows, so a row's running total includes its own day.
struct PeriodTotals {
    PerSport km{};  // the alternative sport keeps no distance
    PerSport minutes{};
    std::array<int, 4> rows{};
    float weightSum = 0;  // kg
    int weighedDays = 0;
};
void addDayDistances(PeriodTotals& totals, const model::DayRecord& day);
void addDayTimesAndWeight(PeriodTotals& totals, const model::DayRecord& day);

struct PeriodSums {
    PerSport km{};
    PerSport hours{};
    std::array<int, 4> rows{};
    float totalHours = 0;
    int totalRows = 0;
    float averageWeight = 0;  // kg; 0 when no day was weighed
};
PeriodSums sumsOf(const PeriodTotals& totals);

struct PeriodList {
    std::vector<ListRow> rows;
    PeriodTotals totals;
};
PeriodList periodRows(const model::TrainingYear& year, const model::DayRange& days);

struct SearchList {
    std::vector<ListRow> rows;
    bool found = false;  // some sport of some day had the type, even one without a row
};
SearchList searchRows(const model::TrainingYear& year, int sportMode, int type);

// The row's cells in display order, Windows-1252.
std::vector<std::string> rowCells(const ListRow& row, const ColumnOrder& order,
                                  const model::TrainingYear& year, const model::TrainingTypeLabels& labels);
std::vector<std::string> headerCells(const ColumnOrder& order);

}  // namespace sb::lists
