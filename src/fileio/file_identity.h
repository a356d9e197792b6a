// What a file on disk was when the program last read or wrote it: size, modification time and a hash of
// its bytes, so a change made by another program (a synced folder, a second window) can be noticed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sb::fileio {

struct FileIdentity {
    bool exists = false;
    std::uint64_t size = 0;
    std::int64_t modifiedNanoseconds = 0;
    std::uint64_t hash = 0;  // of the bytes; 0 when the file is missing or unreadable
    bool operator==(const FileIdentity&) const = default;
};

// 64-bit FNV-1a of the bytes.
std::uint64_t hashBytes(std::string_view bytes);
// The file as it is now; a missing or unreadable file gives exists false.
FileIdentity fileIdentityOf(const std::string& path);
// Whether the file differs from what was remembered. Size and time alone can match after a quick second
// save, and a copy through a sync folder can change the time alone: the bytes decide.
bool changedSince(const FileIdentity& remembered, const FileIdentity& now);

// Whether two names reach one file: the same device and inode after links are followed, or, for a file
// that does not exist yet, the same path once made absolute and resolved. Never for an empty name.
bool sameFile(const std::string& a, const std::string& b);

}  // namespace sb::fileio
