// The tool and list commands from the main window: each opens its dialog over the plan, and the
// odometers follow the reminder's "Ja".
#include <gtest/gtest.h>

#include "editor/day_editor_controls.h"
#include "shell/command_ids.h"
#include "shell_test_support.h"

namespace sb::shell::testing {
namespace {

using platform::headless::HeadlessDialogHost;
using ToolCommands = ShellTest;

TEST_F(ToolCommands, EachCommandOpensItsDialog) {
    using namespace cmd;
    const int commands[]{kBasalMetabolism, kBodyMassIndex, kWaistHipRatio, kGearCalculator,
                         kWeekList,        kMonthList,     kYearList,      kSearch};
    const std::vector<std::string> dialogs{"TOOL_GRUNDUMSATZ",   "TOOL_BMI",    "TOOL_THQ",
                                           "TOOL_RITZELRECHNER", "LISTE_WOCHE", "LISTE_MONAT",
                                           "LISTE_JAHR",         "LISTE_SUCH"};
    initialiseWithSamplePlan();
    for (const std::string& dialog : dialogs)
        services.scriptDialog(dialog, [](HeadlessDialogHost& host) { host.pressClose(); });
    for (int command : commands) dispatch(command);
    EXPECT_EQ(dialogs, services.dialogsOpened());
}

TEST_F(ToolCommands, TheReminderLeadsToTheOdometers) {
    initialiseWithSamplePlan();
    app.year.odometers[0] = {0, 5000, 0, 1000, 1, "Rad", 1};
    services.scriptDialog("IDD_DATENAENDERN_TRIATHLON_BASIC",
                          [](HeadlessDialogHost& host) { host.press(editor::control::ok); });
    services.answerMessages({Answer::Yes});
    services.scriptDialog("TOOL_KILOMETERZAEHLER", [](HeadlessDialogHost& host) {
        EXPECT_EQ(2u, host.items(201).size());  // the plan's two odometers
        host.pressClose();
    });
    dispatch(cmd::kTrainingDays);
    EXPECT_EQ((std::vector<std::string>{"IDD_DATENAENDERN_TRIATHLON_BASIC", "TOOL_KILOMETERZAEHLER"}),
              services.dialogsOpened());
}

}  // namespace
}  // namespace sb::shell::testing
