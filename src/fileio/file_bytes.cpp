// Whole-file reading and the write-beside-then-rename replacement.
#include "fileio/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace sb::fileio {
namespace {
namespace fs = std::filesystem;

// A temporary file next to target that did not exist before, so nothing of the user's is overwritten;
// "x" makes the creation exclusive.
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
    return std::fflush(file) == 0 && !std::ferror(file) && ::fsync(fileno(file)) == 0;
}

std::string resolvedTarget(const std::string& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) return path;
    fs::path target = fs::weakly_canonical(path, error);
    return error ? path : target.string();
}

}  // namespace

ReadOutcome readFileBytes(const std::string& path, std::string& bytes, std::uint64_t largest) {
    bytes.clear();
    // Only a regular file has an end: a pipe would block the program and a device might never stop, so
    // the name is opened without waiting and anything else is refused before a byte is read.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return errno == ENOENT ? ReadOutcome::Missing : ReadOutcome::Failed;
    struct stat status;
    std::FILE* file = nullptr;
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)) file = ::fdopen(descriptor, "rb");
    if (!file) {
        ::close(descriptor);
        return ReadOutcome::Failed;
    }
    if (std::uint64_t(status.st_size) > largest) {
        std::fclose(file);
        return ReadOutcome::TooLarge;
    }
    bytes.reserve(std::size_t(status.st_size));
    char buffer[65536];
    std::size_t count;
    // The file may grow while it is read.
    while (bytes.size() <= largest && (count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, count);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (bytes.size() > largest) {
        bytes.clear();
        return ReadOutcome::TooLarge;
    }
    return failed ? ReadOutcome::Failed : ReadOutcome::Read;
}

ReadOutcome readFileStart(const std::string& path, std::size_t count, std::string& bytes) {
    bytes.clear();
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return errno == ENOENT ? ReadOutcome::Missing : ReadOutcome::Failed;
    struct stat status;
    std::FILE* file = nullptr;
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)) file = ::fdopen(descriptor, "rb");
    if (!file) {
        ::close(descriptor);
        return ReadOutcome::Failed;
    }
    bytes.resize(count);
    bytes.resize(std::fread(bytes.data(), 1, count, file));
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return failed ? ReadOutcome::Failed : ReadOutcome::Read;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
    if (path.empty()) return false;
    const std::string target = resolvedTarget(path);
    std::error_code error;
    const fs::file_status existing = fs::status(target, error);
    const bool exists = fs::exists(existing);
    if (exists && (!fs::is_regular_file(existing) || ::access(target.c_str(), W_OK) != 0)) return false;
    std::string temporaryPath;
    std::FILE* file = createBeside(target, temporaryPath);
    if (!file) return false;
    bool written = writeAll(file, bytes);
    written = std::fclose(file) == 0 && written;
    if (written && exists) {
        std::error_code ignored;
        fs::permissions(temporaryPath, existing.permissions(), ignored);
    }
    if (written) fs::rename(temporaryPath, target, error);
    if (!written || error) {
        std::remove(temporaryPath.c_str());
        return false;
    }
    return true;
}

}  // namespace sb::fileio
