// The top of a diagram's value axis: the largest plotted value rounded up along a ladder of rungs that
// depends on the quantity.
#pragma once

namespace sb::charts {

// Distances, times, climbing and the IST-Plan codes round up along 0.1, 5, 10, 25 … 25000; averages
// along 0.1, 50 … 150; counts along 0.1, 5 … 40; load is always 5. Past the last rung, and for every
// other code (weight, resting pulse, X-Y), the value itself.
float axisMaximum(int code, float maxValue);

}  // namespace sb::charts
