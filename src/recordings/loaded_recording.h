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
    // Seconds between samples as the file states them.
    int interval() const;
};

// kPolarRecording for ".hrm", kBikeRecording for ".dat" (any letter case), else kNoRecording.
int sourceOfPath(const std::string& path);

// Reads the file with the reader of `source`. false when it cannot be read; `recording` is then
// unchanged.
bool readRecording(int source, const std::string& path, LoadedRecording& recording);

}  // namespace sb::recordings
