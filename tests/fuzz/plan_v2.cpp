// Plan files of the second version (sb2).
#include "plan_checks.h"
#include "planfile/legacy_plan_reader.h"
#include "planfile/legacy_plan_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkPlanReader(
        fuzzBytes(data, size), 2, [](std::string_view bytes, sb::model::TrainingYear& year) { sb::planfile::parsePlanFileV2(bytes, year); },
        [](const sb::model::TrainingYear& year) { return sb::planfile::formatPlanFileV2(year); });
    return 0;
}
