// Axis ladders. The comparisons are made in single precision, the precision the series are summed in,
// so a week of exactly 5 km lands on the rung 10 and never on 5.
#include "charts/axis_maximum.h"

#include <array>
#include <span>

#include "model/diagram_quantity.h"

namespace sb::charts {
namespace {

constexpr std::array<float, 14> kAmountRungs{0.1f, 5,    10,   25,   50,   100,   250,
                                             500,  1000, 2500, 5000, 7500, 10000, 25000};
constexpr std::array<float, 6> kAverageRungs{0.1f, 50, 75, 100, 125, 150};
constexpr std::array<float, 8> kCountRungs{0.1f, 5, 10, 15, 20, 25, 30, 40};

float firstRungAbove(std::span<const float> rungs, float value) {
    for (float rung : rungs)
        if (value < rung) return rung;
    return value;
}

bool isAmountCode(int code) {
    return (code >= model::kKmBike && code <= model::kKmOther) || (code >= model::kTimeBike && code <= model::kTimeBySport) ||
           code == model::kClimbing || code == model::kTime || (code >= model::kActualKmBike && code <= model::kActualTimeOther);
}

}  // namespace

float axisMaximum(int code, float maxValue) {
    if (isAmountCode(code)) return firstRungAbove(kAmountRungs, maxValue);
    if (code == model::kAverageWeight || code == model::kAverageRestingPulse)
        return firstRungAbove(kAverageRungs, maxValue);
    if (code >= model::kCountBike && code <= model::kCountTotal) return firstRungAbove(kCountRungs, maxValue);
    if (code == model::kLoad) return 5;
    return maxValue;
}

}  // namespace sb::charts
