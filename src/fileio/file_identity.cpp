// File identity by stat and a hash of the whole file.
#include "fileio/file_identity.h"

#include <sys/stat.h>

#include "fileio/file_bytes.h"

namespace sb::fileio {

std::uint64_t hashBytes(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    return hash;
}

FileIdentity fileIdentityOf(const std::string& path) {
    struct stat status;
    std::string bytes;
    if (::stat(path.c_str(), &status) != 0 || readFileBytes(path, bytes) != ReadOutcome::Read) return {};
    return {true, bytes.size(),
            std::int64_t(status.st_mtim.tv_sec) * 1000000000 + std::int64_t(status.st_mtim.tv_nsec),
            hashBytes(bytes)};
}

bool changedSince(const FileIdentity& remembered, const FileIdentity& now) {
    if (remembered.exists != now.exists) return true;
    return remembered.size != now.size || remembered.hash != now.hash;
}

}  // namespace sb::fileio
