// Whole-file reading and the write-beside-then-rename replacement.
#include "fileio/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace sb::fileio {
namespace {
namespace fs = std::filesystem;

constexpr std::size_t kKeptNameBytes = 200;
constexpr int kTemporaryNumbers = 100;
constexpr const char* kTemporaryMark = ".sbtmp";

// "." + the kept part of the name + ".sbtmp": every temporary name of target starts so.
std::string temporaryStem(const fs::path& target) {
    return "." + target.filename().string().substr(0, kKeptNameBytes) + kTemporaryMark;
}

bool isTemporaryOf(const std::string& name, const std::string& stem) {
    if (name.size() <= stem.size() || name.compare(0, stem.size(), stem) != 0) return false;
    return name.find_first_not_of("0123456789", stem.size()) == std::string::npos;
}

// A save killed between creating and renaming its temporary file leaves a whole copy behind; the next
// save of the same name clears it, so such copies neither pile up nor use up the numbers.
void removeLeftovers(const fs::path& target) {
    const std::string stem = temporaryStem(target);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;  // a leftover that cannot go only costs one of the numbers
        if (isTemporaryOf(it->path().filename().string(), stem) && it->is_regular_file(ignored))
            fs::remove(it->path(), ignored);
    }
}

// A temporary file next to target that did not exist before, so nothing of the user's is overwritten.
// It is created no wider open than mode (the umask may narrow it further) and given mode and the owner
// afterwards, so the copy is never readable by more people than the file it replaces.
int createBeside(const std::string& target, mode_t mode, std::string& temporaryPath) {
    for (int number = 0; number < kTemporaryNumbers; ++number) {
        temporaryPath = temporaryNameBeside(target, number);
        const int descriptor = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (descriptor >= 0 || errno != EEXIST) return descriptor;
    }
    return -1;
}

bool writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = EIO;
            return false;
        }
        bytes.remove_prefix(std::size_t(written));
    }
    return ::fsync(descriptor) == 0;
}

void takeOwnerAndMode(int descriptor, const struct stat& existing) {
    // Only root may give a file away; a group the user belongs to is still allowed.
    if (::fchown(descriptor, existing.st_uid, existing.st_gid) != 0) ::fchown(descriptor, uid_t(-1), existing.st_gid);
    ::fchmod(descriptor, existing.st_mode & 07777);
}

// The rename is only lasting once the folder's entry is on disk. The new file is complete by then, so
// a folder that cannot be synced (some file systems refuse) does not turn the save into a failure.
void syncFolderOf(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
}

std::string resolvedTarget(const std::string& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) return path;
    fs::path target = fs::weakly_canonical(path, error);
    return error ? path : target.string();
}

// Removes the temporary file and returns false with errno as it was at the failure.
bool abandon(const std::string& temporaryPath, int error) {
    ::unlink(temporaryPath.c_str());
    errno = error;
    return false;
}

// The target behind path and a new temporary file beside it, open for writing.
struct Replacement {
    std::string target;
    std::string temporaryPath;
    int descriptor = -1;
};

// false with errno set when the target may not be replaced (not a regular file, write-protected) or no
// temporary file can be made.
bool prepareReplacement(const std::string& path, Replacement& replacement) {
    if (path.empty()) {
        errno = ENOENT;
        return false;
    }
    replacement.target = resolvedTarget(path);
    const std::string& target = replacement.target;
    struct stat existing{};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT) return false;
    if (exists && !S_ISREG(existing.st_mode)) {
        errno = S_ISDIR(existing.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    if (exists && ::access(target.c_str(), W_OK) != 0) return false;
    removeLeftovers(target);
    replacement.descriptor =
        createBeside(target, exists ? existing.st_mode & 0777 : 0666, replacement.temporaryPath);
    if (replacement.descriptor < 0) return false;
    if (exists) takeOwnerAndMode(replacement.descriptor, existing);
    return true;
}

// Only a regular file has an end: a pipe would block the program and a device might never stop, so
// the name is opened without waiting and anything else is refused before a byte is read. On success
// file is open and status holds its size; errno tells why otherwise.
ReadOutcome openRegularFile(const std::string& path, std::FILE*& file, struct stat& status) {
    file = nullptr;
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return errno == ENOENT ? ReadOutcome::Missing : ReadOutcome::Failed;
    const bool statted = ::fstat(descriptor, &status) == 0;
    if (statted && S_ISREG(status.st_mode)) file = ::fdopen(descriptor, "rb");
    if (file) return ReadOutcome::Read;
    const int error = !statted || S_ISREG(status.st_mode) ? errno : S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
    ::close(descriptor);
    errno = error;
    return ReadOutcome::Failed;
}

// Closes the file, keeping the errno of what went before.
void closeKeepingErrno(std::FILE* file) {
    const int error = errno;
    std::fclose(file);
    errno = error;
}

}  // namespace

ReadOutcome readFileBytes(const std::string& path, std::string& bytes, std::uint64_t largest) {
    bytes.clear();
    std::FILE* file = nullptr;
    struct stat status{};
    if (const ReadOutcome opened = openRegularFile(path, file, status); opened != ReadOutcome::Read) return opened;
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
    closeKeepingErrno(file);
    if (bytes.size() > largest) {
        bytes.clear();
        return ReadOutcome::TooLarge;
    }
    return failed ? ReadOutcome::Failed : ReadOutcome::Read;
}

ReadOutcome readFileStart(const std::string& path, std::size_t count, std::string& bytes) {
    bytes.clear();
    std::FILE* file = nullptr;
    struct stat status{};
    if (const ReadOutcome opened = openRegularFile(path, file, status); opened != ReadOutcome::Read) return opened;
    bytes.resize(count);
    bytes.resize(std::fread(bytes.data(), 1, count, file));
    const bool failed = std::ferror(file) != 0;
    closeKeepingErrno(file);
    return failed ? ReadOutcome::Failed : ReadOutcome::Read;
}

std::string temporaryNameBeside(const std::string& path, int number) {
    const fs::path target(path);
    return (target.parent_path() / (temporaryStem(target) + std::to_string(number))).string();
}

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
    Replacement replacement;
    if (!prepareReplacement(path, replacement)) return false;
    const bool written = writeAll(replacement.descriptor, bytes);
    const int writeError = errno;
    if (::close(replacement.descriptor) != 0 || !written)
        return abandon(replacement.temporaryPath, written ? errno : writeError);
    if (::rename(replacement.temporaryPath.c_str(), replacement.target.c_str()) != 0)
        return abandon(replacement.temporaryPath, errno);
    syncFolderOf(replacement.target);
    return true;
}

std::string claimTemporaryBeside(const std::string& path) {
    Replacement replacement;
    if (!prepareReplacement(path, replacement)) return {};
    ::close(replacement.descriptor);
    return replacement.temporaryPath;
}

bool replaceWithTemporary(const std::string& temporaryPath, const std::string& path) {
    const int descriptor = ::open(temporaryPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return abandon(temporaryPath, errno);
    const bool synced = ::fsync(descriptor) == 0;
    const int error = errno;
    ::close(descriptor);
    if (!synced) return abandon(temporaryPath, error);
    const std::string target = resolvedTarget(path);
    if (::rename(temporaryPath.c_str(), target.c_str()) != 0) return abandon(temporaryPath, errno);
    syncFolderOf(target);
    return true;
}

std::string failureReason(int error) {
    return std::strerror(error);
}

}  // namespace sb::fileio
