// The shortcut table. Ctrl+1…Ctrl+9 send the history commands 20…28 whether or not the menu shows
// that many entries; shownHistoryCount tells the command handler which of them have an entry.
#include "shell/accelerators.h"

#include <algorithm>
#include <cctype>

namespace sb::shell {
namespace {

constexpr std::array<Accelerator, kAcceleratorCount> kAccelerators{{
    {true, "1", 20},   {true, "2", 21},   {true, "3", 22},   {true, "4", 23},   {true, "5", 24},
    {true, "6", 25},   {true, "7", 26},   {true, "8", 27},   {true, "9", 28},   {true, "F", 57},
    {true, "N", 10},   {true, "O", 11},   {true, "P", 16},   {true, "S", 12},   {false, "F5", 48},
    {false, "F6", 49}, {false, "F7", 50}, {false, "F8", 51}, {false, "F9", 52},
}};

bool sameKey(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
    });
}

}  // namespace

const std::array<Accelerator, kAcceleratorCount>& accelerators() {
    return kAccelerators;
}

int acceleratorCommand(bool control, std::string_view key) {
    for (const Accelerator& accelerator : kAccelerators)
        if (accelerator.control == control && sameKey(accelerator.key, key)) return accelerator.command;
    return 0;
}

}  // namespace sb::shell
