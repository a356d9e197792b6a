// The X-Y diagram of a recording: one quantity over time or distance on the chart canvas, with the
// pulse zones as coloured bands behind a pulse curve.
#pragma once

#include <vector>

#include "platform/canvas.h"
#include "platform/printer.h"
#include "recordings/pulse_zones.h"
#include "recordings/recording_table.h"

namespace sb::recordings {

// The smallest rung of the X code's ladder (time 3600 … 57600 s, distance 25 … 750 km) greater than
// the last X value; past the ladder the next multiple of its last step.
float xAxisMaximum(int xCode, float lastX);
// The same along the Y code's ladder for the largest Y value (at least 0).
float yAxisMaximum(int yCode, float largestY);

// Draws on a canvas mapped onto the chart frame (setupScreenFrame or the printer frame).
void drawXyDiagram(platform::Canvas& canvas, const XySeries& series, const std::vector<PulseZone>& zones);
// The diagram on the upper half of one page, as the print job "X_Y_Diagramm"; false when the printer
// could not start or finish the document.
bool printXyDiagram(platform::Printer& printer, const XySeries& series, const std::vector<PulseZone>& zones);

}  // namespace sb::recordings
