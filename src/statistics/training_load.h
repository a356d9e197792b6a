// The season's load from the diary: per day the session points (minutes × load, summed over the four
// sports), fitness and fatigue as exponentially weighted averages of them, and the form the athlete
// wakes up with. Both averages start at 0 before 1 January of the plan year.
#pragma once

#include <string>
#include <vector>

#include "model/day_limits.h"
#include "model/training_year.h"

namespace sb::statistics {

// Time constants in days.
constexpr double kFitnessDays = 42;
constexpr double kFatigueDays = 7;
// Loads above the scale's top are taken as the top: a damaged file must not inflate the points.
using model::kHighestLoad;

struct LoadDay {
    double points = 0;   // minutes × load of the day's sessions
    double fitness = 0;  // after the day
    double fatigue = 0;  // after the day
    double form = 0;     // fitness − fatigue of the day before
};

struct LoadSeries {
    std::vector<LoadDay> days;  // index 0 = 1 January; 365 or 366 entries
    int unloadedSessions = 0;   // sessions with time but load 0: they count no points
};

// Minutes of the entry's duration × its load (0 below 1, kHighestLoad above it).
double sessionPoints(const model::SportEntry& entry);
double dayPoints(const model::DayRecord& day);
LoadSeries computeLoadSeries(const model::TrainingYear& year);
// One decimal with a dot, and never "-0.0": a form that rounds to nothing shows as 0.0.
std::string formatLoadValue(double value);

}  // namespace sb::statistics
