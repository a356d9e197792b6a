// Locating the program directory from the environment and deriving the paths of its files.
#include "config/program_paths.h"

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

bool usableDirectory(const std::string& directory) {
    std::error_code error;
    fs::create_directories(directory, error);
    return fs::is_directory(directory, error);
}

std::string currentDirectory() {
    std::error_code error;
    const fs::path current = fs::current_path(error);
    return error ? std::string(".") : current.string();
}

}  // namespace

std::optional<std::string> processEnvironment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (!value) return std::nullopt;
    return std::string(value);
}

ProgramPaths locateProgramDirectory(const Environment& environment) {
    ProgramPaths paths;
    auto preferred = preferredDirectory(environment);
    paths.programDirectory = preferred && usableDirectory(*preferred) ? *preferred : currentDirectory();
    const fs::path directory(paths.programDirectory);
    paths.configFilePath = (directory / "train.cfg").string();
    paths.routesFilePath = (directory / "strecke.cfg").string();
    paths.helpFilePath = kHelpContentsPage;
    paths.tourFilePath = kHelpTourPage;
    if (auto home = nonEmpty(environment, "HOME")) {
        paths.oldConfigFilePath = (fs::path(*home) / "train.cfg").string();
        paths.oldConfigBackupPath = (fs::path(*home) / "train.alt").string();
    }
    return paths;
}

std::string programSettingsFile(const Environment& environment) {
    const auto preferred = preferredDirectory(environment);
    return (fs::path(preferred ? *preferred : currentDirectory()) / "train.cfg").string();
}

}  // namespace sb::config
