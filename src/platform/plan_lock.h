// The lock beside an open plan, so a second program on the same plan (on this machine or on another
// one reading the same synced folder) notices the first. The shell decides what to ask; the platform
// only takes, reads and releases lock files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sb::platform {

// Who holds a lock: its host, its process and since when (seconds since 1970, UTC).
struct LockOwner {
    std::string host;
    std::int64_t process = 0;
    std::int64_t since = 0;
};

enum class LockOutcome {
    Locked,       // this program holds the lock now (a dead process's lock of this host was taken over)
    Held,         // a live process of this host, or any process of another host, holds it
    Unavailable,  // no lock file can be made there (a read-only folder): the plan opens without one
};

// The hidden name of the lock beside a plan: ".~anna.sb3.lock" for ".../anna.sb3".
std::string lockPathOf(const std::string& planPath);

class PlanLocks {
  public:
    virtual ~PlanLocks() = default;
    // Takes the lock of planPath; this program holds at most one plan lock and gives up the previous one
    // only when the new one was taken.
    virtual LockOutcome lock(const std::string& planPath) = 0;
    // Removes whoever's lock there is and takes it.
    virtual LockOutcome takeOver(const std::string& planPath) = 0;
    // The holder of planPath's lock, when it can be read.
    virtual std::optional<LockOwner> owner(const std::string& planPath) = 0;
    // Gives up the lock held, if any.
    virtual void unlock() = 0;
};

}  // namespace sb::platform
