// The polyline of a long series, thinned to what a logical x column can show.
#pragma once

#include <vector>

#include "platform/canvas.h"

namespace sb::recordings {

// Runs of points that share an x keep their first, lowest, highest and last point in their order, so
// the line looks the same while a 100,000-sample curve draws as a few thousand points.
std::vector<platform::Point> thinnedCurve(const std::vector<platform::Point>& points);

}  // namespace sb::recordings
