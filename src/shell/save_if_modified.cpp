// Save under the current name and the save-if-modified question. A failed or impossible save stops the
// caller's action instead of letting it discard the changes the user asked to keep.
#include "shell/save_if_modified.h"

#include <cerrno>

#include "planfile/plan_file_version.h"
#include "shell/path_display.h"
#include "shell/save_failure_report.h"

namespace sb::shell {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

// The plan holds empty days where the file ended; replacing the file makes that final, so the user
// decides once, after which the open plan is what the file holds.
bool replaceCutShortFile(platform::Services& services, const model::TrainingYear& year) {
    if (year.cutShort == 0) return true;
    return services.messageBox("Die Datei\n" + pathDisplayText(year.currentFileName) +
                                   "\nwar beim Öffnen unvollständig (gelesen bis " +
                                   planfile::lastDayRead(year.planYear, year.cutShort) + ").\nSoll sie trotzdem ersetzt werden?",
                               "Frage?", Buttons::YesNo, Icon::Question) == Answer::Yes;
}

}  // namespace

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
    if (!replaceCutShortFile(services, year)) return SaveResult::Kept;
    int failure = 0;
    {
        platform::WaitCursor waiting(services);
        if (planfile::writePlanFileOfVersion(version, year.currentFileName, year) != 0) failure = errno;
    }
    if (failure != 0) {
        reportFileNotSaved(services, year.currentFileName, failure);
        return SaveResult::Failed;
    }
    year.modified = 0;
    year.cutShort = 0;
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
        case SaveResult::Kept:
            break;
    }
    return SaveIfModifiedResult::Cancelled;
}

}  // namespace sb::shell
