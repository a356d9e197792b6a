// Locating the program directory from the environment and deriving the paths of its files.
#include "config/program_paths.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace sb::config {

namespace {

namespace fs = std::filesystem;

std::optional<std::string> nonEmpty(const Environment& environment, const std::string& name) {
    auto value = environment(name);
    if (value && value->empty()) return std::nullopt;
    return value;
}

std::optional<std::string> preferredDirectory(const Environment& environment) {
    if (auto home = nonEmpty(environment, "SAISONBUCH_HOME")) return home;
    auto xdg = nonEmpty(environment, "XDG_CONFIG_HOME");
    if (xdg && fs::path(*xdg).is_absolute()) return (fs::path(*xdg) / "saisonbuch").string();
    if (auto home = nonEmpty(environment, "HOME"))
        return (fs::path(*home) / ".config" / "saisonbuch").string();
    return std::nullopt;
}

// Why directory cannot hold the program's files, or nothing when it can; create makes it when missing.
std::string directoryProblem(const std::string& directory, bool create) {
    std::error_code error;
    if (create) fs::create_directories(directory, error);
    if (error) return error.message();
    const fs::file_status status = fs::status(directory, error);
    if (!create && status.type() == fs::file_type::not_found) return {};
    if (!fs::is_directory(status)) return std::generic_category().message(ENOTDIR);
    if (create && ::access(directory.c_str(), W_OK | X_OK) != 0) return std::generic_category().message(errno);
    return {};
}

// The directory the rule names, with its problem; without HOME there is none to name.
std::string programDirectoryOf(const Environment& environment, bool create, std::string& problem) {
    const auto preferred = preferredDirectory(environment);
    if (!preferred) {
        problem = "HOME ist nicht gesetzt";
        return "~/.config/saisonbuch";
    }
    problem = directoryProblem(*preferred, create);
    return *preferred;
}

}  // namespace

std::optional<std::string> processEnvironment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (!value) return std::nullopt;
    return std::string(value);
}

ProgramPaths locateProgramDirectory(const Environment& environment) {
    ProgramPaths paths;
    paths.programDirectory = programDirectoryOf(environment, true, paths.unusableReason);
    paths.helpFilePath = kHelpContentsPage;
    paths.tourFilePath = kHelpTourPage;
    if (!paths.unusableReason.empty()) return paths;
    const fs::path directory(paths.programDirectory);
    paths.configFilePath = (directory / "train.cfg").string();
    paths.routesFilePath = (directory / "strecke.cfg").string();
    if (auto home = nonEmpty(environment, "HOME")) {
        paths.oldConfigFilePath = (fs::path(*home) / "train.cfg").string();
        paths.oldConfigBackupPath = (fs::path(*home) / "train.alt").string();
    }
    return paths;
}

std::string programSettingsFile(std::string& unusable, const Environment& environment) {
    std::string problem;
    const std::string directory = programDirectoryOf(environment, false, problem);
    if (problem.empty()) return (fs::path(directory) / "train.cfg").string();
    unusable = directory + ": " + problem;
    return {};
}

}  // namespace sb::config
