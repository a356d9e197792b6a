// Bars and line markers: flat and 3-D bars, the narrower-shifted sport bars of the week diagram, and
// the circles and joining line of the line style.
#pragma once

#include <vector>

#include "platform/canvas.h"

namespace sb::charts {

// A bar over the slot from left to right, top to bottom; inset = trunc(0.1 × the slot's width). In 3-D
// style the front face moves 10 units right and down and gets a checkered side and top face as deep as
// the inset.
void drawBar(platform::Canvas& canvas, int style, platform::Rect slot, int inset, platform::Colour colour);
// The same with a shift of 4 units, for the thin side-by-side bars.
void drawSportBar(platform::Canvas& canvas, int style, platform::Rect slot, int inset,
                  platform::Colour colour);

// Line style: a circle of radius 5 around each point and a line joining them in order, in the
// current pen.
void drawPointLine(platform::Canvas& canvas, const std::vector<platform::Point>& points);

}  // namespace sb::charts
