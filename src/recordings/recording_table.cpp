// Columns of the recording table by quantity code.
#include "recordings/recording_table.h"

namespace sb::recordings {

int slotOfQuantity(int code) {
    switch (code) {
        case 129:
            return kTimeSlot;
        case 130:
        case 136:
            return kDistanceSlot;
        case 135:
            return kHeartRateSlot;
        case 137:
            return kSpeedSlot;
        case 138:
            return kCadenceSlot;
        case 139:
            return kAltitudeSlot;
        case 140:
            return kPowerSlot;
        case 141:
            return kBalanceSlot;
        case 142:
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
