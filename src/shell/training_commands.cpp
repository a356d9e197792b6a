// The diary commands. The take-over brings its own modal-view frame, because it is also reached from a
// recording's info dialog, whose command runs without one.
#include "shell/training_commands.h"

#include "editor/day_editor_command.h"
#include "editor/day_editor_layout.h"
#include "editor/training_takeover_dialog.h"
#include "recordings/training_proposal.h"
#include "shell/command_dispatcher.h"
#include "shell/command_ids.h"
#include "shell/modal_view.h"

namespace sb::shell {

namespace {

// A heart-rate file names no sport; a sport mode of one sport answers the question for it.
recordings::TrainingProposal proposalFor(const recordings::LoadedRecording& recording, int sportMode) {
    recordings::TrainingProposal proposal = recordings::proposeTraining(recording);
    constexpr int kSportOfMode[] = {0, model::kBike, model::kRun, model::kSwim};
    if (proposal.sport == 0 && sportMode >= 1 && sportMode <= 3) proposal.sport = kSportOfMode[sportMode];
    return proposal;
}

}  // namespace

void editTrainingDays(Application& app, MainWindowView& view, platform::Services& services, int firstDay) {
    const editor::DayEditorOutcome outcome = editor::runDayEditorCommand(
        services, app.year, app.settings, app.routes, app.paths.helpFilePath, firstDay);
    if (outcome == editor::DayEditorOutcome::OdometersWanted)
        dispatchCommand(app, view, services, cmd::kOdometers);
}

void takeOverRecording(Application& app, MainWindowView& view, platform::Services& services,
                       const recordings::LoadedRecording& recording) {
    const editor::DayEditorLayout* layout = editor::chooseDayEditorLayout(
        app.year.planFileVersion, app.settings.sportMode, app.settings.triathlonBasic);
    if (!layout) {
        services.messageBox(
            "Es ist kein Saisonbuch geöffnet.\nÖffnen oder erstellen Sie zuerst das "
            "Saisonbuch, in das das Training übernommen werden soll.",
            "Hinweis", platform::Buttons::Ok, platform::Icon::Information);
        return;
    }
    ModalView modal(app, view);
    const std::optional<int> day =
        editor::runTrainingTakeover(services, app.year, *layout, proposalFor(recording, app.settings.sportMode));
    if (day) editTrainingDays(app, view, services, *day);
}

void takeOverLoadedRecording(Application& app, MainWindowView& view, platform::Services& services) {
    takeOverRecording(app, view, services, app.recordings.loaded);
}

}  // namespace sb::shell
