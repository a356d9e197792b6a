// Start-up as the user meets it: which questions come in which order for a first start, a plan that
// reloads and one that does not, and what the window shows when the logo time ends.
#include <gtest/gtest.h>

#include "planfile/plan_file_version.h"

#include <filesystem>

#include "config/program_paths.h"
#include "planfile/legacy_plan_writer.h"
#include "planfile/plan_file_reader.h"
#include "shell/command_dispatcher.h"
#include "shell/command_ids.h"
#include "shell/navigation.h"
#include "shell_test_support.h"

namespace sb::shell::testing {
namespace {

const LoggedMessage kFirstStartQuestion{
    "Es wurde bisher noch kein Saisonbuch bearbeitet.\nWollen Sie einen neuen erstellen?", "Hinweis",
    Buttons::YesNo, Icon::Information};
const LoggedMessage kReloadFailedQuestion{
    "Fehler beim Öffnen des letzen Saisonbuch.\nWollen Sie einen neuen angelegen?", "Hinweis", Buttons::YesNo,
    Icon::Information};

using StartUp = ShellTest;

TEST_F(StartUp, WithoutAutoloadNothingIsAskedButTheWeekIsToday) {
    writeConfig("[KONFIG]\nAUTOLADEN=0\nLOGOZEIT=1\nLETZTE_DATEI=" + file("gone.sb3") + "\nDIAGRAMM_TYP=4\n");
    initialise();
    dispatch(9);
    EXPECT_TRUE(services.steps().empty());
    EXPECT_EQ(std::pair(app.year.planFileVersion, app.year.planLoaded), std::pair(0, 0));
    // 15 June 2024: 1 January 2024 is a Monday, so the 167th day lies in week 24.
    EXPECT_EQ(24, app.currentWeek);
    EXPECT_EQ(6, app.currentMonth);
    EXPECT_EQ(std::pair(true, 3000), std::pair(services.timerRunning(), services.timerInterval()));
    EXPECT_TRUE(view.menuItem(12).greyed);
    EXPECT_FALSE(view.toolbarButtonEnabled(12));
    EXPECT_EQ(0, app.logoDone);
    services.fireTimer();
    EXPECT_EQ(1, app.logoDone);
    EXPECT_FALSE(services.timerRunning());
    expectNothingUnexpected();
}

TEST_F(StartUp, SettingsThatCannotBeWrittenBackAreReportedOnceStartedUp) {
    std::filesystem::create_directory(file("train.cfg"));
    initialise();
    services.answerMessages({Answer::No});
    dispatch(cmd::kStartup);
    EXPECT_EQ((std::vector<LoggedMessage>{kFirstStartQuestion,
                                          saveFailed(file("train.cfg"), EISDIR)}),
              services.messages());
    expectNothingUnexpected();
}

// A file where the program directory belongs: told once at the start, the defaults hold, and the end
// of the program writes nothing anywhere.
TEST_F(StartUp, AnUnusableProgramDirectoryIsToldOnceAndNothingIsWritten) {
    sb::testing::writeBytes(file("datei"), "x");
    app.paths = config::locateProgramDirectory([this](const std::string& name) -> std::optional<std::string> {
        return name == "SAISONBUCH_HOME" ? std::optional(file("datei")) : std::nullopt;
    });
    initialise();
    services.answerMessages({Answer::No});
    dispatch(cmd::kStartup);
    dispatch(cmd::kExit);
    EXPECT_EQ((std::vector<LoggedMessage>{{"Das Programmverzeichnis " + file("datei") +
                                               " kann nicht verwendet werden: " + std::strerror(ENOTDIR) +
                                               ". Einstellungen und Standardstrecken werden nicht gespeichert.",
                                           "Hinweis", Buttons::Ok, Icon::Exclamation},
                                          kFirstStartQuestion}),
              services.messages());
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(dir_.path()), {}));
    EXPECT_FALSE(std::filesystem::exists("train.cfg"));
    expectNothingUnexpected();
}

TEST_F(StartUp, FirstStartShowsTheTourThenCreatesThePlan) {
    writeConfig("[KONFIG]\nAUTOLADEN=1\n");
    initialise();
    services.answerMessages({Answer::Yes});
    services.scriptDialog("IDD_PERSONEN", [](auto& dialog) {
        dialog.type(201, "Jan");
        dialog.type(210, "2024");
        dialog.press(211);
    });
    // A typed name without the plan extension still becomes a plan file.
    services.answerFileDialogs({file("neu")});
    dispatch(9);
    EXPECT_EQ((std::vector<std::string>{"help: help/tour.html 0", "message: " + kFirstStartQuestion.text,
                                        "dialog opened: IDD_PERSONEN", "file dialog: ",
                                        "help: help/tour.html 0"}),  // the tour back in front
              services.steps());
    EXPECT_EQ(kFirstStartQuestion, services.messages()[0]);
    const auto& request = services.fileDialogs()[0].request;
    EXPECT_EQ(std::tuple(true, std::string("Saisonbuchdatei  (*.sb3)"), std::string("default.sb3"), std::string("sb3")),
              std::tie(services.fileDialogs()[0].save, request.filters.at(0).description, request.proposedName,
                       request.defaultExtension));
    EXPECT_EQ(planState(), std::tuple(file("neu.sb3"), 3, 1, 0));
    EXPECT_EQ(0, app.newPlanMode);
    EXPECT_FALSE(view.menuItem(12).greyed);
    model::TrainingYear written;
    ASSERT_TRUE(planfile::readPlanFileOfVersion(3, file("neu.sb3"), written).readable);
    EXPECT_EQ(std::tuple("Jan", 2024), std::tie(written.firstName, written.planYear));
    expectNothingUnexpected();
}

TEST_F(StartUp, FirstStartDeclinedOrCancelledLeavesNoPlan) {
    writeConfig("[KONFIG]\nAUTOLADEN=1\n");
    initialise();
    services.setHelpAvailable(false);
    services.answerMessages({Answer::No});
    dispatch(9);
    EXPECT_EQ((std::vector<std::string>{"Fehler beim Öffnen der\nHilfe-Datei", kFirstStartQuestion.text}),
              services.messageTexts());
    EXPECT_EQ(0, app.year.planFileVersion);
    EXPECT_EQ(24, app.currentWeek);

    // Cancelling the save dialog keeps the athlete data as unsaved changes; no plan is open.
    services.setHelpAvailable(true);
    services.answerMessages({Answer::Yes});
    services.scriptDialog("IDD_PERSONEN", [](auto& dialog) { dialog.press(211); });
    services.answerFileDialogs({std::nullopt});
    dispatch(9);
    EXPECT_EQ(3u, services.messages().size());
    EXPECT_EQ(kFirstStartQuestion, services.messages().back());
    EXPECT_EQ(planState(), std::tuple("", 0, 0, 1));
    EXPECT_TRUE(view.menuItem(12).greyed);

    expectNothingUnexpected();
}

TEST_F(StartUp, ReloadsTheLastPlanInItsOwnVersion) {
    const std::string last = file("alt.sb2");
    ASSERT_EQ(0, planfile::writePlanFileV2(plan2009(), last));
    writeConfig("[KONFIG]\nAUTOLADEN=1\nLETZTE_DATEI=" + last + "\n");
    initialise();
    dispatch(9);
    EXPECT_TRUE(services.steps().empty());
    EXPECT_EQ(planState(), std::tuple(last, 2, 1, 0));
    EXPECT_EQ("Bernd", app.year.firstName);
    EXPECT_FALSE(view.menuItem(12).greyed);
    EXPECT_EQ("Datei: " + last, view.statusTexts()[2]);
    expectNothingUnexpected();
}

TEST_F(StartUp, AFailedReloadOffersANewPlan) {
    const std::string last = file("gone.sb3");
    writeConfig("[KONFIG]\nAUTOLADEN=1\nLETZTE_DATEI=" + last + "\n");
    initialise();
    services.answerMessages({Answer::No});
    dispatch(9);
    EXPECT_EQ(kReloadFailedQuestion, services.messages().at(0));
    EXPECT_EQ(planState(), std::tuple("", 0, 0, 0));
    EXPECT_TRUE(view.menuItem(13).greyed);
    expectNothingUnexpected();
}

TEST_F(StartUp, TheLogoTimeEndsInTheDiagramOrTheDayEditor) {
    writeConfig("[KONFIG]\nAUTOLADEN=0\nLOGOZEIT=10\n");
    initialise();
    dispatch(9);
    EXPECT_EQ(10000, services.timerInterval());
    const int repaints = view.repaints();
    services.fireTimer();
    EXPECT_EQ(repaints + 1, view.repaints());
    EXPECT_TRUE(view.postedCommands() == std::vector<int>{9});

    app.settings.autoOpenDayEditor = 1;
    dispatch(9);
    services.fireTimer();
    EXPECT_EQ((std::vector<int>{9, 32}), view.postedCommands());
    expectNothingUnexpected();
}

}  // namespace
}  // namespace sb::shell::testing
