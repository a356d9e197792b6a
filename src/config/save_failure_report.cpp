// The message for a settings or route file that could not be written, shown once per run of failures.
#include "config/save_failure_report.h"

namespace sb::config {

void reportFileNotSaved(platform::Services& services, const std::string& path) {
    services.messageBox("Fehler beim Speichern der Datei\n" + path, "Fehler", platform::Buttons::Ok,
                        platform::Icon::Exclamation);
}

void reportUnsavedSettings(ConfigStore& store, platform::Services& services) {
    if (!store.file.saveFailed) {
        store.saveFailureReported = false;
        return;
    }
    if (store.saveFailureReported) return;
    store.saveFailureReported = true;
    reportFileNotSaved(services, store.file.path);
}

}  // namespace sb::config
