// Telling the user that the settings file or the route file could not be written. Settings are written
// key by key and every later write retries the whole file, so a folder that stays read-only would fail in
// every dialog: the user hears of it once, and again only after a save has succeeded in between.
#pragma once

#include <string>

#include "config/config_store.h"
#include "platform/services.h"

namespace sb::config {

// "Fehler beim Speichern der Datei" with the file's path on the next line.
void reportFileNotSaved(platform::Services& services, const std::string& path);
// Reports train.cfg when its last save failed and that failure has not been reported yet.
void reportUnsavedSettings(ConfigStore& store, platform::Services& services);

}  // namespace sb::config
