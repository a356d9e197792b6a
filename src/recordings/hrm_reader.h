// Reading a heart-rate monitor's exercise file (HRM text, extension .hrm) into the recording table and
// the recording info the info dialog shows.
//
// Layout, as the monitors' export writes it (CR LF or LF):
//   [Params]   key=value lines; the reader uses
//     Version    106, 107 …; from 107 SMode character 8 adds an air-pressure column
//     Monitor    model code: 7 Polar Coach, 9 S410, 10 S510, 11 S610/810, 12 S710/720i
//     SMode      8 or 9 characters '0'/'1': 0 speed, 1 cadence, 2 altitude, 3 power, 4 power balance,
//                5 pedalling index, 6 cycling data, 7 US units (0.1 mph, ft), 8 air pressure
//     Date       yyyymmdd     StartTime, Length  h:m:s(.t)
//     Interval   s between samples; 238 marks beat-to-beat (R-R) intervals
//   [HRData]   the last section: one sample a line, whitespace-separated integers in this order:
//     heart rate (R-R: the beat's interval in ms), then one column for each set SMode character:
//     speed (0.1 km/h or 0.1 mph), cadence (1/min), altitude (m or ft), power (W), one shared column
//     for balance and pedalling index, air pressure.
#pragma once

#include <string>
#include <string_view>

#include "recordings/recording_file.h"
#include "recordings/recording_table.h"

namespace sb::recordings {

constexpr int kRrInterval = 238;
constexpr int kDefaultInterval = 5;

struct PolarRecordingInfo {
    std::string model;  // monitor name, at most 11 characters; empty for unknown codes
    int year = 0, month = 0, day = 0;
    int startHour = 0, startMinute = 0, startSecond = 0;
    int lengthHours = 0, lengthMinutes = 0, lengthSeconds = 0;
    int interval = kDefaultInterval;  // s between samples as the file states it (238: R-R intervals)
    int modeFlags = 0;                // capability bits of the columns read, plus usUnits
};

// Refused (with the message) when the file cannot be read, is too large, or has no section line such as
// "[Params]" in its first 64 KiB; table and info are then left as they were.
RecordingReadResult readPolarRecording(const std::string& path, RecordingTable& table, PolarRecordingInfo& info);
// The same for a file's bytes.
void parsePolarRecording(std::string_view bytes, RecordingTable& table, PolarRecordingInfo& info);

}  // namespace sb::recordings
