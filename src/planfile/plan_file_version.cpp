// Plan file version by the last three characters of the name, and the reader and writer it selects.
#include "planfile/plan_file_version.h"

#include "fileio/file_bytes.h"
#include "planfile/legacy_plan_reader.h"
#include "planfile/legacy_plan_writer.h"
#include "planfile/plan_file_reader.h"
#include "planfile/plan_file_writer.h"

namespace sb::planfile {

int planFileVersionOf(std::string_view path) {
    if (path.size() < 3) return 0;
    const std::string_view last = path.substr(path.size() - 3);
    if (last[0] != 's' && last[0] != 'S') return 0;
    if (last[1] != 'b' && last[1] != 'B') return 0;
    switch (last[2]) {
        case 'n':
        case 'N':
            return 1;
        case '2':
            return 2;
        case '3':
            return 3;
        default:
            return 0;
    }
}

PlanReadOutcome readPlanFileOfVersion(int version, const std::string& path, model::TrainingYear& year) {
    PlanReadOutcome outcome;
    std::string bytes;
    if (version < 1 || version > 3 || fileio::readFileBytes(path, bytes, kLargestPlanFile) != fileio::ReadOutcome::Read)
        return outcome;
    outcome.readable = true;
    outcome.shape = planShapeOf(bytes, version);
    if (outcome.shape.shape == PlanShape::NotAPlan) return outcome;
    if (version == 3) parsePlanFile(bytes, year);
    if (version == 2) parsePlanFileV2(bytes, year);
    if (version == 1) parsePlanFileV1(bytes, year);
    return outcome;
}

int writePlanFileOfVersion(int version, const std::string& path, const model::TrainingYear& year) {
    switch (version) {
        case 3:
            return writePlanFile(year, path);
        case 2:
            return writePlanFileV2(year, path);
        case 1:
            return writePlanFileV1(year, path);
        default:
            return 1;
    }
}

std::string formatPlanFileOfVersion(int version, const model::TrainingYear& year) {
    switch (version) {
        case 3:
            return formatPlanFile(year);
        case 2:
            return formatPlanFileV2(year);
        case 1:
            return formatPlanFileV1(year);
        default:
            return {};
    }
}

}  // namespace sb::planfile
