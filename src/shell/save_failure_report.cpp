// The messages for settings and route files that could not be written, shown once per run of failures,
// and those of the old settings' move.
#include "shell/save_failure_report.h"

#include "fileio/c_numbers.h"
#include "fileio/file_bytes.h"
#include "shell/path_display.h"

namespace sb::shell {

void reportFileNotSaved(platform::Services& services, const std::string& path, int error) {
    const std::string reason = error != 0 ? ": " + fileio::failureReason(error) : "";
    services.messageBox("Fehler beim Speichern der Datei\n" + pathDisplayText(path) + reason, "Fehler",
                        platform::Buttons::Ok, platform::Icon::Exclamation);
}

void reportUnsavedSettings(config::ConfigStore& store, platform::Services& services) {
    if (!store.file.saveFailed) {
        store.saveFailureReported = false;
        return;
    }
    if (store.saveFailureReported) return;
    store.saveFailureReported = true;
    reportFileNotSaved(services, store.file.path, store.file.failure);
}

void reportMigration(platform::Services& services, const config::MigrationOutcome& outcome,
                     const config::MigrationPaths& paths) {
    if (!outcome.imported) return;
    services.messageBox(
        "Die \"train.cfg\" liegt jetzt im Programmverzeichnis.\nZusätzlich gibt es die neue Datei "
        "\"strecke.cfg\".",
        "Hinweis", platform::Buttons::Ok, platform::Icon::Exclamation);
    if (outcome.routesFailed) reportFileNotSaved(services, paths.routesFile, outcome.routesError);
    if (!outcome.failedStep.empty())
        services.messageBox(outcome.failedStep + "\nCode : " + fileio::formatInt(outcome.error.value()), "Fehler",
                            platform::Buttons::Ok, platform::Icon::Stop);
}

}  // namespace sb::shell
