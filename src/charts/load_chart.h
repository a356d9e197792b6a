// The season's load on the chart canvas: day points as thin bars, fitness and fatigue as lines, form
// as a line around the zero line, on a value axis that reaches below zero, with the weeks of the year
// beneath, a legend and the count of sessions without load.
#pragma once

#include "platform/canvas.h"
#include "statistics/training_load.h"

namespace sb::charts {

namespace load_colour {
constexpr platform::Colour points = platform::rgb(150, 170, 210);
constexpr platform::Colour fitness = platform::rgb(0, 80, 200);
constexpr platform::Colour fatigue = platform::rgb(220, 40, 40);
constexpr platform::Colour form = platform::rgb(0, 150, 60);
}  // namespace load_colour

// The value axis: from bottom to top in steps of step, bottom ≤ 0 ≤ top, all whole multiples of step.
struct LoadAxis {
    double bottom = 0;
    double top = 0;
    double step = 0;
};
LoadAxis loadAxis(const statistics::LoadSeries& series);

// markedDay: the day index drawn as a dotted vertical line, or -1 for none.
void drawLoadChart(platform::Canvas& canvas, const statistics::LoadSeries& series, int planYear,
                   int markedDay);

// The day whose column holds a logical point of the plot, or -1 outside the plot.
int loadDayAt(const statistics::LoadSeries& series, platform::Point logical);

}  // namespace sb::charts
