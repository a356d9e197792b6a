// Reading a FIT activity file (extension .fit, written by today's watches and bike computers) into the
// recording table and the activity info. From the messages the reader uses:
//   file_id (0)   1 manufacturer, 2 product, 8 product name
//   sport (12)    0 sport, the file's sport when it has no session
//   session (18)  2 start time, 5 sport, 7 elapsed and 8 timer time (ms), 9 distance (cm)
//   record (20)   253 time (s), 3 heart rate (1/min), 6 speed (mm/s), 73 its 32-bit form,
//                 5 distance (cm), 2 altitude (m × 5 + 500), 78 its 32-bit form, 4 cadence (1/min),
//                 7 power (W), 13 temperature (°C), 8 compressed speed (12 bits, cm/s) and distance
//                 (12 bits rolling, 1/16 m) of older devices
//   activity (34) 253 time and 5 the same moment in local time: the offset to local time
// Every record is one sample: time from the first record, distance in km since the start (devices
// that count each session of a multisport file from 0 are added up), speed in km/h. A record without
// heart rate, speed, cadence or power holds 0 there; one without distance, altitude or temperature
// holds the last value before it (the first one the file gives, before it gives any).
#pragma once

#include <string>
#include <string_view>

#include "recordings/activity_recording.h"

namespace sb::recordings {

// A file cut after a whole message is read with info.warning set; any other damage gives a message
// and leaves table and info as they were.
ActivityReadResult parseFitRecording(std::string_view bytes, RecordingTable& table, ActivityInfo& info);

}  // namespace sb::recordings
