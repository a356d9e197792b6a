// The commands of the "&Pulsuhr" and "&Radcomputer" menus and of the X-Y diagram's axis menus: opening
// a recording (with the file dialog, or the last file again), its info and zone evaluation, the X and Y
// quantity, and the X-Y diagram as the window paints and prints it.
#pragma once

#include <string>

#include "platform/canvas.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "shell/application.h"
#include "shell/main_window_view.h"

namespace sb::shell {

// Commands 75 and 83: the open dialog for the source's files (recordings::kPolarRecording, whose
// dialog also offers the activity files, or kBikeRecording), then the file read and shown.
void openRecording(Application& app, MainWindowView& view, platform::Services& services, int source);
// Commands 74 and 82: the last file of the source read again and shown.
void showLastRecording(Application& app, MainWindowView& view, platform::Services& services, int source);
// A file named on the command line or dropped on the window, read as if chosen in the open dialog of
// its source (recordings::sourceOfPath); false, with nothing done, when its name names no recording.
bool openRecordingFile(Application& app, MainWindowView& view, platform::Services& services,
                       const std::string& path);
// Commands 76 and 84; the dialog's "Als Training übernehmen" takes that source's recording over.
void showRecordingInfo(Application& app, MainWindowView& view, platform::Services& services, int source);
// Commands 77 and 85: time and share per pulse zone of the samples shown; without zones, the way to the
// options page that sets them up.
void evaluateRecording(Application& app, platform::Services& services);
// Commands 90…99.
void chooseXyQuantity(Application& app, MainWindowView& view, int menuId);

// Whether the window shows the X-Y diagram of a loaded recording now.
bool showsRecording(const Application& app);
// The X-Y diagram of the shown recording on a canvas mapped onto the chart frame.
void drawRecordingDiagram(const Application& app, platform::Canvas& canvas);
bool printRecordingDiagram(const Application& app, platform::Printer& printer);

}  // namespace sb::shell
