// File identity by stat and a hash of the whole file, and whether two names reach one file.
#include "fileio/file_identity.h"

#include <sys/stat.h>

#include <filesystem>

#include "fileio/file_bytes.h"

namespace sb::fileio {

namespace fs = std::filesystem;

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

bool sameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code error;
    const bool aThere = fs::exists(a, error);
    const bool bThere = fs::exists(b, error);
    if (aThere != bThere) return false;
    if (aThere) return fs::equivalent(a, b, error);
    const fs::path left = fs::weakly_canonical(fs::absolute(a, error), error);
    const fs::path right = fs::weakly_canonical(fs::absolute(b, error), error);
    return left == right;
}

}  // namespace sb::fileio
