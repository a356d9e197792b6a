// Showing a help topic the way every window and dialog of the program does: the page, or the program's
// message when the help cannot be shown.
#pragma once

#include <string>

#include "platform/services.h"

namespace sb::platform {

// Topic 0 is the contents page.
void showHelpTopic(Services& services, const std::string& helpFile, int topic);

}  // namespace sb::platform
