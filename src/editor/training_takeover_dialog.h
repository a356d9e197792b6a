// The dialog "Als Training übernehmen" (IDD_TRAINING_UEBERNEHMEN): a recording's date, sport, duration,
// distance, average pulse and climbing, editable, written into that day's entry of the open plan on OK.
// It offers the sports the plan's day-editor form shows and every value the plan keeps; a pulse the
// basic form does not show is still taken, and the dialog says so.
#pragma once

#include <optional>

#include "editor/day_editor_layout.h"
#include "model/training_year.h"
#include "platform/dialog.h"
#include "platform/services.h"
#include "recordings/training_proposal.h"

namespace sb::editor {

namespace takeover_dialog {
constexpr int day = 300;
constexpr int month = 301;
constexpr int year = 302;
constexpr int sport = 303;
constexpr int hours = 304;
constexpr int minutes = 305;
constexpr int distance = 306;
constexpr int pulse = 307;
constexpr int height = 308;
constexpr int pulseNote = 309;
constexpr int okButton = 310;
constexpr int cancelButton = 311;
}  // namespace takeover_dialog

const platform::DialogTemplate& trainingTakeoverTemplate();

// Shows the proposal for a plan whose day editor has the form `layout`. OK checks every field, refuses
// a date outside the plan year, asks before values already entered are replaced, then writes the entry
// and marks the plan changed. The day index written; nothing when the user cancelled.
std::optional<int> runTrainingTakeover(platform::Services& services, model::TrainingYear& year,
                                       const DayEditorLayout& layout,
                                       const recordings::TrainingProposal& proposal);

}  // namespace sb::editor
