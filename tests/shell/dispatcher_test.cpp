// The dispatcher's guards and the window's own commands: plan commands never run without a plan,
// week and month stay in range, dialogs hide the diagram and bring it back, and the bars switch.
#include <gtest/gtest.h>

#include "shell/command_dispatcher.h"
#include "shell/main_window_paint.h"
#include "shell_test_support.h"

namespace sb::shell::testing {
namespace {

using Dispatcher = ShellTest;

TEST_F(Dispatcher, NoPlanCommandRunsWithoutAPlan) {
    const std::string last = file("letzte.sb3");
    writeConfig("[KONFIG]\nAUTOLADEN=0\nLETZTE_DATEI=" + last + "\n");
    initialise();
    openSamplePlan("letzte.sb3");
    const std::string before = fileBytes(last);
    app.year = model::TrainingYear{};
    app.year.currentFileName = last;
    dispatch(9);
    // The options sheet rebuilt the menus and the toolbar came back: still nothing may run.
    dispatch(64);
    dispatch(64);
    for (int id : {12, 13, 18, 30, 32, 43, 48, 58}) dispatch(id);
    EXPECT_TRUE(services.steps().empty());
    EXPECT_EQ(before, fileBytes(last));
    EXPECT_TRUE(view.menuItem(12).greyed);
    EXPECT_FALSE(view.toolbarButtonEnabled(12));
    EXPECT_FALSE(view.toolbarButtonEnabled(30));
    EXPECT_TRUE(services.printRequests().empty());
    expectNothingUnexpected();
}

TEST_F(Dispatcher, PlanningCommandsNeedAPlanThatHoldsTrainingTypes) {
    initialise();
    openSamplePlan();
    app.year.planFileVersion = 1;
    EXPECT_FALSE(commandAllowed(app, 31));
    EXPECT_FALSE(commandAllowed(app, 47));
    EXPECT_FALSE(commandAllowed(app, 59));
    EXPECT_TRUE(commandAllowed(app, 30));
    app.year.planFileVersion = 2;
    EXPECT_TRUE(commandAllowed(app, 59));
    EXPECT_FALSE(commandAllowed(app, 53));
    EXPECT_FALSE(commandAllowed(app, 300));
}

TEST_F(Dispatcher, NextAndPreviousStayInsideTheWeeksAndMonths) {
    initialise();
    openSamplePlan();
    auto stepFrom = [this](const std::string& box, int command) {
        view.setValueBoxText(box);
        dispatch(command);
        return view.valueBoxText();
    };
    dispatch(46);
    ASSERT_EQ(3, app.diagram.diagramKind);
    EXPECT_EQ("53", stepFrom("53", 253));
    EXPECT_EQ(53, app.currentWeek);
    EXPECT_EQ("1", stepFrom("1", 254));
    EXPECT_EQ("1", stepFrom("abc", 253));
    EXPECT_EQ("1", stepFrom("abc", 254));
    EXPECT_EQ("53", stepFrom("9999", 254));
    EXPECT_EQ("1", stepFrom("-5", 253));
    EXPECT_EQ("13", stepFrom("12", 253));
    dispatch(45);
    ASSERT_EQ(4, app.diagram.diagramKind);
    EXPECT_EQ("12", stepFrom("12", 253));
    EXPECT_EQ(12, app.currentMonth);
    EXPECT_EQ("12", stepFrom("9999", 254));
    dispatch(43);
    EXPECT_EQ("7", stepFrom("7", 253));
    EXPECT_EQ(12, app.currentMonth);
    expectNothingUnexpected();
}

TEST_F(Dispatcher, ADialogHidesTheDiagramAndBringsItBack) {
    initialise();
    openSamplePlan();
    dispatch(44);
    int kindWhileOpen = -1;
    services.scriptDialog("IDD_PERSONEN", [this, &kindWhileOpen](auto& dialog) {
        kindWhileOpen = app.diagram.diagramKind;
        dialog.type(203, "1.2.1980, Köln");
        dialog.press(212);
    });
    dispatch(30);
    EXPECT_EQ(0, kindWhileOpen);
    EXPECT_EQ(2, app.diagram.diagramKind);
    EXPECT_EQ(0, app.year.modified);
    EXPECT_TRUE(view.hasMenuItem(209));
    expectNothingUnexpected();
}

TEST_F(Dispatcher, TheDayEditorOpensInTheFormOfThePlan) {
    writeConfig("[KONFIG]\nSPORTART=2\n");
    initialise();
    dispatch(32);
    EXPECT_TRUE(services.steps().empty());
    openSamplePlan();
    app.diagram.diagramKind = 3;
    services.scriptDialog("IDD_DATENAENDERN_LAUFEN", [](auto& dialog) { dialog.pressClose(); });
    dispatch(32);
    EXPECT_EQ(std::vector<std::string>{"IDD_DATENAENDERN_LAUFEN"}, services.dialogsOpened());
    EXPECT_EQ(3, app.diagram.diagramKind);
    expectNothingUnexpected();
}

TEST_F(Dispatcher, PrintingTheDiagramNeedsALoadedPlanAndAKind) {
    initialise();
    openSamplePlan();
    app.diagram.diagramKind = 0;
    dispatch(18);
    EXPECT_TRUE(services.printRequests().empty());

    dispatch(46);
    app.currentWeek = 12;
    services.answerPrintDialogs({platform::headless::PrintAnswer{}});
    dispatch(18);
    ASSERT_EQ(1u, services.printedDocuments().size());
    EXPECT_EQ("12_Woche", services.printedDocuments()[0].name);
    EXPECT_EQ("12", view.valueBoxText());

    services.answerPrintDialogs({platform::headless::PrintAnswer::failure(0x1007)});
    dispatch(18);
    EXPECT_EQ((LoggedMessage{"Fehler beim Inintialisieren des\nDruckertreibers", "Fehler", Buttons::Ok,
                             Icon::Exclamation}),
              services.messages().at(0));
    expectNothingUnexpected();
}

TEST_F(Dispatcher, TheBarsSwitchAndKeepThePlanState) {
    writeConfig("[KONFIG]\nTOOLBAR=1\nSTATUSBAR=1\nAUTOLADEN=0\n");
    initialise();
    dispatch(9);
    EXPECT_TRUE(view.toolbarVisible());
    dispatch(64);
    EXPECT_FALSE(view.toolbarVisible());
    EXPECT_EQ(0, app.settings.showToolbar);
    EXPECT_FALSE(view.menuItem(64).checked);
    dispatch(64);
    EXPECT_TRUE(view.menuItem(64).checked);
    EXPECT_FALSE(view.toolbarButtonEnabled(13));
    dispatch(65);
    EXPECT_FALSE(view.statusBarVisible());
    EXPECT_FALSE(view.menuItem(65).checked);
    dispatch(65);
    EXPECT_TRUE(view.statusBarVisible());
    EXPECT_EQ("Trainingsjahr:", view.statusTexts()[0]);
    expectNothingUnexpected();
}

TEST_F(Dispatcher, HelpCommandsReportAMissingHelp) {
    initialise();
    dispatch(73);
    services.setHelpAvailable(false);
    dispatch(71);
    EXPECT_EQ((std::vector<std::string>{"help: help/inhalt.html 50", "help: help/tour.html 0",
                                        "message: Fehler beim Öffnen der\nHilfe-Datei"}),
              services.steps());
    expectNothingUnexpected();
}

TEST_F(Dispatcher, TheStartScreenLinesFollowThePlan) {
    initialise();
    EXPECT_EQ((std::array<std::string, 4>{"Aktuelle Datei:", "Sportler(in):  ", "Trainingsjahr:", ""}),
              informationLines(app));
    const std::string path = openSamplePlan();
    app.year.modified = 1;
    EXPECT_EQ((std::array<std::string, 4>{"Aktuelle Datei: " + path + " (Datei geändert)",
                                          "Sportler(in): Anna Müller", "Trainingsjahr: 2009",
                                          "Gesamtkilometer Radfahren/Laufen/Schwimmen: 100.2 / 12.5 / 1.5"}),
              informationLines(app));
    app.year.planFileVersion = 2;
    EXPECT_EQ("Gesamtkilometer Radfahren/Laufen: 100.2 / 12.5", informationLines(app)[3]);
}

TEST_F(Dispatcher, TheDiagramIsPaintedOnlyAfterTheLogoAndWithAPlan) {
    initialise();
    openSamplePlan();
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
