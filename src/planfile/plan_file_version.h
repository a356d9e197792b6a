// Which plan file format a name stands for. The extension is the only test of whether a file is a plan.
#pragma once

#include <string_view>

namespace sb::planfile {

// 3 for ...sb3, 2 for ...sb2, 1 for ...sbn (letters in either case), 0 for anything else. Only the last
// three characters count; the dot before them is not examined.
int planFileVersionOf(std::string_view path);

}  // namespace sb::planfile
