// Reading a bike computer's recording (byte file, extension .dat) into the recording table: one sample
// every 15 seconds with heart rate, wheel revolutions and, when recorded, cadence.
//
// Layout (raw bytes, little-endian numbers):
//   header blocks until the tag 0xFF; other bytes between blocks are skipped
//     0xFD + 8 bytes "Cadenz=1"  the samples carry a cadence byte
//     0xFE + 18 bytes            one lap: 0-3 int32, 4-7 int32, 8-9 uint16, 10 byte, 11-17 number text
//   four text fields, each ended by its delimiter byte:
//     wheel circumference in m 'R', a value 'S', the duration in minutes 'P', the remark '/'
//   one byte '/'
//   samples to the end: heart rate, wheel revolutions in the 15 s, [cadence], one unsigned byte each
// The recording date comes from the file name: yymmdd… is 20yy-mm-dd.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "recordings/recording_file.h"
#include "recordings/recording_table.h"

namespace sb::recordings {

constexpr int kBikeSampleSeconds = 15;
// Laps beyond this many are counted but not kept.
constexpr std::size_t kKeptLaps = 100;
// Bytes of the remark kept; the rest up to its delimiter is read past.
constexpr std::size_t kRemarkLength = 255;

struct LapRecord {
    std::int32_t first = 0;
    std::int32_t second = 0;
    std::uint16_t third = 0;
    std::uint8_t fourth = 0;
    float value = 0;  // the text of bytes 11-17 as a number
};

struct BikeRecordingInfo {
    int year = 0, month = 0, day = 0;  // from the file name; all 0 for a name shorter than 6 characters
    int durationHours = 0, durationMinutes = 0, durationSeconds = 0;
    float valueS = 0;
    float durationMinutesTotal = 0;
    std::string remark;            // Windows-1252, at most kRemarkLength bytes
    float wheelCircumference = 0;  // m
    int lapCount = 0;              // every lap block of the file
    std::vector<LapRecord> laps;   // the first kKeptLaps of them
    int flags = 0;                 // capability bits: cycling data and speed, plus cadence
};

// Refused when the file cannot be read, is too large, or its header is damaged or cut short; table and
// info are then left as they were. A cut inside the samples only loses the incomplete last sample.
RecordingReadResult readBikeRecording(const std::string& path, RecordingTable& table, BikeRecordingInfo& info);
// The same for a file's bytes and its name (the date comes from the name without its folder).
bool parseBikeRecording(std::string_view bytes, std::string_view fileName, RecordingTable& table,
                        BikeRecordingInfo& info);

}  // namespace sb::recordings
