// The recording commands as the user meets them: opening a heart-rate or bike-computer file through
// the device menus, a file that cannot be read, the axis menus of the X-Y diagram, its info and zone
// evaluation dialogs, and painting and printing the diagram.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "platform/headless/recording_canvas.h"
#include "shell/command_ids.h"
#include "shell/main_window_paint.h"
#include "shell_test_support.h"

namespace sb::shell::testing {
namespace {

using platform::headless::CallKind;
using platform::headless::HeadlessDialogHost;
using platform::headless::RecordingCanvas;
using Recordings = ShellTest;

const LoggedMessage kOpenFailed{"Fehler beim Öffnen der Datei", "Fehler", Buttons::Ok, Icon::Exclamation};

std::string sampleHrm() {
    return std::string(std::getenv("SAISONBUCH_TEST_DATA")) +
           "/recordings/GoldenCheetah_GoldenCheetah_10092501.hrm";
}

TEST_F(Recordings, OpeningAHeartRateFileShowsPulseOverTimeWithTheAxisMenus) {
    initialise();
    EXPECT_TRUE(view.menuItem(cmd::kShowHeartRateFile).greyed);
    services.answerFileDialogs({sampleHrm()});
    dispatch(cmd::kOpenHeartRateFile);
    ASSERT_EQ(1u, services.fileDialogs().size());
    EXPECT_EQ("Pulsuhr (hrm) ", services.fileDialogs()[0].request.filters.at(0).description);
    EXPECT_EQ("*.hrm", services.fileDialogs()[0].request.filters.at(0).patterns);
    EXPECT_EQ(5, app.diagram.diagramKind);
    EXPECT_EQ(1012u, app.recordings.series.y.size());
    EXPECT_FALSE(view.menuItem(cmd::kShowHeartRateFile).greyed);
    EXPECT_TRUE(view.menuItem(cmd::kXyAxisTime).checked);
    EXPECT_TRUE(view.menuItem(cmd::kXyAxisPulse).checked);
    EXPECT_TRUE(view.hasMenuItem(cmd::kXyAxisCadence));
    EXPECT_FALSE(view.hasMenuItem(cmd::kXyAxisPower));  // the file has no power column

    dispatch(cmd::kXyAxisSpeed);
    EXPECT_EQ(137, app.diagram.yQuantity);
    EXPECT_FLOAT_EQ(16.6f, app.recordings.series.y[0]);
    EXPECT_TRUE(view.menuItem(cmd::kXyAxisSpeed).checked);
    EXPECT_FALSE(view.menuItem(cmd::kXyAxisPulse).checked);
    dispatch(cmd::kXyAxisDistance);
    EXPECT_TRUE(view.menuItem(cmd::kXyAxisDistance).checked);
    EXPECT_FALSE(view.menuItem(cmd::kXyAxisTime).checked);
    EXPECT_NEAR(24.5, app.recordings.series.x.back(), 0.01);

    app.logoDone = 1;
    RecordingCanvas canvas({1400, 1000});
    paintMainWindow(app, view, canvas);
    EXPECT_NE(nullptr, canvas.findText("Radgeschwindigkeit"));
    EXPECT_NE(nullptr, canvas.findText("km"));
    EXPECT_FALSE(canvas.callsOf(CallKind::Polyline).empty());
    expectNothingUnexpected();
}

TEST_F(Recordings, AFileThatCannotBeReadKeepsTheRecordingShown) {
    initialise();
    services.answerFileDialogs({sampleHrm(), file("kaputt.hrm")});
    dispatch(cmd::kOpenHeartRateFile);
    dispatch(cmd::kXyAxisSpeed);
    dispatch(cmd::kOpenHeartRateFile);
    EXPECT_EQ(std::vector<LoggedMessage>{kOpenFailed}, services.messages());
    EXPECT_EQ(sampleHrm(), app.recordings.lastHeartRateFile);
    EXPECT_EQ(137, app.diagram.yQuantity);
    EXPECT_EQ(1012u, app.recordings.loaded.table.size());
    services.answerFileDialogs({std::nullopt});
    dispatch(cmd::kOpenBikeComputerFile);  // cancelled: nothing at all
    EXPECT_EQ(1u, services.messages().size());
    EXPECT_FALSE(app.recordings.bikeComputerFileLoaded);
    dispatch(cmd::kShowHeartRateFile);  // the last file again, from time and pulse
    EXPECT_EQ(135, app.diagram.yQuantity);
    expectNothingUnexpected();
}

TEST_F(Recordings, ABikeComputerFileIsShownEvaluatedAndPrinted) {
    writeConfig("[KONFIG]\nTACHO=1\n[X_Y_DIAGRAMM]\nAnzahl_Bereich=1\nMax_Bereich0=131\n");
    initialise();
    const std::string path = file("070615.dat");
    std::ofstream(path, std::ios::binary) << std::string(
        "\xFF"
        "2.1R0S0.5PRunde//\x82\x0A\x83\x0A\x90\x0A",
        24);
    EXPECT_FALSE(view.toolbarButtonEnabled(cmd::kPrintDiagram));
    services.answerFileDialogs({path});
    dispatch(cmd::kOpenBikeComputerFile);
    EXPECT_EQ("Radcomputer (dat) ", services.fileDialogs().at(0).request.filters.at(0).description);
    EXPECT_TRUE(app.recordings.bikeComputerFileLoaded);
    EXPECT_EQ(8, app.recordings.source);

    services.scriptDialog("DIAGRAMM_INFO_RADCOMPUTER", [](HeadlessDialogHost& dialog) {
        EXPECT_EQ("070615.dat", dialog.text(1000));
        EXPECT_EQ("Runde", dialog.text(1012));
        EXPECT_EQ("2007", dialog.text(1003));
        dialog.press(201);
    });
    dispatch(cmd::kBikeComputerFileInfo);
    services.scriptDialog("DIAGRAMM_X_Y_BEREICH", [](HeadlessDialogHost& dialog) {
        EXPECT_EQ("15.0", dialog.text(1100));  // 131 bpm for 15 s; 144 bpm lies above the zone
        EXPECT_EQ("100.0", dialog.text(1110));
        dialog.press(201);
    });
    dispatch(cmd::kBikeComputerEvaluation);

    // Printed without any plan open, from the toolbar button the shown recording enables.
    EXPECT_TRUE(view.toolbarButtonEnabled(cmd::kPrintDiagram));
    services.answerPrintDialogs({platform::headless::PrintAnswer{}});
    dispatch(cmd::kPrintDiagram);
    ASSERT_EQ(1u, services.printedDocuments().size());
    EXPECT_EQ("X_Y_Diagramm", services.printedDocuments()[0].name);
    EXPECT_NE(nullptr, services.printedDocuments()[0].pages.at(0).findText("Puls"));
    expectNothingUnexpected();
}

}  // namespace
}  // namespace sb::shell::testing
