// The status bar: three parts showing the plan year, the athlete and the plan file, with their right
// edges at a quarter, a half and the whole of the bar's width.
#pragma once

#include <array>
#include <string>

#include "shell/application.h"
#include "shell/main_window_view.h"

namespace sb::shell {

// Right edge of each part for a bar whose right edge is at right (pixels).
std::array<int, 3> statusBarPartEdges(int right);
// Hands the three texts to the window: the plan year, the athlete, the plan file.
void updateStatusBar(const Application& app, MainWindowView& view);

}  // namespace sb::shell
