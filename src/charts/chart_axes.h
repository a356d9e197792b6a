// The value axis (minor and major grid, ticks, whole-number labels) and the category axes of every
// diagram: weeks of the year, months, weekdays, days of a month, and the time and distance X axes of
// the X-Y diagram.
#pragma once

#include "platform/canvas.h"

namespace sb::charts {

// The numbers are the quantity codes the X-Y axes share with them.
enum CategoryAxis {
    kTimeAxis = 129,
    kDistanceAxis = 130,
    kWeeksAxis = 131,
    kMonthsAxis = 132,
    kWeekdaysAxis = 133,
    kDaysOfMonthAxis = 134,
};

// scale: logical units per unit of value (plot height ÷ axisMax). Labels appear only when maxValue is
// not 0. An axis top of 0 (an infinite scale) draws nothing at all.
void drawValueAxis(platform::Canvas& canvas, int style, int lineHeight, double scale, double axisMax,
                   double maxValue);

// extent: the slot width for the bar diagrams' axes, the X axis maximum (seconds or km) for the
// X-Y axes 129 and 130.
void drawCategoryAxis(platform::Canvas& canvas, int style, int axisKind, int lineHeight, double extent);

}  // namespace sb::charts
