// Aggregation of the diagram quantities. Values are summed in single precision, as the axis ladders
// compare them; every pass reads only the days of the plan year and writes only the kind's slots.
#include "statistics/diagram_statistics.h"

#include <algorithm>
#include <cmath>

#include "model/calendar.h"

namespace sb::statistics {

using namespace model;

namespace {

using model::DayRecord;
using model::SportEntry;
using model::TrainingYear;

constexpr float kHoursPerMinute = 0.016666668f;
constexpr int kWeekSlots = 7;
constexpr int kMonthSlots = model::kLastMonth;

int minutesOf(const SportEntry& entry) {
    return model::parseDuration(entry.duration, 0);
}
float hoursOf(const SportEntry& entry) {
    return static_cast<float>(minutesOf(entry)) * kHoursPerMinute;
}
// A sport entry counts as a training unit when it has a distance, or failing that at least a minute.
bool isCounted(const SportEntry& entry) {
    return entry.distanceKm > 0 || minutesOf(entry) >= 1;
}

bool isAverage(int code) {
    return code == kAverageWeight || code == kAverageRestingPulse;
}

// The value of a plain single-value code on one day. Swimming joins the day's totals only in a plan of
// version 3, the only format that holds it.
float dayValue(const DayRecord& day, int code, int planFileVersion) {
    bool withSwim = planFileVersion == 3;
    if (code >= kKmBike && code <= kKmOther) return entryOfPart(day, code - kKmBike).distanceKm;
    if (code >= kCountBike && code <= kCountOther)
        return isCounted(entryOfPart(day, code - kCountBike)) ? 1 : 0;
    if (code >= kTimeBike && code <= kTimeOther) return hoursOf(entryOfPart(day, code - kTimeBike));
    switch (code) {
        case kCountTotal:
            return static_cast<float>(isCounted(day.bike) + isCounted(day.run) + isCounted(day.other) +
                                      (withSwim && isCounted(day.swim)));
        case kTimeTotal: {
            float hours = hoursOf(day.bike) + hoursOf(day.run) + hoursOf(day.other);
            return withSwim ? hours + hoursOf(day.swim) : hours;
        }
        case kWeight:
        case kAverageWeight:
            return day.bodyWeight;
        case kRestingPulse:
        case kAverageRestingPulse:
            return static_cast<float>(day.restingPulse);
        case kClimbing:
            return day.bike.heightMetres;
        default:
            return 0;
    }
}

// Averages take only the days on which the value was recorded.
bool hasAverageValue(const DayRecord& day, int code) {
    return code == kAverageWeight ? day.bodyWeight > 0 : day.restingPulse >= 1;
}

// The actual amount of one sport, filed under the training type that sport's digit names.
void addByType(DiagramSlot& slot, const DayRecord& day, int code) {
    int part = (code - kActualKmBike) % kSportPartCount;
    const SportEntry& entry = entryOfPart(day, part);
    float value = code >= kActualTimeBike ? hoursOf(entry) : entry.distanceKm;
    if (value == 0) return;
    slot.byType[model::sportTypeDigit(day.actualTypes, sportOfPart(part))] += value;
    slot.total += value;
}

void addBySport(DiagramSlot& slot, const DayRecord& day, int code, const SportParts& sports) {
    for (int part = 0; part < kSportPartCount; ++part) {
        if (!sports[part]) continue;
        const SportEntry& entry = entryOfPart(day, part);
        float value = code == kLoad ? static_cast<float>(entry.load) : hoursOf(entry);
        slot.bySport[part] += value;
        slot.total += value;
    }
}

void addDay(DiagramSeries& series, int slot, const DayRecord& day, int planFileVersion) {
    if (slot < 0 || slot >= series.slotCount) return;
    switch (series.parts) {
        case SeriesParts::bySport:
            addBySport(series.slots[slot], day, series.code, series.sports);
            break;
        case SeriesParts::byType:
            addByType(series.slots[slot], day, series.code);
            break;
        case SeriesParts::none:
            series.slots[slot].total += dayValue(day, series.code, planFileVersion);
            break;
    }
}

// The sports of a split code: 117 stacks the sports the mode includes; 128 and 127 set the selected
// ones side by side, and load exists only in plans of version 3 (the legend still names the selection).
void chooseSports(DiagramSeries& series, int sportMode, int planFileVersion, int sportBits) {
    switch (series.code) {
        case kTimeBySport:
            series.sports = series.legendSports = includedSports(sportMode, planFileVersion);
            break;
        case kTime:
            series.sports = series.legendSports = selectedSports(sportBits, sportMode, planFileVersion);
            break;
        case kLoad:
            series.legendSports = selectedSports(sportBits, sportMode, planFileVersion);
            if (planFileVersion == 3) series.sports = series.legendSports;
            break;
        default:
            break;
    }
}

DiagramSeries startSeries(int code, int slotCount) {
    DiagramSeries series;
    series.code = code;
    series.slotCount = slotCount;
    series.parts = seriesParts(code);
    return series;
}

bool isSideBySide(int code) {
    return code == kLoad || code == kTime;
}

DiagramSeries finish(DiagramSeries series) {
    float largest = 0;
    for (int k = 0; k < series.slotCount; ++k) {
        const DiagramSlot& slot = series.slots[k];
        if (isSideBySide(series.code)) {
            for (int part = 0; part < kSportPartCount; ++part)
                if (series.sports[part] && std::isfinite(slot.bySport[part]))
                    largest = std::max(largest, slot.bySport[part]);
        } else if (std::isfinite(slot.total)) {
            largest = std::max(largest, slot.total);
        }
    }
    series.maxValue = largest;
    return series;
}

// Both year diagrams: one pass over the plan year, each day into the slot its date names.
template <typename SlotOfDate>
DiagramSeries aggregateYear(const TrainingYear& year, int sportMode, int code, int kind, int slotCount,
                            SlotOfDate slotOfDate) {
    DiagramSeries series = startSeries(code, slotCount);
    if (!kindHandlesQuantity(kind, code)) return finish(series);
    chooseSports(series, sportMode, year.planFileVersion, 0);
    std::array<int, kMaxSlots> recordedDays{};
    int days = std::min(model::dayCount(year.planYear), model::kMaxDays);
    for (int d = 0; d < days; ++d) {
        const DayRecord& day = year.days[d];
        int slot = slotOfDate(model::dateOfDayOfYear(d + 1, year.planYear));
        if (slot < 0 || slot >= slotCount) continue;
        if (!isAverage(code)) {
            addDay(series, slot, day, year.planFileVersion);
        } else if (hasAverageValue(day, code)) {
            series.slots[slot].total += dayValue(day, code, year.planFileVersion);
            ++recordedDays[slot];
        }
    }
    for (int k = 0; k < slotCount; ++k)
        if (recordedDays[k] != 0) series.slots[k].total /= static_cast<float>(recordedDays[k]);
    return finish(series);
}

}  // namespace

DiagramSeries aggregateWeekOfYear(const TrainingYear& year, int sportMode, int code) {
    return aggregateYear(year, sportMode, code, kWeekOfYearDiagram, kMaxSlots, [&](model::DayMonth date) {
        return model::weekOfYear(date.day, date.month, year.planYear) - 1;
    });
}

DiagramSeries aggregateMonthOfYear(const TrainingYear& year, int sportMode, int code) {
    return aggregateYear(year, sportMode, code, kMonthOfYearDiagram, kMonthSlots,
                         [](model::DayMonth date) { return date.month - 1; });
}

// Every day of a week sits in the slot of its own weekday, so a Tuesday 1 January is drawn under "Di"
// and the eighth day of a week 53 joins its Monday.
DiagramSeries aggregateWeek(const TrainingYear& year, int sportMode, int code, int week, int sportBits) {
    DiagramSeries series = startSeries(code, kWeekSlots);
    if (!kindHandlesQuantity(kWeekDiagram, code)) return finish(series);
    chooseSports(series, sportMode, year.planFileVersion, sportBits);
    model::DayRange range = model::trainingWeekDays(week, year.planYear);
    int mondayOffset = model::weekdayOf(1, 1, year.planYear) - 1;
    for (int d = range.first; d <= std::min(range.last, model::kMaxDays - 1); ++d)
        addDay(series, (d + mondayOffset) % kWeekSlots, year.days[d], year.planFileVersion);
    return finish(series);
}

DiagramSeries aggregateMonth(const TrainingYear& year, int sportMode, int code, int month) {
    month = model::clampMonth(month);
    int length = model::daysOfPlanMonth(month, year.planYear);
    DiagramSeries series = startSeries(code, length);
    if (!kindHandlesQuantity(kMonthDiagram, code)) return finish(series);
    chooseSports(series, sportMode, year.planFileVersion, 0);
    int first = model::dayOfYear(1, month, year.planYear) - 1;
    for (int slot = 0; slot < length; ++slot)
        addDay(series, slot, year.days[first + slot], year.planFileVersion);
    return finish(series);
}

DiagramSeries aggregateDiagram(const TrainingYear& year, int sportMode, const DiagramSelection& selection) {
    switch (selection.kind) {
        case kWeekOfYearDiagram:
            return aggregateWeekOfYear(year, sportMode, selection.code);
        case kMonthOfYearDiagram:
            return aggregateMonthOfYear(year, sportMode, selection.code);
        case kWeekDiagram:
            return aggregateWeek(year, sportMode, selection.code, selection.week, selection.sportBits);
        case kMonthDiagram:
            return aggregateMonth(year, sportMode, selection.code, selection.month);
        default:
            return startSeries(selection.code, 0);
    }
}

}  // namespace sb::statistics
