// Saving the open plan under its own name in the format its extension names, and the question asked
// before a modified plan is replaced or the program ends.
#pragma once

#include <functional>
#include <string>

#include "model/training_year.h"
#include "platform/services.h"

namespace sb::shell {

enum class SaveResult {
    Saved,           // written; modified is 0
    Failed,          // the write failed (and was reported); the file on disk is unchanged, modified stays
    Kept,            // the user kept the file that was cut short: nothing was written
    NoPlanName,      // currentFileName names no plan format (or is empty): nothing was written
    SavedElsewhere,  // the check before the write saved the plan under another name instead
    Abandoned,       // the check before the write held it back: nothing was written
};

// What the check right before a write under the plan's own name decided.
enum class WriteDecision { Write, SavedElsewhere, Abandon };
using BeforeWrite = std::function<WriteDecision()>;

// Writes the plan under currentFileName with the wait cursor shown, once beforeWrite (when given)
// agrees. The first save of a file that was cut short then asks before replacing it; a failed write is
// reported with the system's reason.
SaveResult savePlanFile(platform::Services& services, model::TrainingYear& year,
                        const BeforeWrite& beforeWrite = {});

enum class SaveIfModifiedResult {
    Cancelled = 0,  // the user cancelled, kept a file cut short, or the save failed (after its message):
                    // abandon the action
    GoOn = 1,       // nothing to save, the user declined, or the plan was saved
    NeedsName = 2,  // the user wants to save but the name names no plan format: nothing was written;
                    // offer Save As and abandon the action if that is cancelled
};

// A plan saved elsewhere by beforeWrite goes on; one it held back is cancelled.
SaveIfModifiedResult saveIfModified(platform::Services& services, model::TrainingYear& year,
                                    const BeforeWrite& beforeWrite = {});

}  // namespace sb::shell
