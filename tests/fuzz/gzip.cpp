// Gzip recordings (.fit.gz, .tcx.gz, .gpx.gz): the unpacking with its bounds, then the reader of the
// recording inside, as an import reads them.
#include "fuzz_target.h"
#include "import/imported_activity.h"
#include "import/unpacking.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const sb::import::Unpacked unpacked = sb::import::gunzip(fuzzBytes(data, size));
    fuzzRequire(unpacked.ok == unpacked.message.empty());
    if (!unpacked.ok) return 0;
    fuzzRequire(unpacked.bytes.size() <= sb::import::kLargestUnpackedBytes);
    for (const char* name : {"ride.fit", "ride.tcx", "ride.gpx"})
        for (const sb::import::ImportedActivity& activity : sb::import::activitiesOfRecording(name, unpacked.bytes))
            fuzzRequire(activity.durationSeconds >= 0 && activity.distanceKm >= 0 && activity.avgPulse >= 0);
    return 0;
}
