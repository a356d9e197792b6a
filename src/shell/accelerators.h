// The main window's keyboard shortcuts as data: a key, with or without Ctrl, and the command it sends.
// Keys are named as the window's toolkit spells them in a key sequence ("N", "5", "F5").
#pragma once

#include <array>
#include <string_view>

namespace sb::shell {

struct Accelerator {
    bool control = false;
    std::string_view key;
    int command = 0;
};

constexpr int kAcceleratorCount = 19;

const std::array<Accelerator, kAcceleratorCount>& accelerators();
// The command of a key, or 0 when the key has none. Key names match without regard to letter case.
int acceleratorCommand(bool control, std::string_view key);

}  // namespace sb::shell
