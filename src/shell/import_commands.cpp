// The import command. The dialog changes the plan in memory only; saving stays with "Speichern".
#include "shell/import_commands.h"

#include <filesystem>

#include "import/import_dialog.h"
#include "import/input_kinds.h"
#include "shell/modal_view.h"

namespace sb::shell {

void importRecordings(Application& app, MainWindowView& view, platform::Services& services,
                      const std::vector<std::string>& paths) {
    if (app.year.planFileVersion == 0) {
        services.messageBox(
            "Es ist kein Saisonbuch geöffnet.\nÖffnen oder erstellen Sie zuerst das "
            "Saisonbuch, in das die Trainings übernommen werden sollen.",
            "Hinweis", platform::Buttons::Ok, platform::Icon::Information);
        return;
    }
    // A drop reaches here without the command table's grey state.
    if (app.guard.readOnly) {
        services.messageBox("Das Saisonbuch ist schreibgeschützt geöffnet.\nEs können keine Trainings übernommen "
                            "werden.",
                            "Hinweis", platform::Buttons::Ok, platform::Icon::Information);
        return;
    }
    ModalView modal(app, view);
    const import::ImportTarget target =
        import::importTargetOf(app.year.planFileVersion, app.settings.sportMode, app.settings.triathlonBasic);
    import::runImportDialog(services, app.year, target, app.settings, paths);
}

bool dropsIntoImport(const std::vector<std::string>& paths) {
    if (paths.size() > 1) return true;
    if (paths.empty()) return false;
    std::error_code error;
    if (std::filesystem::is_directory(paths.front(), error)) return true;
    const import::NameKind kind = import::kindOfName(std::filesystem::path(paths.front()).filename().string());
    return kind.kind == import::InputKind::archive || kind.gzipped;
}

}  // namespace sb::shell
