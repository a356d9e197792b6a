// Columns of the recording table by quantity code.
#include "recordings/recording_table.h"

#include "charts/diagram_quantity.h"

namespace sb::recordings {

int slotOfQuantity(int code) {
    switch (code) {
        case charts::kXyTime:
            return kTimeSlot;
        case charts::kXyDistance:
        case charts::kXyBikeDistance:
            return kDistanceSlot;
        case charts::kXyPulse:
            return kHeartRateSlot;
        case charts::kXySpeed:
            return kSpeedSlot;
        case charts::kXyCadence:
            return kCadenceSlot;
        case charts::kXyAltitude:
            return kAltitudeSlot;
        case charts::kXyPower:
            return kPowerSlot;
        case charts::kXyBalance:
            return kBalanceSlot;
        case charts::kXyTemperature:
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
