// Columns of the recording table by quantity code.
#include "recordings/recording_table.h"

#include "model/diagram_quantity.h"

namespace sb::recordings {

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
