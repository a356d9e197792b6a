// The size check and the messages of reading a recording file.
#include "recordings/recording_file.h"

#include "fileio/c_numbers.h"
#include "fileio/file_bytes.h"

namespace sb::recordings {

std::string readRecordingFile(const std::string& path, std::uint64_t largest, std::string& bytes) {
    switch (fileio::readFileBytes(path, bytes, largest)) {
        case fileio::ReadOutcome::Read:
            return {};
        case fileio::ReadOutcome::TooLarge:
            return "Die Datei ist größer als " + fileio::formatInt(int(largest / fileio::kMiB)) +
                   " MiB; so groß ist keine Aufzeichnung.";
        default:
            return kCannotOpenRecording;
    }
}

}  // namespace sb::recordings
