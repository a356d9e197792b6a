// Load series. Each day folds its points into both averages with the weight 1 − e^(−1/T), so a day's
// points move fitness slowly and fatigue quickly; form compares them before the day's training.
#include "statistics/training_load.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/calendar.h"

namespace sb::statistics {

namespace {

int clampedLoad(int load) {
    return std::clamp(load, 0, kHighestLoad);
}

bool isUnloadedSession(const model::SportEntry& entry) {
    return model::parseDuration(entry.duration, 0) > 0 && clampedLoad(entry.load) == 0;
}

}  // namespace

double sessionPoints(const model::SportEntry& entry) {
    return double(model::parseDuration(entry.duration, 0)) * clampedLoad(entry.load);
}

double dayPoints(const model::DayRecord& day) {
    return sessionPoints(day.run) + sessionPoints(day.bike) + sessionPoints(day.swim) +
           sessionPoints(day.other);
}

LoadSeries computeLoadSeries(const model::TrainingYear& year) {
    static const double fitnessWeight = 1 - std::exp(-1 / kFitnessDays);
    static const double fatigueWeight = 1 - std::exp(-1 / kFatigueDays);
    LoadSeries series;
    const int count = model::dayCount(year.planYear);
    series.days.resize(std::size_t(count));
    double fitness = 0;
    double fatigue = 0;
    for (int d = 0; d < count; ++d) {
        const model::DayRecord& record = year.days[std::size_t(d)];
        LoadDay& day = series.days[std::size_t(d)];
        day.form = fitness - fatigue;
        day.points = dayPoints(record);
        fitness += (day.points - fitness) * fitnessWeight;
        fatigue += (day.points - fatigue) * fatigueWeight;
        day.fitness = fitness;
        day.fatigue = fatigue;
        for (const model::SportEntry* entry : {&record.run, &record.bike, &record.swim, &record.other})
            series.unloadedSessions += isUnloadedSession(*entry);
    }
    return series;
}

std::string formatLoadValue(double value) {
    double rounded = std::round(value * 10) / 10;
    if (rounded == 0) rounded = 0;
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", rounded);
    return text;
}

}  // namespace sb::statistics
