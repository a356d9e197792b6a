// The limits of one day's values. Every bound includes its value except the route length's, which
// keeps a route shorter than the longest day.
#include "model/day_limits.h"

namespace sb::model {
namespace {

constexpr double kMostKmPerDay = 500;
constexpr int kHighestPulse = 240;
constexpr double kHighestClimbMetres = 10000;
constexpr int kMostHours = 24;
constexpr int kLastMinute = 59;
constexpr double kHighestBodyWeightKg = 150;

}  // namespace

bool dayDistanceAllowed(double km) {
    return km >= 0 && km <= kMostKmPerDay;
}

bool routeLengthAllowed(double km) {
    return km >= 0 && km < kMostKmPerDay;
}

bool pulseAllowed(int bpm) {
    return bpm >= 0 && bpm <= kHighestPulse;
}

bool heightAllowed(double metres) {
    return metres >= 0 && metres <= kHighestClimbMetres;
}

bool hoursAllowed(int hours) {
    return hours >= 0 && hours <= kMostHours;
}

bool minutesAllowed(int minutes) {
    return minutes >= 0 && minutes <= kLastMinute;
}

bool bodyWeightAllowed(double kg) {
    return kg >= 0 && kg <= kHighestBodyWeightKg;
}

bool loadAllowed(int load) {
    return load >= 0 && load <= kHighestLoad;
}

}  // namespace sb::model
