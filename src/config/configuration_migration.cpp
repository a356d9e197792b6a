// Importing the old comma-separated settings file. Its layout:
//   line 1      last plan file, two numbers that are no longer used, each ended by ','; rest ignored
//   line 2      ignored
//   lines 3…102 route name ',' length in km ',' — anything after the second comma is ignored
// A missing route line gives a free slot.
#include "config/configuration_migration.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "fileio/c_numbers.h"
#include "fileio/file_bytes.h"
#include "fileio/file_identity.h"
#include "fileio/text_lines.h"
#include "model/training_year.h"

namespace sb::config {

namespace {

namespace fs = std::filesystem;

std::optional<std::string> readOldFile(const std::string& path) {
    std::string bytes;
    if (fileio::readFileBytes(path, bytes, kLargestProfileFile) != fileio::ReadOutcome::Read) return std::nullopt;
    return bytes;
}

std::string_view fieldUpToComma(std::string_view text) {
    return text.substr(0, text.find(','));
}

// A profile file in the old place is a settings file of this version, not one to import.
bool looksLikeProfileFile(std::string_view bytes) {
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && bytes[first] == '[';
}

void importOldFile(std::string_view bytes, ConfigStore& store, RouteStore* routes) {
    const std::vector<std::string_view> lines = fileio::splitLines(bytes);
    if (!lines.empty()) store.lastFile = model::cutToWidth(fieldUpToComma(lines[0]), buffer::fileName);
    for (int i = 0; routes && i < kRouteCount; ++i) {
        const std::size_t lineIndex = static_cast<std::size_t>(i) + 2;
        const std::string_view line = lineIndex < lines.size() ? lines[lineIndex] : std::string_view();
        const std::string_view name = fieldUpToComma(line);
        const std::string_view rest = line.substr(std::min(line.size(), name.size() + 1));
        StandardRoute& route = routes->routes[i];
        route.name = model::cutToWidth(name.substr(0, name.find('\0')), kRouteNameWidth);
        route.lengthKm = name.size() < line.size() ? fileio::atofFloatC(fieldUpToComma(rest)) : 0.0f;
    }
}

}  // namespace

MigrationOutcome migrateOldConfiguration(ConfigStore& store, RouteStore& routes, const MigrationPaths& paths) {
    MigrationOutcome outcome;
    if (paths.oldConfigFile.empty() || fileio::sameFile(paths.oldConfigFile, store.file.path)) return outcome;
    const std::optional<std::string> bytes = readOldFile(paths.oldConfigFile);
    if (!bytes || looksLikeProfileFile(*bytes)) return outcome;
    outcome.imported = true;
    // Routes already kept in the new place are the user's own: they are never replaced by old ones
    // (which stay in the backup). This also keeps a migration that could not finish, and so runs
    // again at the next start, from undoing the route edits made since.
    std::error_code error;
    const bool routesKept = fs::exists(paths.routesFile, error);
    importOldFile(*bytes, store, routesKept ? nullptr : &routes);
    store.lastFile = readSetting(store, "KONFIG", "LETZTE_DATEI", "", WriteBack::No, buffer::fileName);
    outcome.routesFailed = !routesKept && saveRoutes(routes, paths.routesFile) != 0;
    if (outcome.routesFailed) outcome.routesError = errno;

    if (!fs::copy_file(paths.oldConfigFile, paths.backupFile, fs::copy_options::overwrite_existing, error)) {
        outcome.failedStep = "CopyFile (\"" + paths.oldConfigFile + "\", \"" + paths.backupFile + "\")";
        outcome.error = error;
        return outcome;
    }
    if (outcome.routesFailed) return outcome;
    if (!fs::remove(paths.oldConfigFile, error)) {
        outcome.failedStep = "DeleteFile (\"" + paths.oldConfigFile + "\")";
        outcome.error = error;
    }
    return outcome;
}

}  // namespace sb::config
