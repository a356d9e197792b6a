// The commands that write the diary: the day editor ("Trainingsdaten") and a recording taken over as a
// day's training ("Als Training übernehmen"), which ends in the day editor on the day it wrote.
#pragma once

#include "platform/services.h"
#include "recordings/loaded_recording.h"
#include "shell/application.h"
#include "shell/main_window_view.h"

namespace sb::shell {

// Command 32 (inside the modal-view frame): the day editor, opening on firstDay when it is not -1; when
// an odometer became due and the user wants to see it, the odometers follow.
void editTrainingDays(Application& app, MainWindowView& view, platform::Services& services,
                      int firstDay = -1);

// The take-over dialog for `recording`, then the day editor on the day written. Without an open plan
// the user is told so and nothing else happens.
void takeOverRecording(Application& app, MainWindowView& view, platform::Services& services,
                       const recordings::LoadedRecording& recording);

// Command 86: the recording read last.
void takeOverLoadedRecording(Application& app, MainWindowView& view, platform::Services& services);

}  // namespace sb::shell
