// The main window's list commands: the week, month and year lists and the search list over the open
// plan and the user's settings.
#pragma once

#include "platform/services.h"
#include "shell/application.h"

namespace sb::shell {

// commandId is one of cmd::kWeekList, kMonthList, kYearList.
void showList(Application& app, platform::Services& services, int commandId);
void showSearchList(Application& app, platform::Services& services);

}  // namespace sb::shell
