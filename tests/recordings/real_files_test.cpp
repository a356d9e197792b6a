// Every real recording and every file made for what no real file shows (tests/data/recordings/made, see
// its SOURCES.md) as the user sees it once read, one golden line a file whose first columns were counted
// from the files independently; damaged and missing files with their message.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <sstream>
#include <tuple>

#include "recordings/loaded_recording.h"
#include "recordings/training_proposal.h"
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

// The start as the recording's own header gives it: day, month, year, hour, minute, second.
std::array<int, 6> startOf(const LoadedRecording& recording) {
    const PolarRecordingInfo& polar = recording.polar;
    const BikeRecordingInfo& bike = recording.bike;
    const ActivityInfo& activity = recording.activity;
    if (recording.source == kPolarRecording)
        return {polar.day, polar.month, polar.year, polar.startHour, polar.startMinute, polar.startSecond};
    if (recording.source == kBikeRecording) return {bike.day, bike.month, bike.year, 0, 0, 0};
    return {activity.day, activity.month, activity.year, activity.startHour, activity.startMinute,
            activity.startSecond};
}

std::string readingOf(const std::string& file) {
    LoadedRecording recording;
    const RecordingReadResult result =
        readRecording(sourceOfPath(file), sb::testing::goldenPath("recordings/" + file), recording);
    if (!result.ok) return file + "\tnot read: " + result.message + "\n";
    if (recording.table.empty()) return file + "\tno samples\n";
    const RecordingTable& table = recording.table;
    const int source = recording.source;
    const ActivityInfo& activity = recording.activity;
    const BikeRecordingInfo& bike = recording.bike;
    const auto [pulseLow, pulseHigh] = rangeOf(table, kHeartRateSlot);
    const auto [altitudeLow, altitudeHigh] = rangeOf(table, kAltitudeSlot);
    const auto [day, month, year, hour, minute, second] = startOf(recording);
    const TrainingProposal proposal = proposeTraining(recording);
    char line[768];
    std::snprintf(line, sizeof line,
                  "%s\t%zu samples %.2f-%.2f s\tpulse %.1f-%.1f\tspeed %.4f\tkm %.5f\taltitude %.3f-%.3f\t"
                  "bits %d\t%s/%d\t%02d.%02d.%04d %02d:%02d:%02d\ttotal km %.4f\t%s\t%s %s %.3f s\t"
                  "proposed %02d.%02d.%04d sport %d %.3f s %.4f km pulse %d climbing %.0f m",
                  file.c_str(), table.size(), table.front()[kTimeSlot], table.back()[kTimeSlot], pulseLow,
                  pulseHigh, rangeOf(table, kSpeedSlot).second, table.back()[kDistanceSlot], altitudeLow,
                  altitudeHigh,
                  source == kPolarRecording  ? recording.polar.modeFlags
                  : source == kBikeRecording ? bike.flags
                                             : activity.capabilities,
                  activity.sport.c_str(), activity.planSport, day, month, year, hour, minute, second,
                  activity.distanceKm, activity.warning.c_str(), activity.format.c_str(), activity.device.c_str(),
                  activity.durationSeconds, proposal.day, proposal.month, proposal.year, proposal.sport,
                  proposal.durationSeconds, proposal.distanceKm, proposal.avgPulse, proposal.climbingMetres);
    std::string reading = line;
    if (table.size() <= 4) {
        for (const RecordingSample& sample : table) {
            reading += "\tsample";
            for (const float value : sample) reading += " " + (std::ostringstream() << value).str();
        }
    }
    const PolarRecordingInfo& polar = recording.polar;
    if (source == kPolarRecording) {
        reading += "\tmodel " + polar.model + " length " + std::to_string(polar.lengthHours) + ":" +
                   std::to_string(polar.lengthMinutes) + ":" + std::to_string(polar.lengthSeconds) + " interval " +
                   std::to_string(polar.interval);
    }
    if (source == kBikeRecording) {
        reading += "\t" + bike.remark + " wheel " + (std::ostringstream() << bike.wheelCircumference).str() +
                   " m laps " + std::to_string(bike.lapCount) + " first " +
                   (std::ostringstream() << bike.laps.at(0).value).str() + " duration " +
                   std::to_string(bike.durationHours) + ":" + std::to_string(bike.durationMinutes) + ":" +
                   std::to_string(bike.durationSeconds);
    }
    return reading + "\n";
}

TEST(RealRecordings, EveryFileReadsToTheValuesTheUserSees) {
    const std::string golden = sb::testing::fileBytes(sb::testing::goldenPath("readers/real_files.txt"));
    ASSERT_FALSE(golden.empty());
    std::istringstream lines(golden);
    std::string actual;
    for (std::string line; std::getline(lines, line);) actual += readingOf(line.substr(0, line.find('\t')));
    EXPECT_EQ(golden, actual);
}

TEST(RealRecordings, AFileThatCannotBeReadLeavesTheRecordingShownAlone) {
    for (const char* file : {"activity-filecrc.fit", "activity-settings-corruptheader.fit", "keine.fit",
                             "made/header-checksum.fit", "made/no-samples.fit", "made/unreadable-message.fit",
                             "made/cut-in-a-point.gpx", "made/time-only.tcx", "missing.gpx", "missing.hrm",
                             "/nonexistent/070615.dat"}) {
        LoadedRecording recording;
        recording.table.resize(3);
        recording.polar.model = recording.activity.sport = recording.bike.remark = "vorher";
        const std::string path =
            file[0] == '/' ? std::string(file) : sb::testing::goldenPath("recordings/" + std::string(file));
        EXPECT_FALSE(readRecording(sourceOfPath(path), path, recording).ok) << file;
        EXPECT_EQ(std::tuple(recording.table.size(), recording.polar.model, recording.activity.sport,
                             recording.bike.remark),
                  std::tuple(3u, "vorher", "vorher", "vorher"))
            << file;
    }
}

}  // namespace
}  // namespace sb::recordings
