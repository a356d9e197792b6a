// Plan files of the second version (sb2).
#include "plan_checks.h"
#include "planfile/legacy_plan_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkPlanReader(fuzzBytes(data, size), 2, sb::planfile::parsePlanFileV2);
    return 0;
}
