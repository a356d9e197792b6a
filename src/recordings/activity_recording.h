// Recordings of today's watches, bike computers and training platforms (FIT, TCX, GPX): what such a
// file says about the activity besides its samples, and the outcome of reading one. The three readers
// fill the recording table with the same columns as the older recordings.
#pragma once

#include "recordings/recording_file.h"
#include "recordings/recording_table.h"

#include <ctime>
#include <string>
#include <string_view>

namespace sb::recordings {

struct ActivityInfo {
    std::string format;  // "FIT", "TCX" or "GPX"
    std::string sport;   // the file's own sport name ("cycling", "Running" …); empty when it names none
    int planSport = 0;   // the plan's sport (model::Sport) the file's sport stands for; 0 when unknown
    int year = 0, month = 0, day = 0;  // local start date; 0 when the file has no time
    int startHour = 0, startMinute = 0, startSecond = 0;
    double durationSeconds = 0;  // from the file's totals where it has them, else from the samples
    double distanceKm = 0;
    std::string device;    // maker and product where the file names them; empty otherwise
    int capabilities = 0;  // capability bits of the columns the file holds
    std::string warning;   // non-empty when the file was cut but its complete samples are offered
};

using ActivityReadResult = RecordingReadResult;

// Whether the path's extension is one an activity reader reads (".fit", in any letter case).
bool isActivityRecordingPath(std::string_view path);
// The bytes read by the reader of the extension (".fit" …, any letter case).
ActivityReadResult parseActivityRecording(std::string_view extension, std::string bytes,
                                          RecordingTable& table, ActivityInfo& info);
// The file read by the reader of its extension.
// The start date and time of info from a broken-down time, already in the time of day to show.
void setActivityStart(const std::tm& start, ActivityInfo& info);

ActivityReadResult readActivityRecording(const std::string& path, RecordingTable& table, ActivityInfo& info);

}  // namespace sb::recordings
