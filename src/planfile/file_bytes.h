// Loading a whole file into memory for the plan readers; a full year is well under a megabyte.
#pragma once

#include <string>

namespace sb::planfile {

// 0 with the file's bytes, or 1 when it cannot be opened or read (a directory, no permission).
int loadFileBytes(const std::string& path, std::string& bytes);

}  // namespace sb::planfile
