// The shortcut table. Ctrl+1…Ctrl+9 send the history commands whether or not the menu shows that many
// entries; the command handler knows which of them have an entry.
#include "shell/accelerators.h"

#include "shell/command_ids.h"

namespace sb::shell {
namespace {

using namespace cmd;

constexpr std::array<Accelerator, kAcceleratorCount> kAccelerators{{
    {"Ctrl+1", kFirstHistoryEntry},
    {"Ctrl+2", kFirstHistoryEntry + 1},
    {"Ctrl+3", kFirstHistoryEntry + 2},
    {"Ctrl+4", kFirstHistoryEntry + 3},
    {"Ctrl+5", kFirstHistoryEntry + 4},
    {"Ctrl+6", kFirstHistoryEntry + 5},
    {"Ctrl+7", kFirstHistoryEntry + 6},
    {"Ctrl+8", kFirstHistoryEntry + 7},
    {"Ctrl+9", kLastHistoryEntry},
    {"Ctrl+F", kSearch},
    {"Ctrl+N", kNewPlan},
    {"Ctrl+O", kOpenPlan},
    {"Ctrl+P", kPrintOverview},
    {"Ctrl+S", kSavePlan},
    {"F5", kFirstPreset},
    {"F6", kFirstPreset + 1},
    {"F7", kFirstPreset + 2},
    {"F8", kFirstPreset + 3},
    {"F9", kLastPreset},
    {"Alt+Left", kPreviousPeriod},
    {"Alt+Right", kNextPeriod},
    {"PgUp", kPreviousPeriod, true},
    {"PgDown", kNextPeriod, true},
}};

}  // namespace

const std::array<Accelerator, kAcceleratorCount>& accelerators() {
    return kAccelerators;
}

}  // namespace sb::shell
