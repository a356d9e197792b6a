// The key figures of a recording as "name<TAB>value" lines: sample count, duration, heart-rate range,
// the maxima of the columns the file holds, and time and share per pulse zone.
#pragma once

#include <string>
#include <vector>

#include "recordings/loaded_recording.h"
#include "recordings/pulse_zones.h"

namespace sb::recordings {

// Each line ends with '\n'. Zone lines "zone<k>\t<seconds>\t<percent>" for k = 1 … the zones in use,
// reckoned from the time and heart-rate columns whatever the diagram shows.
std::string recordingSummary(const LoadedRecording& recording, const std::vector<PulseZone>& zones);

}  // namespace sb::recordings
