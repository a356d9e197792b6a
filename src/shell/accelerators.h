// The main window's keyboard shortcuts as data: a key sequence as the window's toolkit spells it
// ("Ctrl+N", "F5", "Alt+Left"), the command it sends, and whether it works only while the diagram has
// the keyboard focus (keys that an edit field needs for itself).
#pragma once

#include <array>
#include <string_view>

namespace sb::shell {

struct Accelerator {
    std::string_view keys;
    int command = 0;
    bool diagramOnly = false;
};

constexpr int kAcceleratorCount = 23;

const std::array<Accelerator, kAcceleratorCount>& accelerators();

}  // namespace sb::shell
