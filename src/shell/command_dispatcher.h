// The main window's one command dispatcher: every menu item, accelerator and toolbar button arrives
// here as a numbered command (shell/command_ids.h). The table of commands is the one place that says
// what each needs (a plan, a preset, a recording…), whether it runs inside the modal-view frame and
// which handler runs it; menus and toolbar grey a command exactly when this table would not run it.
#pragma once

#include "platform/services.h"
#include "shell/application.h"
#include "shell/main_window_view.h"

namespace sb::shell {

using CommandHandler = void (*)(Application& app, MainWindowView& view, platform::Services& services,
                                int commandId);

// What must hold for a command to run. A command that needs a plan never runs without one, whatever
// the menus and toolbar show.
enum class Needs {
    nothing,
    plan,                // a plan is open
    planWithTypes,       // a plan of version 2 or 3
    printableDiagram,    // a plan's bar diagram (kinds 1…4) or a recording's X-Y diagram is shown
    activePreset,        // a user diagram preset is active
    barDiagram,          // one of the diagram kinds 1…4 is shown
    weekOrMonthDiagram,  // diagram kind 3 or 4 is shown
    laterPeriod,         // kind 3 or 4 is shown, before week 53 or December
    earlierPeriod,       // kind 3 or 4 is shown, after week 1 or January
    heartRateFile,       // a heart-rate recording is loaded
    bikeComputerFile,    // a bike-computer recording is loaded
    planAndRecording,    // a plan is open and a recording of any source is loaded
    xyDiagram,           // the X-Y diagram of a loaded recording is shown
};

enum class Frame {
    none,
    modalView,  // no preset, no diagram while the handler runs; the diagram comes back after
};

struct CommandEntry {
    int first = 0;  // the ids first…last share the entry
    int last = 0;
    Needs needs = Needs::nothing;
    Frame frame = Frame::none;
    CommandHandler run = nullptr;  // none yet: the command is greyed and does nothing
};

// The entry of a command id, or null.
const CommandEntry* findCommand(int commandId);
// Whether the command's requirement holds in the current state, handler or not.
bool commandAllowed(const Application& app, int commandId);
// Whether the command has a handler and may run now: what menus and toolbar show as enabled.
bool commandEnabled(const Application& app, int commandId);

// Runs an enabled command, reports settings the command could not save, then shows the state it left
// (menus, toolbar, title, status bar).
void dispatchCommand(Application& app, MainWindowView& view, platform::Services& services, int commandId);

// The window's close box: the exit flow. false when the window stays open.
bool closeRequested(Application& app, MainWindowView& view, platform::Services& services);
// F1 in the main window: the help contents; a failure is not reported.
void helpRequested(const Application& app, platform::Services& services);

}  // namespace sb::shell
