// A train.cfg damaged by hand, through start, menus, every list, the search, the options sheet, the
// zone evaluation and every diagram kind: each value is repaired where it is read, and the repaired
// values are what goes back into the file.
#include <gtest/gtest.h>

#include <set>

#include "model/diagram_quantity.h"
#include "lists/list_dialog_templates.h"
#include "options/options_sheet.h"
#include "platform/headless/recording_canvas.h"
#include "recordings/zone_charts.h"
#include "recordings/zone_dialog.h"
#include "shell/command_ids.h"
#include "shell/main_window_paint.h"
#include "shell_test_support.h"

namespace sb::shell::testing {
namespace {

using platform::headless::HeadlessDialogHost;

class HostileSettings : public ShellTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(HostileSettings, AreRepairedWhereReadAndWrittenBackRepaired) {
    const std::string plan = openSamplePlan();
    std::string history;
    for (int i = 0; i < 20; ++i) history += "EINTRAG_" + std::to_string(i) + "=" + plan + "\n";
    writeConfig(std::string("[KONFIG]\nSPORTART=") + GetParam() +
                "\nBENUTZER=7\nDIAGRAMM_TYP=9\nLISTVIEW=99$1$1$42$\nSOLL_IST_FARBE_1=abc\nLETZTE_DATEI=" +
                plan + "\n[BENUTZER_3]\nDIAGRAMM_TYP=9\n[MENUE]\nMAX_ANZAHL=20\nANZAHL=20\n" + history +
                "[X_Y_DIAGRAMM]\nAnzahl_Bereich=9\nMax_Bereich0=-5\nMax_Bereich1=900\nFarbe_Bereich0=abc\n"
                "[SUCHEN]\nSOLL=15\nLISTVIEW=99$1$1$42$\n");
    initialise();
    const config::PulseZones& zones = app.settings.pulseZones;
    EXPECT_EQ(std::tuple(5, -1, 0, 0, 0u, 0, 150, 150),
              std::tuple(app.settings.sportMode, app.diagram.userDiagramSlot, app.diagram.diagramKind,
                         app.diagram.userDiagrams[2].kind, app.settings.history.size(), zones.count,
                         zones.upper[0], zones.upper[1]));
    // Every command of the menus has an id of its own: no history entry runs into the next command.
    std::multiset<int> ids;
    forEachCommandItem(view.menuBar(), [&ids](const platform::MenuItem& item) { ids.insert(item.id); });
    for (int id : ids) EXPECT_EQ(1u, ids.count(id)) << id;

    dispatch(cmd::kStartup);
    services.fireTimer();
    ASSERT_EQ(3, app.year.planFileVersion);
    const std::string hrm = sb::testing::goldenPath("recordings/GoldenCheetah_GoldenCheetah_10092501.hrm");
    services.answerFileDialogs({hrm});
    dispatch(cmd::kOpenHeartRateFile);
    for (int command = cmd::kFirstPreset; command <= cmd::kLastPreset; ++command) dispatch(command);
    dispatch(cmd::kFirstPreset);
    for (int kind = model::kNoDiagram; kind <= model::kXyDiagram; ++kind) {
        app.diagram.diagramKind = kind;
        platform::headless::RecordingCanvas canvas;
        paintMainWindow(app, view, canvas);
    }

    auto closeWith = [](int button) {
        return [button](HeadlessDialogHost& dialog) { dialog.press(button); };
    };
    for (const char* list : {"LISTE_WOCHE", "LISTE_MONAT", "LISTE_JAHR"})
        services.scriptDialog(list, closeWith(lists::list_dialog::closeButton));
    services.scriptDialog("LISTE_SUCH", [](HeadlessDialogHost& search) {
        EXPECT_EQ(0, search.selection(lists::search_dialog::typeList));
        search.press(lists::search_dialog::searchButton);
        search.press(lists::search_dialog::closeButton);
    });
    services.scriptPropertySheet(options::kOptionsCaption,
                                 [](platform::headless::HeadlessPropertySheet& sheet) {
                                     for (int page = 0; page < sheet.pageCount(); ++page)
                                         sheet.selectPage(page);
                                     sheet.ok();
                                 });
    services.scriptDialog("DIAGRAMM_X_Y_BEREICH", [](HeadlessDialogHost& zonesShown) {
        zonesShown.press(recordings::zone_dialog::barButton);
        zonesShown.press(recordings::zone_dialog::pieButton);
        zonesShown.press(recordings::zone_dialog::okButton);
    });
    for (int chart = 0; chart < 2; ++chart) {
        services.scriptDialog("DIAGRAMM_X_Y_TORTE", [](HeadlessDialogHost& shares) {
            shares.paint(recordings::zone_chart_dialog::chart);
            shares.press(recordings::zone_chart_dialog::okButton);
        });
    }
    for (int command : {cmd::kWeekList, cmd::kMonthList, cmd::kYearList, cmd::kSearch, cmd::kOptions,
                        cmd::kHeartRateEvaluation, cmd::kExit})
        dispatch(command);
    ASSERT_TRUE(view.destroyed());

    const config::ProfileFile saved = config::loadProfileFile(file("train.cfg"));
    for (const auto& [section, key, value] : {std::tuple{"KONFIG", "SPORTART", "5"},
                                              {"KONFIG", "BENUTZER", "-1"},
                                              {"BENUTZER_3", "DIAGRAMM_TYP", "0"},
                                              {"MENUE", "MAX_ANZAHL", "0"},
                                              {"KONFIG", "LISTVIEW", "2$0$1$"},
                                              {"SUCHEN", "LISTVIEW", "2$0$1$"},
                                              {"SUCHEN", "SOLL", "0"},
                                              {"KONFIG", "SOLL_IST_FARBE_1", "16777215"},
                                              {"X_Y_DIAGRAMM", "Anzahl_Bereich", "0"},
                                              {"X_Y_DIAGRAMM", "Max_Bereich0", "150"},
                                              {"X_Y_DIAGRAMM", "Max_Bereich1", "150"},
                                              {"X_Y_DIAGRAMM", "Farbe_Bereich0", "8454143"}})
        EXPECT_EQ(value, config::profileString(saved, section, key).value_or("fehlt"))
            << section << " " << key;
}

INSTANTIATE_TEST_SUITE_P(SportMode, HostileSettings, ::testing::Values("0", "9"));

}  // namespace
}  // namespace sb::shell::testing
