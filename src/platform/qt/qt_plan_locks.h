// Plan locks as QLockFile beside the plan. Locks never go stale by age: a lock of this host whose
// process has ended is taken over, any other only when the user says so.
#pragma once

#include <QLockFile>
#include <memory>

#include "platform/plan_lock.h"

namespace sb::platform::qt {

class QtPlanLocks : public PlanLocks {
  public:
    ~QtPlanLocks() override;
    LockOutcome lock(const std::string& planPath) override;
    LockOutcome takeOver(const std::string& planPath) override;
    std::optional<LockOwner> owner(const std::string& planPath) override;
    void unlock() override;

  private:
    std::unique_ptr<QLockFile> held_;
    std::string heldPlan_;
};

}  // namespace sb::platform::qt
