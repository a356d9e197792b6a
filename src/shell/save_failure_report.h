// Telling the user that the settings file or the route file could not be written, and what the one-time
// move of the old settings did. Settings are written key by key and every later write retries the whole
// file, so a folder that stays read-only would fail in every dialog: the user hears of it once, and again
// only after a save has succeeded in between.
#pragma once

#include <string>

#include "config/config_store.h"
#include "config/configuration_migration.h"
#include "platform/services.h"

namespace sb::shell {

// "Fehler beim Speichern der Datei" with the file's path and the system's reason for error (an errno
// value) on the next line; error 0 gives the path alone.
void reportFileNotSaved(platform::Services& services, const std::string& path, int error);
// Reports train.cfg when its last save failed and that failure has not been reported yet.
void reportUnsavedSettings(config::ConfigStore& store, platform::Services& services);
// The notice of an imported old settings file, then each of its steps that failed.
void reportMigration(platform::Services& services, const config::MigrationOutcome& outcome,
                     const config::MigrationPaths& paths);

}  // namespace sb::shell
