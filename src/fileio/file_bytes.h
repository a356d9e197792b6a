// Whole files in and out: reading a file into memory with every read checked, and replacing a file so
// that a failed write never costs the previous version.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sb::fileio {

enum class ReadOutcome { Read, Missing, Failed, TooLarge };

constexpr std::uint64_t kMiB = 1024 * 1024;
// No file the program reads comes near this; each reader names its own, smaller bound.
constexpr std::uint64_t kLargestReadFile = 512 * kMiB;

// The file's bytes; Missing when it does not exist, Failed when it exists but cannot be read (a
// directory, a pipe or a device, no permission, an I/O error), TooLarge when it holds more than
// `largest` bytes: then nothing is read, so a huge file costs neither time nor memory.
ReadOutcome readFileBytes(const std::string& path, std::string& bytes, std::uint64_t largest = kLargestReadFile);

// At most the first `count` bytes of a regular file, to look at before deciding to read it all.
ReadOutcome readFileStart(const std::string& path, std::size_t count, std::string& bytes);

// true when path now holds exactly bytes. The bytes go to a new temporary file beside the target;
// every write, the flush to disk and the close are checked before it takes the target's name. On
// failure the old file is untouched and no temporary file is left. A symbolic link stays a link (its
// target is replaced), the replacement keeps the old file's permissions, and a write-protected file is
// not replaced.
bool writeFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace sb::fileio
