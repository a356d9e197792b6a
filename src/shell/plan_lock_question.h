// The lock beside the open plan: taking it when a plan is opened or written under a new name, the
// question when another program holds it, and giving it up.
#pragma once

#include <string>

#include "platform/services.h"
#include "shell/application.h"

namespace sb::shell {

enum class LockChoice { Writable, ReadOnly, Cancelled };

// Takes the lock of the plan at path before it is read. A lock held elsewhere gives the question; a lock
// that cannot be made lets the plan open all the same. Does not change app.guard.readOnly.
LockChoice lockPlanToOpen(Application& app, platform::Services& services, const std::string& path);

// The lock of a plan this program has just written under path: taken when it can be, without a question.
void lockWrittenPlan(Application& app, const std::string& path);

// Gives up the lock held, if any.
void releasePlanLock(Application& app);

// A moment as day and time in local time, as the questions show it.
std::string localTimeText(std::int64_t secondsSince1970);

}  // namespace sb::shell
