// Plan files of the current version.
#include "plan_checks.h"
#include "planfile/plan_file_reader.h"
#include "planfile/plan_file_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkPlanReader(
        fuzzBytes(data, size), 3, [](std::string_view bytes, sb::model::TrainingYear& year) { sb::planfile::parsePlanFile(bytes, year); },
        [](const sb::model::TrainingYear& year) { return sb::planfile::formatPlanFile(year); });
    return 0;
}
