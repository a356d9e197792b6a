// The command table and the dispatcher. Entries without a handler belong to dialogs of other parts of
// the program; their requirements are already fixed here, so a handler entered later cannot run in a
// state the menus would not allow.
#include "shell/command_dispatcher.h"

#include <algorithm>
#include <vector>

#include "charts/diagram_quantity.h"
#include "editor/day_editor_command.h"
#include "platform/help.h"
#include "shell/file_commands.h"
#include "shell/file_state.h"
#include "shell/menu_bar.h"
#include "shell/modal_view.h"
#include "shell/navigation.h"
#include "shell/recording_commands.h"
#include "shell/startup.h"
#include "shell/status_bar.h"
#include "shell/window_commands.h"

namespace sb::shell {

namespace {

using platform::Services;

constexpr int kFirstCommand = 9;
constexpr int kLastCommand = 254;
constexpr int kHelpAboutTopic = 50;
constexpr int kOdometerCommand = 59;
constexpr int kPolar = recordings::kPolarRecording;
constexpr int kBike = recordings::kBikeRecording;

// The diagram kind of commands 43…46: the menu lists the month diagram (45) before the week diagram (46).
int diagramKindOfCommand(int commandId) {
    switch (commandId) {
        case 43:
            return charts::kWeekOfYearDiagram;
        case 44:
            return charts::kMonthOfYearDiagram;
        case 45:
            return charts::kMonthDiagram;
        default:
            return charts::kWeekDiagram;
    }
}

// The day editor; when an odometer became due and the user wants to see it, the odometers follow.
void editTrainingDays(Application& app, MainWindowView& view, Services& services) {
    const editor::DayEditorOutcome outcome =
        editor::runDayEditorCommand(services, app.year, app.settings, app.routes, app.paths.helpFilePath);
    if (outcome == editor::DayEditorOutcome::OdometersWanted)
        dispatchCommand(app, view, services, kOdometerCommand);
    updateStatusBar(app, view);
}

const std::vector<CommandEntry>& commandTable() {
    using N = Needs;
    using F = Frame;
    static const std::vector<CommandEntry> table{
        {9, 9, N::nothing, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { startupCommand(a, v, s); }},
        {10, 10, N::nothing, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { newPlan(a, v, s); }},
        {11, 11, N::nothing, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { openPlan(a, v, s); }},
        {12, 12, N::plan, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { savePlan(a, v, s); }},
        {13, 13, N::plan, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { savePlanAs(a, v, s); }},
        {14, 15, N::plan, F::modalView, nullptr},  // export dialog "EXPORT", creation value 1 or 2
        {16, 16, N::plan, F::modalView, nullptr},  // overview printout "PRINT_V3" / "PRINT_V2"
        {17, 17, N::nothing, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { exitProgram(a, v, s); }},
        {18, 18, N::plan, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { printCurrentDiagram(a, v, s); }},
        {20, 28, N::nothing, F::none,
         [](Application& a, MainWindowView& v, Services& s, int id) { openHistoryEntry(a, v, s, id - 20); }},
        {30, 30, N::plan, F::modalView,
         [](Application& a, MainWindowView& v, Services& s, int) { editAthleteData(a, v, s); }},
        {31, 31, N::planWithTypes, F::modalView, nullptr},  // planning view "SAISONBUCHUNG_NEU"
        {32, 32, N::plan, F::modalView,
         [](Application& a, MainWindowView& v, Services& s, int) { editTrainingDays(a, v, s); }},
        {40, 42, N::plan, F::modalView, nullptr},  // week, month and year lists
        {43, 46, N::plan, F::none,
         [](Application& a, MainWindowView& v, Services&, int id) {
             showDiagram(a, v, diagramKindOfCommand(id));
         }},
        {47, 47, N::planWithTypes, F::modalView, nullptr},  // control view
        {48, 52, N::plan, F::none,
         [](Application& a, MainWindowView& v, Services&, int id) { activatePreset(a, v, id - 48); }},
        {53, 56, N::activePreset, F::none,
         [](Application& a, MainWindowView& v, Services&, int id) { setPresetKind(a, v, id - 52); }},
        {57, 57, N::plan, F::modalView, nullptr},  // search list "LISTE_SUCH"
        {58, 58, N::plan, F::modalView,
         [](Application& a, MainWindowView&, Services& s, int) { editStandardRoutes(a, s); }},
        {59, 59, N::planWithTypes, F::modalView, nullptr},  // odometers
        {60, 63, N::nothing, F::modalView, nullptr},        // body calculators and gear calculator
        {64, 64, N::nothing, F::none,
         [](Application& a, MainWindowView& v, Services&, int) { toggleToolbar(a, v); }},
        {65, 65, N::nothing, F::none,
         [](Application& a, MainWindowView& v, Services&, int) { toggleStatusBar(a, v); }},
        {66, 66, N::nothing, F::modalViewThenMenus, nullptr},  // options property sheet
        {70, 70, N::nothing, F::none,
         [](Application& a, MainWindowView&, Services& s, int) {
             platform::showHelpTopic(s, a.paths.helpFilePath, 0);
         }},
        {71, 71, N::nothing, F::none,
         [](Application& a, MainWindowView&, Services& s, int) {
             platform::showHelpTopic(s, a.paths.tourFilePath, 0);
         }},
        {73, 73, N::nothing, F::none,
         [](Application& a, MainWindowView&, Services& s, int) {
             platform::showHelpTopic(s, a.paths.helpFilePath, kHelpAboutTopic);
         }},
        {74, 74, N::heartRateFile, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { showLastRecording(a, v, s, kPolar); }},
        {75, 75, N::nothing, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { openRecording(a, v, s, kPolar); }},
        {76, 76, N::heartRateFile, F::none,
         [](Application& a, MainWindowView&, Services& s, int) { showRecordingInfo(a, s, kPolar); }},
        {77, 77, N::heartRateFile, F::none,
         [](Application& a, MainWindowView&, Services& s, int) { evaluateRecording(a, s); }},
        {82, 82, N::bikeComputerFile, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { showLastRecording(a, v, s, kBike); }},
        {83, 83, N::nothing, F::none,
         [](Application& a, MainWindowView& v, Services& s, int) { openRecording(a, v, s, kBike); }},
        {84, 84, N::bikeComputerFile, F::none,
         [](Application& a, MainWindowView&, Services& s, int) { showRecordingInfo(a, s, kBike); }},
        {85, 85, N::bikeComputerFile, F::none,
         [](Application& a, MainWindowView&, Services& s, int) { evaluateRecording(a, s); }},
        {90, 99, N::xyDiagram, F::none,
         [](Application& a, MainWindowView& v, Services&, int id) { chooseXyQuantity(a, v, id); }},
        {209, 242, N::barDiagram, F::none,
         [](Application& a, MainWindowView& v, Services&, int id) { chooseQuantity(a, v, id); }},
        {253, 253, N::weekOrMonthDiagram, F::none,
         [](Application& a, MainWindowView& v, Services&, int) { stepWeekOrMonth(a, v, 1); }},
        {254, 254, N::weekOrMonthDiagram, F::none,
         [](Application& a, MainWindowView& v, Services&, int) { stepWeekOrMonth(a, v, -1); }},
    };
    return table;
}

bool needsMet(const Application& app, Needs needs) {
    const model::TrainingYear& year = app.year;
    const int kind = app.settings.diagramKind;
    const RecordingState& recordings = app.recordings;
    switch (needs) {
        case Needs::nothing:
            return true;
        case Needs::plan:
            return year.planFileVersion != 0;
        case Needs::planWithTypes:
            return year.planFileVersion == 2 || year.planFileVersion == 3;
        case Needs::activePreset:
            return app.settings.userDiagramSlot != -1;
        case Needs::barDiagram:
            return kind >= charts::kWeekOfYearDiagram && kind <= charts::kMonthDiagram;
        case Needs::weekOrMonthDiagram:
            return kind == charts::kWeekDiagram || kind == charts::kMonthDiagram;
        case Needs::heartRateFile:
            return recordings.heartRateFileLoaded;
        case Needs::bikeComputerFile:
            return recordings.bikeComputerFileLoaded;
        case Needs::xyDiagram:
            return kind == charts::kXyDiagram &&
                   (recordings.heartRateFileLoaded || recordings.bikeComputerFileLoaded);
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
    return entry && fileCommandEnabled(app.year, commandId) && needsMet(app, entry->needs);
}

void dispatchCommand(Application& app, MainWindowView& view, Services& services, int commandId) {
    if (commandId < kFirstCommand || commandId > kLastCommand) return;
    const CommandEntry* entry = findCommand(commandId);
    if (!entry || !entry->run || !commandAllowed(app, commandId)) return;
    if (entry->frame == Frame::none) {
        entry->run(app, view, services, commandId);
        return;
    }
    {
        ModalView modal(app, view);
        entry->run(app, view, services, commandId);
    }
    if (entry->frame == Frame::modalViewThenMenus) showPlanState(app, view);
}

bool closeRequested(Application& app, MainWindowView& view, Services& services) {
    return exitProgram(app, view, services);
}

void helpRequested(const Application& app, Services& services) {
    services.showHelp(app.paths.helpFilePath, 0);
}

}  // namespace sb::shell
