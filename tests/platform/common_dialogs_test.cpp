// Cancelling a printout through its progress dialog.
#include <gtest/gtest.h>

#include "platform/headless/headless_services.h"
#include "platform/print_progress_dialog.h"

namespace sb::platform {
namespace {

using headless::HeadlessServices;

TEST(CommonDialogs, AbbrechenStopsThePrintingLoop) {
    HeadlessServices services;
    int polls = 0;
    services.scriptModeless("DRUCKDIALOG", [&polls](auto& dialog) {
        if (++polls == 3) dialog.press(297);
    });
    {
        PrintProgress progress(services);
        int pages = 0;
        while (progress.continuePrinting() && pages < 10) ++pages;
        EXPECT_EQ(2, pages);
        EXPECT_FALSE(progress.continuePrinting());
    }
    EXPECT_TRUE(services.lastDialog("DRUCKDIALOG")->ended());
    EXPECT_TRUE(services.unexpected().empty());
}

}  // namespace
}  // namespace sb::platform
