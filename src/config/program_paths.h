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
    std::string configFilePath;       // programDirectory/train.cfg; empty when the directory is unusable
    std::string routesFilePath;       // programDirectory/strecke.cfg; empty when the directory is unusable
    std::string helpFilePath;         // kHelpContentsPage
    std::string tourFilePath;         // kHelpTourPage
    std::string oldConfigFilePath;    // $HOME/train.cfg; empty without HOME or a usable directory
    std::string oldConfigBackupPath;  // $HOME/train.alt; empty without HOME or a usable directory
    std::string unusableReason;       // why programDirectory cannot be used; empty when it can
};

// The value of an environment variable, or nothing when it is not set.
using Environment = std::function<std::optional<std::string>(const std::string& name)>;
std::optional<std::string> processEnvironment(const std::string& name);

// SAISONBUCH_HOME when set; otherwise $XDG_CONFIG_HOME/saisonbuch (an absolute XDG_CONFIG_HOME only,
// else ~/.config/saisonbuch). The directory is created when missing. There is no fallback: settings
// written into whatever folder the program was started from would be lost or land in a stranger's
// folder, so a directory that cannot be created or written leaves the file paths empty and the
// program runs on its defaults, writing nothing.
ProgramPaths locateProgramDirectory(const Environment& environment = processEnvironment);
// The train.cfg the program would read, found by the same rule but without creating the directory:
// where it does not exist yet, the program would start from the defaults, and so does a missing file.
// Empty, with "directory: reason" in unusable, when there is no directory to read from.
std::string programSettingsFile(std::string& unusable, const Environment& environment = processEnvironment);

}  // namespace sb::config
