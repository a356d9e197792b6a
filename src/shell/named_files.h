// Files named from outside the menus: on the command line at start, or dropped on the main window. A
// recording's name (recordings::sourceOfPath) opens the recording as its menu's open dialog would; a
// plan's name opens the plan like "Öffnen", with the save question for a changed plan.
#pragma once

#include <string>
#include <vector>

#include "platform/services.h"
#include "shell/application.h"
#include "shell/main_window_view.h"

namespace sb::shell {

// Whether the name is that of a plan or a recording: what the window accepts as a drop.
bool opensAsNamedFile(const std::string& path);

// Opens the file by its name; any other name is refused with a message and changes nothing.
void openNamedFile(Application& app, MainWindowView& view, platform::Services& services,
                   const std::string& path);

// A file dropped on the main window: opened as above, then the window shows the state it left.
void fileDropped(Application& app, MainWindowView& view, platform::Services& services,
                 const std::string& path);

// Whether the window accepts these files as a drop: an import (dropsIntoImport) or one named file.
bool acceptsDrop(const std::vector<std::string>& paths);
// Files dropped on the main window: the import dialog reads them, or the one file opens as above.
void filesDropped(Application& app, MainWindowView& view, platform::Services& services,
                  const std::vector<std::string>& paths);

}  // namespace sb::shell
