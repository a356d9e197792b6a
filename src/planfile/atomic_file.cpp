// Write beside, then rename. A symbolic link is followed, so the link stays and its target is replaced;
// the replacement keeps the permissions of the file it replaces.
#include "planfile/atomic_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace sb::planfile {
namespace {

namespace fs = std::filesystem;

// Creates a temporary file next to target that did not exist before, so nothing of the user's is
// overwritten; "x" makes the creation exclusive.
std::FILE* createBeside(const std::string& target, std::string& temporaryPath) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = target + ".sbtmp" + std::to_string(attempt);
        std::FILE* file = std::fopen(temporaryPath.c_str(), "wbx");
        if (file) return file;
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

bool writeAll(std::FILE* file, std::string_view bytes) {
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) return false;
    return std::fflush(file) == 0 && !std::ferror(file);
}

std::string resolvedTarget(const std::string& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) return path;
    fs::path target = fs::canonical(path, error);
    return error ? path : target.string();
}

}  // namespace

int writeFileAtomically(const std::string& path, std::string_view bytes) {
    if (path.empty()) return 1;
    const std::string target = resolvedTarget(path);
    std::error_code error;
    const fs::file_status existing = fs::status(target, error);
    const bool exists = fs::exists(existing);
    if (exists && (!fs::is_regular_file(existing) || ::access(target.c_str(), W_OK) != 0)) return 1;

    std::string temporaryPath;
    std::FILE* file = createBeside(target, temporaryPath);
    if (!file) return 1;
    bool written = writeAll(file, bytes);
    written = std::fclose(file) == 0 && written;
    if (written && exists) {
        std::error_code ignored;
        fs::permissions(temporaryPath, existing.permissions(), ignored);
    }
    if (written) fs::rename(temporaryPath, target, error);
    if (!written || error) {
        std::remove(temporaryPath.c_str());
        return 1;
    }
    return 0;
}

}  // namespace sb::planfile
