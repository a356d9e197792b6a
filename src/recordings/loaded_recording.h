// A recording as the program holds it after reading: the table, the info of its reader and where it
// came from. Which reader runs follows from the file's extension or from the menu it was opened in.
#pragma once

#include <string>

#include "recordings/activity_recording.h"
#include "recordings/bike_reader.h"
#include "recordings/hrm_reader.h"
#include "recordings/recording_table.h"

namespace sb::recordings {

// The X-Y data source codes.
enum RecordingSource { kNoRecording = 0, kPolarRecording = 6, kBikeRecording = 8, kActivityRecording = 10 };

struct LoadedRecording {
    int source = kNoRecording;
    RecordingTable table;
    PolarRecordingInfo polar;  // of the last heart-rate file read
    BikeRecordingInfo bike;    // of the last bike-computer file read
    ActivityInfo activity;     // of the last FIT, TCX or GPX file read

    // Of the reader that filled the table: what the axis menus may offer.
    int capabilityBits() const;
    // Seconds between samples as the file states them; 0 for an activity file, whose devices record
    // at varying intervals.
    int interval() const;
};

// kPolarRecording for ".hrm", kBikeRecording for ".dat", kActivityRecording for the activity files
// extensions (any letter case), else kNoRecording.
int sourceOfPath(const std::string& path);

// The outcome of reading any recording: not ok with the message for the user.

// Reads the file with the reader of `source`. When it cannot be read, `recording` is unchanged. An
// activity file cut short is read with recording.activity.warning set.
RecordingReadResult readRecording(int source, const std::string& path, LoadedRecording& recording);

}  // namespace sb::recordings
