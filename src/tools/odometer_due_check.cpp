// The odometer due check. Kilometres are summed in single precision, as the totals always were, and
// rounded down to whole kilometres.
#include "tools/odometer_due_check.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sb::tools {

namespace {

// Adds the day's counted distances to the single-precision total one sport at a time: summing the pair
// first would round differently and could move the whole-kilometre total by one.
void addCountedKm(float& total, const model::DayRecord& day, int sportSelector) {
    if (sportSelector == 1 || sportSelector == 3) total += day.bike.distanceKm;
    if (sportSelector == 2 || sportSelector == 3) total += day.run.distanceKm;
}

// Whole kilometres of a total, kept within int even for totals a damaged file could produce.
int wholeKm(float total) {
    if (std::isnan(total)) return 0;
    double floored = std::floor(double(total));
    return int(std::clamp(floored, double(std::numeric_limits<int>::min()),
                          double(std::numeric_limits<int>::max())));
}

}  // namespace

bool checkOdometersDue(model::TrainingYear& year) {
    if (year.planFileVersion == 1) return false;
    const int lastDay = model::dayCount(year) - 1;
    bool due = false;
    for (model::Odometer& odometer : year.odometers) {
        if (odometer.description.empty()) continue;
        float total = float(odometer.previousKm);
        // A start day from a damaged file may lie before the year; counting starts on 1 January then.
        for (int d = std::max(odometer.startDayIndex, 0); d <= lastDay; ++d) {
            addCountedKm(total, year.days[size_t(d)], odometer.sportSelector);
        }
        odometer.currentKm = wholeKm(total);
        if (odometer.currentKm >= odometer.dueKm && (odometer.state == 1 || odometer.state == 3)) {
            odometer.state = 3;
            due = true;
        }
    }
    return due;
}

}  // namespace sb::tools
