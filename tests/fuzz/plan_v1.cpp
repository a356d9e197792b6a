// Plan files of the first version (sbn).
#include "plan_checks.h"
#include "planfile/legacy_plan_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkPlanReader(fuzzBytes(data, size), 1, sb::planfile::parsePlanFileV1);
    return 0;
}
