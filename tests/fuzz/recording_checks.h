// What every recording reader must allow, whatever the bytes: the summary with its pulse zones and the
// X-Y diagram can be computed and drawn (of one quantity pair an input picks: drawing every pair for
// every input would slow the search too much).
#pragma once

#include <cmath>

#include "config/config_store.h"
#include "fuzz_target.h"
#include "platform/headless/recording_canvas.h"
#include "recordings/loaded_recording.h"
#include "recordings/pulse_zones.h"
#include "recordings/recording_summary.h"
#include "recordings/xy_diagram.h"

inline const std::vector<sb::recordings::PulseZone>& fuzzZones() {
    static const std::vector<sb::recordings::PulseZone> zones = [] {
        sb::config::PulseZones settings;
        settings.count = 3;
        settings.upper = {100, 130, 160, 190, 0, 0};
        return sb::recordings::pulseZonesOf(settings);
    }();
    return zones;
}

inline void checkRecording(const sb::recordings::LoadedRecording& recording, std::size_t inputSize) {
    // No value a column cannot hold reaches the summary or the diagram.
    for (const sb::recordings::RecordingSample& sample : recording.table) {
        for (const float value : sample) fuzzRequire(std::isfinite(value));
        fuzzRequire(sample[sb::recordings::kHeartRateSlot] >= 0 && sample[sb::recordings::kHeartRateSlot] <= 255);
    }
    sb::recordings::recordingSummary(recording, fuzzZones());
    const int xCode = 129 + static_cast<int>(inputSize % 2);
    const int yCode = 135 + static_cast<int>(inputSize / 2 % 8);
    sb::platform::headless::RecordingCanvas canvas({640, 480});
    sb::recordings::drawXyDiagram(canvas, sb::recordings::seriesOf(recording.table, xCode, yCode), fuzzZones());
}
