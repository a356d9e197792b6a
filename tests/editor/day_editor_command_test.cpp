// The day-editor command: the form it opens and the odometer reminder afterwards.
#include <gtest/gtest.h>

#include "editor/day_editor_command.h"
#include "editor/day_editor_controls.h"
#include "editor_fixture.h"

using namespace sb;
using namespace sb::editor;
using namespace sb::editor::testing;
using platform::Answer;
using platform::headless::HeadlessDialogHost;

namespace {

constexpr const char* kReminder = "Ein Kilometerzähler hat ausgelöst.\nansehen?";

}  // namespace

TEST_F(EditorTest, TheReminderComesExactlyWhenAnOdometerBecomesDue) {
    settings.sportMode = 1;
    year.odometers[2] = {0, 950, 0, 1000, 1, "Kette", 1};
    auto ride = [](const char* kilometres) {
        return [kilometres](HeadlessDialogHost& dialog) {
            dialog.type(kBikeControls.hours, "2");
            dialog.type(kBikeControls.distance, kilometres);
            dialog.press(control::ok);
        };
    };
    services.scriptDialog("IDD_DATENAENDERN_RAD", ride("49,9"));
    EXPECT_EQ(runDayEditorCommand(services, year, settings, routes, kHelpFile), DayEditorOutcome::Closed);
    EXPECT_TRUE(messages().empty());

    services.answerMessages({Answer::Yes});
    services.scriptDialog("IDD_DATENAENDERN_RAD", ride("50"));
    EXPECT_EQ(runDayEditorCommand(services, year, settings, routes, kHelpFile),
              DayEditorOutcome::OdometersWanted);
    ASSERT_EQ(services.messages().size(), 1u);
    EXPECT_EQ(services.messages()[0],
              (platform::headless::LoggedMessage{kReminder, "Erinnerung", platform::Buttons::YesNo,
                                                 platform::Icon::Question}));
    EXPECT_EQ(year.odometers[2].state, 3);

    services.answerMessages({Answer::No});
    services.scriptDialog("IDD_DATENAENDERN_RAD",
                          [](HeadlessDialogHost& dialog) { dialog.press(control::cancel); });
    EXPECT_EQ(runDayEditorCommand(services, year, settings, routes, kHelpFile), DayEditorOutcome::Closed);
    EXPECT_EQ(services.messages().size(), 2u);
}

TEST_F(EditorTest, NoPlanNoEditorAndFirstVersionPlansNoReminder) {
    year.planFileVersion = 0;
    EXPECT_EQ(runDayEditorCommand(services, year, settings, routes, kHelpFile), DayEditorOutcome::NoPlan);
    EXPECT_TRUE(services.steps().empty());

    year.planFileVersion = 1;
    year.odometers[0] = {0, 5000, 0, 1000, 2, "Schuhe", 1};
    services.scriptDialog("IDD_DATENAENDERN_V1",
                          [](HeadlessDialogHost& dialog) { dialog.press(control::ok); });
    EXPECT_EQ(runDayEditorCommand(services, year, settings, routes, kHelpFile), DayEditorOutcome::Closed);
    EXPECT_EQ(services.steps(), (std::vector<std::string>{"dialog opened: IDD_DATENAENDERN_V1"}));
}
