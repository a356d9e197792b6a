// The shared lock table: a dead process's lock of this host goes silently, any other lock stays.
#include "platform/headless/headless_plan_locks.h"

namespace sb::platform::headless {

LockOutcome HeadlessPlanLocks::take(const std::string& planPath) {
    if (folder_->unwritable.count(planPath)) return LockOutcome::Unavailable;
    if (held_ != planPath) unlock();
    folder_->locks[planPath] = {{host_, process_, now_}, true};
    held_ = planPath;
    return LockOutcome::Locked;
}

LockOutcome HeadlessPlanLocks::lock(const std::string& planPath) {
    const auto found = folder_->locks.find(planPath);
    if (found != folder_->locks.end() && held_ != planPath) {
        const bool deadHere = found->second.owner.host == host_ && !found->second.alive;
        if (!deadHere) return LockOutcome::Held;
    }
    return take(planPath);
}

LockOutcome HeadlessPlanLocks::takeOver(const std::string& planPath) {
    return take(planPath);
}

std::optional<LockOwner> HeadlessPlanLocks::owner(const std::string& planPath) {
    const auto found = folder_->locks.find(planPath);
    if (found == folder_->locks.end()) return std::nullopt;
    return found->second.owner;
}

void HeadlessPlanLocks::unlock() {
    if (held_.empty()) return;
    const auto found = folder_->locks.find(held_);
    if (found != folder_->locks.end() && found->second.owner.host == host_ &&
        found->second.owner.process == process_)
        folder_->locks.erase(found);
    held_.clear();
}

}  // namespace sb::platform::headless
