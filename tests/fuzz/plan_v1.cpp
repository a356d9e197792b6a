// Plan files of the first version (sbn).
#include "plan_checks.h"
#include "planfile/legacy_plan_reader.h"
#include "planfile/legacy_plan_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkPlanReader(
        fuzzBytes(data, size), 1, [](std::string_view bytes, sb::model::TrainingYear& year) { sb::planfile::parsePlanFileV1(bytes, year); },
        [](const sb::model::TrainingYear& year) { return sb::planfile::formatPlanFileV1(year); });
    return 0;
}
