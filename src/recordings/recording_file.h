// Reading a recording file whole, within the size no real file of its kind reaches, so that a huge or
// endless file is refused before it costs time and memory.
#pragma once

#include <cstdint>
#include <string>

namespace sb::recordings {

// What reading gave: ok with table and info filled, or a German message for the user and the table
// and info left as they were.
struct RecordingReadResult {
    bool ok = false;
    std::string message;
};

// The message for a file that cannot be opened or read at all, whatever its kind.
constexpr const char* kCannotOpenRecording = "Fehler beim Öffnen der Datei";

// A bike computer's memory holds a few hundred kilobytes.
constexpr std::uint64_t kLargestBikeFile = 16 * 1024 * 1024;
// Heart-rate, FIT, TCX and GPX files of a week-long ride stay far below this.
constexpr std::uint64_t kLargestRecordingFile = 512 * 1024 * 1024;

// Empty when bytes now hold the file; otherwise the message for the user (the file cannot be read, or
// it is larger than `largest`, naming the limit).
std::string readRecordingFile(const std::string& path, std::uint64_t largest, std::string& bytes);

}  // namespace sb::recordings
