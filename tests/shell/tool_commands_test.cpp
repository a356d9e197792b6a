// The tools and the options from the main window: each command opens its dialog, the odometers follow
// the reminder's "Ja", and the menus show what the options changed as soon as the sheet closes.
#include <gtest/gtest.h>

#include "editor/day_editor_controls.h"
#include "shell/command_ids.h"
#include "shell_test_support.h"

namespace sb::shell::testing {
namespace {

using platform::headless::HeadlessDialogHost;
using platform::headless::HeadlessPropertySheet;
using ToolCommands = ShellTest;

TEST_F(ToolCommands, EachToolOpensItsDialogAndTheReminderLeadsToTheOdometers) {
    initialise();
    const std::vector<std::pair<int, std::string>> tools{{cmd::kBasalMetabolism, "TOOL_GRUNDUMSATZ"},
                                                         {cmd::kBodyMassIndex, "TOOL_BMI"},
                                                         {cmd::kWaistHipRatio, "TOOL_THQ"},
                                                         {cmd::kGearCalculator, "TOOL_RITZELRECHNER"}};
    for (const auto& [command, dialog] : tools) {
        services.scriptDialog(dialog, [](HeadlessDialogHost& host) { host.pressClose(); });
        dispatch(command);
    }
    openSamplePlan();
    app.year.odometers[0] = {0, 5000, 0, 1000, 1, "Rad", 1};
    services.scriptDialog("IDD_DATENAENDERN_TRIATHLON_BASIC",
                          [](HeadlessDialogHost& host) { host.press(editor::control::ok); });
    services.answerMessages({Answer::Yes});
    services.scriptDialog("TOOL_KILOMETERZAEHLER", [](HeadlessDialogHost& host) {
        EXPECT_EQ(2u, host.items(201).size());  // the plan's two odometers
        host.pressClose();
    });
    dispatch(cmd::kTrainingDays);
    EXPECT_EQ((std::vector<std::string>{"TOOL_GRUNDUMSATZ", "TOOL_BMI", "TOOL_THQ", "TOOL_RITZELRECHNER",
                                        "IDD_DATENAENDERN_TRIATHLON_BASIC", "TOOL_KILOMETERZAEHLER"}),
              services.dialogsOpened());
    expectNothingUnexpected();
}

TEST_F(ToolCommands, TheMenusFollowTheOptionsOnceTheSheetCloses) {
    writeConfig("[KONFIG]\nAUTOLADEN=0\nPOLAR=1\nTACHO=0\n");
    initialise();
    dispatch(cmd::kStartup);
    EXPECT_TRUE(view.hasMenuItem(cmd::kOpenHeartRateFile));
    EXPECT_FALSE(view.hasMenuItem(cmd::kOpenBikeComputerFile));
    services.scriptPropertySheet("Konfiguration", [](HeadlessPropertySheet& sheet) {
        sheet.selectPage(3);
        sheet.page(3).press(1300);
        sheet.page(3).press(1301);
        sheet.ok();
    });
    dispatch(cmd::kOptions);
    EXPECT_FALSE(view.hasMenuItem(cmd::kOpenHeartRateFile));
    EXPECT_TRUE(view.hasMenuItem(cmd::kOpenBikeComputerFile));
    expectNothingUnexpected();
}

}  // namespace
}  // namespace sb::shell::testing
