// The keyboard shortcuts and the commands they send.
#include <gtest/gtest.h>

#include "shell/accelerators.h"

namespace sb::shell {
namespace {

TEST(Accelerators, KeysSendTheirCommands) {
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(acceleratorCommand(true, std::to_string(n)), 19 + n);
    EXPECT_EQ(acceleratorCommand(true, "F"), 57);
    EXPECT_EQ(acceleratorCommand(true, "n"), 10);
    EXPECT_EQ(acceleratorCommand(true, "O"), 11);
    EXPECT_EQ(acceleratorCommand(true, "P"), 16);
    EXPECT_EQ(acceleratorCommand(true, "S"), 12);
    for (int n = 5; n <= 9; ++n) EXPECT_EQ(acceleratorCommand(false, "F" + std::to_string(n)), 43 + n);
    // Neither the plain letters nor Ctrl with the function keys are taken.
    EXPECT_EQ(acceleratorCommand(false, "S"), 0);
    EXPECT_EQ(acceleratorCommand(true, "F5"), 0);
    EXPECT_EQ(acceleratorCommand(true, "0"), 0);
    EXPECT_EQ(acceleratorCommand(false, "F10"), 0);
}

}  // namespace
}  // namespace sb::shell
