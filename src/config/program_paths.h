// Where the program keeps its files: the program directory with train.cfg and strecke.cfg, the help
// pages, and the fixed place of the settings file of the earliest version (for its one-time move).
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace sb::config {

// The help is a set of HTML pages inside the program's resources, so these two are names within that
// collection rather than files in the program directory; the help viewer resolves them.
constexpr const char* kHelpContentsPage = "help/inhalt.html";
constexpr const char* kHelpTourPage = "help/tour.html";

struct ProgramPaths {
    std::string programDirectory;
    std::string configFilePath;       // programDirectory/train.cfg
    std::string routesFilePath;       // programDirectory/strecke.cfg
    std::string helpFilePath;         // kHelpContentsPage
    std::string tourFilePath;         // kHelpTourPage
    std::string oldConfigFilePath;    // $HOME/train.cfg; empty without HOME
    std::string oldConfigBackupPath;  // $HOME/train.alt; empty without HOME
};

// The value of an environment variable, or nothing when it is not set.
using Environment = std::function<std::optional<std::string>(const std::string& name)>;
std::optional<std::string> processEnvironment(const std::string& name);

// SAISONBUCH_HOME when set; otherwise $XDG_CONFIG_HOME/saisonbuch (an absolute XDG_CONFIG_HOME only,
// else ~/.config/saisonbuch). The directory is created when missing; when it cannot be had, the current
// working directory is used.
ProgramPaths locateProgramDirectory(const Environment& environment = processEnvironment);
// The train.cfg the program would read, found by the same rule but without creating the directory:
// where it does not exist yet, the program would start from the defaults, and so does a missing file.
std::string programSettingsFile(const Environment& environment = processEnvironment);

}  // namespace sb::config
