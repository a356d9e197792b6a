// Plan files of the current version.
#include "plan_checks.h"
#include "planfile/plan_file_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkPlanReader(fuzzBytes(data, size), 3, sb::planfile::parsePlanFile);
    return 0;
}
