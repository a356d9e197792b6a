// Changes on disk are found by the bytes, not by the time alone: a synced folder may touch a file
// without changing it, and a second save within one second keeps its time.
#include "shell/plan_on_disk.h"

#include "planfile/plan_file_version.h"
#include "shell/file_commands.h"
#include "shell/path_display.h"
#include "shell/window_state.h"

namespace sb::shell {

void rememberPlanOnDisk(Application& app) {
    app.guard.onDisk = fileio::fileIdentityOf(app.year.currentFileName);
}

WriteDecision confirmWriteOverChanges(Application& app, MainWindowView& view, platform::Services& services) {
    const fileio::FileIdentity now = fileio::fileIdentityOf(app.year.currentFileName);
    if (!now.exists || !fileio::changedSince(app.guard.onDisk, now)) return WriteDecision::Write;
    const int choice = services.askChoice(
        "Die Datei " + pathDisplayText(app.year.currentFileName) + " wurde seit dem Öffnen geändert.",
        "Hinweis", {"Überschreiben", "Speichern unter...", "Abbrechen"}, platform::Icon::Exclamation);
    if (choice == 0) return WriteDecision::Write;
    if (choice == 1 && saveAsFlow(app, view, services)) return WriteDecision::SavedElsewhere;
    return WriteDecision::Abandon;
}

void planWindowActivated(Application& app, MainWindowView& view) {
    model::TrainingYear& year = app.year;
    if (year.planFileVersion == 0 || year.modified != 0) return;
    const fileio::FileIdentity now = fileio::fileIdentityOf(year.currentFileName);
    if (!now.exists || !fileio::changedSince(app.guard.onDisk, now)) return;
    model::TrainingYear reread = year;
    model::clearTrainingYear(reread);
    // A file caught half-written is not whole: the plan shown stays, and the next activation tries
    // again.
    if (planfile::readPlanFileOfVersion(year.planFileVersion, year.currentFileName, reread).shape.shape !=
        planfile::PlanShape::Whole)
        return;
    reread.planFileVersion = year.planFileVersion;
    reread.planLoaded = 1;
    reread.modified = 0;
    year = std::move(reread);
    app.guard.onDisk = now;
    app.guard.notice =
        pathDisplayText(fileNameOfPath(year.currentFileName)) + " wurde geändert und neu geladen.";
    showWindowState(app, view);
    view.repaint();
}

}  // namespace sb::shell
