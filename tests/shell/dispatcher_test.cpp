// The dispatcher's guards and the window's own commands: plan commands never run without a plan, grey
// state and title follow the state, nothing enabled is dead, week and month stay in range, dialogs
// hide the diagram and bring it back, and the bars switch.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "model/diagram_quantity.h"
#include "planfile/plan_file_writer.h"
#include "shell/command_dispatcher.h"
#include "shell/command_ids.h"
#include "shell/main_window_paint.h"
#include "shell/menu_bar.h"
#include "shell/toolbar.h"
#include "shell_test_support.h"

namespace sb::shell::testing {
namespace {

using Dispatcher = ShellTest;

// The requirement of every plan command: without a plan none runs, not even after the menus and
// toolbar were made anew (a Save would write an empty year over the last plan), and the planning,
// control and odometer commands need a plan that can hold their data.
TEST_F(Dispatcher, PlanCommandsNeedTheirPlan) {
    using namespace cmd;
    const std::vector<int> planCommands{
        kSavePlan,         kSavePlanAs,      kExportSpreadsheet,     kExportHtml,
        kPrintOverview,    kAthleteData,     kTrainingDays,          kWeekList,
        kMonthList,        kYearList,        kShowWeekOfYearDiagram, kShowMonthOfYearDiagram,
        kShowMonthDiagram, kShowWeekDiagram, kFirstPreset,           kLastPreset,
        kSearch,           kStandardRoutes,  kImport};
    const std::vector<int> typeCommands{kPlanningView, kControlView, kOdometers};
    const std::string last = file("letzte.sb3");
    writeConfig("[KONFIG]\nAUTOLADEN=0\nLETZTE_DATEI=" + last + "\n");
    initialiseWithSamplePlan("letzte.sb3");
    const std::string before = fileBytes(last);
    app.year = model::TrainingYear{};
    dispatch(kStartup);
    dispatch(kToggleToolbar);
    dispatch(kToggleToolbar);
    for (int id : planCommands) {
        EXPECT_FALSE(commandAllowed(app, id)) << id;
        dispatch(id);
    }
    for (int id : typeCommands) EXPECT_FALSE(commandAllowed(app, id)) << id;
    EXPECT_TRUE(services.steps().empty());
    EXPECT_EQ(before, fileBytes(last));
    EXPECT_EQ(std::tuple(true, true, false),
              std::tuple(view.menuItem(kPrintOverview).greyed, view.menuItem(kSavePlan).greyed,
                         view.menuItem(kOpenPlan).greyed));
    EXPECT_FALSE(view.toolbarButtonEnabled(kSavePlan));

    openSamplePlan();
    app.year.planFileVersion = 1;
    for (int id : planCommands) EXPECT_TRUE(commandAllowed(app, id)) << id;
    for (int id : typeCommands) EXPECT_FALSE(commandAllowed(app, id)) << id;
    app.year.planFileVersion = 2;
    for (int id : typeCommands) EXPECT_TRUE(commandAllowed(app, id)) << id;
}

TEST_F(Dispatcher, GreyStateAndTitleFollowTheState) {
    initialise("[KONFIG]\nAUTOLADEN=0\nPOLAR=1\nTACHO=1\n");
    EXPECT_EQ("Saisonbuch", view.title());
    const std::string path = openSamplePlan("anna.sb3");
    dispatch(cmd::kShowWeekDiagram);
    EXPECT_EQ("anna.sb3 – Saisonbuch", view.title());
    forEachCommandItem(view.menuBar(), [this](const platform::MenuItem& item) {
        if (item.id != cmd::kAxisTimeBySport) {
            EXPECT_EQ(!commandEnabled(app, item.id), item.greyed) << item.text;
        }
    });
    for (const ToolbarButton& button : toolbarButtons()) {
        if (!button.separator) {
            EXPECT_EQ(commandEnabled(app, button.command), view.toolbarButtonEnabled(button.command))
                << button.command;
        }
    }
    EXPECT_FALSE(view.menuItem(cmd::kExportHtml).greyed);
    EXPECT_FALSE(view.menuItem(cmd::kExportSpreadsheet).greyed);
    EXPECT_TRUE(view.toolbarButtonEnabled(cmd::kYearList));
    EXPECT_FALSE(view.menuBar()[0].greyed);

    app.year.modified = 1;
    dispatch(cmd::kShowMonthDiagram);
    EXPECT_EQ("anna.sb3* – Saisonbuch", view.title());
    dispatch(cmd::kSavePlan);
    EXPECT_EQ("anna.sb3 – Saisonbuch", view.title());
    EXPECT_EQ(
        (std::array<std::string, 3>{"Trainingsjahr: 2009", "Sportler(in): Bernd Schäfer", "Datei: " + path}),
        view.statusTexts());
}

// Every enabled menu item and toolbar button, from a fresh state with a changed plan open, opens a
// dialog, asks something, or changes the view or the state: nothing the window offers is dead. Only
// what shows the state already (a checked item, the diagram or preset shown) may leave it as it is.
TEST_F(Dispatcher, EveryEnabledCommandDoesSomething) {
    initialise("[KONFIG]\nAUTOLADEN=0\nPOLAR=1\nTACHO=1\n[MENUE]\nMAX_ANZAHL=4\n");
    model::TrainingYear other = plan2009();
    other.planYear = 2010;
    ASSERT_EQ(0, planfile::writePlanFile(other, file("andere.sb3")));
    openSamplePlan();
    app.settings.history = {file("andere.sb3")};
    app.year.modified = 1;
    app.currentWeek = 20;
    app.currentMonth = 6;
    const Application start = app;
    const std::map<int, int> kindShownBy{{cmd::kShowWeekOfYearDiagram, model::kWeekOfYearDiagram},
                                         {cmd::kShowMonthOfYearDiagram, model::kMonthOfYearDiagram},
                                         {cmd::kShowMonthDiagram, model::kMonthDiagram},
                                         {cmd::kShowWeekDiagram, model::kWeekDiagram}};
    auto fingerprint = [this] {
        const config::DiagramChoice& d = app.diagram;
        const config::ConfigStore& s = app.settings;
        return std::vector<int>{
            d.diagramKind,    d.weekOfYearQuantity, d.monthOfYearQuantity, d.weekQuantity,   d.monthQuantity,
            d.timeSportFlags, d.loadSportFlags,     d.userDiagramSlot,     s.showToolbar,    s.showStatusBar,
            app.currentWeek,  app.currentMonth,     app.year.modified,     app.year.planYear};
    };
    for (int kind = model::kNoDiagram; kind <= model::kMonthDiagram; ++kind) {
        for (int preset : {-1, 0}) {
            auto reset = [&] {
                app = start;
                app.diagram.diagramKind = kind;
                app.diagram.userDiagramSlot = preset;
            };
            reset();
            std::set<int> ids;
            forEachCommandItem(buildMenuBar(app), [&ids](const platform::MenuItem& item) {
                if (!item.greyed && !item.checked) ids.insert(item.id);
            });
            for (const ToolbarButton& button : toolbarButtons())
                if (commandEnabled(app, button.command)) ids.insert(button.command);
            ids.erase(cmd::kFirstPreset + preset);
            if (preset == -1 && kind != model::kNoDiagram)
                for (const auto& [id, shown] : kindShownBy)
                    if (shown == kind) ids.erase(id);
            for (int id : ids) {
                reset();
                sb::testing::HeadlessMainWindow window;
                window.setValueBoxText("30");
                platform::headless::HeadlessServices user;
                user.answerMessages({Answer::Cancel});
                const std::vector<int> before = fingerprint();
                dispatchCommand(app, window, user, id);
                EXPECT_TRUE(!user.steps().empty() || fingerprint() != before || window.destroyed())
                    << "kind " << kind << " preset " << preset << " command " << id;
            }
        }
    }
}

TEST_F(Dispatcher, WeekAndMonthAreTypedOrSteppedInsideTheirRange) {
    initialiseWithSamplePlan();
    auto show = [this](const std::string& box, int command) {
        view.setValueBoxText(box);
        dispatch(command);
        return view.valueBoxText();
    };
    dispatch(cmd::kShowWeekDiagram);
    EXPECT_EQ("13", show("13", cmd::kValueBox));
    EXPECT_EQ(13, app.currentWeek);
    EXPECT_EQ("53", show("54", cmd::kValueBox));
    EXPECT_EQ("52", show("53", cmd::kPreviousPeriod));
    EXPECT_EQ("1", show("abc", cmd::kValueBox));
    EXPECT_FALSE(view.toolbarButtonEnabled(cmd::kPreviousPeriod));
    EXPECT_EQ("2", show("1", cmd::kNextPeriod));
    EXPECT_EQ("1", show("0", cmd::kNextPeriod));

    dispatch(cmd::kShowMonthDiagram);
    EXPECT_EQ("12", show("13", cmd::kValueBox));
    EXPECT_EQ(12, app.currentMonth);
    EXPECT_FALSE(view.toolbarButtonEnabled(cmd::kNextPeriod));
    EXPECT_EQ("11", show("12", cmd::kPreviousPeriod));
    dispatch(cmd::kShowWeekOfYearDiagram);
    EXPECT_FALSE(view.toolbarButtonEnabled(cmd::kValueBox));
    EXPECT_EQ("7", show("7", cmd::kValueBox));
    EXPECT_EQ(1, app.currentWeek);
}

TEST_F(Dispatcher, TheCalendarsHideTheDiagramAndPlanningShowsInTheTitle) {
    initialiseWithSamplePlan();
    dispatch(cmd::kShowMonthOfYearDiagram);
    int kindWhileOpen = -1;
    services.scriptDialog("SAISONBUCHUNG_NEU", [this, &kindWhileOpen](auto& dialog) {
        kindWhileOpen = app.diagram.diagramKind;
        dialog.pressKey(3, platform::Key::Digit2);  // 1 January, Schwimmen
        dialog.press(206);
    });
    dispatch(cmd::kPlanningView);
    EXPECT_EQ(std::pair(0, 2), std::pair(kindWhileOpen, app.diagram.diagramKind));
    EXPECT_NE(std::string::npos, view.title().find("*"));
}

TEST_F(Dispatcher, PrintingTheDiagramNeedsALoadedPlanAndAKind) {
    initialiseWithSamplePlan();
    app.diagram.diagramKind = 0;
    dispatch(18);
    EXPECT_TRUE(services.printRequests().empty());

    dispatch(46);
    app.currentWeek = 12;
    services.answerPrintDialogs({platform::headless::PrintAnswer{}});
    dispatch(18);
    ASSERT_EQ(1u, services.printedDocuments().size());
    EXPECT_EQ("12", view.valueBoxText());

    services.answerPrintDialogs({platform::headless::PrintAnswer::failure(0x1007)});
    dispatch(18);
    EXPECT_EQ(warning("Fehler beim Inintialisieren des\nDruckertreibers"), services.messages().at(0));
}

TEST_F(Dispatcher, HelpCommandsReportAMissingHelp) {
    initialise();
    dispatch(73);
    services.setHelpAvailable(false);
    dispatch(71);
    EXPECT_EQ((std::vector<std::string>{"help: help/inhalt.html 50", "help: help/tour.html 0",
                                        "message: Fehler beim Öffnen der\nHilfe-Datei"}),
              services.steps());
}

TEST_F(Dispatcher, TheStartScreenFollowsThePlanAndTheDiagramComesAfterTheLogo) {
    initialise();
    EXPECT_EQ((std::array<std::string, 4>{"Aktuelle Datei:", "Sportler(in):  ", "Trainingsjahr:", ""}),
              informationLines(app));
    const std::string path = openSamplePlan();
    app.year.modified = 1;
    EXPECT_EQ((std::array<std::string, 4>{"Aktuelle Datei: " + path + " (Datei geändert)",
                                          "Sportler(in): Bernd Schäfer", "Trainingsjahr: 2009",
                                          "Gesamtkilometer Radfahren/Laufen/Schwimmen: 45.6 / 20.1 / 1.5"}),
              informationLines(app));
    app.year.planFileVersion = 2;
    EXPECT_EQ("Gesamtkilometer Radfahren/Laufen: 45.6 / 20.1", informationLines(app)[3]);

    // The diagram is painted only after the logo, and with a plan.
    app.settings.showStatusBar = 0;
    app.diagram.diagramKind = 4;
    app.currentMonth = 0;
    platform::headless::RecordingCanvas canvas({1200, 800});
    paintMainWindow(app, view, canvas);
    const std::size_t logoOnly = canvas.calls().size();
    ASSERT_NE(nullptr, canvas.findText("Trainingsjahr: 2009"));
    EXPECT_EQ(200 + 20 * 2, canvas.findText("Trainingsjahr: 2009")->points.at(0).y);
    app.logoDone = 1;
    platform::headless::RecordingCanvas withDiagram({1200, 800});
    paintMainWindow(app, view, withDiagram);
    EXPECT_GT(withDiagram.calls().size(), logoOnly);
    // A month of 0 is never handed to the diagram.
    EXPECT_EQ("1", view.valueBoxText());
    EXPECT_EQ(1, currentDiagramRequest(app).month);
    app.year.planLoaded = 0;
    platform::headless::RecordingCanvas withoutPlan({1200, 800});
    paintMainWindow(app, view, withoutPlan);
    EXPECT_EQ(logoOnly, withoutPlan.calls().size());
}

}  // namespace
}  // namespace sb::shell::testing
