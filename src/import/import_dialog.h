// The dialog "Importieren" (IDD_IMPORT): recordings, folders and archives read in the background into
// rows that show what each would change in the open plan; "Übernehmen" writes the checked rows.
#pragma once

#include <string>
#include <vector>

#include "config/config_store.h"
#include "import/import_rows.h"
#include "model/training_year.h"
#include "platform/dialog.h"
#include "platform/services.h"

namespace sb::import {

namespace import_dialog {
constexpr int filesButton = 400;
constexpr int folderButton = 401;
constexpr int rows = 402;
constexpr int takeRow = 403;   // check box: the selected row is taken
constexpr int sport = 404;     // the selected row's sport
constexpr int progress = 405;  // canvas: the share of the files read
constexpr int progressText = 406;
constexpr int takeButton = 410;
constexpr int cancelButton = 411;
constexpr int readingTick = 499;  // posted to itself while files are read; no control
}  // namespace import_dialog

const platform::DialogTemplate& importTemplate();

// Runs the dialog for the open plan, reading `paths` at once (a drop); the folder last chosen is kept
// in the settings. Whether rows were written into the plan.
bool runImportDialog(platform::Services& services, model::TrainingYear& year, const ImportTarget& target,
                     config::ConfigStore& settings, const std::vector<std::string>& paths);

}  // namespace sb::import
