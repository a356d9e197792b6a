// Reading the plan a command names, with the reader its extension stands for. A file that holds no plan
// is refused; a plan cut short is read with a note naming its last day.
#include "cli/plan_loading.h"

#include <iostream>

#include "cli/cli_commands.h"
#include "planfile/plan_file_version.h"

namespace sb::cli {

int loadPlan(const std::string& path, model::TrainingYear& year) {
    int version = planfile::planFileVersionOf(path);
    if (version == 0) {
        fail("keine Saisonbuchdatei (.sb3, .sb2 oder .sbn erwartet): " + path);
        return 0;
    }
    const planfile::PlanReadOutcome read = planfile::readPlanFileOfVersion(version, path, year);
    if (!read.readable) {
        fail("Fehler beim Öffnen der Datei " + path);
        return 0;
    }
    if (read.shape.shape == planfile::PlanShape::NotAPlan) {
        fail("Die Datei " + path + " ist kein Saisonbuch.");
        return 0;
    }
    if (read.shape.shape == planfile::PlanShape::CutShort)
        std::cerr << "saisonbuch-cli: Die Datei ist unvollständig: gelesen bis "
                  << planfile::lastDayRead(year.planYear, read.shape.daysRead) << ".\n";
    year.planFileVersion = version;
    year.currentFileName = path;
    return version;
}

}  // namespace sb::cli
