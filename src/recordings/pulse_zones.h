// The athlete's pulse zones as the X-Y diagram and its statistics use them, and the time spent in each.
#pragma once

#include <array>
#include <vector>

#include "config/config_store.h"
#include "platform/canvas.h"

namespace sb::recordings {

constexpr int kMaxPulseZones = 5;

struct PulseZone {
    int min = 0;  // bpm; 0 for the first zone, else the previous zone's max + 1
    int max = 0;  // bpm
    platform::Colour colour = 0;
};

// The zones in use (at most five) from the settings.
std::vector<PulseZone> pulseZonesOf(const config::PulseZones& settings);

struct ZoneStatistics {
    std::array<float, kMaxPulseZones> times{};        // in the units of the X series
    std::array<float, kMaxPulseZones> percentages{};  // of the time spent in any zone
};

// Every interval between two samples counts for the first zone that holds the later sample's value;
// values in no zone count nowhere.
ZoneStatistics computeZoneStatistics(const std::vector<float>& x, const std::vector<float>& y,
                                     const std::vector<PulseZone>& zones);

}  // namespace sb::recordings
