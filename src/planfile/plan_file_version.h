// Which plan file format a name stands for, and the reader and writer of each format. The extension
// chooses the format; the content decides whether the file is a plan of it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/training_year.h"
#include "planfile/plan_file_shape.h"

namespace sb::planfile {

// A full year with every field at its width stays well below this; a larger file is no plan and is
// not read at all.
constexpr std::uint64_t kLargestPlanFile = 16 * 1024 * 1024;

// 3 for ...sb3, 2 for ...sb2, 1 for ...sbn (letters in either case), 0 for anything else. Only the last
// three characters count; the dot before them is not examined.
int planFileVersionOf(std::string_view path);

struct PlanReadOutcome {
    bool readable = false;  // false: the file could not be read, or version is 0
    PlanShapeOutcome shape;
};

// The reader that version names (3, 2 or 1). The document is replaced only when the file was read and
// holds a plan (whole or cut short); otherwise it is untouched.
PlanReadOutcome readPlanFileOfVersion(int version, const std::string& path, model::TrainingYear& year);

// The writer that version names (3, 2 or 1) with the plan file's own columns: 0 on success, 1 on a
// failed write or for version 0 (nothing is written then).
int writePlanFileOfVersion(int version, const std::string& path, const model::TrainingYear& year);

// The bytes that writer would write; empty for version 0.
std::string formatPlanFileOfVersion(int version, const model::TrainingYear& year);

}  // namespace sb::planfile
