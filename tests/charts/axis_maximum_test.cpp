// The value-axis top: each ladder at and just below its rungs, past its last rung, and the codes that
// keep their largest value.
#include "charts/axis_maximum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/diagram_quantity.h"

using namespace sb::charts;
using namespace sb::model;

namespace {

void expectLadder(int code, const std::vector<float>& rungs) {
    for (std::size_t i = 0; i < rungs.size(); ++i) {
        float below = std::nextafter(rungs[i], 0.0f);
        EXPECT_EQ(axisMaximum(code, below), rungs[i]) << code << " below " << rungs[i];
        float expectedAt = i + 1 < rungs.size() ? rungs[i + 1] : rungs[i];
        EXPECT_EQ(axisMaximum(code, rungs[i]), expectedAt) << code << " at " << rungs[i];
    }
    float beyond = rungs.back() * 3.5f;
    EXPECT_EQ(axisMaximum(code, beyond), beyond) << code;
    EXPECT_EQ(axisMaximum(code, -7), 0.1f) << code;
}

}  // namespace

TEST(AxisMaximum, LaddersRoundUpToTheFirstRungAboveTheValue) {
    std::vector<float> amounts{0.1f, 5, 10, 25, 50, 100, 250, 500, 1000, 2500, 5000, 7500, 10000, 25000};
    for (int code : {kKmBike, kKmOther, kTimeBike, kTimeTotal, kTimeBySport, kClimbing, kTime, kActualKmBike,
                     kActualTimeOther})
        expectLadder(code, amounts);
    for (int code : {kAverageWeight, kAverageRestingPulse}) expectLadder(code, {0.1f, 50, 75, 100, 125, 150});
    for (int code : {kCountBike, kCountTotal}) expectLadder(code, {0.1f, 5, 10, 15, 20, 25, 30, 40});

    EXPECT_EQ(axisMaximum(kKmRun, 0), 0.1f);
    EXPECT_EQ(axisMaximum(kKmRun, 4.9f), 5);
    EXPECT_EQ(axisMaximum(kKmRun, 249.5f), 250);
    EXPECT_EQ(axisMaximum(kCountTotal, 12), 15);
    EXPECT_EQ(axisMaximum(kAverageWeight, 68.3f), 75);
}

TEST(AxisMaximum, LoadIsFixedAndDayValuesKeepTheirMaximum) {
    for (float value : {0.0f, 3.0f, 5.0f, 17.0f}) EXPECT_EQ(axisMaximum(kLoad, value), 5);
    for (int code : std::initializer_list<int>{kWeight, kRestingPulse, kXyPulse, kXyTemperature, 0, 121}) {
        EXPECT_EQ(axisMaximum(code, 0), 0) << code;
        EXPECT_EQ(axisMaximum(code, 68.3f), 68.3f) << code;
    }
}
