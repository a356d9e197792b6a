// The command table and the dispatcher. A command may be entered before its dialog exists, with its
// requirements but without a handler: it stays greyed, and the handler entered later is enabled
// exactly where it may run, with nothing else to change.
#include "shell/command_dispatcher.h"

#include <algorithm>
#include <vector>

#include "calendars/control_view.h"
#include "calendars/planning_view.h"
#include "model/diagram_quantity.h"
#include "shell/save_failure_report.h"
#include "options/options_sheet.h"
#include "output/export_dialog.h"
#include "output/overview_print_dialog.h"
#include "platform/help.h"
#include "shell/command_ids.h"
#include "shell/file_commands.h"
#include "shell/list_commands.h"
#include "shell/modal_view.h"
#include "shell/navigation.h"
#include "shell/recording_commands.h"
#include "shell/startup.h"
#include "shell/training_commands.h"
#include "shell/window_commands.h"
#include "shell/window_state.h"
#include "tools/basal_metabolism_dialog.h"
#include "tools/body_mass_index_dialog.h"
#include "tools/gear_calculator_dialog.h"
#include "tools/odometer_dialog.h"
#include "tools/waist_hip_dialog.h"

namespace sb::shell {

namespace {

using platform::Services;

constexpr int kHelpAboutTopic = 50;
constexpr int kPolar = recordings::kPolarRecording;
constexpr int kBike = recordings::kBikeRecording;

// The diagram kind of the show-diagram commands: the menu lists the month diagram before the week
// diagram, so the ids do not follow the kinds.
int diagramKindOfCommand(int commandId) {
    switch (commandId) {
        case cmd::kShowWeekOfYearDiagram:
            return model::kWeekOfYearDiagram;
        case cmd::kShowMonthOfYearDiagram:
            return model::kMonthOfYearDiagram;
        case cmd::kShowMonthDiagram:
            return model::kMonthDiagram;
        default:
            return model::kWeekDiagram;
    }
}

const std::vector<CommandEntry>& commandTable() {
    using N = Needs;
    using F = Frame;
    using namespace cmd;
    static const std::vector<CommandEntry> table{
        {kStartup, kStartup, N::nothing, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { startupCommand(a, v, s); }},
        {kNewPlan, kNewPlan, N::nothing, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { newPlan(a, v, s); }},
        {kOpenPlan, kOpenPlan, N::nothing, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { openPlan(a, v, s); }},
        {kSavePlan, kSavePlan, N::plan, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { savePlan(a, v, s); }},
        {kSavePlanAs, kSavePlanAs, N::plan, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { savePlanAs(a, v, s); }},
        {kExportSpreadsheet, kExportSpreadsheet, N::plan, F::modalView,
         [](Application& a, MainWindowView&, Services& s, int) {
             output::runSpreadsheetExport(s, a.settings, a.year, a.paths.helpFilePath);
         }},
        {kExportHtml, kExportHtml, N::plan, F::modalView,
         [](Application& a, MainWindowView&, Services& s, int) {
             output::runHtmlExport(s, a.settings, a.year, a.paths.helpFilePath);
         }},
        {kPrintOverview, kPrintOverview, N::plan, F::modalView,
         [](Application& a, MainWindowView&, Services& s, int) { output::runOverviewPrint(s, a.year); }},
        {kExit, kExit, N::nothing, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { exitProgram(a, v, s); }},
        {kPrintDiagram, kPrintDiagram, N::printableDiagram, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { printCurrentDiagram(a, v, s); }},
        {kFirstHistoryEntry, kLastHistoryEntry, N::nothing, F::none,
         [](Application& a, MainWindowView& v, Services& s, int id) {
             openHistoryEntry(a, v, s, id - kFirstHistoryEntry);
         }},
        {kAthleteData, kAthleteData, N::plan, F::modalView,
         [](Application& a, MainWindowView&, Services& s, int) { editAthleteData(a, s); }},
        {kPlanningView, kPlanningView, N::planWithTypes, F::modalView,
         [](Application& a, MainWindowView&, Services& s, int) {
             calendars::runPlanningView(s, a.year, a.settings, a.paths.helpFilePath);
         }},
        {kTrainingDays, kTrainingDays, N::plan, F::modalView,
         [](Application& a, MainWindowView& v, Services& s, int) { editTrainingDays(a, v, s); }},
        {kWeekList, kYearList, N::plan, F::modalView,
         [](Application& a, MainWindowView&, Services& s, int id) { showList(a, s, id); }},
        {kShowWeekOfYearDiagram, kShowWeekDiagram, N::plan, F::none,
         [](Application& a, MainWindowView& v, Services&, int id) {
             showDiagram(a, v, diagramKindOfCommand(id));
         }},
        {kLoadView, kLoadView, N::plan, F::none,
         [](Application& a, MainWindowView&, Services& s, int) {
             a.loadWindow.open(s, a.year, a.pictures, a.paths.helpFilePath);
         }},
        {kControlView, kControlView, N::planWithTypes, F::modalView,
         [](Application& a, MainWindowView&, Services& s, int) {
             calendars::runControlView(s, a.year, a.settings, a.paths.helpFilePath);
         }},
        {kFirstPreset, kLastPreset, N::plan, F::none,
         [](Application& a, MainWindowView& v, Services&, int id) {
             activatePreset(a, v, id - kFirstPreset);
         }},
        {kPresetWeekOfYearDiagram, kPresetMonthDiagram, N::activePreset, F::none,
         [](Application& a, MainWindowView& v, Services&, int id) {
             setPresetKind(a, v, model::kWeekOfYearDiagram + id - kPresetWeekOfYearDiagram);
         }},
        {kSearch, kSearch, N::plan, F::modalView,
         [](Application& a, MainWindowView&, Services& s, int) { showSearchList(a, s); }},
        {kStandardRoutes, kStandardRoutes, N::plan, F::modalView,
         [](Application& a, MainWindowView&, Services& s, int) { editStandardRoutes(a, s); }},
        {kOdometers, kOdometers, N::planWithTypes, F::modalView,
         [](Application& a, MainWindowView&, Services& s, int) {
             tools::editOdometers(s, a.year, a.paths.helpFilePath);
         }},
        {kBasalMetabolism, kBasalMetabolism, N::nothing, F::modalView,
         [](Application& a, MainWindowView&, Services& s, int) {
             tools::runBasalMetabolismCalculator(s, a.settings, a.year, a.paths.helpFilePath);
         }},
        {kBodyMassIndex, kBodyMassIndex, N::nothing, F::modalView,
         [](Application& a, MainWindowView&, Services& s, int) {
             tools::runBodyMassIndexCalculator(s, a.settings, a.year, a.paths.helpFilePath);
         }},
        {kWaistHipRatio, kWaistHipRatio, N::nothing, F::modalView,
         [](Application& a, MainWindowView&, Services& s, int) {
             tools::runWaistHipCalculator(s, a.settings, a.year, a.paths.helpFilePath);
         }},
        {kGearCalculator, kGearCalculator, N::nothing, F::modalView,
         [](Application& a, MainWindowView&, Services& s, int) {
             tools::runGearCalculator(s, a.settings, a.paths.helpFilePath);
         }},
        {kToggleToolbar, kToggleToolbar, N::nothing, F::none,
         [](Application& a, MainWindowView& v, Services&, int) { toggleToolbar(a, v); }},
        {kToggleStatusBar, kToggleStatusBar, N::nothing, F::none,
         [](Application& a, MainWindowView& v, Services&, int) { toggleStatusBar(a, v); }},
        {kOptions, kOptions, N::nothing, F::modalView,
         [](Application& a, MainWindowView&, Services& s, int) { options::openOptions(s, a.settings); }},
        {kHelpContents, kHelpContents, N::nothing, F::none,
         [](Application& a, MainWindowView&, Services& s, int) {
             platform::showHelpTopic(s, a.paths.helpFilePath, 0);
         }},
        {kTour, kTour, N::nothing, F::none,
         [](Application& a, MainWindowView&, Services& s, int) {
             platform::showHelpTopic(s, a.paths.tourFilePath, 0);
         }},
        {kAbout, kAbout, N::nothing, F::none,
         [](Application& a, MainWindowView&, Services& s, int) {
             platform::showHelpTopic(s, a.paths.helpFilePath, kHelpAboutTopic);
         }},
        {kShowHeartRateFile, kShowHeartRateFile, N::heartRateFile, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { showLastRecording(a, v, s, kPolar); }},
        {kOpenHeartRateFile, kOpenHeartRateFile, N::nothing, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { openRecording(a, v, s, kPolar); }},
        {kHeartRateFileInfo, kHeartRateFileInfo, N::heartRateFile, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { showRecordingInfo(a, v, s, kPolar); }},
        {kHeartRateEvaluation, kHeartRateEvaluation, N::heartRateFile, F::none,
         [](Application& a, MainWindowView&, Services& s, int) { evaluateRecording(a, s); }},
        {kShowBikeComputerFile, kShowBikeComputerFile, N::bikeComputerFile, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { showLastRecording(a, v, s, kBike); }},
        {kOpenBikeComputerFile, kOpenBikeComputerFile, N::nothing, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { openRecording(a, v, s, kBike); }},
        {kBikeComputerFileInfo, kBikeComputerFileInfo, N::bikeComputerFile, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { showRecordingInfo(a, v, s, kBike); }},
        {kBikeComputerEvaluation, kBikeComputerEvaluation, N::bikeComputerFile, F::none,
         [](Application& a, MainWindowView&, Services& s, int) { evaluateRecording(a, s); }},
        {kTakeOverTraining, kTakeOverTraining, N::planAndRecording, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { takeOverLoadedRecording(a, v, s); }},
        {kXyAxisTime, kXyAxisTemperature, N::xyDiagram, F::none,
         [](Application& a, MainWindowView& v, Services&, int id) { chooseXyQuantity(a, v, id); }},
        {kAxisKmBike, kAxisActualTimeOther, N::barDiagram, F::none,
         [](Application& a, MainWindowView& v, Services&, int id) { chooseQuantity(a, v, id); }},
        {kValueBox, kValueBox, N::weekOrMonthDiagram, F::none,
         [](Application& a, MainWindowView& v, Services&, int) { showTypedWeekOrMonth(a, v); }},
        {kNextPeriod, kNextPeriod, N::laterPeriod, F::none,
         [](Application& a, MainWindowView& v, Services&, int) { stepWeekOrMonth(a, v, 1); }},
        {kPreviousPeriod, kPreviousPeriod, N::earlierPeriod, F::none,
         [](Application& a, MainWindowView& v, Services&, int) { stepWeekOrMonth(a, v, -1); }},
    };
    return table;
}

// The commands that can change the open plan; a plan opened read-only offers none of them.
bool changesPlan(int commandId) {
    using namespace cmd;
    for (const int id :
         {kSavePlan, kAthleteData, kPlanningView, kTrainingDays, kOdometers, kTakeOverTraining})
        if (commandId == id) return true;
    return false;
}

bool weekOrMonthShown(int kind) {
    return kind == model::kWeekDiagram || kind == model::kMonthDiagram;
}

bool needsMet(const Application& app, Needs needs) {
    const model::TrainingYear& year = app.year;
    const int kind = app.diagram.diagramKind;
    const bool barDiagram = kind >= model::kWeekOfYearDiagram && kind <= model::kMonthDiagram;
    const RecordingState& recordings = app.recordings;
    switch (needs) {
        case Needs::nothing:
            return true;
        case Needs::plan:
            return year.planFileVersion != 0;
        case Needs::planWithTypes:
            return year.planFileVersion == 2 || year.planFileVersion == 3;
        case Needs::printableDiagram:
            return (barDiagram && year.planFileVersion != 0) || showsRecording(app);
        case Needs::activePreset:
            return app.diagram.userDiagramSlot != -1;
        case Needs::barDiagram:
            return barDiagram;
        case Needs::weekOrMonthDiagram:
            return weekOrMonthShown(kind);
        case Needs::laterPeriod:
            return weekOrMonthShown(kind) && shownWeekOrMonth(app) < lastWeekOrMonth(app);
        case Needs::earlierPeriod:
            return weekOrMonthShown(kind) && shownWeekOrMonth(app) > 1;
        case Needs::heartRateFile:
            return recordings.heartRateFileLoaded;
        case Needs::bikeComputerFile:
            return recordings.bikeComputerFileLoaded;
        case Needs::planAndRecording:
            return year.planFileVersion != 0 && recordings.loaded.source != recordings::kNoRecording;
        case Needs::xyDiagram:
            return showsRecording(app);
    }
    return false;
}

}  // namespace

const CommandEntry* findCommand(int commandId) {
    const auto& table = commandTable();
    auto found = std::find_if(table.begin(), table.end(), [commandId](const CommandEntry& entry) {
        return commandId >= entry.first && commandId <= entry.last;
    });
    return found == table.end() ? nullptr : &*found;
}

bool commandAllowed(const Application& app, int commandId) {
    const CommandEntry* entry = findCommand(commandId);
    return entry && needsMet(app, entry->needs) && !(app.guard.readOnly && changesPlan(commandId));
}

bool commandEnabled(const Application& app, int commandId) {
    const CommandEntry* entry = findCommand(commandId);
    return entry && entry->run && commandAllowed(app, commandId);
}

void dispatchCommand(Application& app, MainWindowView& view, Services& services, int commandId) {
    if (!commandEnabled(app, commandId)) return;
    app.guard.notice.clear();
    const CommandEntry& entry = *findCommand(commandId);
    if (entry.frame == Frame::none) {
        entry.run(app, view, services, commandId);
    } else {
        ModalView modal(app, view);
        entry.run(app, view, services, commandId);
    }
    reportUnsavedSettings(app.settings, services);
    showWindowState(app, view);
}

bool closeRequested(Application& app, MainWindowView& view, Services& services) {
    return exitProgram(app, view, services);
}

void helpRequested(const Application& app, Services& services) {
    services.showHelp(app.paths.helpFilePath, 0);
}

}  // namespace sb::shell
