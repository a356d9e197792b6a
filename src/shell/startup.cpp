// Start-up. Whatever branch the start takes, the week and month are set from today and the menus end
// up matching the plan that is open, so no plan command is offered without a plan. A plan named on the
// command line takes the place of the last plan and of the first-start questions; a recording named
// there opens after the usual start, on top of the plan it brought. A recovered plan replaces the reload.
#include "shell/startup.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "config/configuration_migration.h"
#include "shell/save_failure_report.h"
#include "config/route_store.h"
#include "editor/athlete_dialog.h"
#include "shell/open_plan_file.h"
#include "planfile/plan_file_version.h"
#include "platform/help.h"
#include "recordings/loaded_recording.h"
#include "shell/command_ids.h"
#include "platform/common_dialogs.h"
#include "shell/file_commands.h"
#include "shell/menu_bar.h"
#include "shell/named_files.h"
#include "shell/path_display.h"
#include "shell/navigation.h"
#include "shell/plan_lock_question.h"
#include "shell/plan_on_disk.h"
#include "shell/recovery_copy.h"
#include "shell/window_state.h"

namespace sb::shell {

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

// A logo time the timer's milliseconds can still hold.
constexpr int kLongestLogoSeconds = std::numeric_limits<int>::max() / 1000;

// The athlete data, then the file of the new plan. false when either was cancelled.
bool createPlanAtStartup(Application& app, platform::Services& services) {
    if (!enterNewAthlete(app, services)) return false;
    const auto chosen =
        services.saveFileName({"", {{"Saisonbuchdatei  (*.sb3)", "*.sb3"}}, "default.sb3", "sb3"});
    if (!chosen) {
        reportDialogError(services);
        return false;
    }
    const std::string path = withPlanExtension(*chosen);
    if (!confirmReplacePlan(services, path)) return false;
    writeNewPlan(app, services, path);
    return true;
}

void reloadLastPlan(Application& app, platform::Services& services) {
    model::TrainingYear& year = app.year;
    const int version = planfile::planFileVersionOf(year.currentFileName);
    if (version != 0) {
        const LockChoice lock = lockPlanToOpen(app, services, year.currentFileName);
        if (lock == LockChoice::Cancelled) {
            year.currentFileName.clear();
            return;
        }
        const planfile::PlanReadOutcome read = planfile::readPlanFileOfVersion(version, year.currentFileName, year);
        if (read.readable && read.shape.shape != planfile::PlanShape::NotAPlan) {
            takeReadPlan(services, year, year.currentFileName, version, read.shape);
            app.guard.readOnly = lock == LockChoice::ReadOnly;
            if (app.guard.readOnly) releasePlanLock(app);
            rememberPlanOnDisk(app);
            return;
        }
        releasePlanLock(app);
    }
    app.newPlanMode = 1;
    const Answer answer =
        services.messageBox("Fehler beim Öffnen des letzen Saisonbuch.\nWollen Sie einen neuen angelegen?",
                            "Hinweis", Buttons::YesNo, Icon::Information);
    if (answer != Answer::Yes || !createPlanAtStartup(app, services)) year.currentFileName.clear();
}

void leadFirstStart(Application& app, platform::Services& services) {
    app.newPlanMode = 1;
    platform::showHelpTopic(services, app.paths.tourFilePath, 0);
    const Answer answer = services.messageBox(
        "Es wurde bisher noch kein Saisonbuch bearbeitet.\nWollen Sie einen neuen erstellen?", "Hinweis",
        Buttons::YesNo, Icon::Information);
    // The tour goes on once the plan exists: it comes back in front of the window.
    if (answer == Answer::Yes && createPlanAtStartup(app, services))
        platform::showHelpTopic(services, app.paths.tourFilePath, 0);
}

}  // namespace

void initialiseApplication(Application& app, const config::ProgramPaths& paths) {
    app.paths = paths;
    app.year.planLoaded = 0;
    app.recordings = RecordingState{};
    model::clearTrainingYear(app.year);
    config::openConfigFile(app.settings, paths.configFilePath);
    config::loadAllSettings(app.settings, app.diagram);
    config::loadPulseZones(app.settings);
    app.year.currentFileName = app.settings.lastFile;
    app.menuBar = buildMenuBar(app);
}

void windowCreated(Application& app, MainWindowView& view) {
    view.setToolbarVisible(app.settings.showToolbar == 1);
    view.setStatusBarVisible(app.settings.showStatusBar == 1);
    showWindowState(app, view);
    view.postCommand(cmd::kStartup);
}

void startupCommand(Application& app, MainWindowView& view, platform::Services& services) {
    app.logoDone = 0;
    const config::ProgramPaths& paths = app.paths;
    if (!paths.unusableReason.empty())
        services.messageBox("Das Programmverzeichnis " + pathDisplayText(paths.programDirectory) +
                                " kann nicht verwendet werden: " + paths.unusableReason +
                                ". Einstellungen und Standardstrecken werden nicht gespeichert.",
                            "Hinweis", Buttons::Ok, Icon::Exclamation);
    const config::MigrationPaths oldPaths{paths.oldConfigFilePath, paths.oldConfigBackupPath, paths.routesFilePath};
    reportMigration(services, config::migrateOldConfiguration(app.settings, app.routes, oldPaths), oldPaths);
    app.year.currentFileName = app.settings.lastFile;
    config::loadRoutes(app.routes, paths.routesFilePath);
    app.year.planFileVersion = 0;
    showWindowState(app, view);
    services.startTimer(std::min(app.settings.logoSeconds, kLongestLogoSeconds) * 1000,
                        [&app, &view, &services] { logoTimer(app, view, services); });
    setTodaysWeekAndMonth(app);
    const std::string named = std::exchange(app.startFile, {});
    const bool planNamed = !named.empty() && recordings::sourceOfPath(named) == recordings::kNoRecording;
    if (planNamed) {
        openNamedFile(app, view, services, named);
    } else if (!offerRecoveryCopy(app, services) && app.settings.autoLoad == 1) {
        if (app.year.currentFileName.empty()) {
            leadFirstStart(app, services);
        } else {
            reloadLastPlan(app, services);
        }
    }
    app.newPlanMode = 0;
    if (!named.empty() && !planNamed) openNamedFile(app, view, services, named);
    view.repaint();
}

void logoTimer(Application& app, MainWindowView& view, platform::Services& services) {
    services.stopTimer();
    app.logoDone = 1;
    if (app.settings.autoOpenDayEditor == 1) {
        view.postCommand(cmd::kTrainingDays);
    } else {
        view.repaint();
    }
}

}  // namespace sb::shell
