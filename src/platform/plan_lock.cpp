// The lock file's name.
#include "platform/plan_lock.h"

namespace sb::platform {

std::string lockPathOf(const std::string& planPath) {
    const std::size_t slash = planPath.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    return planPath.substr(0, nameStart) + ".~" + planPath.substr(nameStart) + ".lock";
}

}  // namespace sb::platform
