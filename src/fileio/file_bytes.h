// Whole files in and out: reading a file into memory with every read checked, and replacing a file so
// that a failed write never costs the previous version.
#pragma once

#include <string>
#include <string_view>

namespace sb::fileio {

enum class ReadOutcome { Read, Missing, Failed };

// The file's bytes; Missing when it does not exist, Failed when it exists but cannot be read (a
// directory, a pipe or a device, no permission, an I/O error).
ReadOutcome readFileBytes(const std::string& path, std::string& bytes);

// true when path now holds exactly bytes. The bytes go to a new temporary file beside the target;
// every write, the flush to disk and the close are checked before it takes the target's name. On
// failure the old file is untouched and no temporary file is left. A symbolic link stays a link (its
// target is replaced), the replacement keeps the old file's permissions, and a write-protected file is
// not replaced.
bool writeFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace sb::fileio
