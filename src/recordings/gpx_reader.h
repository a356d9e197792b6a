// Reading a GPS exchange file (GPX: XML, extension .gpx) into the recording table and the activity's
// info.
//
// Layout, as devices and training platforms write it (element names without their namespace prefix):
//   gpx            attribute creator: the device or program that wrote the file
//     metadata/type, trk/type   the sport, where a writer names it
//     trk*/trkseg*/trkpt*       attributes lat, lon (degrees); ele (m), time (ISO 8601, UTC)
//       extensions/…            heart rate, cadence, temperature and power in one of two common forms:
//                               TrackPointExtension hr, cad, atemp (°C), speed (m/s), power (W)
//                               gpxdata hr, cadence, temp (°C), distance (m since the start), power
// A file without distances gets them from the positions, along the surface of the earth.
#pragma once

#include <string>
#include <string_view>

#include "recordings/activity_recording.h"
#include "recordings/recording_table.h"

namespace sb::recordings {

// ok=false with a German message when the file is no XML or holds no track point; table and info are
// then left as they were.
ActivityReadResult parseGpxRecording(std::string bytes, RecordingTable& table, ActivityInfo& info);

}  // namespace sb::recordings
