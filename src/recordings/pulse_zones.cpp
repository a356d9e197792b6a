// Pulse zones and their statistics.
#include "recordings/pulse_zones.h"

#include <algorithm>

namespace sb::recordings {

std::vector<PulseZone> pulseZonesOf(const config::PulseZones& settings) {
    std::vector<PulseZone> zones;
    const int count = std::clamp(settings.count, 0, kMaxPulseZones);
    for (int k = 0; k < count; ++k)
        zones.push_back({settings.lower[k], settings.upper[k], platform::Colour(settings.colours[k])});
    return zones;
}

ZoneStatistics computeZoneStatistics(const std::vector<float>& x, const std::vector<float>& y,
                                     const std::vector<PulseZone>& zones) {
    ZoneStatistics statistics;
    const std::size_t n = std::min(x.size(), y.size());
    const std::size_t count = std::min<std::size_t>(zones.size(), kMaxPulseZones);
    for (std::size_t i = 1; i < n; ++i) {
        if (y[i] <= 0) continue;  // no signal
        for (std::size_t k = 0; k < count; ++k) {
            if (y[i] >= float(zones[k].min) && y[i] <= float(zones[k].max)) {
                statistics.times[k] += x[i] - x[i - 1];
                break;
            }
        }
    }
    float total = 0;
    for (float time : statistics.times) total += time;
    for (std::size_t k = 0; k < statistics.times.size(); ++k)
        if (statistics.times[k] != 0) statistics.percentages[k] = 100.0f / total * statistics.times[k];
    return statistics;
}

}  // namespace sb::recordings
