// Reading the plan a command names, with the reader its extension stands for.
#include "cli/plan_loading.h"

#include "cli/cli_commands.h"
#include "planfile/plan_file_version.h"

namespace sb::cli {

int loadPlan(const std::string& path, model::TrainingYear& year) {
    int version = planfile::planFileVersionOf(path);
    if (version == 0) {
        fail("keine Saisonbuchdatei (.sb3, .sb2 oder .sbn erwartet): " + path);
        return 0;
    }
    model::clearTrainingYear(year);
    if (planfile::readPlanFileOfVersion(version, path, year) != 0) {
        fail("Fehler beim Öffnen der Datei " + path);
        return 0;
    }
    year.planFileVersion = version;
    year.currentFileName = path;
    return version;
}

}  // namespace sb::cli
