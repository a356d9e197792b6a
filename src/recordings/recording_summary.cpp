// The summary lines. Heart-rate figures count only samples with a signal (above 0), so the gaps of a
// monitor that lost contact do not pull the minimum to 0 or the average down.
#include "recordings/recording_summary.h"

#include <algorithm>
#include <limits>

#include "model/diagram_quantity.h"
#include "fileio/c_numbers.h"

namespace sb::recordings {

namespace {

struct Range {
    float low = std::numeric_limits<float>::max();
    float high = std::numeric_limits<float>::lowest();
    double sum = 0;
    int count = 0;
    void add(float value) {
        low = std::min(low, value);
        high = std::max(high, value);
        sum += value;
        ++count;
    }
    float lowOr0() const { return count ? low : 0.0f; }
    float highOr0() const { return count ? high : 0.0f; }
    double average() const { return count ? sum / count : 0.0; }
};

Range rangeOf(const RecordingTable& table, int slot, bool onlyPositive) {
    Range range;
    for (const RecordingSample& sample : table)
        if (!onlyPositive || sample[slot] > 0) range.add(sample[slot]);
    return range;
}

void line(std::string& out, const std::string& name, const std::string& value) {
    out += name + '\t' + value + '\n';
}

std::string fixed(double value, int decimals) {
    return fileio::formatFixed(value, decimals);
}

}  // namespace

std::string recordingSummary(const LoadedRecording& recording, const std::vector<PulseZone>& zones) {
    const RecordingTable& table = recording.table;
    const int bits = recording.capabilityBits();
    std::string out;
    line(out, "samples", std::to_string(table.size()));
    line(out, "seconds", fixed(table.empty() ? 0.0f : table.back()[kTimeSlot], 1));
    line(out, "interval", std::to_string(recording.interval()));
    line(out, "model",
         recording.source == kPolarRecording      ? recording.polar.model
         : recording.source == kActivityRecording ? recording.activity.device
                                                  : std::string());
    const Range heartRate = rangeOf(table, kHeartRateSlot, true);
    line(out, "hr_min", fixed(heartRate.lowOr0(), 0));
    line(out, "hr_avg", fixed(heartRate.average(), 1));
    line(out, "hr_max", fixed(heartRate.highOr0(), 0));
    if (bits & capability::speed) {
        line(out, "speed_max_kmh", fixed(rangeOf(table, kSpeedSlot, false).highOr0(), 1));
        line(out, "distance_km", fixed(table.empty() ? 0.0f : table.back()[kDistanceSlot], 2));
    }
    if (bits & capability::altitude) {
        const Range altitude = rangeOf(table, kAltitudeSlot, false);
        line(out, "altitude_min_m", fixed(altitude.lowOr0(), 1));
        line(out, "altitude_max_m", fixed(altitude.highOr0(), 1));
    }
    if (bits & capability::cadence)
        line(out, "cadence_max", fixed(rangeOf(table, kCadenceSlot, false).highOr0(), 0));
    if (bits & capability::power)
        line(out, "power_max", fixed(rangeOf(table, kPowerSlot, false).highOr0(), 0));
    const ZoneStatistics statistics =
        computeZoneStatistics(columnOf(table, model::kXyTime), columnOf(table, model::kXyPulse), zones);
    for (std::size_t k = 0; k < zones.size() && k < kMaxPulseZones; ++k)
        out += "zone" + std::to_string(k + 1) + '\t' + fixed(statistics.times[k], 1) + '\t' +
               fixed(statistics.percentages[k], 1) + '\n';
    return out;
}

}  // namespace sb::recordings
