// TCX recordings exported by training platforms and sports watches.
#include "recording_checks.h"
#include "recordings/tcx_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sb::recordings::LoadedRecording recording;
    recording.source = sb::recordings::kActivityRecording;
    if (sb::recordings::parseTcxRecording(std::string(fuzzBytes(data, size)), recording.table, recording.activity).ok)
        checkRecording(recording, size);
    return 0;
}
