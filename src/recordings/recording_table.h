// The recording table both recording readers fill: one row of nine values per sample, as many rows as
// the file holds, and the X-Y series the diagram draws, taken from one column each.
#pragma once

#include <array>
#include <vector>

namespace sb::recordings {

// Columns of a sample, with their units.
enum RecordingSlot {
    kTimeSlot = 0,         // s since the start
    kHeartRateSlot = 1,    // beats/min; 0 where the monitor had no signal
    kSpeedSlot = 2,        // km/h
    kDistanceSlot = 3,     // km since the start
    kCadenceSlot = 4,      // 1/min
    kAltitudeSlot = 5,     // m
    kPowerSlot = 6,        // W
    kBalanceSlot = 7,      // the file's value (power balance, pedalling index)
    kTemperatureSlot = 8,  // °C; only activity files hold it
    kSlotCount = 9,
};

using RecordingSample = std::array<float, kSlotCount>;
using RecordingTable = std::vector<RecordingSample>;

// What a recording holds, as the axis menus ask for it.
namespace capability {
constexpr int speed = 1;
constexpr int cadence = 2;
constexpr int altitude = 4;
constexpr int power = 8;
constexpr int balance = 16;
constexpr int cyclingData = 64;
constexpr int usUnits = 128;  // the file was in miles and feet; the table holds km and m
constexpr int temperature = 256;
}  // namespace capability

// Whether `value` lies within what column `slot` can hold.
bool isSaneValue(int slot, float value);
// Every value outside what its column can hold (a pulse of 2147483648, an infinite speed, NaN) becomes
// 0, the value of a sample without signal, so summaries, zones and diagrams never show it. Every reader
// passes its table through this before handing it on.
void keepSaneValues(RecordingTable& table);

// The column an X-Y quantity code shows (129, 130 for X; 135…142 for Y); -1 for other codes.
int slotOfQuantity(int code);

// The two series of the X-Y diagram and the quantity codes they show.
struct XySeries {
    int xCode = 129;  // time
    int yCode = 135;  // pulse
    std::vector<float> x;
    std::vector<float> y;
};

// One column of every sample; all zeros for a code without a column.
std::vector<float> columnOf(const RecordingTable& table, int code);
XySeries seriesOf(const RecordingTable& table, int xCode, int yCode);

}  // namespace sb::recordings
