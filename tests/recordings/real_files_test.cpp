// Every real recording as the user sees it once read: per file the samples, their times, the pulse with
// a signal, the top speed, the last distance, the altitudes, what the axis menus offer, the sport and
// the start, compared with a golden file whose values were counted from the files independently.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "recording_test_data.h"
#include "recordings/loaded_recording.h"
#include "support/plan_fixtures.h"

namespace sb::recordings {
namespace {

// The smallest and largest value of a slot, a heart rate only where it has a signal; 0 for none.
std::pair<float, float> rangeOf(const RecordingTable& table, int slot) {
    float low = 1e9f, high = -1e9f;
    for (const RecordingSample& sample : table) {
        if (slot == kHeartRateSlot && sample[slot] <= 0) continue;
        low = std::min(low, sample[slot]);
        high = std::max(high, sample[slot]);
    }
    return low > high ? std::pair(0.0f, 0.0f) : std::pair(low, high);
}

std::string readingOf(const std::string& file) {
    LoadedRecording recording;
    const RecordingReadResult result = readRecording(sourceOfPath(file), recordingPath(file), recording);
    if (!result.ok || recording.table.empty()) return file + "\tnot read: " + result.message + "\n";
    const RecordingTable& table = recording.table;
    const bool polar = recording.source == kPolarRecording;
    const ActivityInfo& activity = recording.activity;
    const auto [pulseLow, pulseHigh] = rangeOf(table, kHeartRateSlot);
    const auto [altitudeLow, altitudeHigh] = rangeOf(table, kAltitudeSlot);
    char line[512];
    std::snprintf(line, sizeof line,
                  "%s\t%zu samples %.2f-%.2f s\tpulse %.1f-%.1f\tspeed %.4f\tkm %.5f\taltitude %.3f-%.3f\t"
                  "bits %d\t%s/%d\t%02d.%02d.%04d %02d:%02d:%02d\ttotal km %.4f\t%s\n",
                  file.c_str(), table.size(), table.front()[kTimeSlot], table.back()[kTimeSlot], pulseLow,
                  pulseHigh, rangeOf(table, kSpeedSlot).second, table.back()[kDistanceSlot], altitudeLow,
                  altitudeHigh, polar ? recording.polar.modeFlags : activity.capabilities,
                  activity.sport.c_str(), activity.planSport, polar ? recording.polar.day : activity.day,
                  polar ? recording.polar.month : activity.month, polar ? recording.polar.year : activity.year,
                  polar ? recording.polar.startHour : activity.startHour,
                  polar ? recording.polar.startMinute : activity.startMinute,
                  polar ? recording.polar.startSecond : activity.startSecond, activity.distanceKm,
                  activity.warning.c_str());
    return line;
}

TEST(RealRecordings, EveryFileReadsToTheValuesTheUserSees) {
    const std::string golden = sb::testing::fileBytes(sb::testing::goldenPath("readers/real_files.txt"));
    ASSERT_FALSE(golden.empty());
    std::istringstream lines(golden);
    std::string actual;
    for (std::string line; std::getline(lines, line);) actual += readingOf(line.substr(0, line.find('\t')));
    EXPECT_EQ(golden, actual);
}

}  // namespace
}  // namespace sb::recordings
