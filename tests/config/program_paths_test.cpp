// Finding the program directory from the environment, and no fall-back to the working directory.
#include "config/program_paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <tuple>

#include "support/plan_fixtures.h"

using namespace sb::config;
using namespace sb::testing;

namespace {

Environment environmentOf(std::map<std::string, std::string> values) {
    return [values](const std::string& name) -> std::optional<std::string> {
        auto found = values.find(name);
        if (found == values.end()) return std::nullopt;
        return found->second;
    };
}

}  // namespace

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
