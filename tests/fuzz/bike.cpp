// Bike computer recordings (.dat); the date comes from the file name. Samples never outnumber the bytes
// that carry them, and the remark keeps its bound.
#include "recording_checks.h"
#include "recordings/bike_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sb::recordings::LoadedRecording recording;
    recording.source = sb::recordings::kBikeRecording;
    if (!sb::recordings::parseBikeRecording(fuzzBytes(data, size), "080614.dat", recording.table, recording.bike))
        return 0;
    fuzzRequire(recording.table.size() <= size / 2);
    fuzzRequire(recording.bike.remark.size() <= sb::recordings::kRemarkLength);
    checkRecording(recording, size);
    return 0;
}
