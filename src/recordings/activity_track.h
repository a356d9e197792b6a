// The track points of a TCX or GPX file as the reader finds them, and how they become the recording
// table and the activity's info: times from the first point, distance from positions where the file
// keeps none, speed from distance and time where it names none, the local start date.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "recordings/activity_recording.h"
#include "recordings/recording_table.h"

namespace sb::recordings {

// Each quantity as the file states it; empty where the point does not state it.
struct TrackPoint {
    std::optional<double> time;         // s since 1970-01-01 UTC
    std::optional<double> latitude;     // degrees, -90…90 (set together with longitude)
    std::optional<double> longitude;    // degrees, -180…180
    std::optional<double> distance;     // m since the start of the activity
    // The table keeps these as float anyway; as float a point takes two thirds of the room, and a large
    // file's points stand beside its document while they are read.
    std::optional<float> heartRate;    // 1/min
    std::optional<float> altitude;     // m
    std::optional<float> cadence;      // 1/min
    std::optional<float> speed;        // m/s
    std::optional<float> power;        // W
    std::optional<float> temperature;  // °C
};

// Sets the position when both coordinates lie in their ranges.
void setPosition(TrackPoint& point, std::optional<double> latitude, std::optional<double> longitude);
// false for a point that states nothing besides its time (writers mark the end of a lap so).
bool holdsMeasurement(const TrackPoint& point);

// The plan's sport (model::Sport) a file's sport name stands for, in English or German; 0 when it
// names none the plan knows.
int planSportOf(std::string_view sportName);

// Fills table and the sample-derived parts of info (start date and time, capabilities, duration and
// distance from the last sample) from points, which must not be empty.
void buildActivityTable(const std::vector<TrackPoint>& points, RecordingTable& table, ActivityInfo& info);

}  // namespace sb::recordings
