// The recording commands as the user meets them: opening a heart-rate, activity or bike-computer file
// through the device menus, a file that cannot be read, the axis menus of the X-Y diagram, its info and
// zone evaluation dialogs, and painting and printing the diagram.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "platform/headless/recording_canvas.h"
#include "recordings/loaded_recording.h"
#include "shell/command_ids.h"
#include "shell/main_window_paint.h"
#include "shell_test_support.h"

namespace sb::shell::testing {
namespace {

using platform::headless::CallKind;
using platform::headless::HeadlessDialogHost;
using platform::headless::RecordingCanvas;
using Recordings = ShellTest;
using sb::testing::goldenPath;

// A bike-computer file of 2007 with one lap, "Runde", and three pulse samples.
std::string writeBikeFile(const std::string& path) {
    std::ofstream(path, std::ios::binary) << std::string("\xFF" "2.1R0S0.5PRunde//\x82\x0A\x83\x0A\x90\x0A", 24);
    return path;
}

// A file that cannot be read afterwards keeps the recording shown, with its axes.
TEST_F(Recordings, OpeningAHeartRateFileShowsPulseOverTimeWithTheAxisMenus) {
    initialise();
    const std::string hrm = goldenPath("recordings/GoldenCheetah_GoldenCheetah_10092501.hrm");
    EXPECT_TRUE(view.menuItem(cmd::kShowHeartRateFile).greyed);
    services.answerFileDialogs({hrm, file("kaputt.hrm"), std::nullopt});
    dispatch(cmd::kOpenHeartRateFile);
    EXPECT_EQ(std::pair(5, 1012ul), std::pair(app.diagram.diagramKind, app.recordings.series.y.size()));
    auto checked = [this](int first, int second) {
        return std::pair(view.menuItem(first).checked, view.menuItem(second).checked);
    };
    EXPECT_FALSE(view.menuItem(cmd::kShowHeartRateFile).greyed);
    EXPECT_EQ(std::pair(true, true), checked(cmd::kXyAxisTime, cmd::kXyAxisPulse));
    EXPECT_TRUE(view.hasMenuItem(cmd::kXyAxisCadence));
    EXPECT_FALSE(view.hasMenuItem(cmd::kXyAxisPower));  // the file has no power column

    dispatch(cmd::kXyAxisSpeed);
    EXPECT_EQ(std::pair(137, 16.6f), std::pair(app.diagram.yQuantity, app.recordings.series.y[0]));
    EXPECT_EQ(std::pair(true, false), checked(cmd::kXyAxisSpeed, cmd::kXyAxisPulse));
    dispatch(cmd::kXyAxisDistance);
    EXPECT_EQ(std::pair(true, false), checked(cmd::kXyAxisDistance, cmd::kXyAxisTime));
    EXPECT_NEAR(24.5, app.recordings.series.x.back(), 0.01);

    app.logoDone = 1;
    RecordingCanvas canvas({1400, 1000});
    paintMainWindow(app, view, canvas);
    EXPECT_NE(nullptr, canvas.findText("Radgeschwindigkeit"));
    EXPECT_NE(nullptr, canvas.findText("km"));
    EXPECT_FALSE(canvas.callsOf(CallKind::Polyline).empty());

    dispatch(cmd::kOpenHeartRateFile);
    EXPECT_EQ(std::vector<LoggedMessage>{warning("Fehler beim Öffnen der Datei")}, services.messages());
    EXPECT_EQ(std::tuple(hrm, 137, 1012ul),
              std::tuple(app.recordings.lastHeartRateFile, app.diagram.yQuantity,
                         app.recordings.loaded.table.size()));
    dispatch(cmd::kOpenBikeComputerFile);  // cancelled: nothing at all
    EXPECT_EQ(std::pair(1ul, false), std::pair(services.messages().size(), app.recordings.bikeComputerFileLoaded));
    dispatch(cmd::kShowHeartRateFile);  // the last file again, from time and pulse
    EXPECT_EQ(135, app.diagram.yQuantity);
}

TEST_F(Recordings, ABikeComputerFileIsShownEvaluatedAndPrinted) {
    initialise("[KONFIG]\nTACHO=1\n[X_Y_DIAGRAMM]\nAnzahl_Bereich=1\nMax_Bereich0=131\n");
    const std::string path = writeBikeFile(file("070615.dat"));
    EXPECT_FALSE(view.toolbarButtonEnabled(cmd::kPrintDiagram));
    services.answerFileDialogs({path});
    dispatch(cmd::kOpenBikeComputerFile);
    EXPECT_EQ("Radcomputer (dat) ", services.fileDialogs().at(0).request.filters.at(0).description);
    EXPECT_EQ(std::pair(true, 8), std::pair(app.recordings.bikeComputerFileLoaded, app.recordings.source));

    services.scriptDialog("DIAGRAMM_INFO_RADCOMPUTER", [](HeadlessDialogHost& dialog) {
        EXPECT_EQ((std::vector<std::string>{"070615.dat", "Runde", "2007"}), texts(dialog, {1000, 1012, 1003}));
        dialog.press(201);
    });
    dispatch(cmd::kBikeComputerFileInfo);
    services.scriptDialog("DIAGRAMM_X_Y_BEREICH", [](HeadlessDialogHost& dialog) {
        // 131 bpm for 15 s; 144 bpm lies above the zone
        EXPECT_EQ((std::vector<std::string>{"0:00:15", "100.0"}), texts(dialog, {1100, 1110}));
        dialog.press(201);
    });
    dispatch(cmd::kBikeComputerEvaluation);

    // Printed without any plan open, from the toolbar button the shown recording enables.
    EXPECT_TRUE(view.toolbarButtonEnabled(cmd::kPrintDiagram));
    services.answerPrintDialogs({platform::headless::PrintAnswer{}});
    dispatch(cmd::kPrintDiagram);
    ASSERT_EQ(1u, services.printedDocuments().size());
    EXPECT_NE(nullptr, services.printedDocuments()[0].pages.at(0).findText("Puls"));
}

TEST_F(Recordings, TheHeartRateMenuOpensBikeComputerFilesAndRefusesWhatNoReaderTakes) {
    initialise();  // no bike-computer menu by default
    const std::string bike = writeBikeFile(file("070615.dat"));
    const std::string notes = file("notiz.txt");
    std::ofstream(notes, std::ios::binary) << "Einkaufen: Milch\r\n";
    const std::string emptyHrm = file("leer.hrm");
    std::ofstream(emptyHrm, std::ios::binary) << "[Params]\r\nVersion=106\r\n";
    struct Case {
        std::string path;
        int source;  // the reader that took it; 0: refused, the bike file stays shown
    };
    for (const Case& c : {Case{bike, 8}, Case{notes, 0}, Case{emptyHrm, 6}}) {
        services.clearLog();
        services.answerFileDialogs({c.path});
        dispatch(cmd::kOpenHeartRateFile);
        // A refused file gets the heart-rate reader's own message.
        recordings::LoadedRecording unused;
        const std::string refusal = recordings::readRecording(6, c.path, unused).message;
        EXPECT_EQ(c.source == 0 ? std::vector<std::string>{refusal} : std::vector<std::string>{},
                  services.messageTexts())
            << c.path;
        EXPECT_EQ(c.source == 0 ? 8 : c.source, app.recordings.source) << c.path;
    }
    // No zones are set up by default: the evaluation leads to their page.
    services.scriptDialog("DIAGRAMM_X_Y_BEREICH", [](HeadlessDialogHost& dialog) { dialog.press(208); });
    services.scriptPropertySheet("Konfiguration", [](platform::headless::HeadlessPropertySheet& sheet) {
        EXPECT_EQ(5, sheet.currentPage());
        sheet.cancel();
    });
    dispatch(cmd::kHeartRateEvaluation);
}

TEST_F(Recordings, AnActivityFileOpensFromTheHeartRateMenuWithItsOwnInfoAndMessages) {
    initialise();
    const std::string ride = goldenPath("recordings/Edge810-Vector-2013-08-16-15-35-10.fit");
    services.answerFileDialogs({ride});
    dispatch(cmd::kOpenHeartRateFile);
    // The heart-rate menu's own request, one filter for each reader and one for all of them.
    EXPECT_EQ(6u, services.fileDialogs().at(0).request.filters.size());
    EXPECT_EQ(std::pair(static_cast<int>(recordings::kActivityRecording), 4700ul),
              std::pair(app.recordings.source, app.recordings.series.y.size()));
    dispatch(cmd::kXyAxisPower);
    EXPECT_FLOAT_EQ(619, *std::max_element(app.recordings.series.y.begin(), app.recordings.series.y.end()));

    services.scriptDialog("DIAGRAMM_INFO_AKTIVITAET", [](HeadlessDialogHost& dialog) {
        EXPECT_EQ((std::vector<std::string>{"Edge810-Vector-2013-08-16-15-35-10.fit", "16", "08", "2013", "18", "05",
                                            "10", "01", "18", "20", "Rad (cycling)", "41.34", "Garmin, Produkt 1567"}),
                  texts(dialog, {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1015, 1016, 1017}));
        dialog.press(201);
    });
    dispatch(cmd::kHeartRateFileInfo);

    // A damaged file keeps the ride shown; one cut after a whole message is shown with a notice.
    const std::string cut = file("gekuerzt.FIT");
    const std::string bike = fileBytes(goldenPath("recordings/garmin-edge-820-bike.fit"));
    std::ofstream(cut, std::ios::binary) << bike.substr(0, bike.size() - 2);
    services.answerFileDialogs({goldenPath("recordings/activity-filecrc.fit"), cut});
    dispatch(cmd::kOpenHeartRateFile);
    EXPECT_EQ(4700u, app.recordings.loaded.table.size());
    dispatch(cmd::kOpenHeartRateFile);
    EXPECT_EQ(15u, app.recordings.loaded.table.size());
    EXPECT_EQ((std::vector<LoggedMessage>{
                  warning("Die FIT-Datei ist beschädigt (die Prüfsumme stimmt nicht)."),
                  {"Die FIT-Datei ist unvollständig. Gezeigt werden die 15 Messwerte bis zu ihrem Ende.",
                   "Hinweis", Buttons::Ok, Icon::Information}}),
              services.messages());
}

}  // namespace
}  // namespace sb::shell::testing
