// Reading the settings for a command. A settings file the user named must be there; the program's own
// file may be missing, as it is before the program's first start, and without a program directory the
// defaults hold.
#include "cli/cli_settings.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "config/program_paths.h"

namespace sb::cli {

bool takeSettings(Arguments& arguments, config::ConfigStore& settings, std::string& error) {
    std::string unusable;
    std::string path = config::programSettingsFile(unusable);
    bool named = false;
    auto option = std::find(arguments.begin(), arguments.end(), "--settings");
    if (option != arguments.end()) {
        if (option + 1 == arguments.end()) {
            error = "--settings ohne Datei";
            return false;
        }
        path = *(option + 1);
        named = true;
        arguments.erase(option, option + 2);
    }
    if (!named && !unusable.empty())
        std::cerr << "saisonbuch-cli: Programmverzeichnis " << unusable << "; es gelten die Standardeinstellungen.\n";
    std::error_code ignored;
    if (named && !std::filesystem::is_regular_file(path, ignored)) {
        error = "Einstellungsdatei nicht gefunden: " + path;
        return false;
    }
    if (!config::readSettingsWithoutWriting(settings, path)) {
        error = "Einstellungsdatei nicht lesbar: " + path;
        return false;
    }
    return true;
}

}  // namespace sb::cli
