// The gear calculator's chart: one vertical line per chainring with a tick for every sprocket at the
// height of its development, and the step in percent between neighbouring sprockets beside it.
#pragma once

#include "platform/canvas.h"
#include "tools/gear_ratios.h"

namespace sb::tools {

// Draws on the chart canvas (1400 × 1000 logical units), already mapped and cleared. Draws nothing
// without a used chainring and sprocket or without a circumference.
void drawGearChart(platform::Canvas& canvas, const GearInputs& inputs);

}  // namespace sb::tools
