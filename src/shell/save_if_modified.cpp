// Save under the current name and the save-if-modified question. A failed or impossible save stops the
// caller's action instead of letting it discard the changes the user asked to keep.
#include "shell/save_if_modified.h"

#include "planfile/plan_file_version.h"

namespace sb::shell {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

SaveResult savePlanFile(platform::Services& services, model::TrainingYear& year,
                        const BeforeWrite& beforeWrite) {
    const int version = planfile::planFileVersionOf(year.currentFileName);
    if (version == 0) return SaveResult::NoPlanName;
    switch (beforeWrite ? beforeWrite() : WriteDecision::Write) {
        case WriteDecision::Write:
            break;
        case WriteDecision::SavedElsewhere:
            return SaveResult::SavedElsewhere;
        case WriteDecision::Abandon:
            return SaveResult::Abandoned;
    }
    platform::WaitCursor waiting(services);
    if (planfile::writePlanFileOfVersion(version, year.currentFileName, year) != 0) return SaveResult::Failed;
    year.modified = 0;
    return SaveResult::Saved;
}

SaveIfModifiedResult saveIfModified(platform::Services& services, model::TrainingYear& year,
                                    const BeforeWrite& beforeWrite) {
    if (year.modified != 1) return SaveIfModifiedResult::GoOn;
    const Answer answer = services.messageBox(
        "Sollen die Änderungen in der\nDatei: " + year.currentFileName + "\ngespeichert werden?", "Frage?",
        Buttons::YesNoCancel, Icon::Question);
    if (answer == Answer::Cancel) return SaveIfModifiedResult::Cancelled;
    if (answer != Answer::Yes) return SaveIfModifiedResult::GoOn;
    switch (savePlanFile(services, year, beforeWrite)) {
        case SaveResult::Saved:
        case SaveResult::SavedElsewhere:
            return SaveIfModifiedResult::GoOn;
        case SaveResult::NoPlanName:
            return SaveIfModifiedResult::NeedsName;
        case SaveResult::Abandoned:
            return SaveIfModifiedResult::Cancelled;
        case SaveResult::Failed:
            break;
    }
    services.messageBox("Fehler beim Speichern der Datei", "Fehler", Buttons::Ok, Icon::Exclamation);
    return SaveIfModifiedResult::Cancelled;
}

}  // namespace sb::shell
