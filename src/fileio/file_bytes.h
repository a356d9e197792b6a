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
// directory, a pipe or a device, no permission, an I/O error), with errno saying why; TooLarge when it
// holds more than `largest` bytes: then nothing is read, so a huge file costs neither time nor memory.
ReadOutcome readFileBytes(const std::string& path, std::string& bytes, std::uint64_t largest = kLargestReadFile);

// At most the first `count` bytes of a regular file, to look at before deciding to read it all.
ReadOutcome readFileStart(const std::string& path, std::size_t count, std::string& bytes);

// The name the replacement of path is written under before it takes path's place: "." + at most the
// first 200 bytes of the file name + ".sbtmp" + number, in path's folder, so it fits beside any name
// the file system allows.
std::string temporaryNameBeside(const std::string& path, int number);

// true when path now holds exactly bytes. The bytes go to a new temporary file beside the target;
// every write, the flush to disk and the close are checked before it takes the target's name, and the
// folder is synced after the rename. On failure the old file is untouched, no temporary file is left
// and errno says why. Temporary files an interrupted earlier replacement of the same name left behind
// are removed first. A symbolic link stays a link (its target is replaced), the replacement is created
// with the old file's permissions and keeps its owner where the process may, and a write-protected
// file is not replaced.
bool writeFileAtomically(const std::string& path, std::string_view bytes);

// For writers that must open the file themselves (a PDF printer): a new, empty temporary file beside
// path, created as writeFileAtomically creates its own; its name, or "" with errno set.
std::string claimTemporaryBeside(const std::string& path);
// Puts a temporary file written by such a writer in path's place: true when it is on disk under path.
// On failure it is removed and errno says why.
bool replaceWithTemporary(const std::string& temporaryPath, const std::string& path);

// What the system says of an errno value, for the second line of a failure message.
std::string failureReason(int error);

}  // namespace sb::fileio
