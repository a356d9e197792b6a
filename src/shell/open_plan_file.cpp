// The open flow. A failed open never leaves an empty document attached to the previous file's name
// with the plan commands enabled, where a save would overwrite that file with an empty year; a file
// that is no plan is not read at all, so the plan that was open stays as it was.
#include "shell/open_plan_file.h"

#include <string>

#include "shell/path_display.h"

namespace sb::shell {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using planfile::PlanShape;

// The notice before an older plan is read; oldVersion and newVersion are "V1.0" and "V2.0" or "V2.0" and
// "V3.0".
std::string legacyNotice(const std::string& oldVersion, const std::string& newVersion) {
    return "Sie haben soebend eine alte\nSaisonbuch " + oldVersion +
           "\nDatei geöffnet. Die erweiterten Funktionen von Saisonbuch " + newVersion +
           "\nsind deaktiviert. Wenn Sie trotzdem erweiterte Funktionen nutzen wollen\n"
           "legen Sie ein Kopie Ihres Saisonbuches mit Hilfe des Menüpunktes\n"
           "Datei-->Speichern unter...\n an.";
}

void closeDocument(model::TrainingYear& year) {
    model::clearTrainingYear(year);
    year.planFileVersion = 0;
    year.planLoaded = 0;
    year.modified = 0;
    year.cutShort = 0;
}

bool holdsPlan(const planfile::PlanReadOutcome& read) {
    return read.readable && read.shape.shape != PlanShape::NotAPlan;
}

OpenResult reopenPrevious(platform::Services& services, model::TrainingYear& year) {
    const int version = planfile::planFileVersionOf(year.currentFileName);
    if (version != 0) {
        const planfile::PlanReadOutcome read = planfile::readPlanFileOfVersion(version, year.currentFileName, year);
        if (holdsPlan(read)) {
            takeReadPlan(services, year, year.currentFileName, version, read.shape);
            return OpenResult::PreviousReopened;
        }
        services.messageBox("Fehler beim Öffnen der vorherigen Datei", "Fehler", Buttons::Ok, Icon::None);
    }
    closeDocument(year);
    return OpenResult::NothingOpen;
}

}  // namespace

void takeReadPlan(platform::Services& services, model::TrainingYear& year, const std::string& path, int version,
                  const planfile::PlanShapeOutcome& shape) {
    year.currentFileName = path;
    year.planFileVersion = version;
    year.planLoaded = 1;
    year.modified = 0;
    year.cutShort = shape.shape == PlanShape::CutShort ? shape.daysRead : 0;
    if (year.cutShort != 0)
        services.messageBox("Die Datei ist unvollständig: gelesen bis " + planfile::lastDayRead(year.planYear, year.cutShort) +
                                ".",
                            "Hinweis", Buttons::Ok, Icon::Exclamation);
}

OpenResult openPlanFile(platform::Services& services, model::TrainingYear& year, const std::string& path) {
    const int version = planfile::planFileVersionOf(path);
    if (version == 0) {
        services.messageBox("Diese Datei ist keine zulässige\nSaisonbuchdatei", "Fehler", Buttons::Ok,
                            Icon::Exclamation);
        // The commands that need a plan go grey, so the diagrams and the save must not act on it either.
        closeDocument(year);
        return OpenResult::NotAPlanFile;
    }
    const planfile::PlanReadOutcome read = planfile::readPlanFileOfVersion(version, path, year);
    if (read.readable && read.shape.shape == PlanShape::NotAPlan) {
        services.messageBox("Die Datei " + pathDisplayText(path) + " ist kein Saisonbuch.", "Fehler", Buttons::Ok,
                            Icon::Exclamation);
        return OpenResult::NotAPlan;
    }
    if (read.readable) {
        // The notice tells what was opened, so a file that could not be read gets only its error.
        if (version == 1)
            services.messageBox(legacyNotice("V1.0", "V2.0"), "Hinweis", Buttons::Ok, Icon::Information);
        if (version == 2)
            services.messageBox(legacyNotice("V2.0", "V3.0"), "Hinweis", Buttons::Ok, Icon::Information);
        takeReadPlan(services, year, path, version, read.shape);
        return OpenResult::Opened;
    }
    model::clearTrainingYear(year);
    const Answer answer = services.messageBox(
        "Fehler beim Öffnen der Datei\nSoll versucht werden die letzte benutzte Datei zu öffnen?", "Fehler",
        Buttons::YesNo, Icon::Stop);
    if (answer != Answer::Yes) {
        closeDocument(year);
        return OpenResult::NothingOpen;
    }
    return reopenPrevious(services, year);
}

}  // namespace sb::shell
