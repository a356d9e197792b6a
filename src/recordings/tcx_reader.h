// Reading a training-centre exercise file (TCX: XML, extension .tcx) into the recording table and the
// activity's info.
//
// Layout, as watches and training platforms write it (element names without their namespace prefix):
//   TrainingCenterDatabase/Activities/Activity   attribute Sport: "Running", "Biking" or "Other"
//     Lap*          TotalTimeSeconds (s), DistanceMeters (m): the lap's totals
//       Track/Trackpoint*   Time (ISO 8601, UTC), Position/LatitudeDegrees, LongitudeDegrees,
//                           AltitudeMeters (m), DistanceMeters (m since the start),
//                           HeartRateBpm/Value (1/min), Cadence (1/min),
//                           Extensions/TPX: Speed (m/s), Watts (W), RunCadence (1/min)
//     Creator/Name  the device
// Only the first Activity is read: a file with several holds separate recordings.
#pragma once

#include <string>
#include <string_view>

#include "recordings/activity_recording.h"
#include "recordings/recording_table.h"

namespace sb::recordings {

// ok=false with a German message when the file is no XML or holds no track point with a measurement;
// table and info are then left as they were.
ActivityReadResult parseTcxRecording(std::string bytes, RecordingTable& table, ActivityInfo& info);

}  // namespace sb::recordings
