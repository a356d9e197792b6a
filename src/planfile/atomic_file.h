// Replacing a file so that a failed write never costs the previous version: the bytes go to a
// temporary file beside the target, every write and the close are checked, and only then does the
// temporary file take the target's name.
#pragma once

#include <string>
#include <string_view>

namespace sb::planfile {

// 0 when path now holds exactly bytes; 1 on any failure, with the old file (if any) untouched and no
// temporary file left behind. An existing file that is write-protected is not replaced.
int writeFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace sb::planfile
