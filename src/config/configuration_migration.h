// The one-time move of the earliest version's settings: its comma-separated train.cfg in a fixed place
// (the home folder here) gives the standard routes, is backed up as train.alt and then removed.
#pragma once

#include <string>

#include "config/config_store.h"
#include "config/route_store.h"
#include "platform/services.h"

namespace sb::config {

struct MigrationPaths {
    std::string oldConfigFile;  // the old comma-separated file
    std::string backupFile;     // where it is copied before it is removed
    std::string routesFile;     // strecke.cfg
};

// Returns 1 when an old file was found and imported, else 0. The old file is removed only when both the
// route file and the backup copy were written. store.lastFile ends up as the configuration file's
// LETZTE_DATEI; the caller moves it into currentFileName.
int migrateOldConfiguration(ConfigStore& store, RouteStore& routes, const MigrationPaths& paths,
                            platform::Services& services);

}  // namespace sb::config
