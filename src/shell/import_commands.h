// "Datei › Importieren...": recordings, folders and archives into the open plan's diary, from the
// menu or from files dropped on the window.
#pragma once

#include <string>
#include <vector>

#include "platform/services.h"
#include "shell/application.h"
#include "shell/main_window_view.h"

namespace sb::shell {

// The import dialog for the open plan, reading `paths` at once when there are any. Without an open
// plan the user is told so and nothing else happens.
void importRecordings(Application& app, MainWindowView& view, platform::Services& services,
                      const std::vector<std::string>& paths = {});

// Whether dropped files go to the import rather than open one by one: several files, a folder, an
// archive or a gzip file.
bool dropsIntoImport(const std::vector<std::string>& paths);

}  // namespace sb::shell
