// The shared file-dialog conventions: error messages of a failed dialog, and cancelling a printout
// through its progress dialog.
#include <gtest/gtest.h>

#include "platform/headless/headless_services.h"
#include "platform/common_dialogs.h"
#include "platform/print_progress_dialog.h"

namespace sb::platform {
namespace {

using headless::HeadlessServices;
using headless::LoggedMessage;

TEST(CommonDialogs, AFailedFileDialogNamesItsCodeAndACancelSaysNothing) {
    HeadlessServices services;
    services.answerFileDialogs({std::nullopt});
    services.openFileName({});
    reportDialogError(services);
    EXPECT_TRUE(services.messages().empty());
    for (unsigned code : {0xFFFFu, 0x3003u, 0x4242u}) {
        services.answerFileDialogError(code);
        services.openFileName({});
        reportDialogError(services);
    }
    EXPECT_EQ((std::vector<LoggedMessage>{{"Code: CDERR_DIALOGFAILURE", "Error", Buttons::Ok, Icon::Stop},
                                          {"Code: FNERR_BUFFERTOOSMALL\n", "Error", Buttons::Ok, Icon::Stop},
                                          {"Code: NOT_DEFIENED", "Error", Buttons::Ok, Icon::Stop}}),
              services.messages());
}

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
