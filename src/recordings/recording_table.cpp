// Columns of the recording table by quantity code.
#include "recordings/recording_table.h"

#include <cmath>

#include "model/diagram_quantity.h"

namespace sb::recordings {

namespace {

struct SaneRange {
    float low;
    float high;
};

// What a real recording reaches in each column, with room to spare: a pulse byte, a fall from a bike,
// an ultra-distance week, a sprint's power, the highest and lowest places people train.
constexpr SaneRange kSaneRanges[kSlotCount] = {
    {0.0f, 1e8f},         // time: s, more than three years
    {0.0f, 255.0f},       // heart rate
    {0.0f, 300.0f},       // speed
    {0.0f, 100000.0f},    // distance
    {0.0f, 255.0f},       // cadence
    {-1000.0f, 9000.0f},  // altitude
    {0.0f, 5000.0f},      // power
    {0.0f, 65535.0f},     // balance: two coded bytes
    {-60.0f, 70.0f},      // temperature
};

}  // namespace

bool isSaneValue(int slot, float value) {
    return std::isfinite(value) && value >= kSaneRanges[slot].low && value <= kSaneRanges[slot].high;
}

void keepSaneValues(RecordingTable& table) {
    for (RecordingSample& sample : table)
        for (int slot = 0; slot < kSlotCount; ++slot)
            if (!isSaneValue(slot, sample[slot])) sample[slot] = 0.0f;
}

int slotOfQuantity(int code) {
    switch (code) {
        case model::kXyTime:
            return kTimeSlot;
        case model::kXyDistance:
        case model::kXyBikeDistance:
            return kDistanceSlot;
        case model::kXyPulse:
            return kHeartRateSlot;
        case model::kXySpeed:
            return kSpeedSlot;
        case model::kXyCadence:
            return kCadenceSlot;
        case model::kXyAltitude:
            return kAltitudeSlot;
        case model::kXyPower:
            return kPowerSlot;
        case model::kXyBalance:
            return kBalanceSlot;
        case model::kXyTemperature:
            return kTemperatureSlot;
        default:
            return -1;
    }
}

std::vector<float> columnOf(const RecordingTable& table, int code) {
    const int slot = slotOfQuantity(code);
    std::vector<float> column(table.size(), 0.0f);
    if (slot < 0) return column;
    for (std::size_t i = 0; i < table.size(); ++i) column[i] = table[i][slot];
    return column;
}

XySeries seriesOf(const RecordingTable& table, int xCode, int yCode) {
    return {xCode, yCode, columnOf(table, xCode), columnOf(table, yCode)};
}

}  // namespace sb::recordings
