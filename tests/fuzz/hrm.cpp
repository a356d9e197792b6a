// Heart-rate monitor recordings (.hrm): the distance summed from the speeds stays a number.
#include <cmath>

#include "recording_checks.h"
#include "recordings/hrm_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sb::recordings::LoadedRecording recording;
    recording.source = sb::recordings::kPolarRecording;
    sb::recordings::parsePolarRecording(fuzzBytes(data, size), recording.table, recording.polar);
    for (const sb::recordings::RecordingSample& sample : recording.table)
        fuzzRequire(std::isfinite(sample[sb::recordings::kDistanceSlot]));
    checkRecording(recording, size);
    return 0;
}
