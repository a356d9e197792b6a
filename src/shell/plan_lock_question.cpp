// The question names who holds the lock, so the user can tell a forgotten window on the other machine
// from a program that is really working on the plan.
#include "shell/plan_lock_question.h"

#include <ctime>

#include "shell/path_display.h"

namespace sb::shell {

std::string localTimeText(std::int64_t secondsSince1970) {
    const std::time_t time = std::time_t(secondsSince1970);
    std::tm local{};
    if (!localtime_r(&time, &local)) return "?";
    char text[32];
    std::strftime(text, sizeof text, "%d.%m.%Y %H:%M", &local);
    return text;
}

LockChoice lockPlanToOpen(Application& app, platform::Services& services, const std::string& path) {
    platform::PlanLocks* locks = app.guard.locks.get();
    if (!locks) return LockChoice::Writable;
    const platform::LockOutcome outcome = locks->lock(path);
    if (outcome == platform::LockOutcome::Locked) return LockChoice::Writable;
    if (outcome == platform::LockOutcome::Unavailable) {
        locks->unlock();
        return LockChoice::Writable;
    }
    const platform::LockOwner owner = locks->owner(path).value_or(platform::LockOwner{"?", 0, 0});
    const int choice = services.askChoice(
        pathDisplayText(path) + " ist bereits geöffnet (auf " + owner.host + ", Prozess " +
            std::to_string(owner.process) + ", seit " + localTimeText(owner.since) + ").",
        "Hinweis", {"Schreibgeschützt öffnen", "Trotzdem öffnen", "Abbrechen"}, platform::Icon::Exclamation);
    if (choice == 0) return LockChoice::ReadOnly;
    if (choice != 1) return LockChoice::Cancelled;
    if (locks->takeOver(path) != platform::LockOutcome::Locked) locks->unlock();
    return LockChoice::Writable;
}

void lockWrittenPlan(Application& app, const std::string& path) {
    if (!app.guard.locks) return;
    if (app.guard.locks->lock(path) != platform::LockOutcome::Locked) app.guard.locks->unlock();
}

void releasePlanLock(Application& app) {
    if (app.guard.locks) app.guard.locks->unlock();
}

}  // namespace sb::shell
