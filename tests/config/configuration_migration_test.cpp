// Where the settings live: the program directory found from the environment, never the working
// directory; and moving the old comma-separated settings there: routes imported and written, the old
// file backed up and removed only when that worked, and files that are not of the old kind left alone.
#include "config/configuration_migration.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <tuple>

#include "config/program_paths.h"
#include "support/plan_fixtures.h"
#include "platform/headless/headless_services.h"
#include "shell/save_failure_report.h"

using namespace sb::config;
using namespace sb::testing;
using sb::platform::Icon;
using sb::platform::headless::HeadlessServices;
using sb::platform::headless::LoggedMessage;

namespace {

Environment environmentOf(std::map<std::string, std::string> values) {
    return [values](const std::string& name) -> std::optional<std::string> {
        auto found = values.find(name);
        if (found == values.end()) return std::nullopt;
        return found->second;
    };
}

const LoggedMessage kNotice{
    "Die \"train.cfg\" liegt jetzt im Programmverzeichnis.\nZusätzlich gibt es die neue Datei \"strecke.cfg\".",
    "Hinweis", sb::platform::Buttons::Ok, Icon::Exclamation};

struct Installation {
    TempDir dir;
    ConfigStore store;
    RouteStore routes;
    HeadlessServices services;
    MigrationPaths paths{dir.file("home/train.cfg"), dir.file("home/train.alt"),
                         dir.file("prog/strecke.cfg")};
    Installation() {
        std::filesystem::create_directories(dir.path() / "home");
        std::filesystem::create_directories(dir.path() / "prog");
        openConfigFile(store, dir.file("prog/train.cfg"));
    }
};

// The move as the start-up runs it: migrated, then told.
int migrate(Installation& s, RouteStore& routes) {
    const MigrationOutcome outcome = migrateOldConfiguration(s.store, routes, s.paths);
    sb::shell::reportMigration(s.services, outcome, s.paths);
    return outcome.imported ? 1 : 0;
}

}  // namespace

TEST(ConfigurationMigration, ImportsRoutesAndMovesTheOldFileAside) {
    Installation s;
    const std::string old = "C:\\PLAENE\\ANNA.SB3,1,0,rest\r\nzweite Zeile\r\nHausrunde,12.5,x\r\n" +
                            std::string(230, 'L') + ",7.25,\r\nohne Komma\r\n";
    writeBytes(s.paths.oldConfigFile, old);
    writeBytes(s.dir.file("prog/train.cfg"), "[KONFIG]\r\nLETZTE_DATEI=/neu/plan.sb3\r\n");
    openConfigFile(s.store, s.dir.file("prog/train.cfg"));
    s.routes.routes[50].name = "vorher";

    EXPECT_EQ(migrate(s, s.routes), 1);
    EXPECT_EQ(s.services.messages(), std::vector<LoggedMessage>{kNotice});
    EXPECT_EQ(s.store.lastFile, "/neu/plan.sb3");
    const auto& routes = s.routes.routes;
    EXPECT_EQ(std::tuple(routes[0].name, routes[0].lengthKm, routes[1].name, routes[2].name,
                         routes[2].lengthKm, routes[50].name),
              std::tuple("Hausrunde", 12.5f, std::string(199, 'L'), "ohne Komma", 0.0f, ""));

    RouteStore written;
    loadRoutes(written, s.paths.routesFile);
    EXPECT_EQ(std::pair(written.routes[1].name, written.routes[1].lengthKm),
              std::pair(std::string(199, 'L'), 7.2f));
    EXPECT_EQ(fileBytes(s.paths.backupFile), old);
    EXPECT_FALSE(std::filesystem::exists(s.paths.oldConfigFile));

    // Once moved, nothing happens any more.
    EXPECT_EQ(migrate(s, s.routes), 0);
    EXPECT_EQ(s.services.messages().size(), 1u);
}

// A backup or routes file that cannot be written is reported by name; the old file stays for the next
// start, which runs the move again but does not replace the routes edited and saved since.
TEST(ConfigurationMigration, KeepsTheOldFileWhenTheBackupOrTheRoutesFail) {
    for (bool backupFails : {true, false}) {
        Installation s;
        writeBytes(s.paths.oldConfigFile, "plan.sb3,0,0,\n\nRunde,5,\n");
        std::string& lost = backupFails ? s.paths.backupFile : s.paths.routesFile;
        lost = s.dir.file("gone/" + std::filesystem::path(lost).filename().string());
        EXPECT_EQ(migrate(s, s.routes), 1);
        const LoggedMessage failure =
            backupFails ? LoggedMessage{"CopyFile (\"" + s.paths.oldConfigFile + "\", \"" + lost + "\")\nCode : 2",
                                        "Fehler", sb::platform::Buttons::Ok, Icon::Stop}
                        : LoggedMessage{"Fehler beim Speichern der Datei\n" + lost + ": " + std::strerror(ENOENT),
                                        "Fehler", sb::platform::Buttons::Ok, Icon::Exclamation};
        EXPECT_EQ(s.services.messages(), (std::vector<LoggedMessage>{kNotice, failure}));
        EXPECT_TRUE(std::filesystem::exists(s.paths.oldConfigFile));
        EXPECT_EQ(s.routes.routes[0].name, "Runde");
        if (!backupFails) continue;

        s.routes.routes[0].name = "Runde am See";
        ASSERT_EQ(saveRoutes(s.routes, s.paths.routesFile), 0);
        const std::string edited = fileBytes(s.paths.routesFile);
        RouteStore next;
        EXPECT_EQ(migrate(s, next), 1);
        EXPECT_EQ(fileBytes(s.paths.routesFile), edited);
        EXPECT_TRUE(next.routes[0].name.empty());
    }
}

TEST(ConfigurationMigration, LeavesFilesThatAreNotOldSettingsAlone) {
    Installation s;
    EXPECT_EQ(migrate(s, s.routes), 0);

    // A settings file of this version in the old place (the program ran there before).
    writeBytes(s.paths.oldConfigFile, "\r\n[KONFIG]\r\nAUTOLADEN=1\r\n");
    EXPECT_EQ(migrate(s, s.routes), 0);

    // The old place is the configuration file itself (program directory = home folder).
    writeBytes(s.paths.oldConfigFile, "plan.sb3,0,0,\n");
    openConfigFile(s.store, s.paths.oldConfigFile);
    EXPECT_EQ(migrate(s, s.routes), 0);
    EXPECT_TRUE(s.services.messages().empty());
    EXPECT_TRUE(std::filesystem::exists(s.paths.oldConfigFile));
    EXPECT_FALSE(std::filesystem::exists(s.paths.routesFile));
}

TEST(ProgramPaths, FollowsTheEnvironmentAndCreatesTheDirectory) {
    TempDir dir;
    const std::string home = dir.file("home");
    const std::string own = dir.file("eigen/saisonbuch");

    ProgramPaths paths = locateProgramDirectory(environmentOf({{"SAISONBUCH_HOME", own}, {"HOME", home}}));
    EXPECT_TRUE(std::filesystem::is_directory(own));
    EXPECT_EQ((std::vector<std::string>{paths.programDirectory, paths.configFilePath, paths.routesFilePath,
                                        paths.helpFilePath, paths.tourFilePath, paths.oldConfigFilePath,
                                        paths.oldConfigBackupPath}),
              (std::vector<std::string>{own, own + "/train.cfg", own + "/strecke.cfg", "help/inhalt.html",
                                        "help/tour.html", home + "/train.cfg", home + "/train.alt"}));

    const std::string xdg = dir.file("xdg");
    paths = locateProgramDirectory(
        environmentOf({{"SAISONBUCH_HOME", ""}, {"XDG_CONFIG_HOME", xdg}, {"HOME", home}}));
    EXPECT_EQ(paths.programDirectory, xdg + "/saisonbuch");

    paths = locateProgramDirectory(environmentOf({{"XDG_CONFIG_HOME", "relative/dir"}, {"HOME", home}}));
    EXPECT_EQ(paths.programDirectory, home + "/.config/saisonbuch");
    EXPECT_TRUE(std::filesystem::is_directory(home + "/.config/saisonbuch"));
}

// No HOME, a file in the directory's place or a folder that cannot be written: never the working
// directory, no file paths, and the reason for the start-up message; the tool reads no settings file.
TEST(ProgramPaths, NeverFallsBackToTheWorkingDirectory) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("read-only"));
    std::filesystem::permissions(dir.file("read-only"), std::filesystem::perms{0555});
    // Home, the directory named and the reason given.
    // A file in its place: the start-up test of an unusable program directory.
    std::vector<std::tuple<std::string, std::string, std::string>> cases{
        {"", "~/.config/saisonbuch", "HOME ist nicht gesetzt"}};
    // root may write anywhere, so only an ordinary user meets the read-only folder.
    if (::geteuid() != 0) cases.emplace_back(dir.file("read-only"), dir.file("read-only"), std::strerror(EACCES));
    for (const auto& [home, directory, reason] : cases) {
        const auto environment =
            home.empty() ? environmentOf({}) : environmentOf({{"SAISONBUCH_HOME", home}, {"HOME", dir.path().string()}});
        const ProgramPaths paths = locateProgramDirectory(environment);
        EXPECT_EQ((std::vector<std::string>{directory, reason, "", "", "", ""}),
                  (std::vector<std::string>{paths.programDirectory, paths.unusableReason, paths.configFilePath,
                                            paths.routesFilePath, paths.oldConfigFilePath, paths.oldConfigBackupPath}));
        std::string unusable;
        const bool readOnly = home == dir.file("read-only");
        EXPECT_EQ(readOnly ? home + "/train.cfg" : "", programSettingsFile(unusable, environment));
        EXPECT_EQ(readOnly ? "" : directory + ": " + reason, unusable);
    }
    std::filesystem::permissions(dir.file("read-only"), std::filesystem::perms::owner_all);
}
