// The plan-file commands. New plans and renamed plans are always written in the current format under a
// name ending in ".sb3", because the name alone decides how the file is read and saved later: sb3
// content under an ".sb2" name would be misread and then saved back in the old format, losing data.
#include "shell/file_commands.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <optional>

#include "config/config_store.h"
#include "config/route_store.h"
#include "shell/save_failure_report.h"
#include "shell/open_plan_file.h"
#include "planfile/plan_file_version.h"
#include "planfile/plan_file_writer.h"
#include "shell/save_if_modified.h"
#include "editor/athlete_dialog.h"
#include "platform/common_dialogs.h"
#include "shell/menu_bar.h"
#include "shell/modal_view.h"
#include "shell/path_display.h"
#include "shell/plan_lock_question.h"
#include "shell/plan_on_disk.h"
#include "shell/recovery_copy.h"

namespace sb::shell {

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

constexpr int kPlanVersion = 3;

platform::FileDialogRequest planSaveRequest(std::string title, std::string filterText) {
    return {std::move(title), {{std::move(filterText), "*.sb3"}}, "default.sb3", "sb3"};
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

bool fileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// Writes the current format under path; a failure is reported with the system's reason.
bool writeCurrentFormat(const model::TrainingYear& year, platform::Services& services,
                        const std::string& path) {
    int failure = 0;
    {
        platform::WaitCursor waiting(services);
        if (planfile::writePlanFile(year, path) != 0) failure = errno;
    }
    if (failure != 0) reportFileNotSaved(services, path, failure);
    return failure == 0;
}

// The steps of New and Open inside their modal view; the menus follow once the view has closed, so
// they are built for the diagram that is shown again.
void createNewPlan(Application& app, MainWindowView& view, platform::Services& services) {
    if (!saveChangesFirst(app, view, services)) return;
    const auto chosen =
        services.saveFileName(planSaveRequest("Zielort für neue Datei...", "Saisonbuchdatei (*.sb3)"));
    if (!chosen) {
        reportDialogError(services);
        return;
    }
    const std::string path = withPlanExtension(*chosen);
    if (!confirmReplacePlan(services, path)) return;
    app.newPlanMode = 1;
    const bool entered = enterNewAthlete(app, services);
    app.newPlanMode = 0;
    if (entered) writeNewPlan(app, services, path);
}

// The plan just written under path is the open plan: its lock, its state on disk, no copy to recover.
void planWritten(Application& app, const std::string& path) {
    lockWrittenPlan(app, path);
    app.guard.readOnly = false;
    rememberPlanOnDisk(app);
    removeRecoveryCopy(app);
}

void openAndRemember(Application& app, platform::Services& services, const std::string& path) {
    if (openGuardedPlan(app, services, path) == OpenResult::Opened) config::addToHistory(app.settings, path);
}

void chooseAndOpenPlan(Application& app, MainWindowView& view, platform::Services& services) {
    if (!saveChangesFirst(app, view, services)) return;
    const auto chosen = services.openFileName(
        {"", {{"Saisonbuchdatei (*.sb3;*.sb2;*.sbn)", "*.sb3;*.sb2;*.sbn"}}, "*.sb3;*.sb2;*.sbn", ""});
    if (!chosen) {
        reportDialogError(services);
        return;
    }
    openAndRemember(app, services, *chosen);
}

}  // namespace

std::string withPlanExtension(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    const std::size_t folder = path.find_last_of("/\\");
    if (dot != std::string::npos && (folder == std::string::npos || dot > folder)) {
        const std::string extension = lowerCase(path.substr(dot + 1));
        if (extension == "sb3") return path;
        if (extension == "sb2" || extension == "sbn") return path.substr(0, dot) + ".sb3";
    }
    return path + ".sb3";
}

std::optional<OpenResult> openGuardedPlan(Application& app, platform::Services& services,
                                          const std::string& path) {
    const std::string previous = app.year.currentFileName;
    const bool previousReadOnly = app.guard.readOnly;
    const bool isPlan = planfile::planFileVersionOf(path) != 0;
    const LockChoice lock = isPlan ? lockPlanToOpen(app, services, path) : LockChoice::Writable;
    if (lock == LockChoice::Cancelled) return std::nullopt;
    const OpenResult result = openPlanFile(services, app.year, path);
    switch (result) {
        case OpenResult::Opened:
            app.guard.readOnly = lock == LockChoice::ReadOnly;
            if (app.guard.readOnly) releasePlanLock(app);
            break;
        case OpenResult::PreviousReopened:
        case OpenResult::NotAPlan:  // the plan that was open stays, with its own lock again
            app.guard.readOnly = previousReadOnly;
            if (!previousReadOnly) lockWrittenPlan(app, previous);
            break;
        case OpenResult::NotAPlanFile:
        case OpenResult::NothingOpen:
            app.guard.readOnly = false;
            releasePlanLock(app);
            break;
    }
    removeRecoveryCopy(app);
    rememberPlanOnDisk(app);
    return result;
}

bool saveChangesFirst(Application& app, MainWindowView& view, platform::Services& services) {
    const bool wasModified = app.year.modified == 1;
    const BeforeWrite checkDisk = [&] { return confirmWriteOverChanges(app, view, services); };
    switch (saveIfModified(services, app.year, checkDisk)) {
        case SaveIfModifiedResult::GoOn:
            // Saved, or the changes were given up: either way their recovery copy has done its work.
            if (wasModified && app.year.modified == 0) planWritten(app, app.year.currentFileName);
            removeRecoveryCopy(app);
            return true;
        case SaveIfModifiedResult::NeedsName:
            return saveAsFlow(app, view, services);
        case SaveIfModifiedResult::Cancelled:
            break;
    }
    return false;
}

bool confirmReplacePlan(platform::Services& services, const std::string& path) {
    if (!fileExists(path)) return true;
    return services.messageBox(
               "Die Datei ist schon vorhanden!\nWollen Sie diese Datei wirklich überschreiben?", "Fehler",
               Buttons::YesNo, Icon::Stop) == Answer::Yes;
}

bool saveAsFlow(Application& app, MainWindowView& view, platform::Services& services) {
    const auto chosen = services.saveFileName(planSaveRequest("", "Saisonbuchdatei  (*.sb3)"));
    if (!chosen) {
        reportDialogError(services);
        return false;
    }
    const std::string path = withPlanExtension(*chosen);
    if (!confirmReplacePlan(services, path)) return false;
    if (!writeCurrentFormat(app.year, services, path)) return false;
    app.year.currentFileName = path;
    app.year.modified = 0;
    app.year.cutShort = 0;
    app.year.planFileVersion = kPlanVersion;
    app.year.planLoaded = 1;
    planWritten(app, path);
    services.messageBox("Die Datei\n" + pathDisplayText(path) + "\nwurde gespeichert", "Info", Buttons::Ok,
                        Icon::Information);
    return true;
}

bool enterNewAthlete(Application& app, platform::Services& services) {
    model::TrainingYear fresh = app.year;
    model::clearTrainingYear(fresh);
    if (editor::editAthlete(services, fresh, true, app.paths.helpFilePath) != platform::dialogOk) return false;
    app.year = std::move(fresh);
    return true;
}

void writeNewPlan(Application& app, platform::Services& services, const std::string& path) {
    const bool written = writeCurrentFormat(app.year, services, path);
    app.year.currentFileName = path;
    app.year.modified = written ? 0 : 1;
    app.year.planFileVersion = kPlanVersion;
    app.year.planLoaded = 1;
    app.year.cutShort = 0;
    if (written) {
        planWritten(app, path);
    } else {
        lockWrittenPlan(app, path);
        app.guard.readOnly = false;
        rememberPlanOnDisk(app);
    }
}

void newPlan(Application& app, MainWindowView& view, platform::Services& services) {
    ModalView modal(app, view);
    createNewPlan(app, view, services);
}

void openPlan(Application& app, MainWindowView& view, platform::Services& services) {
    ModalView modal(app, view);
    chooseAndOpenPlan(app, view, services);
}

void openPlanPath(Application& app, MainWindowView& view, platform::Services& services,
                  const std::string& path) {
    ModalView modal(app, view);
    if (saveChangesFirst(app, view, services)) openAndRemember(app, services, path);
}

void openHistoryEntry(Application& app, MainWindowView& view, platform::Services& services, int index) {
    if (index < 0 || index >= shownHistoryCount(app.settings)) return;
    if (!saveChangesFirst(app, view, services)) return;
    const std::string path = app.settings.history[std::size_t(index)];
    openGuardedPlan(app, services, path);
    view.repaint();
}

void savePlan(Application& app, MainWindowView& view, platform::Services& services) {
    ModalView modal(app, view);
    const BeforeWrite checkDisk = [&] { return confirmWriteOverChanges(app, view, services); };
    switch (savePlanFile(services, app.year, checkDisk)) {
        case SaveResult::Saved:
            planWritten(app, app.year.currentFileName);
            break;
        case SaveResult::SavedElsewhere:
        case SaveResult::Abandoned:
        case SaveResult::Failed:
        case SaveResult::Kept:
            break;
        case SaveResult::NoPlanName:
            saveAsFlow(app, view, services);
            break;
    }
}

void savePlanAs(Application& app, MainWindowView& view, platform::Services& services) {
    ModalView modal(app, view);
    saveAsFlow(app, view, services);
}

bool exitProgram(Application& app, MainWindowView& view, platform::Services& services) {
    if (!saveChangesFirst(app, view, services)) return false;
    // The final save is the settings' last chance: its failure is told even when an earlier one was.
    app.settings.saveFailureReported = false;
    config::saveAllSettings(app.settings, app.diagram, app.year.currentFileName);
    reportUnsavedSettings(app.settings, services);
    // Without a usable program directory the routes have no file, as the start-up message said.
    if (!app.paths.routesFilePath.empty() && config::saveRoutes(app.routes, app.paths.routesFilePath) != 0)
        reportFileNotSaved(services, app.paths.routesFilePath, errno);
    releasePlanLock(app);
    view.destroy();
    services.quit(0);
    return true;
}

}  // namespace sb::shell
