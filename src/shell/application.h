// The program's one set of state: the open plan, the settings, the standard routes, the program's paths
// and what the main window shows. Created once at start-up and handed to every command; tests make
// their own.
#pragma once

#include <string>
#include <vector>

#include "config/config_store.h"
#include "config/program_paths.h"
#include "config/route_store.h"
#include "load/load_window.h"
#include "model/training_year.h"
#include "platform/menu.h"
#include "platform/picture_writer.h"
#include "recordings/loaded_recording.h"
#include "recordings/recording_table.h"
#include "shell/plan_guard.h"

namespace sb::shell {

// Which recording the X-Y diagram shows; the readers fill it.
struct RecordingState {
    bool heartRateFileLoaded = false;
    bool bikeComputerFileLoaded = false;
    int source = 0;                    // 6 heart-rate monitor file, 8 bike-computer file, 10 activity file
    int capabilityBits = 0;            // what the loaded file holds; decides the X-Y axis menus
    std::string lastHeartRateFile;  // the "&Pulsuhr" menu's last file: heart-rate or activity file
    std::string lastBikeComputerFile;
    recordings::LoadedRecording loaded;  // the samples of the last file read, and both readers' info
    recordings::XySeries series;         // the columns the X-Y diagram shows now
};

struct Application {
    config::ProgramPaths paths;
    model::TrainingYear year;
    config::ConfigStore settings;
    config::RouteStore routes;
    RecordingState recordings;
    PlanGuard guard;

    // What the window shows at the moment; diagram.diagramKind is currentDiagramKind.
    config::DiagramChoice diagram;
    int currentWeek = 0;    // 1…53 once set at start-up
    int currentMonth = 0;   // 1…12 once set at start-up
    int logoDone = 0;       // diagrams are drawn only once the start logo has gone
    int newPlanMode = 0;    // the athlete dialog edits the plan year only while a new plan is made
    std::string startFile;  // named on the command line: opened once, by the start-up command

    std::vector<platform::MenuItem> menuBar;  // as last built, with the file state applied

    load::LoadWindow loadWindow;                  // "Belastungsverlauf", beside the main window
    platform::PictureWriter* pictures = nullptr;  // saving charts as images; null where none can be
};

}  // namespace sb::shell
