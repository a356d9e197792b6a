// Week and month ranges. The complaints name the range from the same constants the checks use, so the
// text cannot promise a range the check does not keep.
#include "model/period_range.h"

#include <algorithm>

namespace sb::model {
namespace {

std::string outOfRange(const char* heading, int last, MessageLayout layout) {
    const std::string range = "uss zwischen 1 und " + std::to_string(last) + " liegen";
    return std::string(heading) + (layout == MessageLayout::TwoLines ? "\nM" : ": m") + range;
}

}  // namespace

bool isTrainingWeek(int week) {
    return week >= 1 && week <= kLastTrainingWeek;
}

bool isMonth(int month) {
    return month >= 1 && month <= kLastMonth;
}

int clampWeek(int week) {
    return std::clamp(week, 1, kLastTrainingWeek);
}

int clampMonth(int month) {
    return std::clamp(month, 1, kLastMonth);
}

std::string wrongWeekMessage(MessageLayout layout) {
    return outOfRange("Falsche Woche", kLastTrainingWeek, layout);
}

std::string wrongMonthMessage(MessageLayout layout) {
    return outOfRange("Falscher Monat", kLastMonth, layout);
}

}  // namespace sb::model
