// Reading the settings for a command. A settings file the user named must be there; the program's own
// file may be missing, as it is before the program's first start, and without a program directory the
// defaults hold.
#include "cli/cli_settings.h"

#include <filesystem>
#include <iostream>

#include "config/program_paths.h"

namespace sb::cli {

bool readSettings(CommandLine& line, config::ConfigStore& settings, std::string& error) {
    const bool named = line.has("--settings");
    std::string unusable;
    line.settingsFile = named ? line.value("--settings") : config::programSettingsFile(unusable);
    if (!unusable.empty())
        std::cerr << "saisonbuch-cli: Programmverzeichnis " << unusable << "; es gelten die Standardeinstellungen.\n";
    std::error_code ignored;
    if (named && !std::filesystem::is_regular_file(line.settingsFile, ignored)) {
        error = "Einstellungsdatei nicht gefunden: " + line.settingsFile;
        return false;
    }
    if (!config::readSettingsWithoutWriting(settings, line.settingsFile)) {
        error = "Einstellungsdatei nicht lesbar: " + line.settingsFile;
        return false;
    }
    return true;
}

}  // namespace sb::cli
