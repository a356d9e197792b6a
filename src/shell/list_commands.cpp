// List commands of the main window.
#include "shell/list_commands.h"

#include "lists/list_dialog.h"
#include "lists/search_dialog.h"
#include "shell/command_ids.h"

namespace sb::shell {

void showList(Application& app, platform::Services& services, int commandId) {
    const lists::ListKind kind = commandId == cmd::kWeekList    ? lists::ListKind::Week
                                 : commandId == cmd::kMonthList ? lists::ListKind::Month
                                                                : lists::ListKind::Year;
    lists::runListDialog(services, kind, {app.year, app.settings, app.paths.helpFilePath});
}

void showSearchList(Application& app, platform::Services& services) {
    lists::runSearchDialog(services, {app.year, app.settings, app.paths.helpFilePath});
}

}  // namespace sb::shell
