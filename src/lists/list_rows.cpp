// Period rows, search rows and their totals.
#include "lists/list_rows.h"

#include <algorithm>

#include "lists/day_rows.h"
#include "lists/list_columns.h"

namespace sb::lists {

namespace {

constexpr float kHoursPerMinute = 0.016666668f;

std::size_t slot(int sport) {
    return std::size_t(sport - 1);
}

}  // namespace

model::DayRange listPeriod(ListKind kind, int number, int planYear) {
    switch (kind) {
        case ListKind::Week:
            return model::trainingWeekDays(number, planYear);
        case ListKind::Month: {
            const int month = model::clampMonth(number);
            const int first = model::dayOfYear(1, month, planYear) - 1;
            return {first, first + model::daysOfPlanMonth(month, planYear) - 1};
        }
        case ListKind::Year:
            break;
    }
    return {0, model::dayCount(planYear) - 1};
}

void addDayDistances(PeriodTotals& totals, const model::DayRecord& day) {
    totals.km[slot(model::kBike)] += day.bike.distanceKm;
    totals.km[slot(model::kRun)] += day.run.distanceKm;
    totals.km[slot(model::kSwim)] += day.swim.distanceKm;
}

void addDayTimesAndWeight(PeriodTotals& totals, const model::DayRecord& day) {
    totals.weightSum += day.bodyWeight;
    if (day.bodyWeight > 0) ++totals.weighedDays;
    for (int sport : {model::kBike, model::kRun, model::kOther, model::kSwim})
        totals.minutes[slot(sport)] += float(model::parseDuration(entryOfSport(day, sport).duration, 0));
}

PeriodSums sumsOf(const PeriodTotals& totals) {
    PeriodSums sums;
    sums.km = totals.km;
    sums.rows = totals.rows;
    for (std::size_t i = 0; i < 4; ++i) {
        sums.hours[i] = totals.minutes[i] * kHoursPerMinute;
        sums.totalHours += sums.hours[i];
        sums.totalRows += totals.rows[i];
    }
    sums.averageWeight = totals.weightSum / float(std::max(totals.weighedDays, 1));
    return sums;
}

PeriodList periodRows(const model::TrainingYear& year, const model::DayRange& days) {
    PeriodList list;
    for (int index = std::max(days.first, 0); index <= std::min(days.last, model::dayCount(year) - 1);
         ++index) {
        const model::DayRecord& day = year.days[std::size_t(index)];
        addDayDistances(list.totals, day);
        for (int sport : listRowSports(day, year.planFileVersion)) {
            ++list.totals.rows[slot(sport)];
            list.rows.push_back({index, sport, list.totals.km[slot(sport)], false});
        }
        addDayTimesAndWeight(list.totals, day);
    }
    return list;
}

SearchList searchRows(const model::TrainingYear& year, int sportMode, int type) {
    SearchList list;
    for (int index = 0; index < model::dayCount(year); ++index) {
        const model::DayRecord& day = year.days[std::size_t(index)];
        if (dayMatchesType(day, type)) list.found = true;
        bool first = true;
        for (int sport : searchRowSports(day, year.planFileVersion, sportMode, type)) {
            list.rows.push_back({index, sport, std::nullopt, !first});
            first = false;
        }
    }
    return list;
}

std::vector<std::string> rowCells(const ListRow& row, const ColumnOrder& order,
                                  const model::TrainingYear& year, const model::TrainingTypeLabels& labels) {
    std::vector<std::string> cells;
    for (int id : order) {
        const bool blank = row.repeatsDay && (id == kDateColumn || id == kWeekdayColumn);
        cells.push_back(blank ? std::string()
                              : cellText(id, year, row.dayIndex, row.sport, row.runningKm, labels));
    }
    return cells;
}

std::vector<std::string> headerCells(const ColumnOrder& order) {
    std::vector<std::string> headers;
    for (int id : order) headers.push_back(columnHeader(id));
    return headers;
}

}  // namespace sb::lists
