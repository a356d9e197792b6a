// Opening named files. A name that is neither plan nor recording is refused before anything is read,
// so a stray file never closes the plan that is open.
#include "shell/named_files.h"

#include "planfile/plan_file_version.h"
#include "recordings/loaded_recording.h"
#include "shell/file_commands.h"
#include "shell/import_commands.h"
#include "shell/recording_commands.h"
#include "shell/window_state.h"

namespace sb::shell {

bool opensAsNamedFile(const std::string& path) {
    return planfile::planFileVersionOf(path) != 0 ||
           recordings::sourceOfPath(path) != recordings::kNoRecording;
}

void openNamedFile(Application& app, MainWindowView& view, platform::Services& services,
                   const std::string& path) {
    if (openRecordingFile(app, view, services, path)) return;
    if (planfile::planFileVersionOf(path) == 0) {
        services.messageBox("Diese Datei ist keine zulässige\nSaisonbuchdatei", "Fehler",
                            platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    openPlanPath(app, view, services, path);
}

void fileDropped(Application& app, MainWindowView& view, platform::Services& services,
                 const std::string& path) {
    openNamedFile(app, view, services, path);
    showWindowState(app, view);
}

bool acceptsDrop(const std::vector<std::string>& paths) {
    return dropsIntoImport(paths) || (paths.size() == 1 && opensAsNamedFile(paths.front()));
}

void filesDropped(Application& app, MainWindowView& view, platform::Services& services,
                  const std::vector<std::string>& paths) {
    if (!dropsIntoImport(paths)) {
        if (!paths.empty()) fileDropped(app, view, services, paths.front());
        return;
    }
    importRecordings(app, view, services, paths);
    showWindowState(app, view);
}

}  // namespace sb::shell
