// The one-time move of the earliest version's settings: its comma-separated train.cfg in a fixed place
// (the home folder here) gives the standard routes, is backed up as train.alt and then removed.
#pragma once

#include <string>
#include <system_error>

#include "config/config_store.h"
#include "config/route_store.h"

namespace sb::config {

struct MigrationPaths {
    std::string oldConfigFile;  // the old comma-separated file
    std::string backupFile;     // where it is copied before it is removed
    std::string routesFile;     // strecke.cfg
};

// What the move did, for the caller to tell the user in this order: the notice when imported, then the
// route file that could not be written, then the file step that failed.
struct MigrationOutcome {
    bool imported = false;     // an old file was found and read
    bool routesFailed = false;  // strecke.cfg could not be written
    int routesError = 0;        // errno of that failure
    std::string failedStep;     // "CopyFile (...)" or "DeleteFile (...)" as the message names it; empty when none
    std::error_code error;      // the reason of failedStep
};

// The old file is removed only when both the route file and the backup copy were written.
// store.lastFile ends up as the configuration file's LETZTE_DATEI; the caller moves it into currentFileName.
MigrationOutcome migrateOldConfiguration(ConfigStore& store, RouteStore& routes, const MigrationPaths& paths);

}  // namespace sb::config
