// Bike computer recordings (.dat); the date comes from the file name.
#include "recording_checks.h"
#include "recordings/bike_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sb::recordings::LoadedRecording recording;
    recording.source = sb::recordings::kBikeRecording;
    if (!sb::recordings::parseBikeRecording(fuzzBytes(data, size), "080614.dat", recording.table, recording.bike))
        return 0;
    checkRecording(recording, size);
    return 0;
}
