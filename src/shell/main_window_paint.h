// What the main window's client area shows: the start logo, the four information lines while the
// status bar is hidden, and once the logo time is over the current diagram.
#pragma once

#include <array>
#include <string>

#include "charts/bar_diagram.h"
#include "platform/canvas.h"
#include "shell/application.h"
#include "shell/main_window_view.h"

namespace sb::shell {

// The information lines of the start screen, top to bottom (UTF-8).
std::array<std::string, 4> informationLines(const Application& app);

// The bar diagram the window shows now (kinds 1 to 4), with week and month kept in range.
charts::DiagramRequest currentDiagramRequest(const Application& app);

// Paints the client area onto `canvas` (device pixels, default mapping). The value box is set to the
// shown week or month, as the week and month diagrams are painted.
void paintMainWindow(const Application& app, MainWindowView& view, platform::Canvas& canvas);

}  // namespace sb::shell
