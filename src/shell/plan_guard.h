// What keeps the open plan from being lost to other hands: the file as last read or written, the lock
// and whether the plan is open read-only, the recovery copy of unsaved changes, and a one-off notice
// for the status bar.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "fileio/file_identity.h"
#include "platform/plan_lock.h"

namespace sb::shell {

struct RecoveryState {
    std::function<std::int64_t()> clock;  // seconds since 1970 (UTC); the system clock when empty
    std::int64_t process = 0;             // this program's process id
    std::string instanceTag;              // begins the names of this program's copies
    // Whether a process of this machine runs: a running program's copy is its own, not one to offer.
    // None: every other process counts as ended.
    std::function<bool(std::int64_t)> processRunning;
    std::uint64_t writtenHash = 0;  // of the plan bytes in the copy; 0 when there is no copy
    std::string copyPath;           // the copy written by this program; empty when none
    bool unusableReported = false;  // the status bar said once that no copy can be written
};

struct PlanGuard {
    fileio::FileIdentity onDisk;                 // the plan file as last read or written
    std::shared_ptr<platform::PlanLocks> locks;  // none: plans open without a lock
    bool readOnly = false;                       // opened read-only: nothing may change the plan
    RecoveryState recovery;
    std::string notice;  // shown once in the status bar (or the title when the bar is hidden)
};

}  // namespace sb::shell
