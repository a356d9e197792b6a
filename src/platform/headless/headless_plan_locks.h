// Plan locks without files: a table that several headless programs can share plays the folder, so a
// test can start two programs on one plan, leave a dead process's lock behind or put a lock of
// another host there.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/plan_lock.h"

namespace sb::platform::headless {

struct LockFolder {
    struct Entry {
        LockOwner owner;
        bool alive = true;  // whether the owner's process still runs (meaningful on its own host)
    };
    std::map<std::string, Entry> locks;  // by plan path
    std::set<std::string> unwritable;    // plan paths beside which no lock can be made
};

class HeadlessPlanLocks : public PlanLocks {
  public:
    HeadlessPlanLocks(std::shared_ptr<LockFolder> folder, std::string host, std::int64_t process,
                      std::int64_t now = 0)
        : folder_(std::move(folder)), host_(std::move(host)), process_(process), now_(now) {}

    LockOutcome lock(const std::string& planPath) override;
    LockOutcome takeOver(const std::string& planPath) override;
    std::optional<LockOwner> owner(const std::string& planPath) override;
    void unlock() override;

    // The plan whose lock this program holds; empty when none.
    const std::string& held() const { return held_; }

  private:
    LockOutcome take(const std::string& planPath);

    std::shared_ptr<LockFolder> folder_;
    std::string host_;
    std::int64_t process_;
    std::int64_t now_;
    std::string held_;
};

}  // namespace sb::platform::headless
