// Start-up as the user meets it: which questions come in which order for a first start, a plan that
// reloads and one that does not, and what the window shows when the logo time ends.
#include <gtest/gtest.h>

#include <filesystem>

#include "config/program_paths.h"
#include "planfile/legacy_plan_writer.h"
#include "planfile/plan_file_writer.h"
#include "shell/command_ids.h"
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

// A start: train.cfg ("/": a folder in its place), the help at hand or not, the athlete dialog
// (0 not shown, 1 confirmed as it is, 2 "Jan" in 2024), the user's answers; then every step shown in
// order and the plan held, which is also on disk. A "@/" stands for the program directory. Whatever
// opens, the window shows today's week and month, and Save is grey exactly while no plan is open.
struct Start {
    std::string name;
    struct {
        std::string config;
        bool help;
        int athlete;
        std::vector<Answer> answers;
        std::vector<std::optional<std::string>> files;
    } given;
    struct {
        std::vector<std::string> steps;
        std::tuple<std::string, int, int, int> state;
        std::string shown;  // athlete and year of the plan
    } then;
};

void PrintTo(const Start& start, std::ostream* out) {
    *out << start.name;
}

class StartFlow : public StartUp, public ::testing::WithParamInterface<Start> {};

TEST_P(StartFlow, ShowsItsStepsAndOpensWhatItShould) {
    const auto& [given, then] = std::tie(GetParam().given, GetParam().then);
    ASSERT_EQ(0, planfile::writePlanFileV2(plan2009(), file("alt.sb2")));
    if (given.config == "/")
        std::filesystem::create_directory(file("train.cfg"));
    else
        writeConfig("[KONFIG]\n" + inFolder(given.config) + "\n");
    initialise();
    services.setHelpAvailable(given.help);
    services.answerMessages(given.answers);
    std::vector<std::optional<std::string>> files;
    for (const auto& name : given.files) files.push_back(name ? std::optional(file(*name)) : std::nullopt);
    services.answerFileDialogs(files);
    if (given.athlete != 0) {
        services.scriptDialog("IDD_PERSONEN", [&given](platform::headless::HeadlessDialogHost& dialog) {
            if (given.athlete == 2) {
                dialog.type(201, "Jan");
                dialog.type(210, "2024");
            }
            dialog.press(211);
        });
    }
    dispatch(cmd::kStartup);
    std::vector<std::string> steps;
    for (const std::string& step : then.steps) steps.push_back(inFolder(step));
    EXPECT_EQ(steps, services.steps());
    for (const LoggedMessage& shown : services.messages())
        if (shown.text == kReloadFailedQuestion.text) {
            EXPECT_EQ(kReloadFailedQuestion, shown);
        }
    const auto& [name, version, loaded, modified] = then.state;
    EXPECT_EQ(planState(), std::tuple(name.empty() ? "" : file(name), version, loaded, modified));
    EXPECT_EQ(std::pair(24, 6), std::pair(app.currentWeek, app.currentMonth));
    EXPECT_EQ(std::pair(!loaded, !loaded),
              std::pair(view.menuItem(cmd::kSavePlan).greyed, !view.toolbarButtonEnabled(cmd::kSavePlan)));
    EXPECT_EQ(then.shown, app.year.firstName + " " + std::to_string(app.year.planYear));
    if (loaded) {
        EXPECT_EQ("Datei: " + file(name), view.statusTexts()[2]);
    }
    if (loaded && version == 3) {
        EXPECT_EQ(planfile::formatPlanFile(app.year), fileBytes(file(name)));
    }
    for (const auto& [save, request] : services.fileDialogs()) EXPECT_TRUE(save) << request.title;
    EXPECT_EQ(0, app.newPlanMode);
}

const std::string kFirstStart = "message: " + kFirstStartQuestion.text;
const std::string kTour = "help: help/tour.html 0", kAthlete = "dialog opened: IDD_PERSONEN",
                  kSave = "file dialog: ";

INSTANTIATE_TEST_SUITE_P(
    StartUp, StartFlow,
    ::testing::Values(
        Start{"ReloadsTheLastPlanInItsOwnVersion",
              {"AUTOLADEN=1\nLETZTE_DATEI=@/alt.sb2", true, 0, {}, {}},
              {{}, {"alt.sb2", 2, 1, 0}, "Bernd 2009"}},
        Start{"AFailedReloadOffersANewPlan",
              {"AUTOLADEN=1\nLETZTE_DATEI=@/fehlt.sb3", true, 0, {Answer::No}, {}},
              {{"message: " + kReloadFailedQuestion.text}, {"", 0, 0, 0}, " 0"}},
        Start{"FirstStartDeclinedWithoutHelp",
              {"AUTOLADEN=1", false, 0, {Answer::No}, {}},
              {{kTour, "message: Fehler beim Öffnen der\nHilfe-Datei", kFirstStart}, {"", 0, 0, 0}, " 0"}},
        // A typed name without the plan extension still becomes a plan file; the tour comes back in front.
        Start{"FirstStartShowsTheTourThenCreatesThePlan",
              {"AUTOLADEN=1", true, 2, {Answer::Yes}, {"neu"}},
              {{kTour, kFirstStart, kAthlete, kSave, kTour}, {"neu.sb3", 3, 1, 0}, "Jan 2024"}},
        // Cancelling the save dialog keeps the athlete data as unsaved changes; no plan is open.
        Start{"FirstStartWithTheSaveDialogCancelled",
              {"AUTOLADEN=1", true, 1, {Answer::Yes}, {std::nullopt}},
              {{kTour, kFirstStart, kAthlete, kSave}, {"", 0, 0, 1}, " 2024"}},
        Start{"SettingsThatCannotBeWrittenBackAreReportedOnceStartedUp",
              {"/", true, 0, {Answer::No}, {}},
              {{kTour, kFirstStart, "message: " + saveFailed("@/train.cfg", EISDIR).text},
               {"", 0, 0, 0},
               " 0"}}),
    [](const auto& info) { return info.param.name; });

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
    EXPECT_EQ((std::vector<LoggedMessage>{
                  warning("Das Programmverzeichnis " + file("datei") +
                              " kann nicht verwendet werden: " + std::strerror(ENOTDIR) +
                              ". Einstellungen und Standardstrecken werden nicht gespeichert.",
                          "Hinweis"),
                  kFirstStartQuestion}),
              services.messages());
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(dir_.path()), {}));
    EXPECT_FALSE(std::filesystem::exists("train.cfg"));
}

// The logo stays at least three seconds; when it goes, the diagram is drawn, or the day editor opens.
TEST_F(StartUp, TheLogoTimeEndsInTheDiagramOrTheDayEditor) {
    for (auto [seconds, interval] : {std::pair{1, 3000}, {10, 10000}}) {
        initialise("[KONFIG]\nAUTOLADEN=0\nLOGOZEIT=" + std::to_string(seconds) + "\n");
        dispatch(cmd::kStartup);
        EXPECT_EQ(std::tuple(true, interval, 0),
                  std::tuple(services.timerRunning(), services.timerInterval(), app.logoDone));
        const int repaints = view.repaints();
        services.fireTimer();
        EXPECT_EQ(std::tuple(false, 1, repaints + 1),
                  std::tuple(services.timerRunning(), app.logoDone, view.repaints()));
    }
    app.settings.autoOpenDayEditor = 1;
    dispatch(cmd::kStartup);
    services.fireTimer();
    EXPECT_EQ((std::vector<int>{9, 9, 32}), view.postedCommands());
}

}  // namespace
}  // namespace sb::shell::testing
