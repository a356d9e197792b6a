// Start-up of the program: the state before the window exists, the first state the window shows, the
// start-up command (logo, reloading the last plan, leading a first-time user to a new plan), and the
// end of the logo time.
#pragma once

#include "config/program_paths.h"
#include "platform/services.h"
#include "shell/application.h"
#include "shell/main_window_view.h"

namespace sb::shell {

// Before the window is created: the paths, an empty training year, no recording, every setting loaded,
// the menu bar built.
void initialiseApplication(Application& app, const config::ProgramPaths& paths);

// Right after the window was created and shown: menus, bars and status texts as the settings say, and
// the start-up command posted.
void windowCreated(Application& app, MainWindowView& view);

// The start-up command, posted once the window is on screen.
void startupCommand(Application& app, MainWindowView& view, platform::Services& services);

// The end of the logo time: diagrams may be drawn from now on, or the day editor opens at once.
void logoTimer(Application& app, MainWindowView& view, platform::Services& services);

}  // namespace sb::shell
