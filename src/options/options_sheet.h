// The options sheet "Konfiguration": the pages "Arbeitsbereich", "Sportart", "Darstellung", "Anzeige",
// "Soll/Ist-Bereiche" and, while heart-rate monitor or bike-computer files are supported,
// "Puls-Bereiche". It changes the settings in memory and writes some of them at once; the caller shows
// the changed settings (menus, diagram) when it returns.
#pragma once

#include "config/config_store.h"
#include "platform/services.h"

namespace sb::options {

constexpr const char* kOptionsCaption = "Konfiguration";
// Every page has this size in dialog units, wide enough for all six tabs.
constexpr int kOptionsPageWidth = 340;
constexpr int kOptionsPageHeight = 176;

// The page "Puls-Bereiche", which exists only while such files are supported.
constexpr int kPulseZonesPage = 5;
bool hasPulseZonesPage(const config::ConfigStore& settings);

void openOptions(platform::Services& services, config::ConfigStore& settings, int startPage = 0);

}  // namespace sb::options
